#include "Files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Runs the case in a fixed time zone and puts the machine's back afterwards.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone()
    {
        if (m_old.empty())
            ::unsetenv("TZ");
        else
            ::setenv("TZ", m_old.c_str(), 1);
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    std::string m_old;
};

TEST(PackDosDateTime, PacksLocalTimeAndClampsToTheFormatsYears)
{
    const TimeZone utc("UTC");
    struct TCase {
        const char* name;
        int64_t unixTime;
        uint32_t packed;
    };
    const TCase cases[] = {
        {"first moment of 1980", 315532800, 0x00210000},
        {"seconds halved", 315532800 + 3600 * 13 + 60 * 45 + 17, 0x00216DA8},
        {"a date of 2026", 1797000000, 0x5D8B7500},
        {"before 1980 gives 1980", 0, 0x00210000},
        {"after 2107 gives its last moment", 4354819200, 0xFF9FBF7D},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(static_cast<uint32_t>(PackDosDateTime(c.unixTime)), c.packed) << c.name;
}

TEST(PackDosDateTime, FollowsTheLocalTimeZone)
{
    const int64_t noon = 1797000000;
    int32_t inUtc = 0;
    {
        const TimeZone utc("UTC");
        inUtc = PackDosDateTime(noon);
    }
    const TimeZone tokyo("Asia/Tokyo");
    EXPECT_NE(PackDosDateTime(noon), inUtc);
}

class FolderEntriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string folder = (std::filesystem::temp_directory_path() / "FolderEntries.XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        m_folder = folder + "/";
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void Write(const std::string& name, int64_t unixTime) const
    {
        std::ofstream(m_folder + name) << name;
        const std::filesystem::path path = m_folder + name;
        struct timespec times[2] = {{static_cast<time_t>(unixTime), 0}, {static_cast<time_t>(unixTime), 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    std::string m_folder;
};

TEST_F(FolderEntriesTest, ListsFilesAndFoldersInNameOrderWithTheirStamps)
{
    Write("b.bin", 1797000000);
    Write(".hidden", 1797000100);
    std::filesystem::create_directory(m_folder + "a.dir");
    std::filesystem::create_directory(m_folder + ".cache");
    std::filesystem::create_symlink(m_folder + "b.bin", m_folder + "c.link");
    std::filesystem::create_directory_symlink(m_folder + "a.dir", m_folder + "d.loop");
    std::filesystem::create_symlink(m_folder + "gone", m_folder + "e.broken");
    ASSERT_EQ(::mkfifo((m_folder + "f.pipe").c_str(), 0600), 0);

    const std::vector<TFolderEntry> entries = ReadFolderEntries(m_folder);
    std::vector<std::string> names;
    for (const TFolderEntry& entry : entries)
        names.push_back(entry.Name + (entry.IsFolder ? "/" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{".cache/", ".hidden", "a.dir/", "b.bin", "c.link"}));
    EXPECT_EQ(entries[1].Time, PackDosDateTime(1797000100));
    EXPECT_EQ(entries[3].Time, PackDosDateTime(1797000000));
    EXPECT_EQ(entries[4].Time, entries[3].Time) << "a link to a file carries the file's stamp";
}

TEST_F(FolderEntriesTest, AFolderThatCannotBeReadHasNoEntries)
{
    EXPECT_TRUE(ReadFolderEntries(m_folder + "missing/").empty());
    Write("plain", 1797000000);
    EXPECT_TRUE(ReadFolderEntries(m_folder + "plain/").empty());
}

} // namespace
