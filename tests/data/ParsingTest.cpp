#include "DataUnit.h"

#include "MessageRecorder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr uint8_t Untouched = 0xAA;
constexpr int32_t BufferSize = 8;

using Bytes = std::vector<uint8_t>;

const std::string ByteRange = "Range error [ 0..255 ]";
const std::string ShortIntRange = "Range error [ -128..127 ]";
const std::string WordRange = "Range error [ 0..65535 ]";
const std::string SmallIntRange = "Range error [ -32768..32767 ]";
const std::string LongWordRange = "Range error [ 0..4294967295 ]";
const std::string LongIntRange = "Range error [ -2147483648..2147483647 ]";
const std::string Int64Range = "Range error [-9223372036854775808..9223372036854775807]";

// One call on a buffer of BufferSize bytes that all start as Untouched. An accepted text
// writes `written` from `addr` on; a refused one shows `message` and writes nothing.
struct ParseCase {
    int kind;
    int32_t count;
    std::string text;
    Bytes written;
    std::string message = {};
    int32_t addr = 0;
};

class TextToValueTest : public ::testing::Test {
protected:
    void Check(const ParseCase& c)
    {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " text \"" + c.text + "\" at " + std::to_string(c.addr));
        MessageRecorder recorder;
        Bytes buffer(BufferSize, Untouched);
        const bool accepted = TextToValue(buffer.data(), BufferSize, c.addr, c.kind, c.count, c.text);

        Bytes expected(BufferSize, Untouched);
        if (c.message.empty())
            std::copy(c.written.begin(), c.written.end(), expected.begin() + c.addr);
        EXPECT_EQ(accepted, c.message.empty());
        EXPECT_EQ(buffer, expected);
        if (c.message.empty())
            EXPECT_TRUE(recorder.Messages.empty());
        else
            EXPECT_EQ(recorder.Messages, std::vector<std::string>{c.message});
    }
};

TEST_F(TextToValueTest, BinaryAndHexNeedTheExactTableString)
{
    const ParseCase cases[] = {
        {vkHex, 1, "  ff ", {0xFF}},
        {vkHex, 1, "Ff", {0xFF}},
        {vkHex, 1, "0F", {0x0F}},
        {vkHex, 1, "\t0a\r\n", {0x0A}},
        {vkHex, 1, "F", {}, "Input error."},
        {vkHex, 1, "0FF", {}, "Input error."},
        {vkHex, 1, "$F", {}, "Input error."},
        {vkHex, 1, "0 F", {}, "Input error."},
        {vkHex, 1, "", {}, "Input error."},
        {vkBinary, 1, "00000001", {0x80}},
        {vkBinary, 1, "10000000", {0x01}},
        {vkBinary, 1, " 11111111\t", {0xFF}},
        {vkBinary, 1, "1", {}, "Input error."},
        {vkBinary, 1, "000000012", {}, "Input error."},
        {vkBinary, 1, "0000000a", {}, "Input error."},
        {vkBinary, 1, "", {}, "Input error."},
    };
    for (const ParseCase& c : cases)
        Check(c);
}

