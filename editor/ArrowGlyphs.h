#pragma once
// The pictures of the dialogs' arrow buttons: 16 × 16 pixels in the 16 standard colours, olive
// standing for the transparent background.

#include <QPixmap>

enum class TArrow { Up, Down, Left, Right };

// A red arrow with a black edge.
[[nodiscard]] QPixmap ArrowGlyph(TArrow arrow);
// The same arrow greyed for a disabled button: grey, with a white copy one pixel down and right.
[[nodiscard]] QPixmap GreyedArrowGlyph(TArrow arrow);
