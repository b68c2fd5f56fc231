#include "MainFormFixture.h"

#include "Files.h"

namespace {

// Notes, at each start of a program, whether the option file was there by then.
class StartWatch : public FakePlatformSeam {
public:
    std::vector<bool> OptionFileWritten;

    bool StartProgram(const std::string& path) override
    {
        OptionFileWritten.push_back(FileExists(OptionFileName()));
        return FakePlatformSeam::StartProgram(path);
    }
};

// The program stands in a folder of its own, with its option file, its document and Trawlbox.
class Tools : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        PlaceProgram("Byteloom");
    }

    void PlaceProgram(const std::string& name) { SetExecutablePath(InFolder(name)); }
    [[nodiscard]] std::string InFolder(const std::string& name) const
    {
        return folder.filePath(QString::fromStdString(name)).toStdString();
    }
};

TEST_F(Tools, TrawlboxStartsFromBesideTheProgramAfterTheOptionFileIsWritten)
{
    StartWatch watch;
    form->mTrawlbox->trigger();
    EXPECT_TRUE(watch.StartedPrograms.empty());
    EXPECT_FALSE(FileExists(InFolder("Byteloom.ini"))) << "no Trawlbox, no option file";

    WriteFile("Trawlbox", {});
    DumpColor = 0x123456;
    form->mTrawlbox->trigger();
    QFile::remove(QString::fromStdString(InFolder("Byteloom.ini")));
    form->mTrawlbox->trigger();
    EXPECT_EQ(watch.StartedPrograms, (std::vector<std::string>{InFolder("Trawlbox"), InFolder("Trawlbox")}));
    EXPECT_EQ(watch.OptionFileWritten, (std::vector<bool>{true, true}));
    TTextReader options(InFolder("Byteloom.ini"));
    (void)options.ReadLine();
    EXPECT_EQ(options.ReadLine(), " +Color      :$123456");
}

TEST_F(Tools, TheDocumentFollowsTheProgramsNameWhileTrawlboxKeepsItsOwn)
{
    WriteFile("Trawlbox", {});
    WriteFile("Byteloom.txt", {'g'});
    PlaceProgram("Renamed");
    form->mDocument->trigger();
    EXPECT_TRUE(seam.OpenedDocuments.empty()) << "there is no Renamed.txt";
    form->mTrawlbox->trigger();
    EXPECT_EQ(seam.StartedPrograms, std::vector<std::string>{InFolder("Trawlbox")});

    WriteFile("Renamed.txt", {'g'});
    form->mDocument->trigger();
    EXPECT_EQ(seam.OpenedDocuments, std::vector<std::string>{InFolder("Renamed.txt")});
}

TEST_F(Tools, AboutNamesTheProgramAndItsVersion)
{
    form->mAbout->trigger();
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Byteloom Version 5.10.12"});
}

TEST(UserGuide, LiesBesideTheBuiltPrograms)
{
    const std::string guide = ReadWholeFile(ExtractFilePath(ExecutablePath()) + "Byteloom.txt");
    for (const char* topic : {"BYTELOOM", "TRAWLBOX", "Style is Copy and Delete", "SearchResult.txt", "Match"})
        EXPECT_NE(guide.find(topic), std::string::npos) << topic;
}

} // namespace
