#include "DataUnit.h"
#include "MessageRecorder.h"
#include "Runtime.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSearchValue(); }
    void TearDown() override { InitDataLayer(); }

    // The search value of program start.
    static void ResetSearchValue()
    {
        SearchValue.fill(0);
        SearchLength = 0;
    }
    static void SetPane(int pane, const std::vector<uint8_t>& bytes)
    {
        DataBuffer[pane] = bytes;
        DataSize[pane] = static_cast<int32_t>(bytes.size());
    }
    static std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

    MessageRecorder m_messages;
};

struct TSetCase {
    const char* text;
    int kind;
    std::vector<uint8_t> value;
};

TEST_F(SearchTest, SetSearchValueTakesTheKindsWidthOrTheTextsLength)
{
    const TSetCase cases[] = {
        {"10000000", vkBinary, {0x01}},
        {" ff ", vkHex, {0xFF}},
        {"255", vkByte, {0xFF}},
        {"-1", vkShortInt, {0xFF}},
        {"258", vkWord, {0x02, 0x01}},
        {"-2", vkSmallInt, {0xFE, 0xFF}},
        {"$01020304", vkLongWord, {0x04, 0x03, 0x02, 0x01}},
        {"-1", vkLongInt, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"-256", vkInt64, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {" AB", vkChars, {0x20, 0x41, 0x42}},
        {"", vkChars, {}},
    };
    for (const TSetCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " as kind " + std::to_string(c.kind));
        ASSERT_TRUE(SetSearchValue(c.text, c.kind));
        ASSERT_EQ(SearchLength, static_cast<int32_t>(c.value.size()));
        EXPECT_EQ(std::vector<uint8_t>(SearchValue.begin(), SearchValue.begin() + SearchLength), c.value);
    }
    EXPECT_TRUE(m_messages.Messages.empty());
}

TEST_F(SearchTest, ShorterValueLeavesTheLaterBytesAsTheyWere)
{
    ASSERT_TRUE(SetSearchValue("ABCD", vkChars));
    ASSERT_TRUE(SetSearchValue("258", vkWord));
    EXPECT_EQ(SearchLength, 2);
    EXPECT_EQ(std::vector<uint8_t>(SearchValue.begin(), SearchValue.begin() + 4),
              (std::vector<uint8_t>{0x02, 0x01, 'C', 'D'}));
}

struct TStepCase {
    const char* name;
    std::vector<uint8_t> data;
    std::optional<std::pair<const char*, int>> value; // none: the value of program start
    bool forward;
    int32_t start;
    std::optional<int32_t> hit;
};

