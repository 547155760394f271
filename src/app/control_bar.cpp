#include "app/control_bar.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>

#include <algorithm>

namespace quiltara::app {

// The handle at a bar's left by which the user drags it within the band.
class ControlBarGrip : public QWidget {
public:
    ControlBarGrip(ControlBar* band, QWidget* item) : QWidget(item), m_band(band), m_item(item)
    {
        setFixedWidth(9);
        setCursor(Qt::SizeAllCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        option.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, &painter, this);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            m_grab = event->position().toPoint();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton))
            return;
        const QPoint inBand = m_band->mapFromGlobal(event->globalPosition().toPoint()) - m_grab;
        m_item->move(std::max(0, inBand.x()), std::max(0, inBand.y()));
        m_item->raise();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_item->move(m_band->droppedPosition(m_item, m_item->pos()));
        m_band->relayout();
    }

private:
    ControlBar* m_band;
    QWidget* m_item;
    QPoint m_grab;
};

ControlBar::ControlBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ControlBar1"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAutoFillBackground(true);
}

void ControlBar::addBar(QToolBar* bar, QPoint position)
{
    auto* item = new QWidget(this);
    item->setObjectName(bar->objectName() + QStringLiteral("Item"));
    auto* layout = new QHBoxLayout(item);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new ControlBarGrip(this, item));
    bar->setParent(item);
    layout->addWidget(bar);
    m_items.push_back(item);
    item->show();
    fitBar(bar);
    moveBar(bar, position);
}

QWidget* ControlBar::itemOf(const QToolBar* bar) const
{
    return bar ? bar->parentWidget() : nullptr;
}

void ControlBar::moveBar(QToolBar* bar, QPoint position)
{
    if (QWidget* item = itemOf(bar))
        item->move(std::max(0, position.x()), std::max(0, position.y()));
    relayout();
}

QPoint ControlBar::barPosition(const QToolBar* bar) const
{
    const QWidget* item = itemOf(bar);
    return item ? item->pos() : QPoint();
}

void ControlBar::fitBar(QToolBar* bar)
{
    bar->setFixedSize(bar->sizeHint());
    if (QWidget* item = itemOf(bar)) {
        item->layout()->activate();
        item->setFixedSize(item->sizeHint());
    }
    relayout();
}

void ControlBar::keepApart(QToolBar* bar)
{
    QWidget* item = itemOf(bar);
    if (!item)
        return;
    for (const QWidget* other : m_items) {
        if (other == item || other->y() != item->y())
            continue;
        const bool overlaps =
            item->x() < other->x() + other->width() && other->x() < item->x() + item->width();
        if (overlaps && item->x() >= other->x())
            item->move(other->x() + other->width(), item->y());
    }
    relayout();
}

int ControlBar::barRight(const QToolBar* bar) const
{
    const QWidget* item = itemOf(bar);
    return item ? item->x() + item->width() : 0;
}

QPoint ControlBar::droppedPosition(const QWidget* item, QPoint wanted) const
{
    // Rows: the top of the band, or just below the bars that stand there.
    int firstRowHeight = 0;
    for (const QWidget* other : m_items)
        if (other != item && other->y() == 0)
            firstRowHeight = std::max(firstRowHeight, other->height());
    QPoint position(std::max(0, wanted.x()), 0);
    if (firstRowHeight > 0 && wanted.y() > firstRowHeight / 2)
        position.setY(firstRowHeight);
    // Never on top of another bar of the same row: move past it.
    for (const QWidget* other : m_items) {
        if (other == item || other->y() != position.y())
            continue;
        const bool overlaps =
            position.x() < other->x() + other->width() && other->x() < position.x() + item->width();
        if (overlaps)
            position.setX(other->x() + other->width());
    }
    return position;
}

void ControlBar::relayout()
{
    updateGeometry();
    if (parentWidget() && parentWidget()->layout())
        parentWidget()->layout()->invalidate();
}

QSize ControlBar::sizeHint() const
{
    int bottom = 0;
    int right = 0;
    for (const QWidget* item : m_items) {
        bottom = std::max(bottom, item->y() + item->height());
        right = std::max(right, item->x() + item->width());
    }
    return {right, bottom};
}

QSize ControlBar::minimumSizeHint() const
{
    return {0, sizeHint().height()};
}

} // namespace quiltara::app
