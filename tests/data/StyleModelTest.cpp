#include "DataUnit.h"
#include "Runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Row comments "r0", "r1", ...
std::vector<std::string> Numbered(int count)
{
    std::vector<std::string> comments;
    for (int i = 0; i < count; ++i)
        comments.push_back("r" + std::to_string(i));
    return comments;
}

class StyleModelTest : public ::testing::Test {
protected:
    void SetUp() override { NewStyleGroup(); }

    // Gives slot 1 the rows named by comments, each used, of kind Byte and size i + 1.
    static TStyle& StyleWithRows(const std::vector<std::string>& comments)
    {
        TStyle& style = StyleGroup[1];
        ClearStyle(style);
        style.StyleName.Assign("Rows");
        for (size_t i = 0; i < comments.size(); ++i) {
            style.RowUsed[i] = 255;
            style.RowKind[i] = vkByte;
            style.RowSize[i] = static_cast<int32_t>(i + 1);
            style.RowComment[i].Assign(comments[i]);
        }
        RecountStyle(1);
        return style;
    }

    // Slot 1 with three fields, a hint and its offset in use: all that a clearing can drop.
    static TStyle& FilledStyle()
    {
        TStyle& style = StyleWithRows({"a", "b", "c"});
        style.OffsetAddress = 9;
        style.UseOffset = 255;
        style.RowHint[0].Assign("hint");
        return style;
    }

    static std::vector<std::string> UsedComments(const TStyle& style)
    {
        std::vector<std::string> comments;
        for (int r = 0; r < RowCount && style.RowUsed[r] != 0; ++r)
            comments.push_back(style.RowComment[r].Text());
        return comments;
    }
};

bool IsAllZero(const TStyle& style)
{
    auto zero = [](const auto& values) {
        for (const auto& value : values)
            if (value != 0)
                return false;
        return true;
    };
    bool texts = style.StyleName.Length == 0 && zero(style.StyleName.Chars);
    for (int r = 0; r < RowCount; ++r)
        texts = texts && style.RowComment[r].Length == 0 && zero(style.RowComment[r].Chars) &&
                style.RowHint[r].Length == 0 && zero(style.RowHint[r].Chars);
    return texts && style.OffsetAddress == 0 && style.UseOffset == 0 && style.LastRow == 0 && style.TotalSize == 0 &&
           zero(style.RowUsed) && zero(style.RowKind) && zero(style.RowSize);
}

bool IsCleared(const TStyle& style)
{
    TStyle expected;
    expected.RowUsed[0] = 255;
    bool texts = style.StyleName.Length == 0;
    for (int r = 0; r < RowCount; ++r)
        texts = texts && style.RowComment[r].Length == 0 && style.RowHint[r].Length == 0;
    return texts && style.OffsetAddress == 0 && style.UseOffset == 0 && style.LastRow == 0 && style.TotalSize == 0 &&
           style.RowUsed == expected.RowUsed && style.RowKind == expected.RowKind && style.RowSize == expected.RowSize;
}

TEST(StyleStackTest, StartsWithEveryByteZero)
{
    for (const TStyle& style : StyleStack)
        EXPECT_TRUE(IsAllZero(style));
}

TEST_F(StyleModelTest, NewGroupHoldsOnlyStyleZeroWithOneEmptyField)
{
    StyleGroup[5].StyleName.Assign("left over");
    NewStyleGroup();
    EXPECT_EQ(StyleGroup[0].StyleName.Text(), "Style 0");
    EXPECT_EQ(StyleGroup[0].RowUsed[0], 255);
    EXPECT_EQ(StyleGroup[0].RowKind[0], vkNone);
    EXPECT_EQ(StyleGroup[0].RowSize[0], 0);
    EXPECT_EQ(StyleGroup[0].RowUsed[1], 0);
    for (int slot = 1; slot < StyleCount; ++slot)
        EXPECT_TRUE(IsCleared(StyleGroup[slot])) << slot;
    EXPECT_EQ(PackStyleGroup(), 1);
}

TEST_F(StyleModelTest, ClearStyleLeavesOneUsedEmptyField)
{
    TStyle& style = FilledStyle();
    ClearStyle(style);
    EXPECT_TRUE(IsCleared(style));
}

