#include "FileSizeLimit.h"
#include "Files.h"
#include "Runtime.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string folder = (std::filesystem::temp_directory_path() / "FilesTest.XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        m_folder = folder;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    [[nodiscard]] std::string PathOf(const std::string& name) const { return m_folder + "/" + name; }
    std::string Write(const std::string& name, const std::string& content) const
    {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string Content(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    std::string m_folder;
};

TEST_F(FilesTest, FileExistsOnlyForFiles)
{
    std::filesystem::create_directory(PathOf("folder.d"));
    EXPECT_TRUE(FileExists(Write("file", "x")));
    EXPECT_TRUE(FileExists(Write("empty", "")));
    EXPECT_FALSE(FileExists(PathOf("folder.d")));
    EXPECT_FALSE(FileExists(PathOf("missing")));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(FilesTest, OpenExistingReadsAndWritesInPlace)
{
    const std::string path = Write("data", "0123456789");
    TBinaryFile file = TBinaryFile::OpenExisting(path);
    EXPECT_EQ(file.Size(), 10);
    char head[4] = {};
    file.ReadExact(head, 4);
    EXPECT_EQ(std::string(head, 4), "0123");
    file.WriteExact("ab", 2);
    file.Close();
    EXPECT_EQ(Content(path), "0123ab6789");

    EXPECT_THROW((void)TBinaryFile::OpenExisting(PathOf("missing")), EInOutError);
    EXPECT_THROW((void)TBinaryFile::OpenExisting(m_folder), EInOutError);
}

TEST_F(FilesTest, CreateTruncatesOrMakesTheFile)
{
    for (const std::string& path : {Write("old", "0123456789"), PathOf("new")}) {
        SCOPED_TRACE(path);
        TBinaryFile file = TBinaryFile::Create(path);
        EXPECT_EQ(file.Size(), 0);
        file.WriteExact("xyz", 3);
        file.Close();
        EXPECT_EQ(Content(path), "xyz");
    }
}

TEST_F(FilesTest, ReadOnlyFileIsRefusedForWritingButReadable)
{
    const std::string path = Write("read-only", "0123456789");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_THROW((void)TBinaryFile::OpenExisting(path), EInOutError);
    EXPECT_THROW((void)TBinaryFile::Create(path), EInOutError);
    EXPECT_EQ(Content(path), "0123456789");

    TBinaryFile file = TBinaryFile::OpenReadOnly(path);
    char bytes[10] = {};
    file.ReadExact(bytes, sizeof bytes);
    EXPECT_EQ(std::string(bytes, sizeof bytes), "0123456789");
    EXPECT_THROW(file.WriteExact("x", 1), EInOutError);
    EXPECT_THROW((void)TBinaryFile::OpenReadOnly(PathOf("missing")), EInOutError);
}

TEST_F(FilesTest, OpenReadOnlyIfExistsFindsWhatFileExistsFindsAndTakesTheSize)
{
    struct TCase {
        const char* name;
        std::string path;
        int64_t size; // -1: nothing to open
    };
    std::filesystem::create_directory(PathOf("folder.d"));
    const std::string file = Write("file", "0123456789");
    std::filesystem::create_symlink(file, PathOf("link"));
    std::filesystem::create_symlink(PathOf("gone"), PathOf("broken"));
    std::filesystem::create_symlink(PathOf("loop"), PathOf("loop"));
    const TCase cases[] = {
        {"a file", file, 10},
        {"an empty file", Write("empty", ""), 0},
        {"a link to a file", PathOf("link"), 10},
        {"a folder", PathOf("folder.d"), -1},
        {"nothing", PathOf("missing"), -1},
        {"below a folder that is gone", PathOf("gone/file"), -1},
        {"below a file", file + "/file", -1},
        {"a broken link", PathOf("broken"), -1},
        {"a link to itself", PathOf("loop"), -1},
        {"the empty path", "", -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        int64_t size = -1;
        const std::optional<TBinaryFile> opened = TBinaryFile::OpenReadOnlyIfExists(c.path, &size);
        EXPECT_EQ(opened.has_value(), FileExists(c.path));
        EXPECT_EQ(size, c.size);
    }
}

TEST_F(FilesTest, OpenReadOnlyIfExistsRefusesWhatIsThereButNoPlainFile)
{
    const std::string pipe = PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A socket is there for FileExists, yet cannot be opened at all, not even by root.
    const std::string socket = PathOf("socket");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socket.size(), sizeof address.sun_path);
    socket.copy(address.sun_path, socket.size());
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(descriptor);

    for (const std::string& path : {pipe, socket}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(FileExists(path));
        EXPECT_THROW((void)TBinaryFile::OpenReadOnlyIfExists(path), EInOutError);
    }
}

TEST_F(FilesTest, ShortTransfersAreInOutErrors)
{
    TBinaryFile file = TBinaryFile::OpenExisting(Write("data", "0123"));
    char bytes[8] = {};
    try {
        file.ReadExact(bytes, sizeof bytes);
        ADD_FAILURE() << "a short read passed";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), ShortReadError);
    }
    EXPECT_EQ(std::string(bytes, 4), "0123");
    EXPECT_EQ(file.Read(bytes, sizeof bytes), 0U);

    const FileSizeLimit limit(4);
    TBinaryFile full = TBinaryFile::Create(PathOf("full"));
    EXPECT_THROW(full.WriteExact("0123456789", 10), EInOutError);
}

