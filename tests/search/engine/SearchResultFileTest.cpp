#include "ResultMerge.h"
#include "SearchResultFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class SearchResultFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("trawlbox-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder;
};

TEST_F(SearchResultFileTest, OverlappingHitsGetOnePathLineAndOneLineEach)
{
    const std::string data = Write("data.bin", "aaaa");
    const std::string result = (folder / "Temporary.txt").string();
    TSearchResultFile file(result);
    const uint8_t pattern[] = {'a', 'a'};
    file.SearchFile(data, pattern, 2);
    file.Close();
    EXPECT_EQ(file.Hits(), 3);
    EXPECT_EQ(Read(result), data + "\r\n  000000\r\n  000001\r\n  000002\r\n");
}

TEST_F(SearchResultFileTest, MatchKeepsTheHitsFoundAgainUnderTheirPath)
{
    const std::string kept = Write("SearchResult.txt", "A\r\n  000010\r\n  000020\r\n");
    const std::string temp = Write("Temporary.txt", "A\r\n  000020\r\n  000030\r\n");
    MatchResultFile(kept, temp, (folder / "$$$tmp$$$.txt").string());
    EXPECT_EQ(Read(kept), "A\r\n  000020\r\n");
}

TEST_F(SearchResultFileTest, AdditionAppendsTheNewLines)
{
    const std::string kept = Write("SearchResult.txt", "A\r\n  000010\r\n");
    const std::string temp = Write("Temporary.txt", "A\r\n  000020\r\n");
    AppendResultFile(kept, temp);
    EXPECT_EQ(Read(kept), "A\r\n  000010\r\nA\r\n  000020\r\n");
}

} // namespace
