#pragma once
// An edit box: one line of text with a maximum length (QLineEdit's), whose typed characters pass
// the key-press event before the box takes them, so that a dialog filters what can be typed.

#include <QLineEdit>

#include <functional>

class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget* parent = nullptr);

    // A typed character, run through RunHandler; setting key to QChar() drops it. Backspace is
    // '\b', Enter '\r', Esc '\x1b'.
    std::function<void(TEdit* sender, QChar& key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // False when the character is dropped or the handler ended in a runtime error.
    bool PassKey(QChar& key);
};
