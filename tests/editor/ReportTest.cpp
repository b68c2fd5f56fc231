#include "MainFormFixture.h"

namespace {

class Report : public MainFormTest {
protected:
    // Exports the report into a file of the folder, as if chosen in the save dialog.
    std::string Export(const std::string& name = "report.txt")
    {
        const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
        seam.FileAnswers = {path};
        form->mSaveTextFile->trigger();
        const std::vector<uint8_t> bytes = ReadFile(path);
        return {bytes.begin(), bytes.end()};
    }

    static std::string Lines(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        return text;
    }

    static std::string Blanks(size_t count) { return std::string(count, ' '); }

    const std::string header = "Id  Addres Kind     Comment" + Blanks(14) + "Value";
    const std::string hyphens = std::string(54, '-');
};

TEST_F(Report, WritesEachGridRowPaddedAndEachFieldsHintAsStored)
{
    Load(0, {0x01, 0x02, 0x03, 0x41, 0x42, 0xE9, 0x00});
    SetFields({{vkByte, 1}, {vkWord, 2}, {vkChars, 3}, {vkLongWord, 4}});
    StyleGroup[0].RowComment[0].Assign("count");
    StyleGroup[0].RowHint[0].Assign("low//high");
    StyleGroup[0].RowComment[2].Assign("äöü");
    StyleGroup[0].RowHint[3].Assign("past the end");
    form->FillStyleGrids(true);
    EXPECT_EQ(Export(), Lines({
                            header,
                            hyphens,
                            "0   000000 Byte     count" + Blanks(16) + "1",
                            "  Hint : low//high",
                            "1   000001 Word     " + Blanks(21) + "770",
                            // Widths count bytes: the three umlauts take six.
                            "2   000003 Cha 3    äöü" + Blanks(15) + "ABé",
                            "3   000006 LongWord " + Blanks(21) + "OverLoad",
                            "  Hint : past the end",
                        }));
}

TEST_F(Report, ACellAsLongAsItsColumnRunsIntoTheNext)
{
    SetFields({{vkByte, 1}});
    StyleGroup[0].RowComment[0].Assign("abcdefghijklmnopqrstu");
    StyleGroup[0].UseOffset = 255;
    StyleGroup[0].OffsetAddress = 0x1000000;
    form->FillStyleGrids(true);
    EXPECT_EQ(Export(), Lines({header, hyphens, "0   1000000Byte     abcdefghijklmnopqrstuOverLoad"}));
}

TEST_F(Report, TheActivePanesGridIsWrittenAsItShows)
{
    Load(0, {0x11});
    Load(1, {0x22});
    SetFields({{vkHex, 1}});
    form->FillStyleGrids(true);
    ASSERT_EQ(form->ActivePane, 1);
    EXPECT_EQ(Export(), Lines({header, hyphens, "0   000000 Hex      " + Blanks(21) + "22"}));
    form->bStyleGrid->SetCell(4, 1, "typed");
    EXPECT_EQ(Export(), Lines({header, hyphens, "0   000000 Hex      " + Blanks(21) + "typed"}));
}

TEST_F(Report, TheDialogProposesTheLastNameAndReplacesAFileWithoutAsking)
{
    const std::string path = WriteFile("old.txt", std::vector<uint8_t>(500, 'x'));
    seam.FileAnswers = {std::nullopt};
    form->mSaveTextFile->trigger();
    EXPECT_EQ(ReadFile(path).size(), 500u) << "cancelled: nothing written";

    seam.FileAnswers = {path, std::nullopt};
    form->mSaveTextFile->trigger();
    form->mSaveTextFile->trigger();
    const std::vector<uint8_t> bytes = ReadFile(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), Lines({header, hyphens, "0   000000 None     " + Blanks(21)}))
        << "a cleared style gives three lines";

    ASSERT_EQ(seam.FileRequests.size(), 3u);
    const FakePlatformSeam::FileRequest& request = seam.FileRequests[2];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.proposed, path);
    EXPECT_EQ(request.spec.Title, QStringLiteral("An analysis result is outputted to a text file."));
    EXPECT_EQ(request.spec.Filter, QStringLiteral(".txt"));
    EXPECT_EQ(request.spec.DefaultExt, QStringLiteral(".txt"));
}

} // namespace
