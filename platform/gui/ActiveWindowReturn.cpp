#include "ActiveWindowReturn.h"

#include <QApplication>

TActiveWindowReturn::TActiveWindowReturn() : m_window(QApplication::activeWindow())
{
}

TActiveWindowReturn::~TActiveWindowReturn()
{
    if (!m_window || !m_window->isVisible() || QApplication::activeWindow() == m_window)
        return;
    m_window->activateWindow();
    // The change of the active window is taken in at once, so that it cannot arrive after the
    // next dialog has opened and take that dialog's focus away.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
