#include "CopyDelBoxImages.h"

#include <QPainter>
#include <QPolygon>

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

void DrawImage(QPainter& painter, const TInk& ink, TCopyDelImage image)
{
    switch (image) {
    case TCopyDelImage::ArrowRight:
        DrawArrow(painter, ink, false);
        break;
    case TCopyDelImage::ArrowLeft:
        DrawArrow(painter, ink, true);
        break;
    case TCopyDelImage::WasteBin:
        DrawBin(painter, ink);
        break;
    }
}

QPixmap Draw(const TInk& ink, TCopyDelImage which)
{
    QPixmap image(ImageSize, ImageSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Hard edges, as a picture of sixteen colours has them.
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawImage(painter, ink, which);
    return image;
}

} // namespace

QPixmap CopyDelGlyph(TCopyDelImage image)
{
    return Draw(image == TCopyDelImage::WasteBin ? Bin : Vivid, image);
}

QPixmap GreyedCopyDelGlyph(TCopyDelImage image)
{
    return Draw(Greyed, image);
}
