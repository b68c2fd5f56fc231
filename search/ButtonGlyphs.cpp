#include "ButtonGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int GlyphSize = 16;
const QColor Grey(128, 128, 128);
const QColor LightGrey(192, 192, 192);

QPixmap Blank()
{
    QPixmap glyph(GlyphSize, GlyphSize);
    glyph.fill(Qt::transparent);
    return glyph;
}

} // namespace

QPixmap NoGlyph(bool greyed)
{
    QPixmap glyph = Blank();
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(greyed ? LightGrey : Qt::black);
    painter.drawRect(QRectF(6.5, 1, 3, 9));
    painter.drawEllipse(QRectF(6.5, 12, 3, 3));
    painter.setPen(QPen(greyed ? Grey : QColor(220, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.5, 3.5), QPointF(13.5, 12.5));
    painter.drawLine(QPointF(13.5, 3.5), QPointF(2.5, 12.5));
    return glyph;
}

QPixmap OkGlyph(bool greyed)
{
    QPixmap glyph = Blank();
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(greyed ? Grey : QColor(220, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath check;
    check.moveTo(2.5, 8.5);
    check.lineTo(6.5, 12.5);
    check.lineTo(13.5, 3);
    painter.drawPath(check);
    return glyph;
}
