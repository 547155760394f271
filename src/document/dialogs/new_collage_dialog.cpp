#include "document/dialogs/new_collage_dialog.h"

#include "app/ui/prompter.h"
#include "document/dialogs/dialog_support.h"
#include "document/size_text.h"
#include "document/texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quiltara::document {
namespace {

QLabel* valueLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(90);
    return label;
}

} // namespace

bool NewCollageDialog::edit(QWidget* parent, NewCollageForm& form)
{
    NewCollageDialog dialog(parent, form);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    form = dialog.form();
    return true;
}

NewCollageDialog::NewCollageDialog(QWidget* parent, const NewCollageForm& form)
    : QDialog(parent), m_form(form)
{
    setObjectName(QStringLiteral("TfrmNewCollage"));
    prepareDialogWindow(this, QStringLiteral("New Collage"));
    buildControls();
    showForm();
    connectControls();
}

void NewCollageDialog::buildControls()
{
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("edName"));
    m_name->setMaxLength(kMaxCollageNameLength);

    auto* printSizeGroup = new QGroupBox(QStringLiteral("Print Size"));
    printSizeGroup->setObjectName(QStringLiteral("rgPrintSize"));
    auto* printSizeLayout = new QVBoxLayout(printSizeGroup);
    m_printSizes = new QButtonGroup(this);
    for (int i = 0; i <= kCustomSize; ++i) {
        auto* button =
            new QRadioButton(toQString(i < kCustomSize ? kPrintSizes[i].item : texts::kCustomSizeItem));
        button->setObjectName(QStringLiteral("rbPrintSize%1").arg(i));
        m_printSizes->addButton(button, i);
        printSizeLayout->addWidget(button);
    }

    m_orientationGroup = new QGroupBox(QStringLiteral(" Orientation "));
    m_orientationGroup->setObjectName(QStringLiteral("rgOrientation"));
    auto* orientationLayout = new QVBoxLayout(m_orientationGroup);
    m_orientations = new QButtonGroup(this);
    for (int i : {kPortrait, kLandscape}) {
        auto* button = new QRadioButton(toQString(i == kPortrait ? texts::kPortrait : texts::kLandscape));
        button->setObjectName(QStringLiteral("rbOrientation%1").arg(i));
        m_orientations->addButton(button, i);
        orientationLayout->addWidget(button);
    }

    m_digitalPrint = new QCheckBox(toQString(texts::kDigitalPrintBox));
    m_digitalPrint->setObjectName(QStringLiteral("cbDigitalPrint"));

    m_resolutions = new QListWidget;
    m_resolutions->setObjectName(QStringLiteral("lbResolution"));
    for (const ResolutionRow& row : kResolutions)
        m_resolutions->addItem(toQString(row.item));
    m_resolutions->setMaximumHeight(m_resolutions->sizeHintForRow(0) * 4 + 2 * m_resolutions->frameWidth() +
                                    4);

    m_width = new QLineEdit;
    m_width->setObjectName(QStringLiteral("edWidth"));
    m_width->setMaxLength(kMaxSizeEditLength);
    m_height = new QLineEdit;
    m_height->setObjectName(QStringLiteral("edHeight"));
    m_height->setMaxLength(kMaxSizeEditLength);

    m_pixelWidth = valueLabel("lblPixelWidth");
    m_pixelHeight = valueLabel("lblPixelHeight");
    m_megaPixels = valueLabel("lblMegaPixels");
    m_printSize = valueLabel("lblPrintSize");
    m_orientation = valueLabel("lblOrientation");
    m_aspect = valueLabel("lblAspect");

    auto* sizeForm = new QFormLayout;
    sizeForm->addRow(QStringLiteral("Width"), m_width);
    sizeForm->addRow(QStringLiteral("Height"), m_height);
    auto* facts = new QFormLayout;
    facts->addRow(QStringLiteral("Pixel Width :"), m_pixelWidth);
    facts->addRow(QStringLiteral("Pixel Height :"), m_pixelHeight);
    facts->addRow(QStringLiteral("Mega Pixels :"), m_megaPixels);
    facts->addRow(QStringLiteral("Print Size :"), m_printSize);
    facts->addRow(QStringLiteral("Orientation :"), m_orientation);
    facts->addRow(QStringLiteral("Aspect :"), m_aspect);

    auto* right = new QVBoxLayout;
    right->addWidget(m_orientationGroup);
    right->addWidget(m_digitalPrint);
    right->addWidget(new QLabel(QStringLiteral("Resolution")));
    right->addWidget(m_resolutions);
    right->addLayout(sizeForm);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addWidget(printSizeGroup);
    columns->addLayout(right);
    columns->addLayout(facts);

    auto* buttons = okCancelHelpButtons(
        this, [this] { okClicked(); }, "NewCollage");

    auto* nameRow = new QFormLayout;
    nameRow->addRow(QStringLiteral("Collage Name"), m_name);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NewCollageDialog::connectControls()
{
    // Every change goes to the form, which then decides what is shown.
    const auto choiceChanged = [this](auto change) {
        return [this, change](auto&&... arguments) {
            if (m_showing)
                return;
            change(arguments...);
            updateScreen(m_form);
            showForm();
        };
    };
    connect(m_printSizes, &QButtonGroup::idClicked, this,
            choiceChanged([this](int id) { m_form.printSize = id; }));
    connect(m_orientations, &QButtonGroup::idClicked, this,
            choiceChanged([this](int id) { m_form.orientation = id; }));
    connect(m_digitalPrint, &QCheckBox::toggled, this,
            choiceChanged([this](bool checked) { m_form.digitalPrint = checked; }));
    connect(m_resolutions, &QListWidget::currentRowChanged, this, choiceChanged([this](int row) {
                if (row >= 0)
                    m_form.resolution = row;
            }));

    // The edit handlers run updateScreen themselves. Pasted text goes
    // through the same filters as typed keys.
    connect(m_width, &QLineEdit::textEdited, this, [this](const QString& text) {
        widthEdited(m_form, toStdString(text));
        showForm();
    });
    connect(m_height, &QLineEdit::textEdited, this, [this](const QString& text) {
        heightEdited(m_form, toStdString(text));
        showForm();
    });
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        nameEdited(m_form, toStdString(text));
        showForm();
    });
}

