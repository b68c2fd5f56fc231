#include "BrokenReads.h"
#include "DataUnit.h"
#include "FileSizeLimit.h"
#include "Runtime.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int64_t MiB = 1048576;
constexpr int64_t GiB = 1024 * MiB;
// Files carry their pattern over this many bytes; beyond it they are sparse, with one marker
// byte at the end, so that multi-gigabyte files cost no disk.
constexpr int64_t PatternExtent = 2 * MiB;
constexpr uint8_t EndMarker = 0x5A;

uint8_t Pattern(int64_t offset, uint8_t seed)
{
    return static_cast<uint8_t>(offset % 251 + seed);
}

std::vector<uint8_t> PatternBytes(int64_t from, int64_t count, uint8_t seed)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        bytes[static_cast<size_t>(i)] = Pattern(from + i, seed);
    return bytes;
}

void MakeFile(const std::string& path, int64_t length, uint8_t seed)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0) << path;
    const std::vector<uint8_t> head = PatternBytes(0, std::min(length, PatternExtent), seed);
    ASSERT_EQ(::write(descriptor, head.data(), head.size()), static_cast<ssize_t>(head.size()));
    ASSERT_EQ(::ftruncate(descriptor, length), 0);
    if (length > PatternExtent) {
        ASSERT_EQ(::pwrite(descriptor, &EndMarker, 1, length - 1), 1);
    }
    ::close(descriptor);
}

int64_t FileLength(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_size : -1;
}

std::vector<uint8_t> ReadAt(const std::string& path, int64_t offset, int64_t count)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    const int descriptor = ::open(path.c_str(), O_RDONLY);
    const ssize_t got = descriptor < 0 ? -1 : ::pread(descriptor, bytes.data(), bytes.size(), offset);
    if (descriptor >= 0)
        ::close(descriptor);
    bytes.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return bytes;
}

// Everything a load or a save may change in a pane, block address included.
struct TPaneState {
    std::vector<uint8_t> bytes;
    const uint8_t* block;
    std::string name;
    int32_t size;
    int32_t cursor;
    bool cut;
    bool broken;

    static TPaneState Of(int pane)
    {
        return {DataBuffer[pane],    DataBuffer[pane].data(), DataFileName[pane], DataSize[pane],
                CursorAddress[pane], DataCut[pane],           DataBroken[pane]};
    }
    bool operator==(const TPaneState&) const = default;
};

class PanesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string folder = (std::filesystem::temp_directory_path() / "PanesTest.XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        m_folder = folder;
        InitDataLayer();
    }
    void TearDown() override
    {
        InitDataLayer();
        std::filesystem::remove_all(m_folder);
    }
    [[nodiscard]] std::string PathOf(const std::string& name) const { return m_folder + "/" + name; }
    // A file of the given length, loaded into the pane.
    std::string Loaded(int pane, const std::string& name, int64_t length, uint8_t seed)
    {
        const std::string path = PathOf(name);
        MakeFile(path, length, seed);
        EXPECT_TRUE(LoadDataFile(pane, path));
        return path;
    }

    std::string m_folder;
};

struct TLoadCase {
    const char* name;
    int64_t length;
    int32_t size;
    bool cut;
};

TEST_F(PanesTest, LoadTakesAtMostTheFirstMebibyteAndFlagsTheCut)
{
    const TLoadCase cases[] = {
        {"empty", 0, 0, false},
        {"exactly the cap", MiB, static_cast<int32_t>(MiB), false},
        {"one byte over", MiB + 1, static_cast<int32_t>(MiB), true},
        {"five gibibytes", 5 * GiB, static_cast<int32_t>(MiB), true},
    };
    for (const TLoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = PathOf(c.name);
        MakeFile(path, c.length, 3);
        CursorAddress[0] = 77;
        DataCut[0] = !c.cut;

        ASSERT_TRUE(LoadDataFile(0, path));
        EXPECT_EQ(DataFileName[0], path);
        EXPECT_EQ(CursorAddress[0], 0);
        EXPECT_EQ(DataSize[0], c.size);
        EXPECT_EQ(DataCut[0], c.cut);
        EXPECT_TRUE(DataBuffer[0] == PatternBytes(0, c.size, 3));
        std::filesystem::remove(path);
    }
}

