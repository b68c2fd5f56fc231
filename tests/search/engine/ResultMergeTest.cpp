#include "EngineTestFolder.h"
#include "ResultMerge.h"

#include <random>
#include <string>
#include <vector>

namespace {

class ResultMergeTest : public EngineTestFolder {
protected:
    std::string Match(const std::string& kept, const std::string& temp)
    {
        const std::string keptFile = Write("SearchResult.txt", kept);
        MatchResultFile(keptFile, Write("Temporary.txt", temp), PathOf("$$$tmp$$$.txt"));
        EXPECT_FALSE(std::filesystem::exists(PathOf("$$$tmp$$$.txt")));
        return Read(keptFile);
    }
};

TEST_F(ResultMergeTest, AdditionAppendsEveryNewLine)
{
    const std::string kept = Write("SearchResult.txt", "A\r\n  000010\r\n");
    AppendResultFile(kept, Write("Temporary.txt", "A\r\n  000020\r\n\r\n   Any More...\n"));
    EXPECT_EQ(Read(kept), "A\r\n  000010\r\nA\r\n  000020\r\n\r\n   Any More...\r\n");
}

TEST_F(ResultMergeTest, MatchKeepsTheNewHitsThatTheKeptFileHasUnderTheSamePath)
{
    struct TCase {
        const char* name;
        std::string kept;
        std::string temp;
        std::string expected;
    };
    const TCase cases[] = {
        {"a hit found again", "A\r\n  000010\r\n  000020\r\n", "A\r\n  000020\r\n  000030\r\n", "A\r\n  000020\r\n"},
        {"the path line goes before the first hit kept", "A\r\n  000020\r\n", "A\r\n  000010\r\n  000020\r\n",
         "A\r\n  000020\r\n"},
        {"a file not in the kept result", "B\r\n  000010\r\n", "A\r\n  000010\r\n", ""},
        {"paths differing in case", "a\r\n  000010\r\n", "A\r\n  000010\r\n", ""},
        {"no hit in common", "A\r\n  000010\r\n", "A\r\n  000011\r\n", ""},
        {"hits kept in the new order", "A\r\n  000030\r\n  000010\r\n", "A\r\n  000010\r\n  000030\r\n",
         "A\r\n  000010\r\n  000030\r\n"},
        {"any stretch of the path after an addition", "A\r\n  000010\r\nB\r\n  000020\r\nA\r\n  000020\r\n",
         "A\r\n  000020\r\n", "A\r\n  000020\r\n"},
        {"a path twice in the new file gets its line twice", "A\r\n  000010\r\n", "A\r\n  000010\r\nA\r\n  000010\r\n",
         "A\r\n  000010\r\nA\r\n  000010\r\n"},
        {"the cut-off line where both cut off", "A\r\n  000010\r\n   Any More...\r\n",
         "A\r\n  000010\r\n   Any More...\r\n", "A\r\n  000010\r\n   Any More...\r\n"},
        {"the cut-off line where only the new search cut off", "A\r\n  000010\r\n",
         "A\r\n  000010\r\n   Any More...\r\n", "A\r\n  000010\r\n"},
        {"an empty line is a path line", "\r\n  000010\r\n", "\r\n  000010\r\n", "\r\n  000010\r\n"},
        {"hits before any path line stand under the empty path", "  000010\r\n", "\r\n  000010\r\n",
         "\r\n  000010\r\n"},
        {"an empty new result", "A\r\n  000010\r\n", "", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Match(c.kept, c.temp), c.expected);
    }
}

TEST_F(ResultMergeTest, AMissingFileLeavesTheMergesDoingNothing)
{
    const std::string kept = Write("SearchResult.txt", "A\r\n  000010\r\n");
    AppendResultFile(kept, PathOf("missing"));
    MatchResultFile(kept, PathOf("missing"), PathOf("$$$tmp$$$.txt"));
    EXPECT_EQ(Read(kept), "A\r\n  000010\r\n");

    const std::string temp = Write("Temporary.txt", "A\r\n  000010\r\n");
    AppendResultFile(PathOf("missing"), temp);
    MatchResultFile(PathOf("missing"), temp, PathOf("$$$tmp$$$.txt"));
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("$$$tmp$$$.txt")));
}

// The match as it reads when it looks each new line up by reading the kept lines from the top.
std::string MatchByRereading(const std::vector<std::string>& kept, const std::vector<std::string>& temp)
{
    const auto isHit = [](const std::string& line) { return !line.empty() && line[0] == ' '; };
    std::string output;
    std::string currentPath;
    std::string currentLine;
    bool pathWritten = false;
    for (const std::string& s : temp) {
        if (isHit(s)) {
            currentLine = s;
        } else {
            currentPath = s;
            currentLine = "*";
            pathWritten = false;
        }
        std::string resultPath;
        std::string resultLine;
        for (const std::string& r : kept) {
            if (isHit(r)) {
                resultLine = r;
            } else {
                resultPath = r;
                resultLine.clear();
            }
            if (resultPath == currentPath && resultLine == currentLine) {
                if (!pathWritten)
                    output += currentPath + "\r\n";
                pathWritten = true;
                output += currentLine + "\r\n";
                break;
            }
        }
    }
    return output;
}

TEST_F(ResultMergeTest, MatchGivesWhatRereadingTheKeptFilePerLineGives)
{
    const std::vector<std::string> lines = {"A", "a", "", "B", "  000010", "  000020", "  000030", "   Any More..."};
    std::mt19937 random(7);
    const auto randomLines = [&] {
        std::vector<std::string> result(random() % 12);
        for (std::string& line : result)
            line = lines[random() % lines.size()];
        return result;
    };
    const auto text = [](const std::vector<std::string>& fileLines) {
        std::string result;
        for (const std::string& line : fileLines)
            result += line + "\r\n";
        return result;
    };
    for (int round = 0; round < 300; ++round) {
        const std::vector<std::string> kept = randomLines();
        const std::vector<std::string> temp = randomLines();
        SCOPED_TRACE("kept:\n" + text(kept) + "new:\n" + text(temp));
        ASSERT_EQ(Match(text(kept), text(temp)), MatchByRereading(kept, temp));
    }
}

} // namespace
