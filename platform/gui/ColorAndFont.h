#pragma once
// Colours and fonts as the option file keeps them: a colour is 0x00BBGGRR, red in the low byte;
// a font is a face name, a size in points and style bits (bold 1, italic 2, underline 4,
// strike-out 8).

#include <QColor>
#include <QFont>

class QWidget;

#include <cstdint>
#include <string>

[[nodiscard]] QColor ColorFromValue(int32_t value);
[[nodiscard]] int32_t ValueFromColor(const QColor& color);

[[nodiscard]] QFont FontFromSpec(const std::string& face, int points, uint8_t style);
[[nodiscard]] uint8_t FontStyleBits(const QFont& font);

// Fills the control's own background, behind its children, with the colour.
void FillBackground(QWidget* control, const QColor& color);

// The font of the forms, their menus, status bars and boxes.
[[nodiscard]] QFont FormFont();

// The option file and the windows name their faces as a Japanese desktop has them; where those
// faces are missing, faces that fit the same fixed widths stand in: the fixed-pitch IPA face for
// the grids (6 digits fit a 40-pixel address column) and a narrow sans face for the forms (the
// status panels' "000000" fits 50 pixels and "000000-FFFFFFFF" 100), then any face of the kind.
// Call once, after the application exists.
void InstallFontSubstitutes();