// Each way of opening a file for writing, onto a name that something other than a regular file
// holds.
const std::pair<const char*, void (*)(const std::string&)> WriteOpens[] = {
    {"create", [](const std::string& path) { (void)TBinaryFile::Create(path); }},
    {"open existing", [](const std::string& path) { (void)TBinaryFile::OpenExisting(path); }},
    {"append", [](const std::string& path) { (void)TBinaryFile::OpenForAppend(path); }},
    {"text", [](const std::string& path) { TTextWriter(path).Close(); }},
};

TEST_F(FilesTest, APipeWithoutAReaderIsRefusedForWritingAtOnce)
{
    const std::string pipe = PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (const auto& [name, open] : WriteOpens) {
        SCOPED_TRACE(name);
        // In a child that an alarm ends, so that an open that waits fails the case, not the run.
        EXPECT_EXIT(
            {
                ::alarm(10);
                try {
                    open(pipe);
                } catch (const EInOutError& error) {
                    std::_Exit(std::string(error.what()).ends_with(": " + pipe) ? 0 : 2);
                }
                std::_Exit(1);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

TEST_F(FilesTest, WhatIsNoRegularFileIsRefusedForWritingAndGetsNothing)
{
    const std::string pipe = PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    // A reader, so that a write would go through rather than wait.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    for (const std::string& target : {pipe, std::string("/dev/null")}) {
        for (const auto& [name, open] : WriteOpens) {
            SCOPED_TRACE(target + ", " + name);
            EXPECT_THROW(open(target), EInOutError);
        }
    }
    ::close(reader);
    std::filesystem::create_directory(PathOf("folder.d"));
    EXPECT_THROW((void)TBinaryFile::Create(PathOf("folder.d")), EInOutError);
}

TEST_F(FilesTest, TextReaderTakesBothLineEndsAndGivesEmptyLinesPastTheEnd)
{
    struct TCase {
        const char* content;
        std::vector<std::string> lines;
    };
    const TCase cases[] = {
        {"one\r\ntwo\nthree", {"one", "two", "three"}},
        {"one\r\n\r\nthree\r\n", {"one", "", "three"}},
        {"\n", {""}},
        {"", {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.content);
        TTextReader reader(Write("text", c.content));
        for (const std::string& line : c.lines) {
            EXPECT_FALSE(reader.Eof());
            EXPECT_EQ(reader.ReadLine(), line);
        }
        EXPECT_TRUE(reader.Eof());
        EXPECT_EQ(reader.ReadLine(), "");
        EXPECT_EQ(reader.ReadLine(), "");
    }
    EXPECT_THROW(TTextReader(PathOf("missing")), EInOutError);
}

TEST_F(FilesTest, TextWriterEndsEveryLineWithCrLf)
{
    const std::string path = Write("text", "old content that is longer");
    TTextWriter writer(path);
    writer.WriteLine("first");
    writer.WriteLine("");
    writer.WriteLine("third");
    writer.Close();
    EXPECT_EQ(Content(path), "first\r\n\r\nthird\r\n");
}

TEST(FileNames, SplitAndChangeTheExtension)
{
    struct TCase {
        const char* path;
        const char* name;
        const char* folder;
        const char* withIni;
    };
    const TCase cases[] = {
        {"/opt/tool/Byteloom", "Byteloom", "/opt/tool/", "/opt/tool/Byteloom.ini"},
        {"/opt/tool/Byteloom.exe", "Byteloom.exe", "/opt/tool/", "/opt/tool/Byteloom.ini"},
        {"/opt/tool.d/Byteloom", "Byteloom", "/opt/tool.d/", "/opt/tool.d/Byteloom.ini"},
        {"/opt/tool.d/data.tar.gz", "data.tar.gz", "/opt/tool.d/", "/opt/tool.d/data.tar.ini"},
        {"Byteloom", "Byteloom", "", "Byteloom.ini"},
        {"name.", "name.", "", "name.ini"},
        {"/opt/tool/", "", "/opt/tool/", "/opt/tool/.ini"},
        {"/", "", "/", "/.ini"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ExtractFileName(c.path), c.name);
        EXPECT_EQ(ExtractFilePath(c.path), c.folder);
        EXPECT_EQ(ChangeFileExt(c.path, ".ini"), c.withIni);
    }
}

TEST(ExecutablePath, NamesThisTestProgram)
{
    const std::string path = ExecutablePath();
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ExtractFileName(path), "PlatformTests");
}

} // namespace