void NewCollageDialog::showForm()
{
    m_showing = true;
    showText(m_name, m_form.name);
    if (auto* button = m_printSizes->button(m_form.printSize))
        button->setChecked(true);
    if (auto* button = m_orientations->button(m_form.orientation))
        button->setChecked(true);
    m_digitalPrint->setChecked(m_form.digitalPrint);
    m_resolutions->setCurrentRow(m_form.resolution);
    showText(m_width, m_form.widthText);
    showText(m_height, m_form.heightText);

    m_orientationGroup->setEnabled(m_form.orientationEnabled);
    m_digitalPrint->setEnabled(m_form.digitalPrintEnabled);
    m_resolutions->setEnabled(m_form.resolutionEnabled);
    m_width->setEnabled(m_form.sizeEditsEnabled);
    m_height->setEnabled(m_form.sizeEditsEnabled);

    m_pixelWidth->setText(toQString(m_form.pixelWidthLabel));
    m_pixelHeight->setText(toQString(m_form.pixelHeightLabel));
    m_megaPixels->setText(toQString(m_form.megaPixelsLabel));
    m_printSize->setText(toQString(m_form.printSizeLabel));
    m_orientation->setText(toQString(m_form.orientationLabel));
    m_aspect->setText(toQString(m_form.aspectLabel));
    m_showing = false;
}

void NewCollageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    m_name->setFocus();
}

void NewCollageDialog::okClicked()
{
    if (const auto problem = newCollageProblem(m_form)) {
        app::prompter().message(this, app::BoxKind::Error, toQString(*problem));
        return;
    }
    accept();
}

} // namespace quiltara::document
