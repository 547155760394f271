#pragma once

#include <QScrollArea>
#include <QWidget>

#include <functional>

namespace quiltara::app {

// The tool panel's drawing surface: the panel picture when the panel is
// open, a plain strip when it is collapsed. The picture is loaded from the
// program folder at every paint, so a program started from the wrong folder
// is told so as soon as the panel shows.
class PaintBoxTools : public QWidget {
    Q_OBJECT

public:
    explicit PaintBoxTools(QWidget* parent);

    // Called (once) when the panel picture cannot be loaded.
    std::function<void()> onPictureMissing;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_reported = false;
};

// The panel at the left of the main window: 140 pixels wide when open, 13
// when collapsed, scrolling vertically (by the wheel) when the window is too
// low for it.
class ScrollBoxTools : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int kOpenWidth = 140;
    static constexpr int kCollapsedWidth = 13;
    // Open panels wider than this show the picture.
    static constexpr int kPictureWidthThreshold = 100;

    explicit ScrollBoxTools(QWidget* parent);

    PaintBoxTools* paintBox() const { return m_paintBox; }
    void setPanelWidth(int width);
    int panelWidth() const { return width(); }

private:
    PaintBoxTools* m_paintBox = nullptr;
};

// The panel picture under the program folder.
inline constexpr const char* kToolPanelPicture = "resources/controlpanel3.res";

} // namespace quiltara::app
