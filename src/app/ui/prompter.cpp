#include "app/ui/prompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace quiltara::app {
namespace {

Prompter g_realPrompter;
Prompter* g_prompter = nullptr;

QString defaultCaption(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Information:
        return QStringLiteral("Information");
    case BoxKind::Warning:
        return QStringLiteral("Warning");
    case BoxKind::Error:
        break;
    }
    return QStringLiteral("Error");
}

} // namespace

void Prompter::message(QWidget* parent, BoxKind kind, const QString& text, const QString& caption)
{
    const QMessageBox::Icon icon = kind == BoxKind::Information ? QMessageBox::Information
                                   : kind == BoxKind::Warning   ? QMessageBox::Warning
                                                                : QMessageBox::Critical;
    QMessageBox box(icon, caption.isEmpty() ? defaultCaption(kind) : caption, text, QMessageBox::Ok, parent);
    box.exec();
}

Answer Prompter::question(QWidget* parent, const QString& text, bool withCancel, const QString& caption)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, caption.isEmpty() ? QStringLiteral("Confirm") : caption, text,
                    buttons, parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

Answer Prompter::warningQuestion(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Warning, caption.isEmpty() ? defaultCaption(BoxKind::Warning) : caption,
                    text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString Prompter::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString Prompter::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter)
{
    // The program asks its own overwrite question where it needs one.
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

std::optional<QColor> Prompter::colour(QWidget* parent, const QColor& initial, const QString& caption)
{
    const QColor chosen = QColorDialog::getColor(initial, parent, caption);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

Prompter& prompter()
{
    return g_prompter ? *g_prompter : g_realPrompter;
}

void setPrompter(Prompter* replacement)
{
    g_prompter = replacement;
}

} // namespace quiltara::app
