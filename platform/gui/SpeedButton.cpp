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
