// Texts drawn one character to a cell of one fixed width, for a column whose characters stand
// each for one byte and must line up whatever the face does with them.
#include "StringGridPrivate.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Where the chosen face draws a character full width (the Japanese faces do so with × ÷ § ¶ °),
// the glyph comes from a face that has it half width.
QFont NarrowFace(const QFont& font)
{
    QFont narrow(font);
    narrow.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    narrow.setStyleHint(QFont::TypeWriter);
    return narrow;
}

bool IsControl(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

} // namespace

void DrawFixedPitchText(QPainter& painter, const QRect& area, const QString& text)
{
    const QFont font = painter.font();
    const QFontMetrics metrics(font);
    const int pitch = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    const QFont narrow = NarrowFace(font);
    const QFontMetrics narrowMetrics(narrow);
    int left = area.left();
    for (const char32_t code : text.toUcs4()) {
        // Control characters have no glyph; they show as blanks, as the dump's tables make the
        // bytes below 0x20.
        if (!IsControl(code) && left < area.right()) {
            const QString glyph = QString::fromUcs4(&code, 1);
            const QRect slot(left, area.top(), pitch, area.height());
            const int width = metrics.horizontalAdvance(glyph);
            if (width <= pitch) {
                painter.drawText(slot.adjusted((pitch - width) / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, glyph);
            } else {
                // Still wider than the cell, the glyph is narrowed to it.
                const int narrowWidth = std::max(1, narrowMetrics.horizontalAdvance(glyph));
                painter.save();
                painter.setFont(narrow);
                painter.translate(slot.left(), 0);
                if (narrowWidth > pitch)
                    painter.scale(static_cast<qreal>(pitch) / narrowWidth, 1.0);
                const int shift = narrowWidth < pitch ? (pitch - narrowWidth) / 2 : 0;
                painter.drawText(QRect(shift, slot.top(), narrowWidth, slot.height()), Qt::AlignLeft | Qt::AlignTop,
                                 glyph);
                painter.restore();
            }
        }
        left += pitch;
    }
}
