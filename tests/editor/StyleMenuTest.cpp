#include "MainFormFixture.h"

#include <QDir>

#include <filesystem>
#include <fstream>
#include <optional>

namespace {

class StyleMenu : public MainFormTest {
protected:
    // Starts the window anew with an option file that names the group file, as the next run
    // after a session that used it.
    void RestartWithGroupFile(const std::string& path)
    {
        {
            std::ofstream options(OptionFileName(), std::ios::binary);
            for (int line = 1; line <= 12; ++line)
                options << "\r\n";
            options << "Style G File :" << path << "\r\n";
        }
        textChip.reset();
        form.reset();
        form = std::make_unique<TMainForm>();
        textChip = std::make_unique<TTextChip>();
    }
};

constexpr int FixedItems = 7;

struct ItemState {
    std::string caption;
    bool checked;
    bool operator==(const ItemState&) const = default;
};

std::vector<ItemState> StyleItems(const TMainForm& form)
{
    std::vector<ItemState> items;
    const QList<QAction*> actions = form.mStyle->actions();
    for (qsizetype i = FixedItems; i < actions.size(); ++i) {
        const auto* item = qobject_cast<const TMenuItem*>(actions[i]);
        items.push_back({item->text().toStdString(), item->Checked()});
        EXPECT_EQ(item->Tag(), i - FixedItems);
        EXPECT_EQ(item->GroupIndex(), 99);
        EXPECT_TRUE(item->RadioItem());
    }
    return items;
}

// Only the item of the slot marked, or none for -1.
std::vector<ItemState> Listed(const std::vector<std::string>& names, int marked)
{
    std::vector<ItemState> items;
    for (size_t i = 0; i < names.size(); ++i)
        items.push_back({names[i], static_cast<int>(i) == marked});
    return items;
}

void NameStyles(const std::vector<std::string>& names)
{
    NewStyleGroup();
    for (size_t i = 0; i < names.size(); ++i)
        StyleGroup[i].StyleName.Assign(names[i]);
}

std::vector<std::string> Numbered(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(prefix + std::to_string(i));
    return names;
}

// The raw records of a style group file.
std::string Int16(int16_t value)
{
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Head(const std::string& name, int16_t lastRow)
{
    std::string head(1 + 31 + 4 + 1, '\0');
    head[0] = static_cast<char>(name.size());
    name.copy(head.data() + 1, name.size());
    return head + Int16(lastRow);
}

std::string Row(uint8_t kind, uint8_t size)
{
    std::string row(110, '\0');
    row[0] = static_cast<char>(0xFF);
    row[1] = static_cast<char>(kind);
    row[2] = static_cast<char>(size);
    return row;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::vector<std::string> FolderEntries(const QTemporaryDir& folder)
{
    std::vector<std::string> names;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot))
        names.push_back(name.toStdString());
    return names;
}

TEST_F(StyleMenu, StartListsTheGroupFilesStylesAndTheRecountedSizeOfTheFirst)
{
    const std::string path =
        WriteFile("start.fms", Bytes(Int16(2) + Head("Style 0", 1) + Row(vkWord, 2) + Row(vkLongWord, 4) +
                                     Head("Header", 0) + Row(vkByte, 1) + Head("", 0) + Row(vkNone, 0)));
    RestartWithGroupFile(path);

    EXPECT_TRUE(recorder.Errors.empty());
    EXPECT_EQ(form->mDummyMenu, nullptr);
    EXPECT_EQ(StyleItems(*form), Listed({"Style 0", "Header"}, 0));
    for (TStatusBar* bar : {form->aStyleBar, form->bStyleBar}) {
        EXPECT_EQ(bar->PanelText(0), "6bytes");
        EXPECT_EQ(bar->PanelText(1), "Style 0");
        EXPECT_EQ(bar->PanelText(2), "start");
    }
}

TEST_F(StyleMenu, AStartOnAGroupFileThatBreaksOffShowsItsErrorOnceAndTheGroupItLeaves)
{
    std::string tooManyRows = Int16(0) + Head("Rows", 200);
    for (int r = 0; r <= 200; ++r)
        tooManyRows += Row(vkByte, 1);
    const std::string path = WriteFile("broken.fms", Bytes(tooManyRows));
    RestartWithGroupFile(path);

    EXPECT_EQ(recorder.Errors.size(), 1u);
    EXPECT_EQ(StyleItems(*form), Listed({"Rows"}, 0));
    EXPECT_EQ(form->aStyleBar->PanelText(0), "200bytes");
    Load(0, Pattern(16));
    form->aDumpGrid->SetColRow(3, 1);
    form->DumpGridCursorMoved();
    EXPECT_EQ(recorder.Errors.size(), 1u) << "the group in memory is recounted, so a cursor move lays it out";
}

TEST_F(StyleMenu, ChoosingAStyleMarksItAndLaysItWhereItsOffsetSays)
{
    Load(0, Pattern(64));
    NameStyles({"Style 0", "Offset", "Plain"});
    StyleGroup[1].UseOffset = 255;
    StyleGroup[1].OffsetAddress = 4;
    form->RebuildStyleMenu();
    form->aDumpGrid->SetColRow(6, 2);
    CursorAddress[0] = 20;
    CursorAddress[1] = 7;

    form->StyleItem(2)->trigger();
    EXPECT_EQ(form->CurrentStyle, 2);
    EXPECT_EQ(StyleItems(*form), Listed({"Style 0", "Offset", "Plain"}, 2));
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Plain");
    EXPECT_EQ(form->bStyleBar->PanelText(1), "Plain");
    EXPECT_EQ(CursorAddress[0], 20);
    EXPECT_EQ(CursorAddress[1], 7);

    form->StyleItem(1)->trigger();
    EXPECT_EQ(StyleItems(*form), Listed({"Style 0", "Offset", "Plain"}, 1));
    EXPECT_EQ(CursorAddress[0], 0) << "the active pane goes to address zero";
    EXPECT_EQ(CursorAddress[1], 7);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000004");
    EXPECT_EQ(form->aDumpGrid->Col(), 2);
    EXPECT_EQ(form->aDumpGrid->Row(), 1);
}

TEST_F(StyleMenu, AnAdditionIsNamedAfterTheNumberOfTheLastStyle)
{
    struct Case {
        const char* name;
        std::vector<std::string> styles;
        std::string added;
    };
    const Case cases[] = {
        {"generated names", {"Style 0", "Style 1", "Style 2"}, "Style 3"},
        {"a name without a number", {"Style 0", "Header"}, "Style 2"},
        {"a gap in the numbers", {"Style 0", "Style 9"}, "Style 10"},
        {"the number that marks no number", {"Style 0", "Style -1"}, "Style 2"},
        {"a number with a tail", {"Style 0", "Style 4b"}, "Style 2"},
        {"blanks and hexadecimal", {"Style 0", "Style  $1F"}, "Style 32"},
        {"the largest number", {"Style 2147483647"}, "Style 2147483648"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        NameStyles(test.styles);
        StyleGroup[0].RowKind[0] = vkByte;
        StyleGroup[0].RowSize[0] = 1;
        form->CurrentStyle = 0;
        form->RebuildStyleMenu();
        form->FillStyleGrids(true);

        form->mStyleAdd->trigger();
        const int n = static_cast<int>(test.styles.size());
        EXPECT_EQ(StyleGroup[n].StyleName.Text(), test.added);
        EXPECT_EQ(form->CurrentStyle, n);
        std::vector<std::string> listed = test.styles;
        listed.push_back(test.added);
        EXPECT_EQ(StyleItems(*form), Listed(listed, n));
        for (int pane = 0; pane < 2; ++pane) {
            EXPECT_EQ(form->StyleGrid(pane)->RowCount(), 2);
            EXPECT_EQ(form->StyleGrid(pane)->Cell(2, 1), "None");
            EXPECT_EQ(form->StyleBar(pane)->PanelText(1), test.added);
        }
    }
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(StyleMenu, ThirtyStylesTakeNoAddition)
{
    const std::vector<std::string> names = Numbered("Style ", 30);
    NameStyles(names);
    form->CurrentStyle = 4;
    form->RebuildStyleMenu();
    form->mStyleAdd->trigger();
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"It cannot add any more."});
    EXPECT_EQ(form->CurrentStyle, 4);
    EXPECT_EQ(StyleItems(*form), Listed(names, 4));
    EXPECT_EQ(StyleGroup[29].StyleName.Text(), "Style 29");
}

TEST_F(StyleMenu, ANewGroupHasStyle0AloneAndKeepsTheGroupFilesName)
{
    NameStyles({"Style 0", "Style 1", "Style 2"});
    StyleGroupFileName = "/styles/old.fms";
    form->CurrentStyle = 2;
    form->RebuildStyleMenu();
    form->mStyleGroupNew->trigger();
    EXPECT_EQ(form->CurrentStyle, 0);
    EXPECT_EQ(StyleItems(*form), Listed({"Style 0"}, 0));
    EXPECT_EQ(StyleGroupFileName, "/styles/old.fms");
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Style 0");
    EXPECT_EQ(form->bStyleBar->PanelText(2), "old");
}

TEST_F(StyleMenu, ALoadedGroupKeepsTheCurrentSlotEvenWhereItHasNoStyle)
{
    const std::string path =
        WriteFile("three.fms", Bytes(Int16(2) + Head("Style 0", 0) + Row(vkByte, 1) + Head("B", 0) + Row(vkNone, 0) +
                                     Head("C", 0) + Row(vkNone, 0)));
    NameStyles(Numbered("Old ", 6));
    StyleGroupFileName = "/styles/proposed.fms";
    form->CurrentStyle = 5;
    form->RebuildStyleMenu();
    seam.FileAnswers = {std::nullopt, path};

    form->mStyleGroupRead->trigger();
    EXPECT_EQ(StyleItems(*form), Listed(Numbered("Old ", 6), 5)) << "a cancelled dialog changes nothing";
    ASSERT_EQ(seam.FileRequests.size(), 1u);
    EXPECT_FALSE(seam.FileRequests[0].save);
    EXPECT_EQ(seam.FileRequests[0].proposed, "/styles/proposed.fms");
    EXPECT_EQ(seam.FileRequests[0].spec.Title, QStringLiteral("Form style file is open."));
    EXPECT_EQ(seam.FileRequests[0].spec.Filter, QStringLiteral("form style|*.fms"));
    EXPECT_EQ(seam.FileRequests[0].spec.DefaultExt, QStringLiteral(".fms"));

    form->mStyleGroupRead->trigger();
    EXPECT_EQ(StyleGroupFileName, path);
    EXPECT_EQ(form->CurrentStyle, 5);
    EXPECT_EQ(StyleItems(*form), Listed({"Style 0", "B", "C"}, -1));
    EXPECT_EQ(form->aStyleBar->PanelText(1), "");
    EXPECT_EQ(form->aStyleBar->PanelText(2), "three");
    EXPECT_EQ(form->aStyleGrid->Cell(2, 1), "None");

    form->StyleItem(0)->trigger();
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Style 0");
    EXPECT_EQ(form->aStyleBar->PanelText(0), "1bytes");
    EXPECT_EQ(form->aStyleGrid->Cell(2, 1), "Byte");
}

TEST_F(StyleMenu, AGroupWithoutNamesListsStyle0WithItsMark)
{
    const std::string path = WriteFile("nameless.fms", Bytes(Int16(0) + Head("", 0) + Row(vkHex, 1)));
    seam.FileAnswers = {path};
    form->mStyleGroupRead->trigger();
    EXPECT_EQ(StyleItems(*form), Listed({"Style 0"}, 0));
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Style 0");
}

TEST_F(StyleMenu, AFileThatCannotBeReadShowsTheErrorAndTheGroupItLeaves)
{
    std::string thirtyOne = Int16(30);
    for (int i = 0; i <= 30; ++i)
        thirtyOne += Head("S" + std::to_string(i), 0) + Row(vkByte, 1);
    std::string tooManyRows = Int16(0) + Head("Rows", 200);
    for (int r = 0; r <= 200; ++r)
        tooManyRows += Row(vkByte, 1);
    const std::vector<std::string> old = {"Old 0", "Old 1"};
    struct Case {
        const char* name;
        std::optional<std::string> bytes; // none for no file at all
        bool readOnly;
        size_t errors;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {"a missing file", std::nullopt, false, 0, old},
        {"a read-only file", Int16(0) + Head("Locked", 0) + Row(vkByte, 1), true, 1, old},
        {"a thirty-first style", thirtyOne, false, 1, Numbered("S", 30)},
        {"a two hundred and first row", tooManyRows, false, 1, {"Rows"}},
        {"an empty file", "", false, 0, {"Style 0"}},
    };
    int fileNumber = 0;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        NameStyles(old);
        StyleGroupFileName = "/styles/old.fms";
        form->CurrentStyle = 1;
        form->RebuildStyleMenu();
        recorder.Errors.clear();
        const QString name = QStringLiteral("bad%1.fms").arg(++fileNumber);
        const std::string path =
            test.bytes ? WriteFile(name.toStdString(), Bytes(*test.bytes)) : folder.filePath(name).toStdString();
        if (test.readOnly)
            std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        const std::vector<std::string> filesBefore = FolderEntries(folder);
        seam.FileAnswers = {path};

        form->mStyleGroupRead->trigger();
        EXPECT_EQ(recorder.Errors.size(), test.errors);
        EXPECT_EQ(StyleItems(*form), Listed(test.listed, test.listed.size() > 1 ? 1 : -1));
        EXPECT_EQ(form->aStyleBar->PanelText(1), test.listed.size() > 1 ? test.listed[1] : "");
        EXPECT_EQ(StyleGroupFileName, test.bytes ? path : "/styles/old.fms");
        EXPECT_EQ(FolderEntries(folder), filesBefore) << "nothing is written";
        if (test.bytes) {
            EXPECT_EQ(ReadFile(path), Bytes(*test.bytes));
        }
    }
}

