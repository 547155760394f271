#include "app/dialogs/about_window.h"

#include "app/core/folders.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace quiltara::app {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(kCreatedWidth, kCreatedHeight);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(0, 0, kCreatedWidth, kCreatedHeight);

    m_appName = new QLabel(QStringLiteral("Quiltara"), this);
    m_appName->setObjectName(QStringLiteral("lblAppName"));
    m_appName->hide();

    m_version = new QLabel(QString::fromUtf8(kVersionText), this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(9);
    m_version->setFont(font);
    m_version->setStyleSheet(QStringLiteral("color: #2b3a55; background: transparent;"));
    m_version->adjustSize();
    m_version->move((width() - m_version->width()) / 2, kVersionTop);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kCloseAfterMs);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->stop();
        accept();
    });
    m_timer->start();
}

void TfrmAbout::loadPicture()
{
    // Read as a BMP whatever its extension; the picture is shown as it is
    // stored, so its pixel format does not matter here.
    const QImage picture(QString::fromStdString(programPath(kSplashPicture)), "BMP");
    m_pictureLoaded = !picture.isNull();
    if (!m_pictureLoaded)
        return;
    setFixedSize(picture.size());
    m_picture->setGeometry(0, 0, picture.width(), picture.height());
    m_picture->setPixmap(QPixmap::fromImage(picture));
    m_picture->lower();
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    loadPicture();
    if (!m_pictureLoaded) {
        m_timer->stop();
        QTimer::singleShot(0, this, &QDialog::reject);
    }
}

void TfrmAbout::mousePressEvent(QMouseEvent* event)
{
    // A click on the picture or a label reaches the window: it closes.
    m_timer->stop();
    event->accept();
    accept();
}

} // namespace quiltara::app
