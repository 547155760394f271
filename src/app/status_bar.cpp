#include "app/status_bar.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>

namespace quiltara::app {
namespace {

struct PanelStart {
    const char* text;
    int width;
};

constexpr PanelStart kPanels[MainStatusBar::kPanelCount] = {
    {"X: 0, Y:0", 100}, {"Left: 0", 60},   {"Top: 0", 60}, {"Width: 0", 80},
    {"Height: 0", 80},  {"FreeMem:", 100}, {"", 200},      {"Status : ", 50},
};

// Panel 6: whenever it is drawn, the progress bar is put on its rectangle.
class ProgressPanel : public QFrame {
public:
    explicit ProgressPanel(QWidget* parent) : QFrame(parent) {}
    QProgressBar* bar = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        StatusBarDrawPanel();
        QFrame::paintEvent(event);
    }
    void resizeEvent(QResizeEvent*) override { StatusBarDrawPanel(); }

private:
    void StatusBarDrawPanel()
    {
        if (bar && bar->geometry() != rect())
            bar->setGeometry(rect());
    }
};

} // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    // "Arial" is matched by its metric twin, Liberation Sans.
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(9);
    setFont(font);

    for (int i = 0; i < kPanelCount; ++i) {
        QWidget* panel = nullptr;
        if (i == kProgressPanel) {
            auto* progressPanel = new ProgressPanel(this);
            m_progressBar = new QProgressBar(progressPanel);
            m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
            m_progressBar->setRange(0, 100);
            m_progressBar->setValue(0);
            m_progressBar->setTextVisible(false);
            progressPanel->bar = m_progressBar;
            panel = progressPanel;
        } else {
            auto* label = new QLabel(QString::fromUtf8(kPanels[i].text), this);
            label->setFrameShape(QFrame::StyledPanel);
            label->setFrameShadow(QFrame::Sunken);
            label->setTextFormat(Qt::PlainText);
            panel = label;
        }
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[static_cast<std::size_t>(i)] = panel;
        setPanelWidth(i, kPanels[i].width);
        addWidget(panel, i == kStatusPanel ? 1 : 0);
    }
}

void MainStatusBar::setPanelText(int panel, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(panelWidget(panel)))
        label->setText(text);
}

QString MainStatusBar::panelText(int panel) const
{
    const auto* label = qobject_cast<const QLabel*>(panelWidget(panel));
    return label ? label->text() : QString();
}

void MainStatusBar::setPanelWidth(int panel, int width)
{
    QWidget* widget = panelWidget(panel);
    if (panel == kStatusPanel) {
        // The last panel takes the rest of the bar, at least its own width.
        widget->setMinimumWidth(width);
        widget->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        widget->setFixedWidth(width);
    }
}

int MainStatusBar::panelWidth(int panel) const
{
    const QWidget* widget = panelWidget(panel);
    return panel == kStatusPanel ? widget->minimumWidth() : widget->maximumWidth();
}

} // namespace quiltara::app
