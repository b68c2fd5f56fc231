#pragma once
// Hands the activation back, when a modal dialog ends, to the window that was active when it
// opened. A window manager does that on its own; without one the window would take typed keys
// but not its menu keys and shortcuts until the user clicked into it.

#include <QPointer>
#include <QWidget>

class TActiveWindowReturn {
public:
    TActiveWindowReturn();
    ~TActiveWindowReturn();
    TActiveWindowReturn(const TActiveWindowReturn&) = delete;
    TActiveWindowReturn& operator=(const TActiveWindowReturn&) = delete;

private:
    QPointer<QWidget> m_window;
};