TEST_F(SearchTest, SearchesStepFromMatchToMatch)
{
    const std::vector<uint8_t> words = {0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x02, 0x01};
    const std::pair<const char*, int> word258{"258", vkWord};
    const std::vector<uint8_t> int64s = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, //
                                         0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, //
                                         0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const TStepCase cases[] = {
        {"word forward from 0", words, word258, true, 0, 3},
        {"word forward from 3", words, word258, true, 3, 6},
        {"word forward from 6", words, word258, true, 6, std::nullopt},
        {"word backward from 6", words, word258, false, 6, 3},
        {"word backward from 3", words, word258, false, 3, 0},
        {"word backward from 0", words, word258, false, 0, std::nullopt},
        {"first candidate is 2", {0x00, 0x02, 0x01}, word258, true, 0, std::nullopt},
        {"match ends on the last byte", {0x00, 0x00, 0x00, 0x02, 0x01}, word258, true, 0, 3},
        {"hex compares one byte", {0x00, 0x00, 0x41, 0x42}, std::pair{"41", vkHex}, true, 0, 2},
        {"chars compare three bytes", Bytes("ABXABDABC"), std::pair{"ABC", vkChars}, true, 0, 6},
        {"chars backward", Bytes("ABCABDABX"), std::pair{"ABC", vkChars}, false, 8, 0},
        {"int64 compares all eight bytes", int64s, std::pair{"-256", vkInt64}, true, 0, 16},
        {"int64 backward", int64s, std::pair{"-256", vkInt64}, false, 23, 0},
        {"overlapping run of four", Bytes("AAAA"), std::pair{"AA", vkChars}, true, 0, 2},
        {"backward from the size", words, word258, false, 8, std::nullopt},
        {"backward from the int32 top", words, word258, false, INT32_MAX, std::nullopt},
        {"backward from the int32 bottom", words, word258, false, INT32_MIN, std::nullopt},
        {"backward from -1", words, word258, false, -1, std::nullopt},
        {"forward from -1", words, word258, true, -1, std::nullopt},
        {"forward from the int32 bottom", words, word258, true, INT32_MIN, std::nullopt},
        {"forward from the int32 top", words, word258, true, INT32_MAX, std::nullopt},
        {"empty text forward", words, std::pair{"", vkChars}, true, 4, 4},
        {"empty text forward from the size", words, std::pair{"", vkChars}, true, 8, 8},
        {"empty text forward past the size", words, std::pair{"", vkChars}, true, 9, std::nullopt},
        {"empty text backward", words, std::pair{"", vkChars}, false, 7, 7},
        {"empty text backward from the size", words, std::pair{"", vkChars}, false, 8, std::nullopt},
        {"empty text in an empty pane", {}, std::pair{"", vkChars}, true, 0, 0},
        {"start value forward", words, std::nullopt, true, 2, 2},
        {"start value backward", words, std::nullopt, false, 0, 0},
        {"word in an empty pane", {}, word258, true, 0, std::nullopt},
    };
    for (const TStepCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int pane = 0; pane < PaneCount; ++pane) {
            ResetSearchValue();
            SetPane(pane, c.data);
            SetPane(1 - pane, {});
            if (c.value) {
                ASSERT_TRUE(SetSearchValue(c.value->first, c.value->second));
            }
            int32_t address = c.start;
            const bool found = c.forward ? NextSearch(pane, address) : FrontSearch(pane, address);
            EXPECT_EQ(found, c.hit.has_value()) << "pane " << pane;
            EXPECT_EQ(address, c.hit.value_or(c.start)) << "pane " << pane;
        }
    }
}

TEST_F(SearchTest, RefusedValueComparesItsLengthAgainstTheLastAcceptedBytes)
{
    SetPane(0, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x01, 0xFF, 0xFF, 0x02, 0x01, 0x00, 0x00});
    ASSERT_TRUE(SetSearchValue("258", vkWord));
    EXPECT_FALSE(SetSearchValue("x", vkLongWord));
    EXPECT_EQ(m_messages.Messages, std::vector<std::string>{"Range error [ 0..4294967295 ]"});
    EXPECT_EQ(SearchLength, 4);

    int32_t address = 0;
    EXPECT_TRUE(NextSearch(0, address));
    EXPECT_EQ(address, 8);
}

// A chars text longer than the value can hold is refused but leaves its length behind; the
// search must not compare beyond the value's bytes.
TEST_F(SearchTest, LengthBeyondTheValueFindsNothing)
{
    SetPane(0, std::vector<uint8_t>(4096, 'A'));
    ASSERT_TRUE(SetSearchValue(std::string(255, 'A'), vkChars));
    EXPECT_FALSE(SetSearchValue(std::string(300, 'A'), vkChars));
    EXPECT_EQ(m_messages.Messages, std::vector<std::string>{"OverLoad"});
    EXPECT_EQ(SearchLength, 300);

    for (const int32_t length : {SearchValueCapacity + 1, 300, INT32_MAX, -1}) {
        SCOPED_TRACE(length);
        SearchLength = length;
        int32_t address = 0;
        EXPECT_FALSE(NextSearch(0, address));
        address = 4095;
        EXPECT_FALSE(FrontSearch(0, address));
        EXPECT_EQ(address, 4095);
    }
}

