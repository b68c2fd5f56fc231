#include "CopyDelBoxImages.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include <functional>

namespace {

constexpr int ImageSize = 16;

struct TInk {
    QColor fill;
    QColor line;
    QColor detail;
};

const TInk Vivid{QColor(0xFF, 0x00, 0x00), QColor(0x80, 0x00, 0x00), QColor(0x80, 0x80, 0x80)};
const TInk Greyed{QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), QColor(0x80, 0x80, 0x80)};
const TInk Bin{QColor(0xC0, 0xC0, 0xC0), QColor(0x00, 0x00, 0x00), QColor(0x80, 0x80, 0x80)};

QPixmap Draw(const TInk& ink, const std::function<void(QPainter&, const TInk&)>& draw)
{
    QPixmap image(ImageSize, ImageSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Hard edges, as a picture of sixteen colours has them.
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter, ink);
    return image;
}

QIcon Image(const TInk& vivid, const std::function<void(QPainter&, const TInk&)>& draw)
{
    QIcon icon;
    icon.addPixmap(Draw(vivid, draw), QIcon::Normal);
    icon.addPixmap(Draw(Greyed, draw), QIcon::Disabled);
    return icon;
}

// A broad arrow across the picture, its head at the right when mirrored is false.
void DrawArrow(QPainter& painter, const TInk& ink, bool mirrored)
{
    QPolygon arrow({{1, 6}, {8, 6}, {8, 2}, {14, 8}, {8, 14}, {8, 10}, {1, 10}});
    if (mirrored)
        for (QPoint& point : arrow)
            point.setX(ImageSize - 1 - point.x());
    painter.setPen(ink.line);
    painter.setBrush(ink.fill);
    painter.drawPolygon(arrow);
}

void DrawBin(QPainter& painter, const TInk& ink)
{
    painter.setPen(ink.line);
    painter.setBrush(ink.fill);
    // The handle, the lid and the body narrowing to its foot.
    painter.drawRect(6, 1, 4, 2);
    painter.drawRect(2, 3, 12, 2);
    painter.drawPolygon(QPolygon({{3, 6}, {13, 6}, {12, 15}, {4, 15}}));
    painter.setPen(ink.detail);
    for (int x : {6, 8, 10})
        painter.drawLine(x, 8, x, 13);
}

} // namespace

QIcon ArrowRightImage()
{
    return Image(Vivid, [](QPainter& painter, const TInk& ink) { DrawArrow(painter, ink, false); });
}

QIcon ArrowLeftImage()
{
    return Image(Vivid, [](QPainter& painter, const TInk& ink) { DrawArrow(painter, ink, true); });
}

QIcon WasteBinImage()
{
    return Image(Bin, DrawBin);
}
