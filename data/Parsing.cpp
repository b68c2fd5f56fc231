// Typed text back into the bytes of a value. Each parser checks the address, then the text,
// shows at most one message and writes only once both have passed, so that a refused input
// leaves the buffer as it was.

#include "DataUnit.h"

#include "Messages.h"
#include "Runtime.h"
#include "ValueBounds.h"

#include <algorithm>
#include <iterator>

namespace {

bool CheckFits(int32_t Size, int32_t Addr, int64_t Width)
{
    if (FitsInside(Size, Addr, Width))
        return true;
    ShowMessage("OverLoad");
    return false;
}

void WriteLittleEndian(uint8_t* Data, int32_t Addr, int Width, uint64_t Value)
{
    for (int k = 0; k < Width; ++k)
        Data[Addr + k] = static_cast<uint8_t>(Value >> (8 * k));
}

// The byte whose table string the prepared text equals exactly.
bool TextToTableByte(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text,
                     const std::array<std::string, 256>& Table)
{
    if (!CheckFits(Size, Addr, 1))
        return false;
    const std::string prepared = Trim(UpperCase(Text));
    const auto match = std::find(Table.begin(), Table.end(), prepared);
    if (match == Table.end()) {
        ShowMessage("Input error.");
        return false;
    }
    Data[Addr] = static_cast<uint8_t>(std::distance(Table.begin(), match));
    return true;
}

// A text that is no integer converts to TextDefault, which lies outside every range taken
// here, so it earns the range message like a number that is too large.
bool TextToRangedNumber(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text, int Width, int64_t Low,
                        int64_t High, const char* RangeMessage)
{
    if (!CheckFits(Size, Addr, Width))
        return false;
    const int64_t value = StrToInt64Def(Trim(Text), TextDefault);
    if (value < Low || value > High) {
        ShowMessage(RangeMessage);
        return false;
    }
    WriteLittleEndian(Data, Addr, Width, static_cast<uint64_t>(value));
    return true;
}

bool TextToBinary(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToTableByte(Data, Size, Addr, Text, BinaryText);
}

bool TextToHex(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToTableByte(Data, Size, Addr, Text, HexText);
}

bool TextToByte(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToRangedNumber(Data, Size, Addr, Text, 1, 0, 255, "Range error [ 0..255 ]");
}

bool TextToShortInt(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToRangedNumber(Data, Size, Addr, Text, 1, -128, 127, "Range error [ -128..127 ]");
}

bool TextToWord(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToRangedNumber(Data, Size, Addr, Text, 2, 0, 65535, "Range error [ 0..65535 ]");
}

bool TextToSmallInt(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToRangedNumber(Data, Size, Addr, Text, 2, -32768, 32767, "Range error [ -32768..32767 ]");
}

bool TextToLongWord(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToRangedNumber(Data, Size, Addr, Text, 4, 0, 4294967295, "Range error [ 0..4294967295 ]");
}

bool TextToLongInt(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    return TextToRangedNumber(Data, Size, Addr, Text, 4, -2147483648LL, 2147483647,
                              "Range error [ -2147483648..2147483647 ]");
}

// Every 64-bit value is valid, so no default can mark a bad text: the strict conversion does.
bool TextToInt64(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text)
{
    if (!CheckFits(Size, Addr, 8))
        return false;
    int64_t value = 0;
    if (!TryStrToInt64(Trim(Text), value)) {
        ShowMessage("Range error [-9223372036854775808..9223372036854775807]");
        return false;
    }
    WriteLittleEndian(Data, Addr, 8, static_cast<uint64_t>(value));
    return true;
}

// The text's bytes as they are, cut or padded with 0 bytes to Count.
bool TextToChars(uint8_t* Data, int32_t Size, int32_t Addr, const std::string& Text, int32_t Count)
{
    if (!CheckFits(Size, Addr, Count))
        return false;
    for (int32_t k = 0; k < Count; ++k) {
        const auto index = static_cast<size_t>(k);
        Data[Addr + k] = index < Text.size() ? static_cast<uint8_t>(Text[index]) : uint8_t{0};
    }
    return true;
}

} // namespace

bool TextToValue(uint8_t* Data, int32_t Size, int32_t Addr, int Kind, int32_t Count, const std::string& Text)
{
    switch (Kind) {
    case vkBinary:
        return TextToBinary(Data, Size, Addr, Text);
    case vkHex:
        return TextToHex(Data, Size, Addr, Text);
    case vkByte:
        return TextToByte(Data, Size, Addr, Text);
    case vkShortInt:
        return TextToShortInt(Data, Size, Addr, Text);
    case vkWord:
        return TextToWord(Data, Size, Addr, Text);
    case vkSmallInt:
        return TextToSmallInt(Data, Size, Addr, Text);
    case vkLongWord:
        return TextToLongWord(Data, Size, Addr, Text);
    case vkLongInt:
        return TextToLongInt(Data, Size, Addr, Text);
    case vkInt64:
        return TextToInt64(Data, Size, Addr, Text);
    case vkChars:
        return TextToChars(Data, Size, Addr, Text, Count);
    case vkChar1:
        return TextToChars(Data, Size, Addr, Text, 1);
    case vkChar2:
        return TextToChars(Data, Size, Addr, Text, 2);
    default:
        // vkNone, vkSpace, vkError and corrupt kind bytes carry no value to write.
        return false;
    }
}

bool TextToPaneValue(int Pane, int32_t Address, int Kind, int32_t Count, const std::string& Text)
{
    const int p = Pane == 0 ? 0 : 1;
    return TextToValue(DataBuffer[p].data(), DataSize[p], Address, Kind, Count, Text);
}
