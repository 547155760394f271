#pragma once

#include <QStatusBar>

#include <array>

class QLabel;
class QProgressBar;

namespace quiltara::app {

// The main window's status bar: eight fixed-width panels in bold Arial; the
// last takes the rest of the bar. Panel 6 is drawn by the program: it holds
// the progress bar ProgressBar1 (0 ... 100), kept on the panel's rectangle.
class MainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int kPanelCount = 8;
    static constexpr int kProgressPanel = 6;
    static constexpr int kStatusPanel = 7;

    explicit MainStatusBar(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    void setPanelWidth(int panel, int width);
    int panelWidth(int panel) const;
    QWidget* panelWidget(int panel) const { return m_panels[static_cast<std::size_t>(panel)]; }

    QProgressBar* ProgressBar1() const { return m_progressBar; }

private:
    std::array<QWidget*, kPanelCount> m_panels{};
    QProgressBar* m_progressBar = nullptr;
};

} // namespace quiltara::app
