#pragma once
// A text label that reports a click with the left button: a press and a release over it.

#include <QLabel>

#include <functional>

class TLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLabel(QWidget* parent = nullptr);

    // Runs through RunHandler; Sender is this label.
    std::function<void(TLabel* sender)> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
