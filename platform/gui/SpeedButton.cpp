#include "SpeedButton.h"

#include "Messages.h"

#include <QIcon>

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick)
            RunHandler([this] { OnClick(this); });
    });
}

void TSpeedButton::SetGlyph(const QPixmap& enabled, const QPixmap& disabled)
{
    QIcon icon;
    icon.addPixmap(enabled, QIcon::Normal);
    icon.addPixmap(disabled, QIcon::Disabled);
    setIcon(icon);
    setIconSize(enabled.size());
}

void TSpeedButton::hideEvent(QHideEvent* event)
{
    // A click that closes the dialog hides the button under the mouse, and no leave follows:
    // shown again, it would still look hovered wherever the mouse then is.
    setAttribute(Qt::WA_UnderMouse, false);
    QToolButton::hideEvent(event);
}
