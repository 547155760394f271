#include "document/dialogs/canvas_size_dialog.h"

#include "app/ui/prompter.h"
#include "document/dialogs/dialog_support.h"
#include "document/size_text.h"
#include "document/texts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quiltara::document {
namespace {

QLineEdit* sizeEdit(const char* name, std::string_view text)
{
    auto* edit = new QLineEdit(toQString(text));
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(kMaxSizeEditLength);
    // Digits and '.' only, typed or pasted.
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [edit](const QString& t) { showText(edit, filterSizeText(toStdString(t))); });
    return edit;
}

} // namespace

bool CanvasSizeDialog::edit(QWidget* parent, CanvasSizeForm& form)
{
    CanvasSizeDialog dialog(parent, form);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    form = dialog.form();
    return true;
}

CanvasSizeDialog::CanvasSizeDialog(QWidget* parent, const CanvasSizeForm& form)
    : QDialog(parent), m_form(form)
{
    setObjectName(QStringLiteral("TfrmCanvasSize"));
    prepareDialogWindow(this, toQString(texts::kCanvasSizeCaption));

    m_width = sizeEdit("edNewWidth", form.widthText);
    m_height = sizeEdit("edNewHeight", form.heightText);
    auto* fields = new QFormLayout;
    auto* currentWidth = new QLabel(QString::number(form.currentWidth));
    currentWidth->setObjectName(QStringLiteral("lblCollageWidth"));
    auto* currentHeight = new QLabel(QString::number(form.currentHeight));
    currentHeight->setObjectName(QStringLiteral("lblCollageHeight"));
    fields->addRow(QStringLiteral("Collage Width"), currentWidth);
    fields->addRow(QStringLiteral("Collage Height"), currentHeight);
    fields->addRow(QStringLiteral("New Width"), m_width);
    fields->addRow(QStringLiteral("New Height"), m_height);

    auto* buttons = okCancelHelpButtons(
        this, [this] { okClicked(); }, "CanvasResize");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CanvasSizeDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void CanvasSizeDialog::okClicked()
{
    m_form.widthText = toStdString(m_width->text());
    m_form.heightText = toStdString(m_height->text());
    if (const auto problem = canvasSizeProblem(m_form)) {
        app::prompter().message(this, app::BoxKind::Error, toQString(*problem));
        return;
    }
    accept();
}

} // namespace quiltara::document
