#pragma once
// Colours and fonts as the option file keeps them: a colour is 0x00BBGGRR, red in the low byte;
// a font is a face name, a size in points and style bits (bold 1, italic 2, underline 4,
// strike-out 8).

#include <QColor>
#include <QFont>

#include <cstdint>
#include <string>

[[nodiscard]] QColor ColorFromValue(int32_t value);
[[nodiscard]] int32_t ValueFromColor(const QColor& color);

[[nodiscard]] QFont FontFromSpec(const std::string& face, int points, uint8_t style);
[[nodiscard]] uint8_t FontStyleBits(const QFont& font);

// The option file and the windows name their faces as a Japanese desktop has them; where those
// faces are missing, the metric-compatible IPA faces stand in (so 6 digits still fit a 40-pixel
// address column), then any fixed-pitch or plain face. Call once, after the application exists.
void InstallFontSubstitutes();
