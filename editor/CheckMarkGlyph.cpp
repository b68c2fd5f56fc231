#include "CheckMarkGlyph.h"

#include <QPainter>
#include <QPolygonF>

namespace {

constexpr int GlyphSize = 16;

QPixmap DrawCheckMark(const QColor& fill, const QColor& edge)
{
    QPixmap glyph(GlyphSize, GlyphSize);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    // A short stroke down to the corner, then the long one up to the right.
    const QPolygonF mark({{1.5, 8.5}, {4.5, 5.5}, {6.5, 8.5}, {12.5, 1.5}, {14.5, 4.0}, {6.5, 14.5}});
    painter.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(fill);
    painter.drawPolygon(mark);
    return glyph;
}

} // namespace

QPixmap CheckMarkGlyph()
{
    return DrawCheckMark(Qt::red, Qt::black);
}

QPixmap DisabledCheckMarkGlyph()
{
    return DrawCheckMark(QColor(192, 192, 192), QColor(128, 128, 128));
}
