#pragma once

#include "document/canvas_size.h"

#include <QDialog>

class QLineEdit;

namespace quiltara::document {

// The Canvas Size dialog ("Collage Size"): the current size and two edits
// for the new one. OK closes it only when canvasSizeProblem() finds nothing.
class CanvasSizeDialog final : public QDialog {
    Q_OBJECT

public:
    // Runs the dialog modally over form; true when it was left with OK.
    static bool edit(QWidget* parent, CanvasSizeForm& form);

    CanvasSizeDialog(QWidget* parent, const CanvasSizeForm& form);
    const CanvasSizeForm& form() const { return m_form; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    CanvasSizeForm m_form;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
};

} // namespace quiltara::document
