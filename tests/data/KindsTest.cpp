#include "DataUnit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(KindTables, LabelWidthAndEditorLengthOfEveryCode)
{
    const struct {
        TValueKind kind;
        const char* name;
        int size;
        int maxLength;
    } kinds[] = {
        {vkNone, "None", 0, 0},         {vkBinary, "Binary", 1, 8},      {vkHex, "Hex", 1, 2},
        {vkByte, "Byte", 1, 3},         {vkShortInt, "ShortInt", 1, 4},  {vkWord, "Word", 2, 5},
        {vkSmallInt, "SmallInt", 2, 6}, {vkLongWord, "LongWord", 4, 10}, {vkLongInt, "LongInt", 4, 11},
        {vkInt64, "Int64", 8, 21},      {vkChars, "Cha", 1, 80},         {vkChar1, "Cha 1", 1, 1},
        {vkChar2, "Cha 2", 2, 2},       {vkSpace, "Spc", 1, 0},          {vkError, "Error", 0, 0},
    };
    ASSERT_EQ(std::size(kinds), static_cast<size_t>(KindCount));
    for (int code = 0; code < KindCount; ++code) {
        const auto& expected = kinds[code];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(expected.kind, code);
        EXPECT_EQ(KindName[static_cast<size_t>(code)], expected.name);
        EXPECT_EQ(KindSize[static_cast<size_t>(code)], expected.size);
        EXPECT_EQ(KindMaxLength[static_cast<size_t>(code)], expected.maxLength);
    }
}

TEST(BinaryText, CharacterKIsBitKMinusOne)
{
    EXPECT_EQ(BinaryText[0], "00000000");
    EXPECT_EQ(BinaryText[1], "10000000");
    EXPECT_EQ(BinaryText[2], "01000000");
    EXPECT_EQ(BinaryText[128], "00000001");
    EXPECT_EQ(BinaryText[255], "11111111");
    for (int value = 0; value < 256; ++value) {
        const std::string& bits = BinaryText[static_cast<size_t>(value)];
        ASSERT_EQ(bits.size(), 8U) << value;
        for (int bit = 0; bit < 8; ++bit)
            EXPECT_EQ(bits[static_cast<size_t>(bit)], (value >> bit) & 1 ? '1' : '0') << value << " bit " << bit;
    }
}

TEST(HexText, TwoUpperCaseDigitsForEveryByte)
{
    EXPECT_EQ(HexText[10], "0A");
    for (int value = 0; value < 256; ++value) {
        char expected[3];
        std::snprintf(expected, sizeof expected, "%02X", value);
        EXPECT_EQ(HexText[static_cast<size_t>(value)], expected);
    }
}

TEST(DumpChar, BlanksControlBytesAndTheLastCellAlsoBlanks90AndEA)
{
    for (int value = 0; value < 256; ++value) {
        const char expected = value < 0x20 ? ' ' : static_cast<char>(value);
        const char expectedLast = value == 0x90 || value == 0xEA ? ' ' : expected;
        EXPECT_EQ(DumpChar[static_cast<size_t>(value)], expected) << value;
        EXPECT_EQ(DumpCharLast[static_cast<size_t>(value)], expectedLast) << value;
    }
    EXPECT_EQ(DumpChar[0x1F], ' ');
    EXPECT_EQ(DumpChar[0x7F], '\x7F');
    EXPECT_EQ(DumpChar[0x90], '\x90');
    EXPECT_EQ(DumpCharLast[0xEA], ' ');
}

} // namespace
