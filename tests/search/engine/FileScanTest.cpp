#include "EngineTestFolder.h"
#include "FileScan.h"
#include "Runtime.h"

#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

class FileScanTest : public EngineTestFolder {
protected:
    static std::vector<int64_t> Scan(TFileScanner& scanner, const std::string& path, const std::string& pattern)
    {
        std::vector<int64_t> offsets;
        scanner.Scan(path, reinterpret_cast<const uint8_t*>(pattern.data()), static_cast<int>(pattern.size()),
                     [&](int64_t offset) {
                         offsets.push_back(offset);
                         return true;
                     });
        return offsets;
    }
    static std::vector<int64_t> ScanInBlocks(size_t blockSize, const std::string& path, const std::string& pattern)
    {
        TFileScanner scanner(blockSize);
        return Scan(scanner, path, pattern);
    }
};

// Blocks smaller than the pattern, around the 64 positions the filter tests at once, and the default.
const size_t BlockSizes[] = {1, 2, 3, 5, 63, 64, 65, 100, TFileScanner::DefaultBlockSize};

TEST_F(FileScanTest, FindsEveryOverlappingHitInAnyBlockSize)
{
    struct TCase {
        const char* name;
        std::string content;
        std::string pattern;
        std::vector<int64_t> offsets;
    };
    const TCase cases[] = {
        {"overlapping hits", "aaaa", "aa", {0, 1, 2}},
        {"three equal bytes at 16", std::string(16, 'x') + "AAA", "AA", {16, 17}},
        {"file as long as the pattern", "abc", "abc", {0}},
        {"file shorter than the pattern", "ab", "abc", {}},
        {"empty file", "", "a", {}},
        {"hit ending on the last byte", "xxab", "ab", {2}},
        {"first and last byte fit but not the middle", "aXb_aYb", "aYb", {4}},
        {"one-byte pattern", "abcabc", "c", {2, 5}},
        {"pattern of length zero", "abc", "", {}},
        {"hits in and after a row of 64", std::string(62, '.') + "ab" + std::string(64, '.') + "ab", "ab", {62, 128}},
    };
    for (const TCase& c : cases) {
        const std::string path = Write("data", c.content);
        for (const size_t blockSize : BlockSizes) {
            SCOPED_TRACE(std::string(c.name) + ", block " + std::to_string(blockSize));
            EXPECT_EQ(ScanInBlocks(blockSize, path, c.pattern), c.offsets);
        }
    }
}

TEST_F(FileScanTest, AgreesWithAComparisonAtEveryOffset)
{
    // Two letters in a fixed pseudo-random order: hits and near-hits everywhere.
    std::string content;
    uint32_t state = 12345;
    for (int i = 0; i < 5000; ++i) {
        state = state * 1103515245 + 12345;
        content += (state >> 16) % 3 == 0 ? 'b' : 'a';
    }
    const std::string path = Write("data", content);
    TFileScanner scanner;
    for (const std::string& pattern : {content.substr(1234, 100), std::string("ab"), std::string("aab"),
                                       std::string("abba"), std::string("aaaaaaa")}) {
        std::vector<int64_t> expected;
        for (size_t i = 0; i + pattern.size() <= content.size(); ++i)
            if (content.compare(i, pattern.size(), pattern) == 0)
                expected.push_back(static_cast<int64_t>(i));
        ASSERT_FALSE(expected.empty());
        for (const size_t blockSize : {size_t{1}, size_t{7}, size_t{64}, size_t{99}, size_t{4096}}) {
            SCOPED_TRACE(pattern.substr(0, 10) + ", block " + std::to_string(blockSize));
            EXPECT_EQ(ScanInBlocks(blockSize, path, pattern), expected);
        }
        // One scanner for all patterns, its buffer kept from the longest to the shorter ones.
        EXPECT_EQ(Scan(scanner, path, pattern), expected);
    }
}

TEST_F(FileScanTest, StopsWhenTheHandlerSaysSo)
{
    TFileScanner scanner;
    std::vector<int64_t> offsets;
    scanner.Scan(Write("data", "aaaa"), reinterpret_cast<const uint8_t*>("a"), 1, [&](int64_t offset) {
        offsets.push_back(offset);
        return offsets.size() < 2;
    });
    EXPECT_EQ(offsets, (std::vector<int64_t>{0, 1}));
}

TEST_F(FileScanTest, ReadsAFileUpToTheSizeItHadWhenOpened)
{
    for (const size_t blockSize : BlockSizes) {
        SCOPED_TRACE("block " + std::to_string(blockSize));
        const std::string path = Write("growing", "a.........a");
        TFileScanner scanner(blockSize);
        std::vector<int64_t> offsets;
        // The first hit comes before the file's last block is read: the bytes that arrive then
        // are not the file that was opened.
        scanner.Scan(path, reinterpret_cast<const uint8_t*>("a"), 1, [&](int64_t offset) {
            if (offsets.empty())
                std::ofstream(path, std::ios::binary | std::ios::app) << "aaaa";
            offsets.push_back(offset);
            return true;
        });
        EXPECT_EQ(offsets, (std::vector<int64_t>{0, 10}));
    }
}

TEST_F(FileScanTest, AFileOfTheKernelThatReportsNoSizeIsReadToItsEnd)
{
    TFileScanner scanner;
    EXPECT_EQ(Scan(scanner, "/proc/self/status", "Name:"), std::vector<int64_t>{0});
}

TEST_F(FileScanTest, ReadsAReadOnlyFile)
{
    const std::string path = Write("read-only", "..ab..");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    TFileScanner scanner;
    EXPECT_EQ(Scan(scanner, path, "ab"), std::vector<int64_t>{2});
}

TEST_F(FileScanTest, AFileThatCannotBeReadRaisesInOutError)
{
    TFileScanner scanner;
    EXPECT_THROW(Scan(scanner, PathOf("missing"), "a"), EInOutError);
    EXPECT_THROW(Scan(scanner, m_folder, "a"), EInOutError);
}

TEST_F(FileScanTest, APipeUnderAListedNameRaisesInOutErrorInsteadOfWaitingForAWriter)
{
    const std::string path = PathOf("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    TFileScanner scanner;
    EXPECT_THROW(Scan(scanner, path, "a"), EInOutError);
}

TEST_F(FileScanTest, AFileBeyondTwoGibibytesIsScannedWhole)
{
    // Holes of a file in memory read as fast as memory; on a disk each would be zeroed anew.
    if (!std::filesystem::exists("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm for a sparse file that reads fast";
    MoveFolderTo("/dev/shm");
    constexpr uintmax_t TwoGiB = uintmax_t{1} << 31;
    const std::string path =
        WriteSparse("large", TwoGiB + 256, {{0x10, "Hit!"}, {TwoGiB - 2, "Hit!"}, {TwoGiB + 252, "Hit!"}});
    TFileScanner scanner;
    EXPECT_EQ(Scan(scanner, path, "Hit!"), (std::vector<int64_t>{0x10, 0x7FFFFFFE, 0x80000000 + 252}));
}

} // namespace
