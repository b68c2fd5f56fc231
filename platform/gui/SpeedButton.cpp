#include "SpeedButton.h"

#include "Messages.h"

#include <QIcon>
#include <QPixmap>

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick)
            RunHandler([this] { OnClick(this); });
    });
}

void TSpeedButton::SetGlyph(const QPixmap& normal, const QPixmap& disabled)
{
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(disabled, QIcon::Disabled);
    setIcon(icon);
    setIconSize(normal.size());
}
