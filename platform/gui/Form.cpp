#include "Form.h"

#include "Messages.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

TOwnerRect OwnerRectOf(const QWidget* window)
{
    // The outer rectangle, frame and title bar included, as a caller measures its window.
    const QRect outer = window->frameGeometry();
    return {outer.x(), outer.y(), outer.x() + outer.width(), outer.y() + outer.height()};
}

void CentreInOwnerRect(QWidget* window, TOwnerRect rect)
{
    if (rect.Left == 0 && rect.Top == 0 && rect.Right == 0 && rect.Bottom == 0) {
        const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        const QSize size = screen ? screen->size() : QSize();
        rect = {0, 0, size.width(), size.height()};
    }
    // Integer division truncates toward zero, as the placement rule wants. The frame counts, once
    // the window manager has told its size.
    const QSize outer = window->frameGeometry().size();
    window->move(rect.Left + (rect.Right - rect.Left - outer.width()) / 2,
                 rect.Top + (rect.Bottom - rect.Top - outer.height()) / 2);
}

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window) {}

void TForm::Created()
{
    if (OnCreate)
        RunHandler([this] { OnCreate(this); });
}

int TForm::ShowModal()
{
    m_modalResult = mrNone;
    const Qt::WindowModality modality = windowModality();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    show();
    if (m_modalResult == mrNone)
        loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;
    hide();
    setWindowModality(modality);
    return m_modalResult;
}

void TForm::SetModalResult(int result)
{
    m_modalResult = result;
    if (result != mrNone && m_modalLoop)
        m_modalLoop->quit();
}

void TForm::SetToolWindow(bool staysOnTop)
{
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
}

void TForm::SetColor(const QColor& color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    setAutoFillBackground(true);
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (OnShow && !event->spontaneous())
        RunHandler([this] { OnShow(this); });
}

void TForm::closeEvent(QCloseEvent* event)
{
    if (OnClose)
        RunHandler([this] { OnClose(this); });
    event->accept();
    if (m_modalLoop && m_modalResult == mrNone)
        SetModalResult(mrCancel);
}
