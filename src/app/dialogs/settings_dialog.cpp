#include "app/dialogs/settings_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quiltara::app {

QualityEdit::QualityEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(3);
}

void QualityEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool typesSomething = !typed.isEmpty() && event->key() != Qt::Key_Return &&
                                event->key() != Qt::Key_Enter && event->key() != Qt::Key_Escape &&
                                event->key() != Qt::Key_Delete && event->key() != Qt::Key_Tab;
    if (typesSomething && event->key() != Qt::Key_Backspace) {
        const QChar c = typed.at(0);
        const bool accepted = typed.size() == 1 && ((c >= u'0' && c <= u'9') || c == u'.');
        if (!accepted) {
            event->accept(); // dropped
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

TfrmSettings::TfrmSettings(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Miscellaneous Settings"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* qualityRow = new QHBoxLayout;
    m_quality = new QualityEdit(this);
    m_quality->setObjectName(QStringLiteral("edQuality"));
    m_quality->setFixedWidth(48);
    auto* qualityLabel =
        new QLabel(QStringLiteral("JPEG Quality (100=Best Quality/Least Compression)"), this);
    qualityLabel->setBuddy(m_quality);
    qualityRow->addWidget(m_quality);
    qualityRow->addWidget(qualityLabel, 1);
    layout->addLayout(qualityRow);

    auto addBox = [&](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromUtf8(name));
        layout->addWidget(box);
        return box;
    };
    m_hideSplash = addBox("cbHideSplash", "Do not show the splash screen at start-up");
    m_quickPreview = addBox("cbQuickPreview", "Enable Quick Preview in Full-Screen Mode  (No resampling)");
    m_shrinkEmail = addBox("cbShrinkEmail", "Send a smaller vesion of collage when sending email");
    m_fastRubberband = addBox("cbFastRubberband", "Repaint canvas less frequently (for slow machines)");

    auto* buttons = new QHBoxLayout;
    m_save = new QPushButton(QStringLiteral("Save Settings"), this);
    m_save->setObjectName(QStringLiteral("btnSave"));
    m_save->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_help = new QPushButton(QStringLiteral("&Help"), this);
    m_help->setObjectName(QStringLiteral("btnHelp"));
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (onHelp)
            onHelp();
    });
}

void TfrmSettings::load(const MiscSettings& settings)
{
    m_quality->setText(QString::number(settings.jpegCompression));
    m_hideSplash->setChecked(!settings.splashScreen);
    m_quickPreview->setChecked(!settings.resamplePreview);
    m_shrinkEmail->setChecked(settings.shrinkEmail);
    m_fastRubberband->setChecked(settings.fastRubberband);
}

MiscSettings TfrmSettings::settings() const
{
    return {
        .jpegCompression = jpegQualityFromText(m_quality->text().toStdString()),
        .splashScreen = !m_hideSplash->isChecked(),
        .resamplePreview = !m_quickPreview->isChecked(),
        .shrinkEmail = m_shrinkEmail->isChecked(),
        .fastRubberband = m_fastRubberband->isChecked(),
        .increaseAutoCollageLimit = true,
    };
}

std::optional<MiscSettings> TfrmSettings::edit(QWidget* parent, const MiscSettings& current,
                                               std::function<void()> onHelp)
{
    TfrmSettings dialog(parent);
    dialog.onHelp = std::move(onHelp);
    dialog.load(current);
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        dialog.move(area.x() + (area.width() - dialog.width()) / 2,
                    area.y() + (area.height() - dialog.height()) / 2);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

} // namespace quiltara::app
