#pragma once
// An up-down control: two arrow buttons, up above down, that step a position within Min..Max,
// stopping at the ends unless wrapping is on. Attached to an edit box it shows its position
// there, takes a whole number typed there as its position (kept within the range), and the
// box's Up and Down keys step it as its arrows do.

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

enum class TUDBtnType { btNext, btPrev };

class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent = nullptr);

    void SetRange(int min, int max);
    [[nodiscard]] int Min() const { return m_min; }
    [[nodiscard]] int Max() const { return m_max; }
    [[nodiscard]] int Position() const { return m_position; }
    // Kept within the range; an attached edit box shows it.
    void SetPosition(int position);
    void SetWrap(bool on) { m_wrap = on; }
    void SetAssociate(QLineEdit* edit);

    // One step, as a click on an arrow: btNext up, btPrev down. Then OnClick.
    void Click(TUDBtnType button);

    // After each step of the arrows or the keys; Sender is this control.
    std::function<void(TUpDown* sender, TUDBtnType button)> OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPosition();
    void TakeTypedNumber(const QString& text);

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_associate = nullptr;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    bool m_wrap = false;
};