TEST_F(PanesTest, LoadingOnePaneLeavesTheOtherAlone)
{
    Loaded(0, "a", 100, 1);
    CursorAddress[0] = 5;
    const TPaneState a = TPaneState::Of(0);
    Loaded(1, "b", MiB + 1, 2);
    EXPECT_TRUE(TPaneState::Of(0) == a);

    CursorAddress[1] = 9;
    const TPaneState b = TPaneState::Of(1);
    Loaded(0, "c", 30, 3);
    EXPECT_TRUE(TPaneState::Of(1) == b);
}

TEST_F(PanesTest, LoadOfNoSuchFileChangesNothing)
{
    std::filesystem::create_directory(PathOf("folder"));
    Loaded(0, "cut", MiB + 1, 1);
    CursorAddress[0] = 33;
    const TPaneState before = TPaneState::Of(0);
    for (const std::string& name : {PathOf("missing"), PathOf("folder"), std::string()}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(LoadDataFile(0, name));
        EXPECT_TRUE(TPaneState::Of(0) == before);
    }
}

TEST_F(PanesTest, AFileThatCannotBeOpenedChangesNothing)
{
    Loaded(0, "cut", MiB + 1, 1);
    CursorAddress[0] = 12;
    const TPaneState before = TPaneState::Of(0);
    const std::string readOnly = PathOf("read-only");
    MakeFile(readOnly, 50, 2);
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);

    EXPECT_THROW(LoadDataFile(0, readOnly), EInOutError);
    EXPECT_TRUE(TPaneState::Of(0) == before);
}

TEST_F(PanesTest, AReadThatBreaksOffLeavesThePaneBrokenUntilItIsSaved)
{
    Loaded(0, "first", 40, 1);
    CursorAddress[0] = 12;
    const std::string path = PathOf("broken");
    MakeFile(path, 1000, 3);
    {
        const BrokenReads broken(path, 100);
        EXPECT_THROW(LoadDataFile(0, path), EInOutError);
    }
    EXPECT_TRUE(DataBroken[0]);
    EXPECT_EQ(DataFileName[0], path);
    EXPECT_EQ(CursorAddress[0], 0);
    ASSERT_EQ(DataSize[0], 1000);
    EXPECT_TRUE(std::vector<uint8_t>(DataBuffer[0].begin(), DataBuffer[0].begin() + 100) == PatternBytes(0, 100, 3));

    // A file that cannot be opened leaves the pane broken as it was.
    const std::string readOnly = PathOf("read-only");
    MakeFile(readOnly, 50, 2);
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    const TPaneState before = TPaneState::Of(0);
    EXPECT_THROW(LoadDataFile(0, readOnly), EInOutError);
    EXPECT_TRUE(TPaneState::Of(0) == before);

    const std::string copy = PathOf("copy");
    SaveDataFile(0, copy);
    EXPECT_FALSE(DataBroken[0]) << "the pane holds the file it was saved to";
    EXPECT_EQ(FileLength(copy), 1000);
    EXPECT_FALSE(DataBroken[1]);
}

struct TCutSaveCase {
    const char* name;
    bool ownFile;
    int64_t targetLength; // -1: no such file
    int64_t savedLength;
};

TEST_F(PanesTest, SavingACutPaneReplacesOnlyTheHead)
{
    const TCutSaveCase cases[] = {
        {"own file", true, 5 * GiB, 5 * GiB},
        {"longer file", false, 3 * MiB, 3 * MiB},
        {"shorter file", false, 100, MiB},
        {"missing file", false, -1, MiB},
    };
    for (const TCutSaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = Loaded(0, "source", 5 * GiB, 1);
        for (uint8_t& byte : DataBuffer[0])
            byte ^= 0xFF;
        const std::string target = c.ownFile ? source : PathOf("target");
        const uint8_t targetSeed = c.ownFile ? 1 : 7;
        std::filesystem::remove(PathOf("target"));
        if (!c.ownFile && c.targetLength >= 0)
            MakeFile(target, c.targetLength, targetSeed);

        SaveDataFile(0, target);
        EXPECT_EQ(DataFileName[0], target);
        EXPECT_TRUE(DataCut[0]);
        EXPECT_EQ(FileLength(target), c.savedLength);
        EXPECT_TRUE(ReadAt(target, 0, MiB) == DataBuffer[0]);
        if (c.targetLength > MiB) {
            const int64_t kept = std::min(c.targetLength, PatternExtent) - MiB;
            EXPECT_TRUE(ReadAt(target, MiB, kept) == PatternBytes(MiB, kept, targetSeed));
            EXPECT_EQ(ReadAt(target, c.targetLength - 1, 1), std::vector<uint8_t>{EndMarker});
        }
    }
}

