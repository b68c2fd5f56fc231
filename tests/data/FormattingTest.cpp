#include "DataUnit.h"

#include "Runtime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

using Bytes = std::vector<uint8_t>;

struct FormatCase {
    Bytes data;
    int32_t addr;
    int kind;
    int32_t count;
    std::string value;
};

std::string FormatValue(const Bytes& data, int32_t addr, int kind, int32_t count)
{
    std::string kindText;
    std::string valueText = "untouched";
    ValueToText(data.data(), static_cast<int32_t>(data.size()), addr, kind, count, kindText, valueText);
    return valueText;
}

TEST(ValueToText, ReadsLittleEndianValuesOfEveryWidth)
{
    const FormatCase cases[] = {
        {{0x01}, 0, vkBinary, 1, "10000000"},
        {{0x80}, 0, vkBinary, 1, "00000001"},
        {{0x01}, 0, vkHex, 1, "01"},
        {{0xAB}, 0, vkHex, 1, "AB"},
        {{0x00}, 0, vkByte, 1, "0"},
        {{0x80}, 0, vkByte, 1, "128"},
        {{0x80}, 0, vkShortInt, 1, "-128"},
        {{0x7F}, 0, vkShortInt, 1, "127"},
        {{0x34, 0x12}, 0, vkWord, 2, "4660"},
        {{0xFF, 0xFF}, 0, vkWord, 2, "65535"},
        {{0xFF, 0xFF}, 0, vkSmallInt, 2, "-1"},
        {{0x00, 0x80}, 0, vkSmallInt, 2, "-32768"},
        {{0x00, 0x00, 0x00, 0x80}, 0, vkLongWord, 4, "2147483648"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, 0, vkLongWord, 4, "4294967295"},
        {{0x00, 0x00, 0x00, 0x80}, 0, vkLongInt, 4, "-2147483648"},
        {{0x01, 0x02, 0x03, 0x04}, 0, vkLongInt, 4, "67305985"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0, vkInt64, 8, "-1"},
        {{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}, 0, vkInt64, 8, "-9223372036854775808"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, 0, vkInt64, 8, "9223372036854775807"},
        {{0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}, 0, vkInt64, 8, "4294967296"},
        {{0xEE, 0x34, 0x12}, 1, vkWord, 2, "4660"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatValue(c.data, c.addr, c.kind, c.count), c.value) << KindName[c.kind] << " at " << c.addr;
}

TEST(ValueToText, CharactersStopAtCountOrTheFirstZeroByte)
{
    const Bytes abc = {0x41, 0x42, 0x00, 0x43};
    const FormatCase cases[] = {
        {abc, 0, vkChars, 4, "AB"},
        {abc, 0, vkChars, 1, "A"},
        {abc, 3, vkChars, 1, "C"},
        {{0x00, 0x41}, 0, vkChars, 2, ""},
        {abc, 0, vkChars, 0, ""},
        {abc, 4, vkChars, 0, ""},
        {abc, 5, vkChars, 0, "OverLoad"},
        {abc, 1, vkChars, 4, "OverLoad"},
        {abc, 0, vkChars, -1, ""},
        {abc, 0, vkChar1, 9, "A"},
        {abc, 0, vkChar2, 9, "AB"},
        {abc, 1, vkChar2, 0, "B"},
        // Raw bytes, control codes and a lead byte cut from its partner included.
        {{0x01, 0xFF, 0x90}, 0, vkChars, 3, "\x01\xFF\x90"},
        {{0x82, 0xA0}, 0, vkChar1, 1, "\x82"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatValue(c.data, c.addr, c.kind, c.count), c.value)
            << KindName[c.kind] << " at " << c.addr << " count " << c.count;
}

TEST(ValueToText, KindsWithoutBytesNeverOverLoad)
{
    for (int32_t addr : {-1, 0, 5, Int32Max}) {
        EXPECT_EQ(FormatValue({}, addr, vkNone, 0), "");
        EXPECT_EQ(FormatValue({}, addr, vkSpace, 4), "");
        EXPECT_EQ(FormatValue({}, addr, vkError, 0), "Error");
    }
}

TEST(ValueToText, ValueOutsideTheDataIsOverLoad)
{
    const Bytes eight(8, 0x41);
    const int readingKinds[] = {vkBinary,   vkHex,     vkByte,  vkShortInt, vkWord,  vkSmallInt,
                                vkLongWord, vkLongInt, vkInt64, vkChars,    vkChar1, vkChar2};
    for (int kind : readingKinds) {
        SCOPED_TRACE(KindName[kind]);
        const int32_t width = kind == vkChars ? 3 : KindSize[kind];
        EXPECT_EQ(FormatValue({}, 0, kind, width), "OverLoad");
        EXPECT_EQ(FormatValue(eight, -1, kind, width), "OverLoad");
        EXPECT_EQ(FormatValue(eight, 8, kind, width), "OverLoad");
        EXPECT_EQ(FormatValue(eight, std::numeric_limits<int32_t>::min(), kind, width), "OverLoad");
        // In 32-bit arithmetic the end of these values would wrap to a negative offset.
        EXPECT_EQ(FormatValue(eight, Int32Max, kind, width), "OverLoad");
        EXPECT_EQ(FormatValue(eight, Int32Max - 1, kind, width), "OverLoad");
        EXPECT_NE(FormatValue(eight, 8 - width, kind, width), "OverLoad");
        EXPECT_EQ(FormatValue(eight, 9 - width, kind, width), "OverLoad");
    }
    EXPECT_EQ(FormatValue(eight, 2, vkChars, Int32Max), "OverLoad");
}

TEST(ValueToText, LastBytesOfTheData)
{
    const Bytes four = {0x31, 0x32, 0x33, 0x34};
    for (int kind : {vkBinary, vkHex, vkByte, vkShortInt, vkChar1})
        EXPECT_NE(FormatValue(four, 3, kind, 1), "OverLoad") << KindName[kind];
    for (int kind : {vkWord, vkSmallInt, vkChar2})
        EXPECT_EQ(FormatValue(four, 3, kind, 2), "OverLoad") << KindName[kind];
    EXPECT_EQ(FormatValue(four, 0, vkLongWord, 4), "875770417");
    EXPECT_EQ(FormatValue(four, 0, vkLongInt, 4), "875770417");
    EXPECT_EQ(FormatValue(four, 0, vkInt64, 8), "OverLoad");
}

TEST(ValueToText, LabelCarriesTheCountFromCharactersOn)
{
    const struct {
        int kind;
        int32_t count;
        const char* label;
    } cases[] = {
        {vkNone, 3, "None"},     {vkByte, 1, "Byte"},     {vkInt64, 7, "Int64"},
        {vkChars, 20, "Cha 20"}, {vkChar1, 1, "Cha 1 1"}, {vkChar2, 2, "Cha 2 2"},
        {vkSpace, 4, "Spc 4"},   {vkError, 0, "Error 0"}, {vkChars, -3, "Cha -3"},
    };
    const Bytes none;
    for (const auto& c : cases) {
        std::string kindText;
        std::string valueText;
        // The label does not depend on whether the value fits.
        ValueToText(none.data(), 0, 0, c.kind, c.count, kindText, valueText);
        EXPECT_EQ(kindText, c.label);
    }
}

TEST(ValueToText, CorruptKindShowsErrorThenRaisesWithTheLabelUntouched)
{
    const Bytes data(8, 0);
    for (int kind : {15, 255, -1}) {
        std::string kindText = "before";
        std::string valueText;
        EXPECT_THROW(ValueToText(data.data(), 8, 0, kind, 1, kindText, valueText), ERangeError) << kind;
        EXPECT_EQ(valueText, "Error");
        EXPECT_EQ(kindText, "before");
    }
}

class PaneValueToTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(0, {0x34, 0x12});
        Fill(1, {0xFF, 0xFF, 0xFF});
    }
    void TearDown() override
    {
        for (int pane = 0; pane < PaneCount; ++pane)
            Fill(pane, {});
    }
    static void Fill(int pane, const Bytes& bytes)
    {
        DataBuffer[pane] = bytes;
        DataSize[pane] = static_cast<int32_t>(bytes.size());
    }
    static std::string PaneValue(int pane, int32_t address, int kind)
    {
        std::string kindText;
        std::string valueText;
        PaneValueToText(pane, address, kind, KindSize[kind], kindText, valueText);
        return valueText;
    }
};

TEST_F(PaneValueToTextTest, PaneZeroReadsPaneAAndEveryOtherValuePaneB)
{
    EXPECT_EQ(PaneValue(0, 0, vkWord), "4660");
    EXPECT_EQ(PaneValue(1, 0, vkWord), "65535");
    EXPECT_EQ(PaneValue(7, 1, vkWord), "65535");
    EXPECT_EQ(PaneValue(-1, 0, vkSmallInt), "-1");
}

TEST_F(PaneValueToTextTest, EndsAtThePanesSize)
{
    EXPECT_EQ(PaneValue(0, 1, vkWord), "OverLoad");
    EXPECT_EQ(PaneValue(1, 2, vkByte), "255");
    EXPECT_EQ(PaneValue(1, 3, vkByte), "OverLoad");
    Fill(0, {});
    EXPECT_EQ(PaneValue(0, 0, vkByte), "OverLoad");
    EXPECT_EQ(PaneValue(0, 0, vkSpace), "");
}

} // namespace