TEST_F(StyleModelTest, ClearingTheRowsKeepsTheNameAndTheOffset)
{
    TStyle& style = FilledStyle();
    ClearStyleRows(style);
    EXPECT_EQ(style.StyleName.Text(), "Rows");
    EXPECT_EQ(style.OffsetAddress, 9);
    EXPECT_EQ(style.UseOffset, 255);
    style.StyleName = {};
    style.OffsetAddress = 0;
    style.UseOffset = 0;
    EXPECT_TRUE(IsCleared(style));
}

struct PackCase {
    const char* name;
    std::vector<int> namedSlots;
    int expected;
};

// Test lists and failure lines name the table row instead of dumping its bytes.
void PrintTo(const PackCase& c, std::ostream* out)
{
    *out << c.name;
}

class PackStyleGroupTest : public StyleModelTest, public ::testing::WithParamInterface<PackCase> {};

TEST_P(PackStyleGroupTest, MovesNamedStylesDownInOrder)
{
    const PackCase& c = GetParam();
    for (TStyle& style : StyleGroup)
        ClearStyle(style);
    for (int slot : c.namedSlots) {
        StyleGroup[slot].StyleName.Assign("S" + std::to_string(slot));
        StyleGroup[slot].RowSize[0] = slot + 1;
        StyleGroup[slot].RowUsed[1] = 255;
        StyleGroup[slot].RowSize[1] = 100;
    }
    // A free slot's rows go with it.
    StyleGroup[StyleCount - 1].RowComment[0].Assign("dropped");

    EXPECT_EQ(PackStyleGroup(), c.expected);

    for (size_t k = 0; k < c.namedSlots.size(); ++k) {
        const TStyle& style = StyleGroup[k];
        EXPECT_EQ(style.StyleName.Text(), "S" + std::to_string(c.namedSlots[k]));
        EXPECT_EQ(style.LastRow, 1);
        EXPECT_EQ(style.TotalSize, c.namedSlots[k] + 101);
    }
    for (size_t slot = c.namedSlots.size(); slot < StyleCount; ++slot) {
        if (slot == 0) {
            EXPECT_EQ(StyleGroup[0].StyleName.Text(), "Style 0");
            continue;
        }
        EXPECT_TRUE(IsCleared(StyleGroup[slot])) << slot;
    }
}

std::vector<int> AllSlots()
{
    std::vector<int> slots;
    for (int slot = 0; slot < StyleCount; ++slot)
        slots.push_back(slot);
    return slots;
}

