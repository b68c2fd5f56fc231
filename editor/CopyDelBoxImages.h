#pragma once
// The copy and delete dialog's button images, drawn at run time: 16 x 16 pictures in a few plain
// colours on a transparent ground, each with a greyed twin for the disabled button.

#include <QPixmap>

enum class TCopyDelImage {
    ArrowRight, // a red arrow pointing right: from the style group to the Stack
    ArrowLeft,  // a red arrow pointing left: from the Stack to the style group
    WasteBin,   // delete
};

[[nodiscard]] QPixmap CopyDelGlyph(TCopyDelImage image);
// The same picture greyed, for the disabled button.
[[nodiscard]] QPixmap GreyedCopyDelGlyph(TCopyDelImage image);
