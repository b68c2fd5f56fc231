#include "Label.h"

#include "Messages.h"

#include <QMouseEvent>

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click && OnClick)
        RunHandler([this] { OnClick(this); });
}
