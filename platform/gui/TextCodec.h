#pragma once
// Bytes of the data shown as text map one byte to one character, U+0000..U+00FF, so that a value
// shown and typed back unchanged gives the bytes it came from; a typed character above U+00FF
// becomes its UTF-8 bytes. The user's own words (names, comments, paths) are UTF-8 throughout;
// file names are bytes that need not be UTF-8 and are only shown as text.
// Grid cells and panel texts are UTF-8 strings, so the display forms here are UTF-8 too.

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

// The bytes as characters, one each.
[[nodiscard]] QString BytesToDisplay(std::string_view bytes);
// Each character up to U+00FF as its byte, any other as its UTF-8 bytes.
[[nodiscard]] std::string DisplayToBytes(const QString& text);

// The number of bytes DisplayToBytes makes of the text.
[[nodiscard]] int DisplayByteCount(const QString& text);

// The same two maps with the display text in UTF-8.
[[nodiscard]] std::string BytesToDisplayUtf8(std::string_view bytes);
[[nodiscard]] std::string DisplayUtf8ToBytes(std::string_view utf8);

// The length of the well-formed UTF-8 sequence the bytes start with, or 0 where they start with
// none: a stray or cut-off byte, an overlong form, a surrogate or a code above U+10FFFF.
[[nodiscard]] size_t Utf8SequenceLength(std::string_view bytes);

// A file name, which is bytes, as text to show on one line: its UTF-8 characters as they are, a
// backslash as \\, and as \xHH each byte that is not UTF-8 and each byte of a control character or
// a line or paragraph separator. The form reads back one way only, so two names never look alike.
[[nodiscard]] QString FileNameToDisplay(std::string_view name);

// The most bytes the UTF-8 form of a byte's character takes.
inline constexpr int MaxByteUtf8Size = 2;

// Writes the UTF-8 form of the character that stands for the byte; returns the end of it.
inline char* PutByteAsUtf8(char* out, unsigned char byte)
{
    if (byte < 0x80) {
        *out++ = static_cast<char>(byte);
    } else {
        *out++ = static_cast<char>(0xC0 | (byte >> 6));
        *out++ = static_cast<char>(0x80 | (byte & 0x3F));
    }
    return out;
}

// Appends the UTF-8 form of the character that stands for the byte.
inline void AppendByteAsUtf8(std::string& out, unsigned char byte)
{
    char utf8[MaxByteUtf8Size];
    out.append(utf8, PutByteAsUtf8(utf8, byte));
}
