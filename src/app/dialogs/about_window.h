#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace quiltara::app {

// The About window, which is also the splash screen: borderless, showing the
// program's picture with the version below. Its timer closes it after three
// seconds; the About command stops the timer so that it stays until clicked.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCreatedWidth = 610;
    static constexpr int kCreatedHeight = 500;
    static constexpr int kVersionTop = 440;
    static constexpr int kCloseAfterMs = 3000;

    explicit TfrmAbout(QWidget* parent = nullptr);

    QTimer* Timer1() const { return m_timer; }
    QLabel* lblVersion() const { return m_version; }
    QLabel* lblAppName() const { return m_appName; }
    QLabel* Image1() const { return m_picture; }

    // False when the picture could not be loaded the last time the window
    // was shown; the window then closed itself at once.
    bool pictureLoaded() const { return m_pictureLoaded; }

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void loadPicture();

    QTimer* m_timer = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_appName = nullptr;
    bool m_pictureLoaded = true;
};

// The picture under the program folder.
inline constexpr const char* kSplashPicture = "Resources/SPLASH3.Res";
inline constexpr const char* kVersionText = "Version. 3.00 Rel B  [Release Date: Aug 2008]";

} // namespace quiltara::app
