#pragma once
// The character a key press types, as a control's key-press event reports it: printable
// characters, Backspace '\b', Enter '\r' and Esc '\x1b'; QChar() for any other key, and for
// keys held with Ctrl, Alt or Meta, which stay the control's own commands (copy, paste, ...).

#include <QChar>

class QKeyEvent;

[[nodiscard]] QChar TypedChar(const QKeyEvent* event);
