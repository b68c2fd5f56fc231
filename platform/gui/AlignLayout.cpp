#include "AlignLayout.h"

#include "Runtime.h"

#include <QWidget>

#include <algorithm>

TAlignLayout::TAlignLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TAlignLayout::~TAlignLayout()
{
    for (const Entry& entry : m_entries)
        delete entry.item;
}

void TAlignLayout::AddControl(QWidget* control, TAlign side, int extent)
{
    addChildWidget(control);
    m_entries.push_back({new QWidgetItem(control), side, std::max(extent, 0)});
    invalidate();
}

void TAlignLayout::SetAlign(QWidget* control, TAlign side)
{
    EntryOf(control).side = side;
    invalidate();
}

TAlign TAlignLayout::Align(const QWidget* control) const
{
    return EntryOf(control).side;
}

void TAlignLayout::SetExtent(QWidget* control, int extent)
{
    EntryOf(control).extent = std::max(extent, 0);
    invalidate();
}

int TAlignLayout::Extent(const QWidget* control) const
{
    return EntryOf(control).extent;
}

QWidget* TAlignLayout::EdgeNeighbour(const QWidget* control) const
{
    const int index = IndexOf(control);
    if (index < 0)
        return nullptr;
    const TAlign side = m_entries[index].side;
    for (int i = index - 1; i >= 0; --i) {
        QWidget* widget = m_entries[i].item->widget();
        if (m_entries[i].side == side && widget && !widget->isHidden())
            return widget;
    }
    return nullptr;
}

TAlignLayout* TAlignLayout::Of(const QWidget* control)
{
    if (!control || !control->parentWidget())
        return nullptr;
    auto* layout = qobject_cast<TAlignLayout*>(control->parentWidget()->layout());
    return layout && layout->IndexOf(control) >= 0 ? layout : nullptr;
}

void TAlignLayout::addItem(QLayoutItem* item)
{
    m_entries.push_back({item, TAlign::None, 0});
    invalidate();
}

QLayoutItem* TAlignLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_entries[index].item : nullptr;
}

QLayoutItem* TAlignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_entries[index].item;
    m_entries.erase(m_entries.begin() + index);
    invalidate();
    return item;
}

int TAlignLayout::count() const
{
    return static_cast<int>(m_entries.size());
}

void TAlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    QRect room = contentsRect();
    auto place = [&](TAlign side) {
        for (const Entry& entry : m_entries) {
            QWidget* widget = entry.item->widget();
            if (entry.side != side || (widget && widget->isHidden()))
                continue;
            const int width = std::min(entry.extent, std::max(room.width(), 0));
            const int height = std::min(entry.extent, std::max(room.height(), 0));
            switch (side) {
            case TAlign::Top:
                entry.item->setGeometry({room.left(), room.top(), room.width(), height});
                room.setTop(room.top() + height);
                break;
            case TAlign::Bottom:
                entry.item->setGeometry({room.left(), room.bottom() + 1 - height, room.width(), height});
                room.setBottom(room.bottom() - height);
                break;
            case TAlign::Left:
                entry.item->setGeometry({room.left(), room.top(), width, room.height()});
                room.setLeft(room.left() + width);
                break;
            case TAlign::Right:
                entry.item->setGeometry({room.right() + 1 - width, room.top(), width, room.height()});
                room.setRight(room.right() - width);
                break;
            case TAlign::Client:
                entry.item->setGeometry(room);
                break;
            case TAlign::None:
                break;
            }
        }
    };
    for (TAlign side : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right})
        place(side);
    m_clientRect = room;
    place(TAlign::Client);
}

QSize TAlignLayout::sizeHint() const
{
    return minimumSize();
}

QSize TAlignLayout::minimumSize() const
{
    // The controls keep the sizes they are given; the layout asks for no room of its own.
    return {0, 0};
}

int TAlignLayout::IndexOf(const QWidget* control) const
{
    for (int i = 0; i < count(); ++i)
        if (m_entries[i].item->widget() == control)
            return i;
    return -1;
}

TAlignLayout::Entry& TAlignLayout::EntryOf(const QWidget* control)
{
    const int index = IndexOf(control);
    if (index < 0)
        throw ERangeError();
    return m_entries[index];
}

const TAlignLayout::Entry& TAlignLayout::EntryOf(const QWidget* control) const
{
    const int index = IndexOf(control);
    if (index < 0)
        throw ERangeError();
    return m_entries[index];
}
