// Display text of a value of one kind read from a byte buffer. A value that does not lie
// wholly inside the buffer reads nothing and shows "OverLoad".

#include "DataUnit.h"

#include "Runtime.h"
#include "ValueBounds.h"

namespace {

const std::string OverLoadText = "OverLoad";

uint64_t ReadLittleEndian(const uint8_t* Data, int32_t Addr, int Width)
{
    uint64_t value = 0;
    for (int k = Width - 1; k >= 0; --k)
        value = (value << 8) | Data[Addr + k];
    return value;
}

void BinaryToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 1) ? BinaryText[Data[Addr]] : OverLoadText;
}

void HexToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 1) ? HexText[Data[Addr]] : OverLoadText;
}

void ByteToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 1) ? std::to_string(Data[Addr]) : OverLoadText;
}

void ShortIntToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 1) ? std::to_string(static_cast<int8_t>(Data[Addr])) : OverLoadText;
}

void WordToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 2) ? std::to_string(ReadLittleEndian(Data, Addr, 2)) : OverLoadText;
}

void SmallIntToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 2) ? std::to_string(static_cast<int16_t>(ReadLittleEndian(Data, Addr, 2)))
                                          : OverLoadText;
}

void LongWordToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 4) ? std::to_string(ReadLittleEndian(Data, Addr, 4)) : OverLoadText;
}

void LongIntToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 4) ? std::to_string(static_cast<int32_t>(ReadLittleEndian(Data, Addr, 4)))
                                          : OverLoadText;
}

void Int64ToText(const uint8_t* Data, int32_t Size, int32_t Addr, std::string& ValueText)
{
    ValueText = FitsInside(Size, Addr, 8) ? std::to_string(static_cast<int64_t>(ReadLittleEndian(Data, Addr, 8)))
                                          : OverLoadText;
}

// The bytes come out as they are stored, up to the first 0 byte; the GUI maps them to
// characters one by one.
void CharsToText(const uint8_t* Data, int32_t Size, int32_t Addr, int32_t Count, std::string& ValueText)
{
    if (!FitsInside(Size, Addr, Count)) {
        ValueText = OverLoadText;
        return;
    }
    ValueText.clear();
    for (int32_t k = 0; k < Count && Data[Addr + k] != 0; ++k)
        ValueText.push_back(static_cast<char>(Data[Addr + k]));
}

} // namespace

void ValueToText(const uint8_t* Data, int32_t Size, int32_t Addr, int Kind, int32_t Count, std::string& KindText,
                 std::string& ValueText)
{
    switch (Kind) {
    case vkBinary:
        BinaryToText(Data, Size, Addr, ValueText);
        break;
    case vkHex:
        HexToText(Data, Size, Addr, ValueText);
        break;
    case vkByte:
        ByteToText(Data, Size, Addr, ValueText);
        break;
    case vkShortInt:
        ShortIntToText(Data, Size, Addr, ValueText);
        break;
    case vkWord:
        WordToText(Data, Size, Addr, ValueText);
        break;
    case vkSmallInt:
        SmallIntToText(Data, Size, Addr, ValueText);
        break;
    case vkLongWord:
        LongWordToText(Data, Size, Addr, ValueText);
        break;
    case vkLongInt:
        LongIntToText(Data, Size, Addr, ValueText);
        break;
    case vkInt64:
        Int64ToText(Data, Size, Addr, ValueText);
        break;
    case vkChars:
        CharsToText(Data, Size, Addr, Count, ValueText);
        break;
    case vkChar1:
        CharsToText(Data, Size, Addr, 1, ValueText);
        break;
    case vkChar2:
        CharsToText(Data, Size, Addr, 2, ValueText);
        break;
    case vkNone:
    case vkSpace:
        ValueText.clear();
        break;
    default:
        // vkError, and any corrupt kind byte of a style row.
        ValueText = "Error";
        break;
    }
    CheckRange(Kind, 0, KindCount - 1);
    KindText = KindName[static_cast<size_t>(Kind)];
    if (Kind >= vkChars) {
        KindText += ' ';
        KindText += std::to_string(Count);
    }
}

void PaneValueToText(int Pane, int32_t Address, int Kind, int32_t Count, std::string& KindText, std::string& ValueText)
{
    const int p = Pane == 0 ? 0 : 1;
    ValueToText(DataBuffer[p].data(), DataSize[p], Address, Kind, Count, KindText, ValueText);
}
