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

const TInk Bin{QColor(0xC0, 0xC0, 0xC0), QColor(0x00, 0x00, 0x00), QColor(0x80, 0x80, 0x80)};
const TInk Greyed{QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), QColor(0x80, 0x80, 0x80)};

QPixmap DrawBin(const TInk& ink)
{
    QPixmap image(ImageSize, ImageSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Hard edges, as a picture of sixteen colours has them.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ink.line);
    painter.setBrush(ink.fill);
    // The handle, the lid and the body narrowing to its foot.
    painter.drawRect(6, 1, 4, 2);
    painter.drawRect(2, 3, 12, 2);
    painter.drawPolygon(QPolygon({{3, 6}, {13, 6}, {12, 15}, {4, 15}}));
    painter.setPen(ink.detail);
    for (int x : {6, 8, 10})
        painter.drawLine(x, 8, x, 13);
    return image;
}

} // namespace

QPixmap WasteBinGlyph()
{
    return DrawBin(Bin);
}

QPixmap GreyedWasteBinGlyph()
{
    return DrawBin(Greyed);
}
