#include "ColorAndFont.h"

#include <QPalette>
#include <QWidget>

QColor ColorFromValue(int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    return {static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF), static_cast<int>((bits >> 16) & 0xFF)};
}

int32_t ValueFromColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<int32_t>(static_cast<uint32_t>(rgb.red()) | static_cast<uint32_t>(rgb.green()) << 8 |
                                static_cast<uint32_t>(rgb.blue()) << 16);
}

QFont FontFromSpec(const std::string& face, int points, uint8_t style)
{
    QFont font(QString::fromStdString(face));
    // The faces the options start with are fixed-pitch; where one is not installed, a
    // fixed-pitch face keeps the dump's columns.
    font.setStyleHint(QFont::TypeWriter);
    if (points > 0)
        font.setPointSize(points);
    font.setBold((style & 1) != 0);
    font.setItalic((style & 2) != 0);
    font.setUnderline((style & 4) != 0);
    font.setStrikeOut((style & 8) != 0);
    return font;
}

uint8_t FontStyleBits(const QFont& font)
{
    return static_cast<uint8_t>((font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
                                (font.strikeOut() ? 8 : 0));
}

void FillBackground(QWidget* control, const QColor& color)
{
    QPalette colours = control->palette();
    colours.setColor(QPalette::Window, color);
    control->setPalette(colours);
    control->setAutoFillBackground(true);
}

QFont FormFont()
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    return font;
}

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                                QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    // The IPA proportional face has wider digits than the face the widths were made for.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
}