INSTANTIATE_TEST_SUITE_P(Cases, PackStyleGroupTest,
                         ::testing::Values(PackCase{"gap", {0, 3}, 2}, PackCase{"leadingGaps", {4, 7, 29}, 3},
                                           PackCase{"full", AllSlots(), 30}, PackCase{"none", {}, 0}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(StyleModelTest, RecountSumsUsedRowsFromRowZero)
{
    TStyle& style = StyleWithRows({"a", "b", "c"});
    style.RowSize[0] = 4;
    style.RowSize[1] = 2;
    style.RowSize[2] = 8;
    // Rows behind the first unused one do not belong to the style.
    style.RowUsed[4] = 255;
    style.RowSize[4] = 1000;
    style.LastRow = 77;
    RecountStyle(1);
    EXPECT_EQ(style.TotalSize, 14);
    EXPECT_EQ(style.LastRow, 2);
    style.UseOffset = 255;
    style.OffsetAddress = 16;
    EXPECT_EQ(StyleRowAddress(100, 1, 2), 122);
}

TEST_F(StyleModelTest, RecountWithoutUsedRowMarksRowZeroUsedAndKeepsItsField)
{
    TStyle& style = StyleWithRows({"only"});
    style.RowUsed[0] = 0;
    style.RowSize[0] = 12;
    style.LastRow = -4;
    RecountStyle(1);
    EXPECT_EQ(style.RowUsed[0], 255);
    EXPECT_EQ(style.LastRow, 0);
    EXPECT_EQ(style.TotalSize, 0);
    EXPECT_EQ(style.RowSize[0], 12);
    EXPECT_EQ(style.RowComment[0].Text(), "only");
}

TEST_F(StyleModelTest, RecountOfTwoHundredRowsStopsAtTheLastRow)
{
    TStyle& style = StyleWithRows(Numbered(RowCount));
    EXPECT_EQ(style.LastRow, 199);
    EXPECT_EQ(style.TotalSize, RowCount * (RowCount + 1) / 2);
}

TEST_F(StyleModelTest, RecountOutsideTheIntegerRangeIsAnOverflow)
{
    TStyle& style = StyleWithRows({"a", "b"});
    style.RowSize[0] = INT32_MAX;
    style.RowSize[1] = 1;
    EXPECT_THROW(RecountStyle(1), EIntOverflow);
    style.RowSize[0] = INT32_MIN;
    style.RowSize[1] = -1;
    EXPECT_THROW(RecountStyle(1), EIntOverflow);
}

struct RowEditCase {
    const char* name;
    bool insert;
    int rowCount; // rows "r0".. of sizes 1..
    int row;
    std::vector<std::string> expected; // empty: rows unchanged
};

void PrintTo(const RowEditCase& c, std::ostream* out)
{
    *out << c.name;
}

class RowEditTest : public StyleModelTest, public ::testing::WithParamInterface<RowEditCase> {};

TEST_P(RowEditTest, MovesAllFiveEntriesAndRecounts)
{
    const RowEditCase& c = GetParam();
    TStyle& style = StyleWithRows(Numbered(c.rowCount));
    style.RowHint[0].Assign("h0");
    const TStyle before = style;
    style.TotalSize = -1; // shows whether a recount ran

    if (c.insert)
        InsertStyleRow(1, c.row);
    else
        DeleteStyleRow(1, c.row);

    if (c.expected.empty()) {
        EXPECT_EQ(UsedComments(style), UsedComments(before));
        EXPECT_EQ(style.TotalSize, -1);
        return;
    }
    EXPECT_EQ(UsedComments(style), c.expected);
    EXPECT_EQ(style.LastRow, static_cast<int16_t>(c.expected.size() - 1));
    int32_t total = 0;
    for (size_t r = 0; r < c.expected.size(); ++r) {
        const std::string& comment = c.expected[r];
        const int32_t size = comment.empty() ? 0 : std::stoi(comment.substr(1)) + 1;
        EXPECT_EQ(style.RowSize[r], size) << r;
        EXPECT_EQ(style.RowKind[r], comment.empty() ? vkNone : vkByte) << r;
        EXPECT_EQ(style.RowHint[r].Text(), comment == "r0" ? "h0" : "") << r;
        total += size;
    }
    EXPECT_EQ(style.TotalSize, total);
    if (!c.insert) {
        EXPECT_EQ(style.RowUsed[RowCount - 1], 0);
        EXPECT_EQ(style.RowComment[RowCount - 1].Length, 0);
    }
}

std::vector<std::string> NumberedWithout(int count, int missing)
{
    std::vector<std::string> comments = Numbered(count);
    comments.erase(comments.begin() + missing);
    return comments;
}

std::vector<std::string> NumberedWithEmptyAt(int count, int at)
{
    std::vector<std::string> comments = Numbered(count);
    comments.insert(comments.begin() + at, "");
    comments.resize(std::min<size_t>(comments.size(), RowCount));
    return comments;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowEditTest,
    ::testing::Values(RowEditCase{"insertAtZero", true, 2, 0, {"", "r0", "r1"}},
                      RowEditCase{"insertBehindLast", true, 2, 2, {"r0", "r1", ""}},
                      RowEditCase{"insertAt200", true, 2, 200, {}}, RowEditCase{"insertAtMinus1", true, 2, -1, {}},
                      RowEditCase{"insertIntoFull", true, RowCount, 5, NumberedWithEmptyAt(RowCount, 5)},
                      RowEditCase{"insertAt199OfFull", true, RowCount, 199, NumberedWithEmptyAt(RowCount, 199)},
                      RowEditCase{"deleteRowZero", false, 2, 0, {"r1"}},
                      RowEditCase{"deleteOnlyRow", false, 1, 0, {""}}, RowEditCase{"deleteAt200", false, 2, 200, {}},
                      RowEditCase{"deleteAtMinus1", false, 2, -1, {}},
                      RowEditCase{"deleteFromFull", false, RowCount, 10, NumberedWithout(RowCount, 10)},
                      RowEditCase{"deleteLastOfFull", false, RowCount, 199, NumberedWithout(RowCount, 199)}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(StyleModelTest, StyleIndexOutsideTheGroupIsARangeError)
{
    const std::vector<std::function<void(int)>> operations = {
        [](int index) { RecountStyle(index); },
        [](int index) { InsertStyleRow(index, 0); },
        [](int index) { DeleteStyleRow(index, 0); },
        [](int index) { (void)StyleRowAddress(0, index, 0); },
    };
    for (const auto& operation : operations) {
        EXPECT_THROW(operation(-1), ERangeError);
        EXPECT_THROW(operation(StyleCount), ERangeError);
        EXPECT_NO_THROW(operation(StyleCount - 1));
    }
}

TEST_F(StyleModelTest, RowAddressAddsEverySizeBeforeTheRow)
{
    TStyle& style = StyleWithRows({"a", "b"});
    style.RowSize[0] = 4;
    style.RowSize[1] = 2;
    // Sizes count whatever the used bytes say.
    style.RowSize[2] = 8;
    style.RowSize[199] = 1000;
    style.OffsetAddress = 16;
    EXPECT_EQ(StyleRowAddress(100, 1, 0), 100);
    EXPECT_EQ(StyleRowAddress(100, 1, 3), 114);
    EXPECT_EQ(StyleRowAddress(100, 1, 200), 1114);
    style.UseOffset = 1; // any value but 0 switches the offset on
    EXPECT_EQ(StyleRowAddress(100, 1, 0), 116);
    EXPECT_EQ(StyleRowAddress(-30, 1, 3), 0);
    EXPECT_THROW((void)StyleRowAddress(0, 1, 201), ERangeError);
    // Only a row behind the last one is out of range: a negative row adds no field, like row 0.
    EXPECT_EQ(StyleRowAddress(100, 1, -1), 116);
    EXPECT_EQ(StyleRowAddress(100, 1, INT32_MIN), 116);
    EXPECT_THROW((void)StyleRowAddress(INT32_MAX - 4, 1, 1), EIntOverflow);
    style.OffsetAddress = INT32_MIN;
    EXPECT_THROW((void)StyleRowAddress(-1, 1, 0), EIntOverflow);
}

TEST(StoredTextTest, IsCutToItsCapacityWithoutSplittingACharacter)
{
    const std::string a19(19, 'a');
    const std::string a20(20, 'a');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {std::string(21, 'a'), std::string(21, 'a')},
        {std::string(22, 'a'), std::string(21, 'a')},
        {a19 + "\xC3\xA9", a19 + "\xC3\xA9"},
        {a20 + "\xC3\xA9", a20},
        {a19 + "\xE3\x81\x82", a19},
        {a20 + "\xE3\x81\x82", a20},
        {std::string(18, 'a') + "\xF0\x9F\x98\x80", std::string(18, 'a')},
        // Continuation bytes without their lead byte: nothing to keep whole, so nothing to drop.
        {std::string(40, '\x80'), std::string(21, '\x80')},
        {a19 + "\x80\x80\x80\x80", a19 + "\x80\x80"},
    };
    for (const auto& [text, stored] : cases) {
        TShortString<CommentCapacity> field;
        field.Assign(text);
        EXPECT_EQ(field.Text(), stored) << text.size() << " bytes";
    }
}

TEST(ExpandHintTest, DoubleSlashesBecomeLineBreaks)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a//b", "a\n\rb"}, {"a/b/", "a/b/"},     {"/", "/"},       {"", ""},
        {"///", "\n\r/"},   {"////", "\n\r\n\r"}, {"x//", "x\n\r"},
    };
    for (const auto& [hint, expected] : cases)
        EXPECT_EQ(ExpandHint(hint), expected) << hint;
}

} // namespace
