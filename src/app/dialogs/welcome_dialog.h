#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace quiltara::app {

// The Welcome dialog offered after start-up: create a collage, open one or
// leave the program. It has no close box: one of its buttons ends it.
class TfrmWelcome : public QDialog {
    Q_OBJECT

public:
    enum Outcome { Created, Opened, ExitChosen };

    explicit TfrmWelcome(QWidget* parent = nullptr);

    // Runs NewCollage; true closes the dialog. Empty: the button is disabled.
    std::function<bool()> onNewCollage;
    // Runs the open command (file dialog, open); true closes the dialog. The
    // dialog may hide itself meanwhile. Empty: the button is disabled.
    std::function<bool()> onOpenCollage;

    // Shows the dialog modally until one of its buttons ends it. Unlike
    // exec(), hiding the dialog while a collage opens does not end it.
    Outcome run();

    QPushButton* btnNewCollage() const { return m_new; }
    QPushButton* btnOpenCollage() const { return m_open; }
    QPushButton* btnExit() const { return m_exit; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void finish(Outcome outcome);

    QPushButton* m_new = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_exit = nullptr;
    bool m_finished = false;
    Outcome m_outcome = ExitChosen;
};

} // namespace quiltara::app
