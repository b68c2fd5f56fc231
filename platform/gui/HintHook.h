#pragma once
// The application's show-hint hook: while one is installed, every tooltip of the program shows
// as a hint window of our own, placed and kept as the hook decides. Before a hint shows, the
// hook gets the control's own hint text and may change it, the hint's screen position and the
// cursor rectangle: while the mouse stays inside that rectangle the hint stays valid (it is not
// asked for again, also after the hide pause took it down); once the mouse leaves it, the hint
// goes and the next rest of the mouse asks for a new one. A scroll area's client is its viewport:
// its hints carry the viewport's coordinates.

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QWidget;

struct THintInfo {
    QWidget* HintControl = nullptr;
    // The mouse position in the control's client coordinates.
    QPoint CursorPos;
    // The hint's top-left corner on the screen; below the mouse unless the hook moves it.
    QPoint HintPos;
    // In the control's client coordinates; the whole client unless the hook narrows it. An empty
    // rectangle is left by any move of the mouse.
    QRect CursorRect;
};

// Hint texts break lines with LF CR, as message texts do.
using TShowHintHook = std::function<void(QString& hintStr, bool& canShow, THintInfo& hintInfo)>;

// An empty hook gives the tooltips back to Qt and takes down any hint shown.
void SetShowHintHook(TShowHintHook hook);
// How long a hint stays before it goes by itself.
void SetHintHidePause(int milliseconds);
[[nodiscard]] int HintHidePause();

// The hint window while a hint shows, else nullptr.
[[nodiscard]] QWidget* ShownHint();
// The text a hint window shows.
[[nodiscard]] QString HintText(const QWidget* hint);

// A point of the control's client area in screen coordinates.
[[nodiscard]] QPoint ClientToScreen(const QWidget* control, QPoint point);
