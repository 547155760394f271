#pragma once

#include <QPoint>
#include <QWidget>

#include <vector>

class QToolBar;

namespace quiltara::app {

// The tool-bar band at the top of the main window. It holds tool bars that
// the user drags by their grips within the band, in rows; it is as high as
// its bars need. A bar's position is that of its grip's top left corner, in
// band pixels, as collage.cfg stores it.
class ControlBar : public QWidget {
    Q_OBJECT

public:
    explicit ControlBar(QWidget* parent = nullptr);

    void addBar(QToolBar* bar, QPoint position);
    void moveBar(QToolBar* bar, QPoint position);
    QPoint barPosition(const QToolBar* bar) const;
    // Sizes a bar to end at its last button, after its buttons changed.
    void fitBar(QToolBar* bar);
    // Moves a bar past any bar of its row that it covers.
    void keepApart(QToolBar* bar);
    // The right edge (exclusive) of a bar in band pixels.
    int barRight(const QToolBar* bar) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where a drag of the grip by offset ends up: rows snap to the top of
    // the band or below the other bars, and a bar never covers another.
    QPoint droppedPosition(const QWidget* item, QPoint wanted) const;

private:
    QWidget* itemOf(const QToolBar* bar) const;
    void relayout();

    std::vector<QWidget*> m_items;

    friend class ControlBarGrip;
};

} // namespace quiltara::app