TEST_F(StyleMenu, SaveWritesTheGroupToTheChosenFile)
{
    NameStyles({"Style 0", "Kept"});
    form->RebuildStyleMenu();
    StyleGroupFileName = "/styles/proposed.fms";
    const std::string path = folder.filePath(QStringLiteral("saved.fms")).toStdString();
    seam.FileAnswers = {std::nullopt, path};

    form->mStyleGroupSave->trigger();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(StyleGroupFileName, "/styles/proposed.fms");
    ASSERT_EQ(seam.FileRequests.size(), 1u);
    EXPECT_TRUE(seam.FileRequests[0].save);
    EXPECT_EQ(seam.FileRequests[0].proposed, "/styles/proposed.fms");
    EXPECT_EQ(seam.FileRequests[0].spec.Title, QStringLiteral("Form style fils is write."));
    EXPECT_EQ(seam.FileRequests[0].spec.Filter, QStringLiteral("form style|*.fms"));
    EXPECT_EQ(seam.FileRequests[0].spec.DefaultExt, QStringLiteral(".fms"));

    form->mStyleGroupSave->trigger();
    EXPECT_EQ(StyleGroupFileName, path);
    NewStyleGroup();
    ASSERT_TRUE(ReadStyleGroupFile(path));
    EXPECT_EQ(StyleGroup[1].StyleName.Text(), "Kept");
    EXPECT_EQ(StyleGroup[2].StyleName.Text(), "");
}

} // namespace
