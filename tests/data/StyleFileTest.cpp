#include "DataUnit.h"
#include "Files.h"
#include "Runtime.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The file layout, spelled out field by field so that the tests do not lean on the writer.
std::string LittleEndian(int64_t value, int size)
{
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

std::string TextField(const std::string& text, int capacity, int length = -1, char filler = '\0')
{
    std::string field(1, static_cast<char>(length < 0 ? text.size() : length));
    field += text;
    field.resize(1 + capacity, filler);
    return field;
}

std::string Head(const std::string& name, int32_t offset, uint8_t useOffset, int16_t lastRow)
{
    return TextField(name, 31) + LittleEndian(offset, 4) + static_cast<char>(useOffset) + LittleEndian(lastRow, 2);
}

std::string Row(uint8_t used, uint8_t kind, int32_t size, const std::string& comment = "", const std::string& hint = "")
{
    return std::string(1, static_cast<char>(used)) + static_cast<char>(kind) + LittleEndian(size, 4) +
           TextField(comment, 21) + TextField(hint, 81);
}

std::string Count(int16_t lastStyle)
{
    return LittleEndian(lastStyle, 2);
}

class StyleFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::path(::testing::TempDir()) / ("style_file_test_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        NewStyleGroup();
        StyleGroupFileName.clear();
    }
    void TearDown() override
    {
        for (const auto& entry : fs::directory_iterator(m_folder))
            fs::permissions(entry.path(), fs::perms::owner_all);
        fs::remove_all(m_folder);
    }

    [[nodiscard]] std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    [[nodiscard]] std::string Store(const std::string& name, const std::string& bytes) const
    {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Marks the group so that a test can tell whether a read replaced it.
    static void MarkGroup()
    {
        StyleGroup[3].StyleName.Assign("old");
        StyleGroup[0].RowSize[0] = 99;
    }

private:
    fs::path m_folder;
};

bool SameText(const auto& a, const auto& b)
{
    return a.Length == b.Length && a.Chars == b.Chars;
}

// Everything the file holds; TotalSize is not stored.
bool SameStored(const TStyle& a, const TStyle& b)
{
    bool rows = true;
    for (int r = 0; r < RowCount; ++r)
        rows = rows && SameText(a.RowComment[r], b.RowComment[r]) && SameText(a.RowHint[r], b.RowHint[r]);
    return rows && SameText(a.StyleName, b.StyleName) && a.OffsetAddress == b.OffsetAddress &&
           a.UseOffset == b.UseOffset && a.LastRow == b.LastRow && a.RowUsed == b.RowUsed && a.RowKind == b.RowKind &&
           a.RowSize == b.RowSize;
}

bool IsNewGroup()
{
    if (StyleGroup[0].StyleName.Text() != "Style 0" || StyleGroup[0].RowSize[0] != 0)
        return false;
    for (int slot = 1; slot < StyleCount; ++slot)
        if (StyleGroup[slot].StyleName.Length != 0)
            return false;
    return true;
}

// Full names, comments and hints alternate with short ones whose unused bytes hold leftovers.
template <int Capacity>
void FillText(TShortString<Capacity>& text, uint32_t& seed, bool full)
{
    for (char& c : text.Chars) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    if (full) {
        for (int i = 0; i < Capacity; ++i)
            text.Chars[i] = static_cast<char>('A' + (i + seed) % 26);
        text.Length = Capacity;
    } else {
        text.Length = static_cast<uint8_t>(1 + seed % (Capacity - 1));
    }
}

void FillFullGroup()
{
    uint32_t seed = 7;
    for (int i = 0; i < StyleCount; ++i) {
        TStyle& style = StyleGroup[i];
        FillText(style.StyleName, seed, i % 2 == 0);
        style.OffsetAddress = static_cast<int32_t>(seed) - i * 1000;
        style.UseOffset = static_cast<uint8_t>(i % 3 == 0 ? 0 : i % 3 == 1 ? 255 : 7);
        for (int r = 0; r < RowCount; ++r) {
            style.RowUsed[r] = static_cast<uint8_t>(r % 7 == 0 ? 1 + r % 254 : 255);
            style.RowKind[r] = static_cast<uint8_t>(r % 15);
            style.RowSize[r] = static_cast<int32_t>(seed % 100000) - 500;
            FillText(style.RowComment[r], seed, r % 3 == 0);
            FillText(style.RowHint[r], seed, r % 4 == 0);
        }
    }
}

TEST_F(StyleFileTest, FreshGroupGivesThreeHundredBytes)
{
    const std::string path = PathOf("fresh.fms");
    WriteStyleGroupFile(path);

    const std::string expected =
        Count(1) + Head("Style 0", 0, 0, 0) + Row(255, vkNone, 0) + Head("", 0, 0, 0) + Row(255, vkNone, 0);
    ASSERT_EQ(expected.size(), 300u);
    EXPECT_EQ(ReadWholeFile(path), expected);
    EXPECT_EQ(StyleGroupFileName, path);
}

TEST_F(StyleFileTest, FullGroupRoundTripsToIdenticalBytes)
{
    FillFullGroup();
    const std::string first = PathOf("full.fms");
    WriteStyleGroupFile(first);
    const std::array<TStyle, StyleCount> written = StyleGroup;

    const std::string bytes = ReadWholeFile(first);
    ASSERT_EQ(bytes.size(), 661172u);
    EXPECT_EQ(bytes.substr(0, 2), Count(29));

    NewStyleGroup();
    EXPECT_TRUE(ReadStyleGroupFile(first));
    for (int slot = 0; slot < StyleCount; ++slot) {
        EXPECT_TRUE(SameStored(StyleGroup[slot], written[slot])) << slot;
        EXPECT_EQ(StyleGroup[slot].TotalSize, 0) << slot;
    }

    const std::string second = PathOf("again.fms");
    WriteStyleGroupFile(second);
    EXPECT_TRUE(ReadWholeFile(second) == bytes);
}

TEST_F(StyleFileTest, WriterPacksAndEndsWithOneClearedStyle)
{
    ClearStyle(StyleGroup[0]);
    StyleGroup[0].StyleName.Assign("A");
    StyleGroup[4].StyleName.Assign("B");
    StyleGroup[4].LastRow = 150; // stale, put right by the recount
    const std::string path = PathOf("packed.fms");
    WriteStyleGroupFile(path);
    EXPECT_EQ(ReadWholeFile(path), Count(2) + Head("A", 0, 0, 0) + Row(255, 0, 0) + Head("B", 0, 0, 0) +
                                       Row(255, 0, 0) + Head("", 0, 0, 0) + Row(255, 0, 0));
    EXPECT_EQ(StyleGroup[1].StyleName.Text(), "B");
}

struct CorruptCase {
    const char* name;
    std::string bytes;
    bool rangeError;
    std::function<void()> check;
};

std::vector<CorruptCase> CorruptCases()
{
    std::string thirtyOne = Count(30);
    for (int i = 0; i <= 30; ++i)
        thirtyOne += Head("S" + std::to_string(i), 0, 0, 0) + Row(255, vkByte, 1);
    std::string twoHundredOne = Count(0) + Head("Big", 0, 0, 200);
    for (int r = 0; r <= 200; ++r)
        twoHundredOne += Row(255, vkByte, r);
    const std::string twoRows = Count(0) + Head("T", 5, 255, 1) + Row(255, vkWord, 4, "one", "first") +
                                Row(255, vkSmallInt, 8, "two", "second");
    const std::string wideTexts = Count(0) + TextField("N", 31, 255, 'n') + LittleEndian(0, 7) + "\xFF\x03" +
                                  LittleEndian(1, 4) + TextField("c", 21, 255, 'c') + TextField("h", 81, 255, 'h');

    auto newGroup = [] { EXPECT_TRUE(IsNewGroup()); };
    auto skippedRows = [] {
        EXPECT_EQ(StyleGroup[0].StyleName.Text(), "A");
        EXPECT_EQ(StyleGroup[0].RowUsed[0], 255);
        EXPECT_EQ(StyleGroup[1].StyleName.Text(), "B");
        EXPECT_EQ(StyleGroup[1].OffsetAddress, 7);
        EXPECT_EQ(StyleGroup[1].UseOffset, 255);
        EXPECT_EQ(StyleGroup[1].RowKind[0], vkWord);
        EXPECT_EQ(StyleGroup[1].RowSize[0], 2);
        EXPECT_EQ(StyleGroup[1].RowComment[0].Text(), "c");
        EXPECT_EQ(StyleGroup[1].RowHint[0].Text(), "h");
    };
    return {
        {"empty", "", false, newGroup},
        {"oneByte", "\x05", false, newGroup},
        {"countMinusOne", Count(-1), false, newGroup},
        {"countNegative", Count(-300) + Head("X", 0, 0, 0) + Row(255, vkByte, 1), false, newGroup},
        {"count30", thirtyOne, true,
         [] {
             for (int i = 0; i < StyleCount; ++i)
                 EXPECT_EQ(StyleGroup[i].StyleName.Text(), "S" + std::to_string(i));
         }},
        {"rowCount200", twoHundredOne, true,
         [] {
             const TStyle& style = StyleGroup[0];
             EXPECT_EQ(style.LastRow, 200);
             EXPECT_EQ(style.RowSize[199], 199);
             RecountStyle(0);
             EXPECT_EQ(style.LastRow, 199);
         }},
        {"rowCountMinusOne", Count(1) + Head("A", 0, 0, -1) + Head("B", 7, 255, 0) + Row(255, vkWord, 2, "c", "h"),
         false, skippedRows},
        {"rowCountMostNegative",
         Count(1) + Head("A", 0, 0, INT16_MIN) + Head("B", 7, 255, 0) + Row(255, vkWord, 2, "c", "h"), false,
         skippedRows},
        {"cutInHint", twoRows.substr(0, twoRows.size() - 50), false,
         [] {
             const TStyle& style = StyleGroup[0];
             EXPECT_EQ(style.StyleName.Text(), "T");
             EXPECT_EQ(style.RowHint[0].Text(), "first");
             EXPECT_EQ(style.RowKind[1], vkSmallInt);
             EXPECT_EQ(style.RowSize[1], 8);
             EXPECT_EQ(style.RowComment[1].Text(), "two");
             EXPECT_EQ(style.RowHint[1].Length, 0);
         }},
        {"cutInName", Count(0) + Head("Named", 0, 0, 0).substr(0, 10), false,
         [] {
             // Nothing behind the cut field is taken from its remnant either.
             EXPECT_EQ(StyleGroup[0].StyleName.Text(), "Style 0");
             EXPECT_EQ(StyleGroup[0].OffsetAddress, 0);
             EXPECT_EQ(StyleGroup[0].UseOffset, 0);
         }},
        {"cutInRowSize", Count(1) + Head("T", 0, 0, 0) + Row(7, vkByte, 0x01020304).substr(0, 4), false,
         [] {
             EXPECT_EQ(StyleGroup[0].RowUsed[0], 7);
             EXPECT_EQ(StyleGroup[0].RowKind[0], vkByte);
             EXPECT_EQ(StyleGroup[0].RowSize[0], 0);
             EXPECT_EQ(StyleGroup[1].StyleName.Length, 0);
         }},
        {"textLength255", wideTexts, false,
         [] {
             EXPECT_EQ(StyleGroup[0].StyleName.Length, 31);
             EXPECT_EQ(StyleGroup[0].RowComment[0].Length, 21);
             EXPECT_EQ(StyleGroup[0].RowHint[0].Length, 81);
             EXPECT_EQ(StyleGroup[0].RowHint[0].Text(), "h" + std::string(80, 'h'));
         }},
        {"kind200", Count(0) + Head("K", 0, 0, 0) + Row(255, 200, 1), false,
         [] { EXPECT_EQ(StyleGroup[0].RowKind[0], 200); }},
        {"gapBetweenNamedStyles",
         Count(2) + Head("A", 0, 0, 0) + Row(255, 0, 0) + Head("", 0, 0, 0) + Row(255, 0, 0) + Head("B", 0, 0, 0) +
             Row(255, 0, 0),
         false,
         [] {
             EXPECT_EQ(StyleGroup[1].StyleName.Length, 0);
             EXPECT_EQ(StyleGroup[2].StyleName.Text(), "B");
         }},
    };
}

TEST_F(StyleFileTest, CorruptFilesAreReadWithinTheirRecords)
{
    for (const CorruptCase& c : CorruptCases()) {
        SCOPED_TRACE(c.name);
        MarkGroup();
        const std::string path = Store("corrupt.fms", c.bytes);
        if (c.rangeError)
            EXPECT_THROW(ReadStyleGroupFile(path), ERangeError);
        else
            EXPECT_TRUE(ReadStyleGroupFile(path));
        EXPECT_EQ(StyleGroupFileName, path);
        c.check();
        // Whatever the file left behind can be packed and saved.
        EXPECT_NO_THROW(WriteStyleGroupFile(PathOf("resaved.fms")));
    }
}

TEST_F(StyleFileTest, MissingFileChangesNothing)
{
    MarkGroup();
    StyleGroupFileName = "kept.fms";
    EXPECT_FALSE(ReadStyleGroupFile(PathOf("absent.fms")));
    EXPECT_EQ(StyleGroupFileName, "kept.fms");
    EXPECT_EQ(StyleGroup[3].StyleName.Text(), "old");
}

TEST_F(StyleFileTest, ReadOnlyFileCanBeNeitherReadNorWritten)
{
    const std::string path = Store("locked.fms", Count(0) + Head("Locked", 0, 0, 0) + Row(255, 0, 0));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    MarkGroup();

    EXPECT_THROW(ReadStyleGroupFile(path), EInOutError);
    EXPECT_EQ(StyleGroupFileName, path);
    EXPECT_EQ(StyleGroup[3].StyleName.Text(), "old");

    EXPECT_THROW(WriteStyleGroupFile(path), EInOutError);
    EXPECT_EQ(ReadWholeFile(path), Count(0) + Head("Locked", 0, 0, 0) + Row(255, 0, 0));
}

TEST_F(StyleFileTest, OverflowWhileRecountingLeavesTheOldFile)
{
    const std::string path = PathOf("kept.fms");
    WriteStyleGroupFile(path);
    const std::string before = ReadWholeFile(path);
    StyleGroup[0].RowUsed[1] = 255;
    StyleGroup[0].RowSize[0] = INT32_MAX;
    StyleGroup[0].RowSize[1] = 1;
    EXPECT_THROW(WriteStyleGroupFile(path), EIntOverflow);
    EXPECT_EQ(ReadWholeFile(path), before);
}

} // namespace
