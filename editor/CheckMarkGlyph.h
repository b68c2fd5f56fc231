#pragma once
// The check mark on the accept buttons of the small input dialogs, drawn at run time: 16 x 16
// pixels, red with black edges, and its grey form for the disabled state.

#include <QPixmap>

[[nodiscard]] QPixmap CheckMarkGlyph();
[[nodiscard]] QPixmap DisabledCheckMarkGlyph();
