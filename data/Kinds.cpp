// The per-kind tables and the per-byte tables that the codecs, the dump and the bit editor
// share. All of them are fixed at build time and only read afterwards.

#include "DataUnit.h"

namespace {

std::array<std::string, 256> MakeBinaryText()
{
    std::array<std::string, 256> table;
    for (int value = 0; value < 256; ++value) {
        std::string bits(8, '0');
        // Bit 0 is the leftmost character: the table reads the bits in storage order.
        for (int bit = 0; bit < 8; ++bit)
            if ((value >> bit) & 1)
                bits[static_cast<size_t>(bit)] = '1';
        table[static_cast<size_t>(value)] = bits;
    }
    return table;
}

std::array<std::string, 256> MakeHexText()
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::array<std::string, 256> table;
    for (int value = 0; value < 256; ++value)
        table[static_cast<size_t>(value)] = {Digits[value >> 4], Digits[value & 0xF]};
    return table;
}

constexpr char Blank = ' ';

constexpr std::array<char, 256> MakeDumpChar()
{
    std::array<char, 256> table{};
    for (int value = 0; value < 256; ++value)
        table[static_cast<size_t>(value)] = value < 0x20 ? Blank : static_cast<char>(value);
    return table;
}

// The dump shows the sixteenth byte of a row through this table: besides the control bytes it
// blanks 0x90 and 0xEA.
constexpr std::array<char, 256> MakeDumpCharLast()
{
    std::array<char, 256> table = MakeDumpChar();
    table[0x90] = Blank;
    table[0xEA] = Blank;
    return table;
}

} // namespace

const std::array<std::string, KindCount> KindName = {
    "None",    "Binary", "Hex", "Byte",  "ShortInt", "Word", "SmallInt", "LongWord",
    "LongInt", "Int64",  "Cha", "Cha 1", "Cha 2",    "Spc",  "Error",
};

const std::array<uint8_t, KindCount> KindSize = {0, 1, 1, 1, 1, 2, 2, 4, 4, 8, 1, 1, 2, 1, 0};

const std::array<uint8_t, KindCount> KindMaxLength = {0, 8, 2, 3, 4, 5, 6, 10, 11, 21, 80, 1, 2, 0, 0};

const std::array<std::string, 256> BinaryText = MakeBinaryText();
const std::array<std::string, 256> HexText = MakeHexText();
const std::array<char, 256> DumpChar = MakeDumpChar();
const std::array<char, 256> DumpCharLast = MakeDumpCharLast();
