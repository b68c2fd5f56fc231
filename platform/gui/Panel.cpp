#include "Panel.h"

TPanel::TPanel(QWidget* parent) : QFrame(parent), m_layout(new TAlignLayout(this))
{
    SetLoweredBevel(false);
}

void TPanel::SetLoweredBevel(bool on)
{
    setFrameStyle(on ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(1);
}
