#pragma once

#include <QScrollArea>
#include <QWidget>

namespace quiltara::document {
struct Collage;
}

namespace quiltara::canvas {

// The drawing surface: sized to the zoomed canvas, never smaller than the
// scroll box's client area. Scrolling moves it, so its position is the
// negated scroll position.
class PaintBoxCollage : public QWidget {
    Q_OBJECT

public:
    PaintBoxCollage(document::Collage& collage, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    document::Collage& m_collage;
};

// The scrolling collage view beside the tool panel: grey around the canvas,
// holding the drawing surface at (0, 0).
class ScrollBoxCollage : public QScrollArea {
    Q_OBJECT

public:
    ScrollBoxCollage(document::Collage& collage, QWidget* parent = nullptr);

    PaintBoxCollage* paintBox() const { return m_paintBox; }

    // Sizes the drawing surface for the collage's zoomed size and the view's
    // client area, and records where it stands in the collage's view state.
    void updateSurfaceGeometry();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    document::Collage& m_collage;
    PaintBoxCollage* m_paintBox = nullptr;
};

} // namespace quiltara::canvas
