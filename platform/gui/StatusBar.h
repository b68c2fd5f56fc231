#pragma once
// A status bar of text panels with fixed widths, side by side from the left; the last panel
// reaches to the right edge. Texts are UTF-8.

#include <QWidget>

#include <string>
#include <vector>

class TStatusBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int BarHeight = 19;

    explicit TStatusBar(QWidget* parent = nullptr);

    // Replaces the panels by empty ones of these widths.
    void SetPanelWidths(const std::vector<int>& widths);
    [[nodiscard]] int PanelCount() const { return static_cast<int>(m_panels.size()); }
    [[nodiscard]] int PanelWidth(int index) const;
    [[nodiscard]] const std::string& PanelText(int index) const;
    void SetPanelText(int index, std::string text);
    // Where the panel's text shows; what lies beyond it is cut off.
    [[nodiscard]] QRect PanelTextRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Panel {
        int width;
        std::string text;
    };
    [[nodiscard]] const Panel& At(int index) const;
    // The panel's sunken frame.
    [[nodiscard]] QRect PanelFrame(int index) const;

    std::vector<Panel> m_panels;
};
