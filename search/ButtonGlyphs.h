#pragma once
// The images of the value dialog's buttons, each in its normal and its greyed form: "No" a red
// cross over a black exclamation mark, "OK" a red check mark.

#include <QPixmap>

[[nodiscard]] QPixmap NoGlyph(bool greyed);
[[nodiscard]] QPixmap OkGlyph(bool greyed);