TEST_F(SearchTest, FullLengthValueStillSearches)
{
    std::vector<uint8_t> data(1000, 0x00);
    data[300] = 0x01;
    data[700] = 0x01;
    SetPane(0, data);
    SearchLength = SearchValueCapacity;
    int32_t address = 0;
    ASSERT_TRUE(NextSearch(0, address));
    EXPECT_EQ(address, 301);
    address = 956;
    ASSERT_TRUE(FrontSearch(0, address));
    EXPECT_EQ(address, 444);
}

TEST_F(SearchTest, PaneOutsideRangeOrSizeBeyondItsBlockIsARangeError)
{
    SetPane(0, {0x41, 0x42});
    DataSize[0] = 3;
    for (const int pane : {-1, PaneCount, 0}) {
        SCOPED_TRACE(pane);
        int32_t address = 0;
        EXPECT_THROW(NextSearch(pane, address), ERangeError);
        address = 1;
        EXPECT_THROW(FrontSearch(pane, address), ERangeError);
    }
}

struct TWalkCase {
    const char* name;
    std::vector<uint8_t> a;
    std::vector<uint8_t> b;
    bool up;
    std::pair<int64_t, int64_t> start;
    std::optional<std::pair<int64_t, int64_t>> difference;
};

// Bytes 0, 1, 2, ... of the given count.
std::vector<uint8_t> Counting(int count)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    for (size_t k = 0; k < bytes.size(); ++k)
        bytes[k] = static_cast<uint8_t>(k);
    return bytes;
}

std::vector<uint8_t> Changed(std::vector<uint8_t> bytes, size_t at)
{
    bytes[at] ^= 0xFF;
    return bytes;
}

TEST_F(SearchTest, CompareWalksFindTheNearestDifferingPairAtTheStartsDisplacement)
{
    const std::vector<uint8_t> a = {0x00, 0x11, 0x22, 0x33};
    const std::vector<uint8_t> b = {0x00, 0x11, 0x99, 0x33};
    const std::vector<uint8_t> hundred = Counting(100);
    // Pane b holds pane a's bytes from address 5 on, one of them changed.
    const std::vector<uint8_t> shifted = Changed({hundred.begin() + 5, hundred.end()}, 40);
    const TWalkCase cases[] = {
        {"equal panes up", hundred, hundred, true, {0, 0}, std::nullopt},
        {"equal panes down", hundred, hundred, false, {99, 99}, std::nullopt},
        {"up to the difference", a, b, true, {0, 0}, std::pair{2, 2}},
        {"the start pair is compared", a, b, true, {2, 2}, std::pair{2, 2}},
        {"up past the difference", a, b, true, {3, 3}, std::nullopt},
        {"down to the difference", a, b, false, {3, 3}, std::pair{2, 2}},
        {"down past the difference", a, b, false, {1, 1}, std::nullopt},
        {"up keeps the displacement", hundred, shifted, true, {6, 1}, std::pair{45, 40}},
        {"down keeps the displacement", hundred, shifted, false, {89, 84}, std::pair{45, 40}},
        {"up ends where the shorter pane ends", Counting(20), hundred, true, {0, 0}, std::nullopt},
        {"up from beyond the data", a, b, true, {8, 0}, std::nullopt},
        {"up from below the data", a, b, true, {-1, 1}, std::nullopt},
        {"down from below the data", a, b, false, {3, -1}, std::nullopt},
        {"down from beyond the data steps into it",
         Changed(Counting(40), 30),
         hundred,
         false,
         {44, 44},
         std::pair{30, 30}},
        {"down from beyond the other pane's data",
         hundred,
         Changed({hundred.begin() + 20, hundred.begin() + 60}, 12),
         false,
         {69, 49},
         std::pair{32, 12}},
        {"down that steps past the start", Counting(40), hundred, false, {49, 4}, std::nullopt},
        {"empty panes", {}, {}, true, {0, 0}, std::nullopt},
    };
    for (const TWalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetPane(0, c.a);
        SetPane(1, c.b);
        auto [i, j] = c.start;
        const bool found = c.up ? NextDifference(i, j) : PreviousDifference(i, j);
        ASSERT_EQ(found, c.difference.has_value());
        if (found) {
            EXPECT_EQ(std::pair(i, j), *c.difference);
        }
    }
}

} // namespace
