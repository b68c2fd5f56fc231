#include "SpeedButton.h"

#include "Messages.h"

TSpeedButton::TSpeedButton(const QString& caption, QWidget* parent) : QToolButton(parent)
{
    setText(caption);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick)
            RunHandler([this] { OnClick(this); });
    });
}

void TSpeedButton::SetGlyph(const QPixmap& enabled, const QPixmap& disabled)
{
    QIcon icon(enabled);
    icon.addPixmap(disabled, QIcon::Disabled);
    setIcon(icon);
    setIconSize(enabled.size());
}
