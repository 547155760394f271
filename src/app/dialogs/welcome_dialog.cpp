#include "app/dialogs/welcome_dialog.h"

#include "app/core/folders.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quiltara::app {
namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const char* picture)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setIcon(
        QIcon(QString::fromStdString(programPath(std::string("resources/buttons/") + picture + ".png"))));
    button->setIconSize(QSize(32, 32));
    button->setMinimumSize(260, 48);
    return button;
}

} // namespace

TfrmWelcome::TfrmWelcome(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(QStringLiteral("Welcome"));
    setWindowModality(Qt::ApplicationModal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    m_new = makeButton(this, "btnNewCollage", "Create New Collage", "new");
    m_open = makeButton(this, "btnOpenCollage", "Open My Collage", "open");
    m_exit = makeButton(this, "btnExit", "Exit Quiltara", "exit");
    layout->addWidget(m_new);
    layout->addWidget(m_open);
    layout->addSpacing(8);
    layout->addWidget(m_exit);

    connect(m_new, &QPushButton::clicked, this, [this] {
        if (onNewCollage && onNewCollage())
            finish(Created);
    });
    connect(m_open, &QPushButton::clicked, this, [this] {
        if (onOpenCollage && onOpenCollage())
            finish(Opened);
    });
    connect(m_exit, &QPushButton::clicked, this, [this] { finish(ExitChosen); });
}

TfrmWelcome::Outcome TfrmWelcome::run()
{
    m_new->setEnabled(static_cast<bool>(onNewCollage));
    m_open->setEnabled(static_cast<bool>(onOpenCollage));
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    m_finished = false;
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    if (!m_finished)
        loop.exec(QEventLoop::DialogExec);
    return m_outcome;
}

void TfrmWelcome::finish(Outcome outcome)
{
    m_outcome = outcome;
    m_finished = true;
    hide();
    emit finished(outcome);
}

void TfrmWelcome::closeEvent(QCloseEvent* event)
{
    // No close box: only the buttons end the dialog.
    if (!m_finished)
        event->ignore();
}

void TfrmWelcome::reject()
{
    // Escape does not end it either.
}

} // namespace quiltara::app
