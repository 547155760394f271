#pragma once

#include "document/new_collage.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quiltara::document {

// The New Collage dialog: the project's name and the canvas size as a print
// size at a resolution, as a digital print size, or as free pixel values.
// It edits a NewCollageForm; the form's logic decides what the controls
// show and whether OK may close the dialog.
class NewCollageDialog final : public QDialog {
    Q_OBJECT

public:
    // Runs the dialog modally over form. True when it was left with OK; the
    // form then holds what was accepted.
    static bool edit(QWidget* parent, NewCollageForm& form);

    NewCollageDialog(QWidget* parent, const NewCollageForm& form);
    const NewCollageForm& form() const { return m_form; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectControls();
    // Shows the form in the controls.
    void showForm();
    void okClicked();

    NewCollageForm m_form;
    QLineEdit* m_name = nullptr;
    QGroupBox* m_orientationGroup = nullptr;
    QButtonGroup* m_printSizes = nullptr;
    QButtonGroup* m_orientations = nullptr;
    QCheckBox* m_digitalPrint = nullptr;
    QListWidget* m_resolutions = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLabel* m_pixelWidth = nullptr;
    QLabel* m_pixelHeight = nullptr;
    QLabel* m_megaPixels = nullptr;
    QLabel* m_printSize = nullptr;
    QLabel* m_orientation = nullptr;
    QLabel* m_aspect = nullptr;
    bool m_showing = false;
};

} // namespace quiltara::document
