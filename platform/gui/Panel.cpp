#include "Panel.h"

#include "ColorAndFont.h"

TPanel::TPanel(QWidget* parent) : QFrame(parent), m_layout(new TAlignLayout(this))
{
    SetLoweredBevel(false);
}

void TPanel::SetLoweredBevel(bool on)
{
    setFrameStyle(on ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(1);
}

void TPanel::SetColor(const QColor& color)
{
    FillBackground(this, color);
}
