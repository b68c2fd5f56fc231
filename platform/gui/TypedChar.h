#pragma once
// The character a key press types, as a control's key-press event reports it, so that the grid's
// editor and the edit boxes filter keys alike.

#include <QChar>

class QKeyEvent;

// Printable characters, Backspace '\b', Enter '\r' and Esc '\x1b'; QChar() for any other key.
[[nodiscard]] QChar TypedChar(const QKeyEvent* event);
// A character that an editor takes as text, unlike Backspace, Enter and Esc.
[[nodiscard]] inline bool IsTextChar(QChar key)
{
    return !key.isNull() && key != u'\b' && key != u'\r' && key != u'\x1b';
}
