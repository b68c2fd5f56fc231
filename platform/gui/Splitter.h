#pragma once
// A splitter bar among aligned controls: dragging it resizes its edge neighbour (the control of
// the same alignment between the bar and the edge), and OnMoved follows the drag. A bar aligned
// left or right is vertical and drags sideways; one aligned top or bottom drags up and down.

#include <QWidget>

#include <functional>

class TSplitter : public QWidget {
    Q_OBJECT

public:
    explicit TSplitter(QWidget* parent = nullptr);

    // Neither the neighbour nor the client controls get smaller than this.
    static constexpr int MinSize = 30;

    // Raised once after a drag that moved the bar.
    std::function<void(TSplitter* sender)> OnMoved;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    [[nodiscard]] bool Vertical() const;
    void UpdateCursor();

    QWidget* m_neighbour = nullptr;
    int m_startPos = 0;
    int m_startExtent = 0;
    int m_maxExtent = 0;
    bool m_moved = false;
};
