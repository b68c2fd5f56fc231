#include "MainFormFixture.h"

#include "Runtime.h"

namespace {

using Navigation = MainFormTest;

// Each pane's cursor, and the cell its dump grid selects.
struct Cursors {
    int32_t a;
    int32_t b;
};

void ExpectShown(const TMainForm& form, int pane, int32_t cursor)
{
    const TStringGrid* grid = form.DumpGrid(pane);
    EXPECT_EQ(CursorAddress[pane], cursor) << "pane " << pane;
    EXPECT_EQ(grid->Row(), cursor / 16 + 1) << "pane " << pane;
    EXPECT_EQ(grid->Col(), cursor % 16 + 2) << "pane " << pane;
    EXPECT_EQ(form.StyleGrid(pane)->Cell(1, 1), IntToHex(cursor, 6)) << "pane " << pane << "'s style grid";
}

struct CompareCase {
    const char* name;
    std::vector<uint8_t> a;
    std::vector<uint8_t> b;
    Cursors from;
    bool next;
    std::optional<Cursors> to; // nullopt: "Inspection end."
};

std::vector<uint8_t> WithByte(std::vector<uint8_t> bytes, size_t at, uint8_t value)
{
    bytes[at] = value;
    return bytes;
}

// Pane b holds pane a's bytes from address 5 on, so the two agree at a displacement of 5.
std::vector<uint8_t> ShiftedByFive(const std::vector<uint8_t>& a)
{
    return {a.begin() + 5, a.end()};
}

TEST_F(Navigation, CompareWalksFindTheNearestDifferenceAtTheCursorsDisplacement)
{
    const std::vector<uint8_t> same = Pattern(100);
    const std::vector<uint8_t> a = {0x00, 0x11, 0x22, 0x33};
    const std::vector<uint8_t> b = {0x00, 0x11, 0x99, 0x33};
    const CompareCase cases[] = {
        {"NextInEqualFilesEnds", same, same, {10, 10}, true, std::nullopt},
        {"FrontInEqualFilesEnds", same, same, {10, 10}, false, std::nullopt},
        {"NextFindsTheDifference", a, b, {0, 0}, true, Cursors{2, 2}},
        {"NextBeyondTheLastDifferenceEnds", a, b, {2, 2}, true, std::nullopt},
        {"FrontBeforeTheFirstDifferenceEnds", a, b, {2, 2}, false, std::nullopt},
        {"TheCursorsThemselvesAreNotCompared", a, b, {3, 3}, false, Cursors{2, 2}},
        {"NextKeepsTheDisplacement", same, WithByte(ShiftedByFive(same), 40, 0xEE), {5, 0}, true, Cursors{45, 40}},
        {"FrontKeepsTheDisplacement", same, WithByte(ShiftedByFive(same), 40, 0xEE), {90, 85}, false, Cursors{45, 40}},
        {"NextEndsWhereTheShorterPaneEnds", Pattern(20), Pattern(100), {0, 0}, true, std::nullopt},
        {"NextFromACursorBeyondTheDataEnds", a, b, {7, 0}, true, std::nullopt},
        // A start beyond either pane's data steps back into both, by the same distance.
        {"FrontFromBeyondTheDataStepsIntoIt",
         WithByte(Pattern(40), 30, 0xEE),
         Pattern(100),
         {45, 45},
         false,
         Cursors{30, 30}},
        {"FrontFromBeyondTheOtherPanesData",
         same,
         WithByte({same.begin() + 20, same.begin() + 60}, 12, 0xEE),
         {70, 50},
         false,
         Cursors{32, 12}},
        {"FrontThatStepsPastTheStartEnds", Pattern(40), Pattern(100), {50, 5}, false, std::nullopt},
    };
    for (const CompareCase& test : cases) {
        SCOPED_TRACE(test.name);
        recorder.Messages.clear();
        Load(1, test.b, "b.bin");
        Load(0, test.a, "a.bin");
        CursorAddress[0] = test.from.a;
        CursorAddress[1] = test.from.b;
        (test.next ? form->mNextCompared : form->mFrontCompared)->trigger();
        if (!test.to) {
            EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Inspection end."});
            EXPECT_EQ(CursorAddress[0], test.from.a);
            EXPECT_EQ(CursorAddress[1], test.from.b);
            continue;
        }
        EXPECT_TRUE(recorder.Messages.empty());
        ExpectShown(*form, 0, test.to->a);
        ExpectShown(*form, 1, test.to->b);
        EXPECT_EQ(form->aDumpBar->PanelText(0), "000000") << "the dump status bars keep their address";
        EXPECT_EQ(form->bDumpBar->PanelText(0), "000000");
    }
}

TEST_F(Navigation, RecordJumpsStepByTheStylesSizeWithinTheData)
{
    struct JumpCase {
        const char* name;
        int32_t from;
        bool next;
        int32_t to;
    };
    const JumpCase cases[] = {
        {"NextFromZero", 0, true, 30},
        {"NextToTheLastRecord", 60, true, 90},
        {"NextPastTheEndStays", 90, true, 90},
        {"NextOntoTheSizeStays", 70, true, 70},
        {"FrontToZero", 30, false, 0},
        {"FrontBeforeZeroStays", 20, false, 20},
        {"FrontFromBeyondTheDataLandsInIt", 111, false, 81},
    };
    Load(0, Pattern(100));
    SetFields({{vkLongWord, 4}, {vkChars, 26}});
    StyleGroup[0].TotalSize = 0; // the jump recounts it
    for (const JumpCase& test : cases) {
        SCOPED_TRACE(test.name);
        CursorAddress[0] = test.from;
        form->aDumpGrid->SetColRow(2, 1);
        (test.next ? form->mMoveToNext : form->mMoveToFront)->trigger();
        EXPECT_EQ(StyleGroup[0].TotalSize, 30);
        EXPECT_EQ(CursorAddress[0], test.to);
        if (test.to != test.from)
            ExpectShown(*form, 0, test.to);
    }

    // A record back from beyond the data may still lie beyond it, as the cursor may.
    Load(0, Pattern(10));
    SetFields({{vkWord, 2}});
    CursorAddress[0] = 14;
    for (const int32_t to : {12, 10, 8}) {
        form->mMoveToFront->trigger();
        EXPECT_EQ(CursorAddress[0], to);
        ExpectShown(*form, 0, to);
    }
}

TEST_F(Navigation, AStyleOfNoSizeOnlyRefreshesTheGrid)
{
    Load(0, Pattern(100));
    SetFields({{vkSpace, 0}});
    CursorAddress[0] = 33;
    form->mMoveToNext->trigger();
    EXPECT_EQ(CursorAddress[0], 33);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000021");
}

TEST_F(Navigation, EndAndRecordJumpsDoNothingInAnEmptyPane)
{
    CursorAddress[0] = 0;
    for (TMenuItem* item : {form->mMoveToEnd, form->mMoveToNext, form->mMoveToFront}) {
        item->trigger();
        EXPECT_EQ(CursorAddress[0], 0) << item->objectName().toStdString();
    }
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(Navigation, TheEndJumpGoesToTheLastByteOnce)
{
    Load(1, Pattern(10), "b.bin");
    Load(0, Pattern(100));
    const std::string paneB = form->bStyleGrid->Cell(1, 1);
    form->mMoveToEnd->trigger();
    ExpectShown(*form, 0, 99);
    EXPECT_EQ(form->bStyleGrid->Cell(1, 1), paneB) << "only the active pane's style grid is refilled";
    form->aDumpGrid->SetColRow(2, 1);
    form->mMoveToEnd->trigger();
    EXPECT_EQ(form->aDumpGrid->Row(), 1) << "a second time it does nothing";

    CursorAddress[0] = 105;
    form->mMoveToEnd->trigger();
    EXPECT_EQ(CursorAddress[0], 105) << "beyond the last byte it does nothing";
}

TEST_F(Navigation, TheZeroJumpRefreshesBothStyleGridsEvenWithoutData)
{
    CursorAddress[0] = 40;
    CursorAddress[1] = 7;
    form->mMoveToZero->trigger();
    EXPECT_EQ(CursorAddress[0], 0);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000000");
    EXPECT_EQ(form->bStyleGrid->Cell(1, 1), "000007");
}

TEST_F(Navigation, PositionIsArrangedCopiesTheCursorIntoTheOtherPaneWhereItHasTheByte)
{
    Load(1, Pattern(40), "b.bin");
    Load(0, Pattern(100));
    CursorAddress[0] = 50;
    CursorAddress[1] = 3;
    form->mSameAddress->trigger();
    EXPECT_EQ(CursorAddress[1], 3) << "pane b ends before address 50";

    Load(1, Pattern(51), "b.bin");
    Load(0, Pattern(100));
    form->ActivePane = 0;
    CursorAddress[0] = 50;
    const std::string paneA = form->aStyleGrid->Cell(1, 1);
    form->mSameAddress->trigger();
    ExpectShown(*form, 1, 50);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), paneA) << "only the other pane's style grid is refilled";
    EXPECT_EQ(form->ActivePane, 0);

    FreeDataBuffer(1);
    CursorAddress[1] = 0;
    form->mSameAddress->trigger();
    EXPECT_EQ(CursorAddress[1], 0) << "a pane without data takes no cursor";
}

TEST_F(Navigation, ASearchHitMovesTheCursorButNotTheDumpStatusBar)
{
    std::vector<uint8_t> bytes(64, 0);
    bytes[5] = 0x41;
    bytes[37] = 0x41;
    Load(0, bytes);
    ASSERT_TRUE(SetSearchValue("41", vkHex));
    form->mNextSearch->trigger();
    ExpectShown(*form, 0, 5);
    form->mNextSearch->trigger();
    ExpectShown(*form, 0, 37);
    EXPECT_EQ(form->aDumpBar->PanelText(0), "000000");
    form->mNextSearch->trigger();
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Not found."});
    EXPECT_EQ(CursorAddress[0], 37);
    form->mFrontSearch->trigger();
    ExpectShown(*form, 0, 5);
}

} // namespace