TEST_F(TextToValueTest, NumbersConvertTolerantlyAndFailTheirRange)
{
    const ParseCase cases[] = {
        {vkByte, 1, "$FF", {0xFF}},
        {vkByte, 1, "0xff", {0xFF}},
        {vkByte, 1, "+5", {0x05}},
        {vkByte, 1, " 0255\t", {0xFF}},
        {vkByte, 1, "0", {0x00}},
        {vkByte, 1, "256", {}, ByteRange},
        {vkByte, 1, "-1", {}, ByteRange},
        {vkByte, 1, "abc", {}, ByteRange},
        {vkByte, 1, "1 2", {}, ByteRange},
        {vkByte, 1, "", {}, ByteRange},
        {vkByte, 1, "4294967296", {}, ByteRange},
        {vkShortInt, 1, "-1", {0xFF}},
        {vkShortInt, 1, "-128", {0x80}},
        {vkShortInt, 1, "-$80", {0x80}},
        {vkShortInt, 1, "127", {0x7F}},
        {vkShortInt, 1, "128", {}, ShortIntRange},
        {vkShortInt, 1, "-129", {}, ShortIntRange},
        {vkShortInt, 1, "x", {}, ShortIntRange},
        {vkWord, 1, "4660", {0x34, 0x12}},
        {vkWord, 1, "65535", {0xFF, 0xFF}},
        {vkWord, 1, "65536", {}, WordRange},
        {vkWord, 1, "-1", {}, WordRange},
        {vkSmallInt, 1, "-1", {0xFF, 0xFF}},
        {vkSmallInt, 1, "-32768", {0x00, 0x80}},
        {vkSmallInt, 1, "32767", {0xFF, 0x7F}},
        {vkSmallInt, 1, "32768", {}, SmallIntRange},
        {vkSmallInt, 1, "-32769", {}, SmallIntRange},
        {vkLongWord, 1, "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}},
        {vkLongWord, 1, "$FFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF}},
        {vkLongWord, 1, "16909060", {0x04, 0x03, 0x02, 0x01}},
        {vkLongWord, 1, "4294967296", {}, LongWordRange},
        {vkLongWord, 1, "-1", {}, LongWordRange},
        {vkLongWord, 1, "abc", {}, LongWordRange},
        {vkLongWord, 1, "$FFFFFFFFFFFFFFFF", {}, LongWordRange},
        {vkLongInt, 1, "-1", {0xFF, 0xFF, 0xFF, 0xFF}},
        {vkLongInt, 1, "-2147483648", {0x00, 0x00, 0x00, 0x80}},
        {vkLongInt, 1, "2147483647", {0xFF, 0xFF, 0xFF, 0x7F}},
        {vkLongInt, 1, "2147483648", {}, LongIntRange},
        {vkLongInt, 1, "-2147483649", {}, LongIntRange},
        {vkLongInt, 1, "$FFFFFFFF", {}, LongIntRange},
    };
    for (const ParseCase& c : cases)
        Check(c);
}

TEST_F(TextToValueTest, Int64AcceptsEveryIntegerThatConverts)
{
    const ParseCase cases[] = {
        {vkInt64, 1, "-1", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {vkInt64, 1, " -256 ", {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {vkInt64, 1, "-9223372036854775808", {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}},
        {vkInt64, 1, "9223372036854775807", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
        {vkInt64, 1, "$FFFFFFFFFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        // The number parsers' default is an ordinary value here.
        {vkInt64, 1, "4294967296", {0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}},
        {vkInt64, 1, "9223372036854775808", {}, Int64Range},
        {vkInt64, 1, "-9223372036854775809", {}, Int64Range},
        {vkInt64, 1, "$10000000000000000", {}, Int64Range},
        {vkInt64, 1, "abc", {}, Int64Range},
        {vkInt64, 1, "", {}, Int64Range},
    };
    for (const ParseCase& c : cases)
        Check(c);
}

TEST_F(TextToValueTest, CharactersAreCutOrPaddedToTheirCount)
{
    const ParseCase cases[] = {
        {vkChars, 4, "ABCDEF", {0x41, 0x42, 0x43, 0x44}},
        {vkChars, 4, "AB", {0x41, 0x42, 0x00, 0x00}},
        {vkChars, 4, "", {0x00, 0x00, 0x00, 0x00}},
        {vkChars, 4, " A", {0x20, 0x41, 0x00, 0x00}},
        {vkChars, 2, "a ", {0x61, 0x20}},
        {vkChars, 3, "\xC3\xA9\x01", {0xC3, 0xA9, 0x01}},
        {vkChars, 8, "ABCDEFGH", {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48}},
        {vkChars, 0, "ABC", {}, {}, BufferSize},
        {vkChars, -1, "ABC", {}},
        // Char1 and Char2 take their own width whatever count the caller passes.
        {vkChar1, 5, "XY", {0x58}},
        {vkChar1, 0, "", {0x00}},
        {vkChar2, 0, "X", {0x58, 0x00}},
        {vkChar2, 5, "XYZ", {0x58, 0x59}},
    };
    for (const ParseCase& c : cases)
        Check(c);
}

TEST_F(TextToValueTest, AddressIsTestedBeforeTheText)
{
    const ParseCase cases[] = {
        {vkInt64, 8, "1", {}, "OverLoad", BufferSize - 4},
        {vkLongWord, 4, "1", {0x01, 0x00, 0x00, 0x00}, {}, BufferSize - 4},
        {vkWord, 2, "1", {0x01, 0x00}, {}, BufferSize - 2},
        {vkWord, 2, "1", {}, "OverLoad", BufferSize - 1},
        {vkChar2, 2, "AB", {}, "OverLoad", BufferSize - 1},
        {vkChars, 3, "AB", {}, "OverLoad", BufferSize - 2},
        {vkChars, 0, "", {}, "OverLoad", BufferSize + 1},
        {vkHex, 1, "zz", {}, "OverLoad", -1},
        {vkInt64, 8, "abc", {}, "OverLoad", -1},
        {vkByte, 1, "1", {}, "OverLoad", BufferSize},
    };
    for (const ParseCase& c : cases)
        Check(c);
}

TEST_F(TextToValueTest, OverLoadAtEveryAddressOutsideForEveryKindThatTakesInput)
{
    for (int kind = vkBinary; kind <= vkChar2; ++kind) {
        const int32_t width = kind == vkChars ? 3 : KindSize[static_cast<size_t>(kind)];
        const std::string text = kind == vkBinary ? "00000000" : kind == vkHex ? "00" : "0";
        // The upper addresses would wrap into the buffer in 32-bit arithmetic.
        for (int32_t addr : {-1, std::numeric_limits<int32_t>::min(), BufferSize - width + 1, Int32Max, Int32Max - 1})
            Check({kind, width, text, {}, "OverLoad", addr});
    }
    Check({vkChars, Int32Max, "A", {}, "OverLoad", 2});
}

TEST_F(TextToValueTest, KindsWithoutValueAreRefusedSilently)
{
    for (int kind : {static_cast<int>(vkNone), static_cast<int>(vkSpace), static_cast<int>(vkError), 15, 255, -1}) {
        SCOPED_TRACE(kind);
        MessageRecorder recorder;
        Bytes buffer(BufferSize, Untouched);
        EXPECT_FALSE(TextToValue(buffer.data(), BufferSize, 0, kind, 1, "1"));
        EXPECT_FALSE(TextToValue(buffer.data(), BufferSize, -1, kind, 1, "1"));
        EXPECT_EQ(buffer, Bytes(BufferSize, Untouched));
        EXPECT_TRUE(recorder.Messages.empty());
    }
}

TEST(TextToValueEmptyBuffer, EveryReadingKindOverLoadsButZeroCharactersFit)
{
    MessageRecorder recorder;
    for (int kind = vkBinary; kind <= vkChar2; ++kind)
        EXPECT_FALSE(TextToValue(nullptr, 0, 0, kind, 1, "0")) << kind;
    EXPECT_EQ(recorder.Messages, std::vector<std::string>(12, "OverLoad"));
    recorder.Messages.clear();
    EXPECT_TRUE(TextToValue(nullptr, 0, 0, vkChars, 0, "ABC"));
    EXPECT_TRUE(recorder.Messages.empty());
}

// What the formatter shows, typed back unchanged, must give back the bytes it came from.
TEST(ValueRoundTrip, FormattedTextParsesToTheSameBytes)
{
    const Bytes patterns[] = {
        {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x80}, {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F},
        {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}, {0x80, 0x7F, 0x81, 0xFE, 0x90, 0xEA, 0x20, 0x41},
    };
    MessageRecorder recorder;
    for (const Bytes& pattern : patterns) {
        for (int kind = vkBinary; kind <= vkChar2; ++kind) {
            if (kind == vkChars)
                continue;
            std::string kindText;
            std::string valueText;
            ValueToText(pattern.data(), BufferSize, 0, kind, KindSize[kind], kindText, valueText);
            Bytes parsed(BufferSize, 0);
            ASSERT_TRUE(TextToValue(parsed.data(), BufferSize, 0, kind, KindSize[kind], valueText))
                << kindText << " \"" << valueText << "\"";
            const Bytes head(pattern.begin(), pattern.begin() + KindSize[kind]);
            EXPECT_EQ(Bytes(parsed.begin(), parsed.begin() + KindSize[kind]), head) << kindText;
        }
    }
    for (int value = 0; value < 256; ++value) {
        const uint8_t byte = static_cast<uint8_t>(value);
        for (int kind : {vkBinary, vkHex, vkByte, vkShortInt, vkChar1}) {
            std::string kindText;
            std::string valueText;
            ValueToText(&byte, 1, 0, kind, 1, kindText, valueText);
            uint8_t parsed = 0;
            ASSERT_TRUE(TextToValue(&parsed, 1, 0, kind, 1, valueText)) << kindText << " " << value;
            EXPECT_EQ(parsed, byte) << kindText;
        }
    }
    EXPECT_TRUE(recorder.Messages.empty());
}

class TextToPaneValueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(0, Bytes(4, Untouched));
        Fill(1, Bytes(2, Untouched));
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
};

TEST_F(TextToPaneValueTest, PaneZeroWritesPaneAAndEveryOtherValuePaneB)
{
    MessageRecorder recorder;
    EXPECT_TRUE(TextToPaneValue(0, 2, vkWord, 2, "4660"));
    EXPECT_EQ(DataBuffer[0], (Bytes{Untouched, Untouched, 0x34, 0x12}));
    EXPECT_TRUE(TextToPaneValue(1, 0, vkByte, 1, "1"));
    EXPECT_TRUE(TextToPaneValue(9, 1, vkByte, 1, "2"));
    EXPECT_EQ(DataBuffer[1], (Bytes{0x01, 0x02}));
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(TextToPaneValueTest, NeverWritesPastThePanesSize)
{
    MessageRecorder recorder;
    EXPECT_FALSE(TextToPaneValue(1, 0, vkLongWord, 4, "1"));
    EXPECT_FALSE(TextToPaneValue(1, 1, vkChars, 2, "AB"));
    EXPECT_EQ(DataBuffer[1], Bytes(2, Untouched));
    EXPECT_EQ(DataSize[1], 2);
    Fill(0, {});
    EXPECT_FALSE(TextToPaneValue(0, 0, vkByte, 1, "1"));
    EXPECT_EQ(DataSize[0], 0);
    EXPECT_EQ(recorder.Messages, std::vector<std::string>(3, "OverLoad"));
}

} // namespace
