#include "canvas/collage_view.h"

#include "document/collage.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace quiltara::canvas {

PaintBoxCollage::PaintBoxCollage(document::Collage& collage, QWidget* parent)
    : QWidget(parent), m_collage(collage)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PaintBoxCollage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(0x80, 0x80, 0x80));
    painter.fillRect(QRect(0, 0, m_collage.ZoomedWidth, m_collage.ZoomedHeight), Qt::white);
}

ScrollBoxCollage::ScrollBoxCollage(document::Collage& collage, QWidget* parent)
    : QScrollArea(parent), m_collage(collage)
{
    setObjectName(QStringLiteral("ScrollBoxCollage"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(grey);
    setBackgroundRole(QPalette::Window);
    m_paintBox = new PaintBoxCollage(collage, this);
    m_paintBox->setObjectName(QStringLiteral("PaintBoxCollage"));
    setWidget(m_paintBox);
    updateSurfaceGeometry();
}

void ScrollBoxCollage::updateSurfaceGeometry()
{
    const QSize client = viewport()->size();
    m_paintBox->resize(std::max(m_collage.ZoomedWidth, client.width()),
                       std::max(m_collage.ZoomedHeight, client.height()));
    m_collage.View.ClientWidth = client.width();
    m_collage.View.ClientHeight = client.height();
    m_collage.View.PaintBoxLeft = m_paintBox->x();
    m_collage.View.PaintBoxTop = m_paintBox->y();
}

void ScrollBoxCollage::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    updateSurfaceGeometry();
}

void ScrollBoxCollage::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    m_collage.View.PaintBoxLeft = m_paintBox->x();
    m_collage.View.PaintBoxTop = m_paintBox->y();
}

} // namespace quiltara::canvas
