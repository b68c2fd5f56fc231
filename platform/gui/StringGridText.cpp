// Cell texts as drawn: one character to a cell of one fixed width, for a column whose
// characters stand each for one byte and must line up whatever the face does with them, or as
// the face sets them; control characters show as blanks either way.
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

int DigitPitch(const QFontMetrics& metrics)
{
    return std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
}

constexpr int CellTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

} // namespace

void DrawFixedPitchText(QPainter& painter, const QRect& area, const QString& text)
{
    const QFont font = painter.font();
    const QFontMetrics metrics(font);
    const int pitch = DigitPitch(metrics);
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

void DrawCellText(QPainter& painter, const QRect& area, const QString& text)
{
    const auto isControl = [](QChar character) { return IsControl(character.unicode()); };
    if (std::none_of(text.begin(), text.end(), isControl)) {
        painter.drawText(area, CellTextFlags, text);
        return;
    }
    // The face draws a box, or nothing, for a control character where the dump's text column
    // shows a blank; the runs between them are set as usual. Controls lie outside the surrogate
    // range, so no run splits a character.
    const QFontMetrics metrics(painter.font());
    const int pitch = DigitPitch(metrics);
    int left = area.left();
    qsizetype start = 0;
    const auto drawRun = [&](qsizetype end) {
        if (end == start)
            return;
        const QString run = text.mid(start, end - start);
        painter.drawText(QRect(QPoint(left, area.top()), area.bottomRight()), CellTextFlags, run);
        left += metrics.horizontalAdvance(run);
    };
    for (qsizetype i = 0; i < text.size() && left <= area.right(); ++i) {
        if (!isControl(text[i]))
            continue;
        drawRun(i);
        left += pitch;
        start = i + 1;
    }
    if (left <= area.right())
        drawRun(text.size());
}
