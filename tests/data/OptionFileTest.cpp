#include "DataUnit.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

const std::string FaceName = "ＭＳ ゴシック";

const std::vector<std::string> DefaultLines = {
    "Dump         :1",       " +Color      :$000000", " +Font Name  :" + FaceName, " +Font Size  :9",
    " +Font Color :$FFFFFF", "Style        :1",       " +Color      :$000000",     " +Font Name  :" + FaceName,
    " +Font Size  :9",       " +Font Color :$FF0000", "Back Color   :$333333",     "Hint         :1",
    "Style G File :",        "Init Folder  :",
};

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The option file sits beside the program, which each test places in a fresh folder of its own,
// so that every test starts without one and the tests can run side by side.
class OptionFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string folder = (std::filesystem::temp_directory_path() / "OptionFileTest.XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        m_folder = folder;
        SetExecutablePath(m_folder + "/Byteloom");
        StyleGroupFileName = "group before.fms";
        DataFileName[0] = "data before.bin";
    }
    void TearDown() override
    {
        SetExecutablePath({});
        if (!m_folder.empty())
            std::filesystem::remove_all(m_folder);
        StyleGroupFileName.clear();
        DataFileName[0].clear();
    }

    static void StoreLines(const std::vector<std::string>& lines)
    {
        std::ofstream(OptionFileName(), std::ios::binary) << Joined(lines);
    }

    std::string m_folder;
};

TEST_F(OptionFileTest, WithoutAFileTheBuiltInDefaultsStand)
{
    ReadOptionFile();
    ASSERT_TRUE(DumpFont);
    ASSERT_TRUE(StyleFont);
    EXPECT_EQ(DumpShown, 1);
    EXPECT_EQ(DumpColor, 0);
    EXPECT_EQ(DumpFont->Name, FaceName);
    EXPECT_EQ(DumpFont->Size, 9);
    EXPECT_EQ(DumpFont->Color, 0xFFFFFF);
    EXPECT_EQ(StyleShown, 1);
    EXPECT_EQ(StyleColor, 0);
    EXPECT_EQ(StyleFont->Name, FaceName);
    EXPECT_EQ(StyleFont->Size, 9);
    EXPECT_EQ(StyleFont->Color, 0xFF0000);
    EXPECT_EQ(BackColor, 0x333333);
    EXPECT_EQ(HintShown, 1);
    EXPECT_EQ(StyleGroupFileName, "group before.fms");
    EXPECT_EQ(DataFileName[0], "data before.bin");
}

TEST_F(OptionFileTest, DefaultsAreWrittenAsFourteenLabelledLines)
{
    ReadOptionFile();
    StyleGroupFileName.clear();
    DataFileName[0].clear();
    WriteOptionFile();
    EXPECT_EQ(ReadWholeFile(OptionFileName()), Joined(DefaultLines));
}

TEST_F(OptionFileTest, OptionsNeverReadLeaveTheFileAsItIs)
{
    StoreLines({"Dump         :0"});
    DumpFont.reset();
    StyleFont.reset();
    WriteOptionFile();
    EXPECT_EQ(ReadWholeFile(OptionFileName()), Joined({"Dump         :0"}));
}

TEST_F(OptionFileTest, WrittenOptionsReadBackExactly)
{
    ReadOptionFile();
    DumpShown = 0;
    DumpColor = 0x123456;
    DumpFont->Name = "Noto Sans Mono CJK JP";
    DumpFont->Size = 14;
    DumpFont->Color = -1;
    StyleShown = 0;
    StyleColor = 0xABCDEF;
    StyleFont->Name = "等幅 フォント";
    StyleFont->Size = -11;
    StyleFont->Color = 0x0000FF;
    BackColor = 0x7FFFFFFF;
    HintShown = 0;
    StyleGroupFileName = "/home/user/my styles/group.fms";
    DataFileName[0] = "/home/user/data files/a b.bin";
    WriteOptionFile();
    EXPECT_NE(ReadWholeFile(OptionFileName()).find(" +Font Color :$FFFFFFFF\r\n"), std::string::npos);

    StyleGroupFileName.clear();
    DataFileName[0].clear();
    ReadOptionFile();
    EXPECT_EQ(DumpShown, 0);
    EXPECT_EQ(DumpColor, 0x123456);
    EXPECT_EQ(DumpFont->Name, "Noto Sans Mono CJK JP");
    EXPECT_EQ(DumpFont->Size, 14);
    EXPECT_EQ(DumpFont->Color, -1);
    EXPECT_EQ(StyleShown, 0);
    EXPECT_EQ(StyleColor, 0xABCDEF);
    EXPECT_EQ(StyleFont->Name, "等幅 フォント");
    EXPECT_EQ(StyleFont->Size, -11);
    EXPECT_EQ(StyleFont->Color, 0x0000FF);
    EXPECT_EQ(BackColor, 0x7FFFFFFF);
    EXPECT_EQ(HintShown, 0);
    EXPECT_EQ(StyleGroupFileName, "/home/user/my styles/group.fms");
    EXPECT_EQ(DataFileName[0], "/home/user/data files/a b.bin");
}

