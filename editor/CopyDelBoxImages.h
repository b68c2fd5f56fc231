#pragma once
// The copy and delete dialog's delete button image, drawn at run time: a 16 x 16 picture in a
// few plain colours on a transparent ground, with a greyed twin for the disabled button. (Its
// copy buttons show the arrows of ArrowGlyphs.)

#include <QPixmap>

// A waste bin: delete.
[[nodiscard]] QPixmap WasteBinGlyph();
// The same picture greyed, for the disabled button.
[[nodiscard]] QPixmap GreyedWasteBinGlyph();
