#include "Splitter.h"

#include "AlignLayout.h"
#include "Messages.h"

#include <QMouseEvent>

#include <algorithm>

TSplitter::TSplitter(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

bool TSplitter::Vertical() const
{
    TAlignLayout* layout = TAlignLayout::Of(this);
    const TAlign align = layout ? layout->Align(this) : TAlign::None;
    return align == TAlign::Left || align == TAlign::Right;
}

void TSplitter::UpdateCursor()
{
    setCursor(Vertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
}

bool TSplitter::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)
        UpdateCursor();
    return QWidget::event(event);
}

void TSplitter::mousePressEvent(QMouseEvent* event)
{
    TAlignLayout* layout = TAlignLayout::Of(this);
    m_neighbour = layout && event->button() == Qt::LeftButton ? layout->EdgeNeighbour(this) : nullptr;
    m_moved = false;
    if (!m_neighbour)
        return;
    const QPoint global = event->globalPosition().toPoint();
    m_startPos = Vertical() ? global.x() : global.y();
    m_startExtent = layout->Extent(m_neighbour);
    const QRect client = layout->ClientRect();
    m_maxExtent = std::max(MinSize, m_startExtent + (Vertical() ? client.width() : client.height()) - MinSize);
}

void TSplitter::mouseMoveEvent(QMouseEvent* event)
{
    TAlignLayout* layout = TAlignLayout::Of(this);
    if (!m_neighbour || !layout || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint global = event->globalPosition().toPoint();
    const int delta = (Vertical() ? global.x() : global.y()) - m_startPos;
    const TAlign align = layout->Align(this);
    const bool growsAway = align == TAlign::Left || align == TAlign::Top;
    const int extent = std::clamp(m_startExtent + (growsAway ? delta : -delta), MinSize, m_maxExtent);
    if (extent == layout->Extent(m_neighbour))
        return;
    layout->SetExtent(m_neighbour, extent);
    layout->activate();
    m_moved = true;
}

void TSplitter::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_neighbour)
        return;
    m_neighbour = nullptr;
    if (m_moved && OnMoved)
        RunHandler([this] { OnMoved(this); });
    m_moved = false;
}