std::vector<std::string> WithLine(size_t index, const std::string& line)
{
    std::vector<std::string> lines = DefaultLines;
    lines[index] = line;
    return lines;
}

TEST_F(OptionFileTest, NamedFileIsReadAndWrittenInPlaceOfTheOneBesideTheProgram)
{
    const std::string path = m_folder + "/own options.ini";
    const std::string text = Joined(WithLine(0, "Dump         :0"));
    std::ofstream(path, std::ios::binary) << text;
    ReadOptionFile(path);
    EXPECT_EQ(DumpShown, 0);
    std::remove(path.c_str());
    WriteOptionFile(path);
    EXPECT_EQ(ReadWholeFile(path), text);
    EXPECT_FALSE(FileExists(OptionFileName()));
}

struct HandEditedCase {
    const char* name;
    std::vector<std::string> lines;
    std::function<void()> check;
};

TEST_F(OptionFileTest, HandEditedFilesAreReadByPosition)
{
    std::vector<std::string> misspelled = DefaultLines;
    for (std::string& line : misspelled)
        line.replace(0, 14, "Misspelt label");
    misspelled[0] = "Misspelt label0";
    misspelled[3] = "Misspelt label12";

    const std::vector<HandEditedCase> cases = {
        {"fiveLines",
         {DefaultLines.begin(), DefaultLines.begin() + 5},
         [] {
             EXPECT_EQ(StyleFont->Color, 0);
             EXPECT_EQ(BackColor, 0);
             EXPECT_EQ(StyleShown, 1);
             EXPECT_EQ(HintShown, 1);
             EXPECT_EQ(StyleFont->Size, 9);
             EXPECT_EQ(StyleFont->Name, FaceName);
             EXPECT_EQ(DumpFont->Color, 0xFFFFFF);
             EXPECT_EQ(StyleGroupFileName, "");
             EXPECT_EQ(DataFileName[0], "");
         }},
        {"dumpOff", WithLine(0, "Dump         :0"), [] { EXPECT_EQ(DumpShown, 0); }},
        {"dumpNotANumber", WithLine(0, "Dump         :x"), [] { EXPECT_EQ(DumpShown, 1); }},
        {"dumpShortLine", WithLine(0, "Dump :0"), [] { EXPECT_EQ(DumpShown, 1); }},
        {"flagKeepsLowByte", WithLine(11, "Hint         :257"), [] { EXPECT_EQ(HintShown, 1); }},
        {"flagLowByteZero", WithLine(5, "Style        :256"), [] { EXPECT_EQ(StyleShown, 0); }},
        {"decimalColour", WithLine(1, " +Color      :255"), [] { EXPECT_EQ(DumpColor, 255); }},
        {"lowerCaseHex", WithLine(10, "Back Color   :$abcdef"), [] { EXPECT_EQ(BackColor, 0xABCDEF); }},
        {"badColourIsBlack", WithLine(4, " +Font Color :$GG"), [] { EXPECT_EQ(DumpFont->Color, 0); }},
        {"trailingTextIsBad", WithLine(3, " +Font Size  :12pt"), [] { EXPECT_EQ(DumpFont->Size, 9); }},
        {"emptyFaceName", WithLine(7, " +Font Name  :"), [] { EXPECT_EQ(StyleFont->Name, FaceName); }},
        {"misspelledLabels", misspelled,
         [] {
             EXPECT_EQ(DumpShown, 0);
             EXPECT_EQ(DumpFont->Size, 12);
             EXPECT_EQ(StyleFont->Color, 0xFF0000);
         }},
        {"linesAfterTheLastIgnored",
         [] {
             std::vector<std::string> lines = WithLine(13, "Init Folder  :/data/x.bin");
             lines.emplace_back("Extra        :whatever");
             return lines;
         }(),
         [] { EXPECT_EQ(DataFileName[0], "/data/x.bin"); }},
    };
    for (const HandEditedCase& c : cases) {
        SCOPED_TRACE(c.name);
        StyleGroupFileName = "group before.fms";
        DataFileName[0] = "data before.bin";
        StoreLines(c.lines);
        ReadOptionFile();
        c.check();
    }
}

} // namespace
