#include "Runtime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr int64_t Int64Min = std::numeric_limits<int64_t>::min();
constexpr int64_t Int64Max = std::numeric_limits<int64_t>::max();
constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

struct ConversionCase {
    const char* text;
    std::optional<int64_t> wide;   // the 64-bit forms; nullopt: refused
    std::optional<int32_t> narrow; // the 32-bit forms, which know only '$'
};

const ConversionCase ConversionCases[] = {
    {"0", 0, 0},
    {"-0", 0, 0},
    {"007", 7, 7},
    {"   12", 12, 12},
    {"+5", 5, 5},
    {"-5", -5, -5},
    {" -5", -5, -5},
    {"$FF", 255, 255},
    {"$ff", 255, 255},
    {"0xff", 255, std::nullopt},
    {"0XFF", 255, std::nullopt},
    {"-0x10", -16, std::nullopt},
    {"-$80", -128, -128},
    {"+$10", 16, 16},
    {"$00000000000000000000FF", 255, 255},
    {"$7FFFFFFFFFFFFFFF", Int64Max, std::nullopt},
    {"$8000000000000000", Int64Min, std::nullopt},
    {"$FFFFFFFFFFFFFFFF", -1, std::nullopt},
    {"$10000000000000000", std::nullopt, std::nullopt},
    {"$FFFFFFFF", 4294967295, -1},
    {"$80000000", 2147483648, Int32Min},
    {"-$80000000", -2147483648, Int32Min},
    {"$100000000", 4294967296, std::nullopt},
    {"2147483647", 2147483647, Int32Max},
    {"2147483648", 2147483648, std::nullopt},
    {"-2147483648", -2147483648, Int32Min},
    {"-2147483649", -2147483649, std::nullopt},
    {"9223372036854775807", Int64Max, std::nullopt},
    {"9223372036854775808", std::nullopt, std::nullopt},
    {"-9223372036854775808", Int64Min, std::nullopt},
    {"-9223372036854775809", std::nullopt, std::nullopt},
    {"99999999999999999999999", std::nullopt, std::nullopt},
    {"12 ", std::nullopt, std::nullopt},
    {"12a", std::nullopt, std::nullopt},
    {"1 2", std::nullopt, std::nullopt},
    {"- 5", std::nullopt, std::nullopt},
    {"+-5", std::nullopt, std::nullopt},
    {"5-", std::nullopt, std::nullopt},
    {"$G", std::nullopt, std::nullopt},
    {"$-5", std::nullopt, std::nullopt},
    {"0x$5", std::nullopt, std::nullopt},
    {"abc", std::nullopt, std::nullopt},
    {"", std::nullopt, std::nullopt},
    {"   ", std::nullopt, std::nullopt},
    {"+", std::nullopt, std::nullopt},
    {"-", std::nullopt, std::nullopt},
    {"$", std::nullopt, std::nullopt},
    {"-$", std::nullopt, std::nullopt},
    {"0x", std::nullopt, std::nullopt},
};

TEST(IntegerConversion, StrictFormsAcceptOnlyWholeIntegers)
{
    for (const ConversionCase& c : ConversionCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        int64_t wide = 77;
        ASSERT_EQ(TryStrToInt64(c.text, wide), c.wide.has_value());
        if (c.wide) {
            EXPECT_EQ(wide, *c.wide);
        }
        int32_t narrow = 77;
        ASSERT_EQ(TryStrToInt32(c.text, narrow), c.narrow.has_value());
        if (c.narrow) {
            EXPECT_EQ(narrow, *c.narrow);
        }
    }
}

TEST(IntegerConversion, TolerantFormsFallBackToTheDefault)
{
    constexpr int64_t WideDefault = 4294967296;
    constexpr int32_t NarrowDefault = -7;
    for (const ConversionCase& c : ConversionCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(StrToInt64Def(c.text, WideDefault), c.wide.value_or(WideDefault));
        EXPECT_EQ(StrToIntDef(c.text, NarrowDefault), c.narrow.value_or(NarrowDefault));
    }
}

TEST(Trim, RemovesEveryControlCodeAndBlankAtBothEnds)
{
    for (int code = 0; code <= 32; ++code) {
        const std::string pad(2, static_cast<char>(code));
        EXPECT_EQ(Trim(pad + "a b" + pad), "a b") << "code " << code;
        EXPECT_EQ(Trim(pad), "") << "code " << code;
    }
}

TEST(Trim, KeepsCodesAbove32)
{
    EXPECT_EQ(Trim("!x!"), "!x!");
    // A byte above 127 is negative as a char; it must not count as a control code.
    EXPECT_EQ(Trim("\xA0x\xFF"), "\xA0x\xFF");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
}

TEST(UpperCase, ChangesOnlyAsciiLetters)
{
    EXPECT_EQ(UpperCase("azAZ09"), "AZAZ09");
    EXPECT_EQ(UpperCase("`{@["), "`{@[");
    EXPECT_EQ(UpperCase("\xC3\xA9\xE0x"), "\xC3\xA9\xE0X");
    EXPECT_EQ(UpperCase(""), "");
}

TEST(IntToHex, PadsToTheMinimumAndShowsNegativesAsEightDigits)
{
    const struct {
        int32_t value;
        int minDigits;
        const char* text;
    } cases[] = {
        {0, 6, "000000"},          {10, 2, "0A"},       {0xABCDEF, 6, "ABCDEF"},
        {0x1234567, 6, "1234567"}, {-1, 6, "FFFFFFFF"}, {Int32Min, 6, "80000000"},
        {Int32Max, 6, "7FFFFFFF"}, {255, 0, "FF"},      {0, 0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntToHex(c.value, c.minDigits), c.text) << c.value << " with " << c.minDigits << " digits";
}

TEST(CheckedAdd, RaisesOnOverflowInsteadOfWrapping)
{
    EXPECT_EQ(CheckedAdd(Int32Max, 0), Int32Max);
    EXPECT_EQ(CheckedAdd(Int32Max, Int32Min), -1);
    EXPECT_EQ(CheckedAdd(Int32Min, Int32Max), -1);
    EXPECT_THROW((void)CheckedAdd(Int32Max, 1), EIntOverflow);
    EXPECT_THROW((void)CheckedAdd(Int32Min, -1), EIntOverflow);
    EXPECT_THROW((void)CheckedAdd(Int32Min, Int32Min), EIntOverflow);
}

TEST(CheckRange, RaisesARuntimeErrorOutsideTheBounds)
{
    EXPECT_NO_THROW(CheckRange(0, 0, 14));
    EXPECT_NO_THROW(CheckRange(14, 0, 14));
    EXPECT_THROW(CheckRange(15, 0, 14), ERangeError);
    EXPECT_THROW(CheckRange(-1, 0, 14), ERangeError);
    EXPECT_THROW(CheckRange(Int64Min, 0, Int64Max), ERangeError);
    // The dispatcher catches the family, not the single error.
    EXPECT_THROW(CheckRange(255, 0, 14), ERuntimeError);
}

} // namespace
