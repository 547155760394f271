#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace quiltara::app {

enum class Answer { Yes, No, Cancel };
enum class BoxKind { Information, Warning, Error };

// Every modal message, question and file or colour dialog of the program goes
// through the process's prompter, so tests can answer them. The base class
// shows the real boxes and dialogs; a test installs a subclass that answers
// from a script and records what was asked. New kinds of prompt are added
// here as virtual functions with the real dialog as their body.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A box with one OK button. The caption is the kind's usual one
    // ("Information", "Warning", "Error") unless one is given.
    virtual void message(QWidget* parent, BoxKind kind, const QString& text, const QString& caption = {});
    // A confirmation box with Yes and No, or Yes, No and Cancel.
    virtual Answer question(QWidget* parent, const QString& text, bool withCancel = false,
                            const QString& caption = {});

    // A warning box with Yes and No (a question whose Yes loses something).
    virtual Answer warningQuestion(QWidget* parent, const QString& text, const QString& caption = {});

    // File dialogs: the chosen path, or empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter);

    // The colour dialog with its 16 custom colours (QColorDialog keeps them
    // process-wide); nothing when cancelled.
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial, const QString& caption = {});
};

// The process's prompter: the real one unless a test installed another.
Prompter& prompter();
// Installs a prompter (nullptr restores the real one). The caller keeps
// ownership.
void setPrompter(Prompter* replacement);

} // namespace quiltara::app