struct TUncutSaveCase {
    const char* name;
    int64_t paneSize;
    int64_t targetLength; // -1: no such file
};

TEST_F(PanesTest, SavingAnUncutPaneMakesTheFileExactlyItsSize)
{
    const TUncutSaveCase cases[] = {
        {"10 bytes over 100", 10, 100},
        {"10 bytes as a new file", 10, -1},
        {"empty pane over 100", 0, 100},
        {"empty pane as a new file", 0, -1},
    };
    for (const TUncutSaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded(1, "source", c.paneSize, 4);
        const std::string target = PathOf("target");
        std::filesystem::remove(target);
        if (c.targetLength >= 0)
            MakeFile(target, c.targetLength, 8);

        SaveDataFile(1, target);
        EXPECT_EQ(DataFileName[1], target);
        EXPECT_EQ(FileLength(target), c.paneSize);
        EXPECT_TRUE(ReadAt(target, 0, c.paneSize + 1) == PatternBytes(0, c.paneSize, 4));
    }
}

TEST_F(PanesTest, ShortWriteIsAnInOutError)
{
    // The target exists, so that a cut pane is written into it in place.
    const std::string target = PathOf("target");
    for (const int64_t length : {int64_t{10}, MiB + 1}) {
        SCOPED_TRACE(length);
        Loaded(0, "source", length, 1);
        MakeFile(target, 0, 1);
        const FileSizeLimit limit(4);
        EXPECT_THROW(SaveDataFile(0, target), EInOutError);
        EXPECT_EQ(DataFileName[0], target);
    }
}

TEST_F(PanesTest, APipeIsNoTargetForASave)
{
    const std::string pipe = PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    // A reader with room for a cut pane's mebibyte, so that a write would go through rather
    // than wait.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_GE(::fcntl(reader, F_SETPIPE_SZ, static_cast<int>(MiB)), MiB);
    for (const int64_t length : {int64_t{10}, MiB + 1}) {
        SCOPED_TRACE(length);
        Loaded(0, "source", length, 1);
        EXPECT_THROW(SaveDataFile(0, pipe), EInOutError);
        std::vector<char> received(MiB);
        EXPECT_LE(::read(reader, received.data(), received.size()), 0) << "nothing was written into the pipe";
    }
    ::close(reader);
}

TEST_F(PanesTest, FreedPaneIsEmpty)
{
    Loaded(0, "cut", MiB + 1, 1);
    FreeDataBuffer(0);
    EXPECT_EQ(DataSize[0], 0);
    EXPECT_FALSE(DataCut[0]);
    EXPECT_EQ(DataBuffer[0].capacity(), 0U);

    const std::string target = PathOf("target");
    MakeFile(target, 100, 2);
    SaveDataFile(0, target);
    EXPECT_EQ(FileLength(target), 0);
}

TEST_F(PanesTest, StartAndExitLeaveBothPanesEmpty)
{
    for (const auto& finish : {&InitDataLayer, &DoneDataLayer}) {
        Loaded(0, "a", 10, 1);
        Loaded(1, "b", MiB + 1, 2);
        StyleGroupFileName = "group.fms";
        finish();
        for (int pane = 0; pane < PaneCount; ++pane) {
            EXPECT_TRUE(DataBuffer[pane].empty());
            EXPECT_EQ(DataSize[pane], 0);
            EXPECT_FALSE(DataCut[pane]);
            EXPECT_TRUE(DataFileName[pane].empty());
        }
        EXPECT_TRUE(StyleGroupFileName.empty());
    }
}

TEST_F(PanesTest, PaneOutsideZeroAndOneIsARangeError)
{
    const std::string path = PathOf("a");
    MakeFile(path, 10, 1);
    for (const int pane : {-1, PaneCount}) {
        EXPECT_THROW(LoadDataFile(pane, path), ERangeError);
        EXPECT_THROW(SaveDataFile(pane, path), ERangeError);
        EXPECT_THROW(FreeDataBuffer(pane), ERangeError);
    }
}

} // namespace
