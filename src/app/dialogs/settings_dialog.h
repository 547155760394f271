#pragma once

#include "app/core/settings_file.h"

#include <QDialog>
#include <QLineEdit>

#include <functional>
#include <optional>

class QCheckBox;
class QPushButton;

namespace quiltara::app {

// The JPEG quality edit: at most three characters; digits, '.' and
// backspace are taken, every other key that types something is dropped.
class QualityEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit QualityEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// "Miscellaneous Settings": edits the Settings section of collage.cfg. The
// dialog only edits a MiscSettings record; the caller stores it.
class TfrmSettings : public QDialog {
    Q_OBJECT

public:
    // The settings to store after "Save Settings", or nothing after
    // "Cancel". onHelp runs for "&Help".
    static std::optional<MiscSettings> edit(QWidget* parent, const MiscSettings& current,
                                            std::function<void()> onHelp = {});

    explicit TfrmSettings(QWidget* parent = nullptr);

    void load(const MiscSettings& settings);
    // What "Save Settings" stores: the quality edit's text as a whole number
    // (100 when it is not one or lies outside 0 ... 100), the boxes, and
    // "Increase Auto Collage Limit" always on.
    MiscSettings settings() const;

    QLineEdit* edQuality() const { return m_quality; }
    QCheckBox* cbHideSplash() const { return m_hideSplash; }
    QCheckBox* cbQuickPreview() const { return m_quickPreview; }
    QCheckBox* cbShrinkEmail() const { return m_shrinkEmail; }
    QCheckBox* cbFastRubberband() const { return m_fastRubberband; }
    QPushButton* btnSave() const { return m_save; }
    QPushButton* btnCancel() const { return m_cancel; }
    QPushButton* btnHelp() const { return m_help; }

    std::function<void()> onHelp;

private:
    QualityEdit* m_quality = nullptr;
    QCheckBox* m_hideSplash = nullptr;
    QCheckBox* m_quickPreview = nullptr;
    QCheckBox* m_shrinkEmail = nullptr;
    QCheckBox* m_fastRubberband = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
};

} // namespace quiltara::app
