#include "EngineTestFolder.h"
#include "ResultPathLine.h"
#include "Runtime.h"
#include "SearchResultFile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

class SearchResultFileTest : public EngineTestFolder {
protected:
    // Searches the files in order as the window does: no further file once the limit is reached.
    std::string Search(const std::vector<std::string>& paths, const std::string& pattern, int32_t* hits = nullptr)
    {
        const std::string resultFile = PathOf("Temporary.txt");
        TSearchResultFile result(resultFile);
        for (const std::string& path : paths)
            if (!result.LimitReached())
                result.SearchFile(path, reinterpret_cast<const uint8_t*>(pattern.data()),
                                  static_cast<int>(pattern.size()));
        result.Close();
        if (hits != nullptr)
            *hits = result.Hits();
        return Read(resultFile);
    }
};

TEST_F(SearchResultFileTest, WritesAPathLineBeforeTheHitLinesOfEachFileWithHits)
{
    const std::string first = Write("first.bin", std::string(16, '\0') + "AAA");
    const std::string none = Write("none.bin", "BBBB");
    const std::string second = Write("second.bin", "A\xff"
                                                   "AA");
    int32_t hits = 0;
    EXPECT_EQ(Search({first, none, second}, "AA", &hits),
              first + "\r\n  000010\r\n  000011\r\n" + second + "\r\n  000002\r\n");
    EXPECT_EQ(hits, 3);
}

TEST_F(SearchResultFileTest, OffsetsFromSixteenMebibytesOnTakeSevenDigits)
{
    const std::string path = WriteSparse("large.bin", 0x1000010, {{0xFFFFFF, "ab"}, {0x1000000 + 5, "ab"}});
    EXPECT_EQ(Search({path}, "ab"), path + "\r\n  FFFFFF\r\n  1000005\r\n");
}

TEST_F(SearchResultFileTest, APatternOfLengthZeroWritesNothing)
{
    int32_t hits = -1;
    EXPECT_EQ(Search({Write("data.bin", "abc")}, "", &hits), "");
    EXPECT_EQ(hits, 0);
}

TEST_F(SearchResultFileTest, TheHitLimitCutsOffOnlyAFileWithAFurtherHit)
{
    struct TCase {
        const char* name;
        int firstHits;
        int secondHits;
        int secondLinesWritten; // hit lines of the second file within the limit
        bool cutOff;
    };
    const TCase cases[] = {
        {"the last hit line is the second file's last hit", 9999, 1, 1, false},
        {"the second file has hits beyond the last line", 9998, 5, 2, true},
        {"the second file is cut off after its first hit", 9999, 3, 1, true},
        {"the first file fills the limit exactly", 10000, 0, 0, false},
        {"the first file holds more than the limit", 10003, 0, 0, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        // A file of n letters has n hits of the one letter; the third file must not be searched.
        const std::vector<std::string> paths = {Write("first", std::string(static_cast<size_t>(c.firstHits), 'a')),
                                                Write("second", std::string(static_cast<size_t>(c.secondHits), 'a')),
                                                Write("third", "a")};
        std::string expected = paths[0] + "\r\n";
        for (int i = 0; i < std::min(c.firstHits, MaxHits); ++i)
            expected += "  " + IntToHex(i, 6) + "\r\n";
        if (c.secondLinesWritten > 0)
            expected += paths[1] + "\r\n";
        for (int i = 0; i < c.secondLinesWritten; ++i)
            expected += "  " + IntToHex(i, 6) + "\r\n";
        if (c.cutOff)
            expected += "   Any More...\r\n";
        int32_t hits = 0;
        EXPECT_EQ(Search(paths, "a", &hits), expected);
        EXPECT_EQ(hits, MaxHits);
    }
}

TEST_F(SearchResultFileTest, APathIsWrittenAsItIsUnlessItWouldBreakItsLine)
{
    struct TCase {
        std::string path;
        std::string line;
    };
    const TCase cases[] = {
        {"/tree/plain.bin", "/tree/plain.bin"},
        {"/tree/back\\slash \"quoted\" \t\xFF.bin", "/tree/back\\slash \"quoted\" \t\xFF.bin"},
        {"/tree/x\n  000000", "\"/tree/x\\n  000000\""},
        {"/tree/new\nline\r.bin", "\"/tree/new\\nline\\r.bin\""},
        {"/tree/a\\n\n\"\xFF", "\"/tree/a\\\\n\\n\\\"\xFF\""},
        {"/tree/end\r", "\"/tree/end\\r\""},
        {" 000010", "\" 000010\""},
        {"\"quoted\"", "\"\\\"quoted\\\"\""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ResultPathLine(c.path), c.line) << testing::PrintToString(c.path);
}

TEST_F(SearchResultFileTest, ANameWithALineFeedGivesOnePathLineAndNoMore)
{
    const std::string fake = Write("x\n  000000", "..a");
    const std::string split = Write("new\nline.bin", "a");
    EXPECT_EQ(Search({fake, split}, "a"),
              ResultPathLine(fake) + "\r\n  000002\r\n" + ResultPathLine(split) + "\r\n  000000\r\n");
    EXPECT_EQ(ResultPathLine(fake), "\"" + PathOf("x\\n  000000") + "\"");
}

TEST_F(SearchResultFileTest, AFileThatCannotBeReadRaisesInOutErrorAndTheEarlierHitsStay)
{
    const std::string data = Write("data.bin", "xa");
    const std::string resultFile = PathOf("Temporary.txt");
    TSearchResultFile result(resultFile);
    const uint8_t pattern[] = {'a'};
    result.SearchFile(data, pattern, 1);
    EXPECT_THROW(result.SearchFile(PathOf("missing"), pattern, 1), EInOutError);
    EXPECT_THROW(result.SearchFile(m_folder, pattern, 1), EInOutError);
    result.Close();
    EXPECT_EQ(Read(resultFile), data + "\r\n  000001\r\n");
}

} // namespace
