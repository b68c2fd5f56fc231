#pragma once
// An edit box whose typed characters pass a key-press event before the box takes them (pasted,
// dropped and composed text passes it too, character by character), and whose maximum length counts
// bytes: of UTF-8, the form in which the user's words are stored, or of the data that a value
// typed as text stands for (TextCodec). Focus from anything but the mouse selects the whole
// text, so that typing replaces it.

#include "InputValidator.h"

#include <QLineEdit>

#include <functional>

class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget* parent = nullptr);

    // The most bytes that typing and pasting leave in the box, 0 for no limit. A character that
    // does not fit whole is refused, and a paste keeps what fits of it.
    void SetMaxLength(int bytes, TEditBytes counted = TEditBytes::Utf8);
    [[nodiscard]] int MaxLength() const;
    // Sets the text whole, also beyond the limit, so that a longer stored text shows as it is
    // and can still be shortened. (QLineEdit::setText would cut it to the limit.)
    void SetText(const QString& text);

    // A typed character before the box takes it; setting key to QChar() drops it. Enter is
    // '\r', Esc '\x1b', Backspace '\b'. Runs through RunHandler.
    std::function<void(TEdit* sender, QChar& key)> OnKeyPress;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The limit is SetMaxLength's, in bytes: QLineEdit's counts characters beside it.
    using QLineEdit::maxLength;
    using QLineEdit::setMaxLength;

    // Passes the key through OnKeyPress; false when it is dropped.
    bool PassKey(QChar& key);
    // Makes the edit with what it puts in the box passing OnKeyPress character by character.
    void Pasting(const std::function<void()>& edit);

    TInputValidator* m_validator;
};
