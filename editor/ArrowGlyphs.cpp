#include "ArrowGlyphs.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace {

constexpr int GlyphSize = 16;

// The arrow pointing up; '.' is the background, 'K' the black edge, 'R' the red body.
constexpr std::array<const char*, GlyphSize> UpArrow = {
    "................", //
    ".......KK.......", //
    "......KRRK......", //
    ".....KRRRRK.....", //
    "....KRRRRRRK....", //
    "...KRRRRRRRRK...", //
    "..KRRRRRRRRRRK..", //
    ".KKKKRRRRRRKKKK.", //
    "....KRRRRRRK....", //
    "....KRRRRRRK....", //
    "....KRRRRRRK....", //
    "....KRRRRRRK....", //
    "....KRRRRRRK....", //
    "....KRRRRRRK....", //
    "....KKKKKKKK....", //
    "................", //
};

// Indexes into the 16-colour table below.
enum TColourIndex : uint8_t { Black = 0, Olive = 3, Grey = 8, Red = 9, White = 15 };

QImage EmptyGlyph()
{
    // The 16 standard colours; olive is the transparent one.
    static const QList<QRgb> Colours = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgba(128, 128, 0, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    QImage image(GlyphSize, GlyphSize, QImage::Format_Indexed8);
    image.setColorTable(Colours);
    image.fill(Olive);
    return image;
}

// The arrow's pixel at (x, y) in the wanted direction: the up arrow turned over or on its side.
char PixelAt(TArrow arrow, int x, int y)
{
    const int last = GlyphSize - 1;
    switch (arrow) {
    case TArrow::Up:
        return UpArrow[static_cast<size_t>(y)][x];
    case TArrow::Down:
        return UpArrow[static_cast<size_t>(last - y)][x];
    case TArrow::Left:
        return UpArrow[static_cast<size_t>(x)][y];
    case TArrow::Right:
        return UpArrow[static_cast<size_t>(last - x)][y];
    }
    return '.';
}

} // namespace

QPixmap ArrowGlyph(TArrow arrow)
{
    QImage image = EmptyGlyph();
    for (int y = 0; y < GlyphSize; ++y) {
        for (int x = 0; x < GlyphSize; ++x) {
            const char pixel = PixelAt(arrow, x, y);
            if (pixel != '.')
                image.setPixel(x, y, pixel == 'R' ? Red : Black);
        }
    }
    return QPixmap::fromImage(image);
}

QPixmap GreyedArrowGlyph(TArrow arrow)
{
    QImage image = EmptyGlyph();
    for (int y = 0; y + 1 < GlyphSize; ++y)
        for (int x = 0; x + 1 < GlyphSize; ++x)
            if (PixelAt(arrow, x, y) != '.')
                image.setPixel(x + 1, y + 1, White);
    for (int y = 0; y < GlyphSize; ++y)
        for (int x = 0; x < GlyphSize; ++x)
            if (PixelAt(arrow, x, y) != '.')
                image.setPixel(x, y, Grey);
    return QPixmap::fromImage(image);
}
