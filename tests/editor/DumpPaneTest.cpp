#include "MainFormFixture.h"
#include "ModalAnswer.h"

#include "BrokenReads.h"
#include "TextCodec.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {

using DumpPane = MainFormTest;

struct FillCase {
    size_t size;
    int rows;
    const char* range;
    const char* count;
    const char* lastAddress;
    int lastRowBytes;
};

TEST_F(DumpPane, FillsOneRowPerSixteenBytesAndEmptiesTheRest)
{
    const FillCase cases[] = {
        {0, 2, "000000-FFFFFFFF", "0bytes", "000000", 0},
        {16, 2, "000000-00000F", "16bytes", "000000", 16},
        {17, 3, "000000-000010", "17bytes", "000010", 1},
        {1048576, 65537, "000000-0FFFFF", "1048576bytes", "0FFFF0", 16},
    };
    // Larger first, so that every smaller file replaces one that filled more cells.
    for (const FillCase& test : {cases[3], cases[2], cases[1], cases[0]}) {
        SCOPED_TRACE(test.size);
        const std::vector<uint8_t> bytes = Pattern(test.size);
        const std::string path = Load(0, bytes, "file" + std::to_string(test.size) + ".bin");
        TStringGrid* grid = form->aDumpGrid;
        ASSERT_EQ(grid->RowCount(), test.rows);
        const int last = test.rows - 1;
        EXPECT_EQ(grid->Cell(0, last), test.lastAddress);
        for (int c = 0; c < 16; ++c) {
            const size_t address = static_cast<size_t>(last - 1) * 16 + c;
            EXPECT_EQ(grid->Cell(c + 2, last), c < test.lastRowBytes ? HexText[bytes[address]] : "") << c;
        }
        EXPECT_EQ(QString::fromStdString(grid->Cell(1, last)).size(), test.lastRowBytes);
        EXPECT_EQ(form->aDumpBar->PanelText(0), "000000");
        EXPECT_EQ(form->aDumpBar->PanelText(1), test.range);
        EXPECT_EQ(form->aDumpBar->PanelText(2), test.count);
        EXPECT_EQ(form->aDumpBar->PanelText(3), "file" + std::to_string(test.size) + ".bin");
        EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom - file" + std::to_string(test.size) + ".bin");
        EXPECT_EQ(grid->Col(), 2);
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_EQ(grid->TopRow(), 1);
    }
}

TEST_F(DumpPane, TheTextColumnShowsEachByteAsOneCharacter)
{
    std::vector<uint8_t> bytes(32, 'A');
    bytes[0] = 0x1F;
    bytes[1] = 0x90;
    bytes[2] = 0xEA;
    bytes[3] = 0xE9;
    bytes[15] = 0x90;
    bytes[31] = 0xEA;
    Load(0, bytes);
    const QString row1 = QString::fromStdString(form->aDumpGrid->Cell(1, 1));
    ASSERT_EQ(row1.size(), 16);
    EXPECT_EQ(row1[0], QChar(u' '));
    EXPECT_EQ(row1[1].unicode(), 0x90);
    EXPECT_EQ(row1[2].unicode(), 0xEA);
    EXPECT_EQ(row1[3].unicode(), 0xE9);
    EXPECT_EQ(row1[15], QChar(u' ')) << "the sixteenth byte of a row takes the last-column table";
    EXPECT_EQ(QString::fromStdString(form->aDumpGrid->Cell(1, 2)), QStringLiteral("AAAAAAAAAAAAAAA "));
}

TEST_F(DumpPane, TheCursorFollowsKeysClicksAndTheWheel)
{
    Load(0, Pattern(40));
    ShowWindow();
    TStringGrid* grid = form->aDumpGrid;
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(CursorAddress[0], 1);
    EXPECT_EQ(form->aDumpBar->PanelText(0), "000001");
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(CursorAddress[0], 17);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000011") << "the style is laid at the new cursor";

    // Past the last byte: the empty cells can be chosen all the same.
    Click(grid, 15, 3);
    EXPECT_EQ(CursorAddress[0], 45);
    EXPECT_EQ(form->aDumpBar->PanelText(0), "00002D");

    QWheelEvent up(QPointF(50, 50), grid->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &up);
    EXPECT_EQ(grid->Row(), 2) << "one row a notch";
    EXPECT_EQ(CursorAddress[0], 29);
    EXPECT_EQ(form->aDumpBar->PanelText(0), "00001D");
}

TEST_F(DumpPane, TheWheelTurnsForTheFocusedGridWhereverTheMouseIsWhateverWindowIsActive)
{
    Load(1, Pattern(40));
    Load(0, Pattern(40));
    ShowWindow();
    form->mDoubleWindow->trigger();
    QApplication::processEvents();
    form->aDumpGrid->setFocus();
    QWidget other;
    other.show();
    for (QWidget* active : {static_cast<QWidget*>(form.get()), &other, static_cast<QWidget*>(nullptr)}) {
        SCOPED_TRACE(active == form.get() ? "the window active" : active ? "another window active" : "none active");
        QApplication::setActiveWindow(active);
        ASSERT_EQ(QApplication::activeWindow(), active);
        form->aDumpGrid->SetColRow(2, 1);
        form->DumpGridCursorMoved();
        QWheelEvent down(QPointF(50, 30), form->bDumpGrid->viewport()->mapToGlobal(QPointF(50, 30)), QPoint(),
                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->bDumpGrid->viewport(), &down);
        EXPECT_EQ(form->ActivePane, 0);
        EXPECT_EQ(form->aDumpGrid->Row(), 2);
        EXPECT_EQ(CursorAddress[0], 16);
        EXPECT_EQ(form->aDumpBar->PanelText(0), "000010");
        EXPECT_EQ(form->bDumpGrid->Row(), 1) << "pane b's selection stays on its cursor";
        EXPECT_EQ(CursorAddress[1], 0);
    }
}

TEST_F(DumpPane, ALoadAmongTheEventsPendingAtTheFillIsWhatTheGridShows)
{
    const std::string small = WriteFile("small.bin", Pattern(3));
    QTimer::singleShot(0, form.get(), [&] { LoadDataFile(0, small); });
    Load(0, Pattern(5000), "large.bin");
    ASSERT_EQ(DataSize[0], 3);
    EXPECT_EQ(form->aDumpGrid->RowCount(), 2);
    EXPECT_EQ(form->aDumpGrid->Cell(4, 1), HexText[Pattern(3)[2]]);
    EXPECT_EQ(form->aDumpGrid->Cell(5, 1), "");
    EXPECT_EQ(form->aDumpBar->PanelText(2), "3bytes");
}

TEST_F(DumpPane, ARefillPutsTheCursorWithTheSelectionOnAddressZeroWhateverRanBefore)
{
    Load(0, Pattern(40));
    for (const bool loads : {true, false}) {
        SCOPED_TRACE(loads ? "a file loaded" : "nothing loaded");
        form->aDumpGrid->SetColRow(5, 2);
        form->DumpGridCursorMoved();
        ASSERT_EQ(CursorAddress[0], 0x13);
        // The release of the Enter key that confirmed the open dialog still waits in the queue.
        QCoreApplication::postEvent(form->aDumpGrid, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
        form->WMDropFiles(loads ? WriteFile("next.bin", Pattern(40)) : folder.path().toStdString());
        EXPECT_EQ(form->aDumpGrid->Col(), 2);
        EXPECT_EQ(form->aDumpGrid->Row(), 1);
        EXPECT_EQ(CursorAddress[0], 0);
        EXPECT_EQ(form->aDumpBar->PanelText(0), "000000");
        EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000000") << "the style is laid at the cursor";
    }
}

TEST_F(DumpPane, ShiftEnterOpensTheValueEditorWhileOtherKeyReleasesTakeTheCursor)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers shift;
        int keyAfter;
        int32_t cursor;
        bool editorOpens;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::ShiftModifier, 0, 0, true},
        {Qt::Key_Enter, Qt::ShiftModifier, 0, 0, true},
        {Qt::Key_Return, Qt::NoModifier, Qt::Key_Return, 19, false},
        {Qt::Key_Shift, Qt::NoModifier, Qt::Key_Shift, 19, false},
        {Qt::Key_A, Qt::ShiftModifier, Qt::Key_A, 19, false},
    };
    Load(0, Pattern(40));
    for (const Case& test : cases) {
        CursorAddress[0] = 0;
        form->aDumpGrid->SetColRow(5, 2);
        const TModalAnswer answer(textChip.get(), [&] { QTest::keyClick(textChip->Edit1, Qt::Key_Escape); });
        int key = test.key;
        form->DumpGridKeyUp(form->aDumpGrid, key, test.shift);
        QApplication::processEvents();
        EXPECT_EQ(key, test.keyAfter) << test.key;
        EXPECT_EQ(CursorAddress[0], test.cursor) << test.key;
        EXPECT_EQ(answer.Answered(), test.editorOpens) << test.key;
    }
}

TEST_F(DumpPane, AKindChoiceChecksOnlyItsItemAndSetsThePopupsTag)
{
    form->pmInt64->trigger();
    EXPECT_EQ(form->PopupMenu1->Tag(), vkInt64);
    form->pmHex->trigger();
    EXPECT_EQ(form->PopupMenu1->Tag(), vkHex);
    for (const QAction* action : form->PopupMenu1->actions())
        EXPECT_EQ(qobject_cast<const TMenuItem*>(action)->Checked(), action == form->pmHex)
            << action->objectName().toStdString();
}

TEST_F(DumpPane, OpenLoadsIntoTheActivePaneAndCancelChangesNothing)
{
    const std::string path = WriteFile("b.bin", Pattern(20));
    DataFileName[1] = "/proposed/name.bin";
    form->ActivePane = 1;
    seam.FileAnswers = {std::nullopt, path};
    form->mOpen->trigger();
    EXPECT_EQ(DataSize[1], 0);
    form->mOpen->trigger();
    ASSERT_EQ(seam.FileRequests.size(), 2u);
    EXPECT_EQ(seam.FileRequests[0].proposed, "/proposed/name.bin");
    EXPECT_FALSE(seam.FileRequests[0].save);
    EXPECT_EQ(DataSize[1], 20);
    EXPECT_EQ(DataSize[0], 0);
    EXPECT_EQ(form->bDumpGrid->RowCount(), 3);
    EXPECT_EQ(form->aDumpGrid->RowCount(), 100);
    EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom - b.bin");
    EXPECT_EQ(form->bStyleBar->PanelText(1), "Style 0");
}

TEST_F(DumpPane, ADropOfSomethingThatIsNoFileRefillsThePaneUnchanged)
{
    Load(0, Pattern(20));
    CursorAddress[0] = 0;
    form->WMDropFiles(folder.path().toStdString());
    EXPECT_EQ(DataSize[0], 20);
    EXPECT_EQ(form->aDumpGrid->RowCount(), 3);
    EXPECT_TRUE(recorder.Errors.empty());
}

TEST_F(DumpPane, SaveWritesOnlyAPaneThatHoldsItsFileAndSaysWhyItDoesNot)
{
    const std::vector<uint8_t> original = Pattern(10);
    const std::string path = WriteFile("kept.bin", original);
    // Pane a starts with the name of the last run's file but none of its bytes.
    DataFileName[0] = path;
    form->mSave->trigger();
    EXPECT_EQ(ReadFile(path), original);
    form->ActivePane = 1;
    form->mSave->trigger();
    EXPECT_TRUE(recorder.Errors.empty()) << "a pane without a file has nowhere to go";
    const std::string notOpened = "Not saved: no file has been opened in this pane.";
    EXPECT_EQ(recorder.Messages, (std::vector<std::string>{notOpened, notOpened}));
    recorder.Messages.clear();

    Load(0, original, "kept.bin");
    DataBuffer[0][3] = 0xAA;
    form->mSave->trigger();
    std::vector<uint8_t> changed = original;
    changed[3] = 0xAA;
    EXPECT_EQ(ReadFile(path), changed);
    EXPECT_TRUE(recorder.Messages.empty());

    // A load that breaks off once the pane has given up its bytes leaves nothing to write back.
    const std::string broken = WriteFile("broken.bin", Pattern(30));
    {
        const BrokenReads reads(broken, 10);
        seam.FileAnswers = {broken};
        form->mOpen->trigger();
    }
    ASSERT_EQ(recorder.Errors.size(), 1u);
    form->mSave->trigger();
    EXPECT_EQ(ReadFile(broken), Pattern(30));
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Not saved: the file could not be read whole."});
}

TEST_F(DumpPane, SaveAsRefusesTheFileWhoseReadBrokeOffButWritesThePaneUnderAnyOtherName)
{
    const std::vector<uint8_t> original(1000, 0xAA);
    const std::string path = WriteFile("broken.bin", original);
    {
        const BrokenReads reads(path, 100);
        RunHandler([&] { form->WMDropFiles(path); });
    }
    ASSERT_EQ(recorder.Errors.size(), 1u);
    seam.FileAnswers = {path};
    form->mSaveAs->trigger();
    EXPECT_EQ(seam.FileRequests.back().proposed, path);
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Not saved: the file could not be read whole."});

    const std::string other = folder.filePath(QStringLiteral("other.bin")).toStdString();
    seam.FileAnswers = {other};
    form->mSaveAs->trigger();
    std::vector<uint8_t> held(1000, 0x00);
    std::fill_n(held.begin(), 100, 0xAA);
    EXPECT_EQ(ReadFile(other), held);
    EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom - other.bin");
    // The pane now holds the file it was written to, so Save writes there.
    DataBuffer[0][500] = 0x55;
    form->mSave->trigger();
    held[500] = 0x55;
    EXPECT_EQ(ReadFile(other), held);
    EXPECT_EQ(recorder.Messages.size(), 1u);
}

TEST_F(DumpPane, AnOpenOrADropThatCannotOpenTheFileLeavesThePaneAndTheWindowAsTheyWere)
{
    const std::string readOnly = WriteFile("read-only.bin", Pattern(30));
    ASSERT_TRUE(QFile::setPermissions(QString::fromStdString(readOnly), QFileDevice::ReadOwner));
    SetFields({{vkByte, 1}});
    const std::string path = Load(0, Pattern(40), "a.bin");
    ShowWindow();
    for (const bool drop : {false, true}) {
        SCOPED_TRACE(drop ? "drop" : "open");
        Click(form->aDumpGrid, 2, 2);
        ASSERT_EQ(CursorAddress[0], 0x10);
        if (drop) {
            RunHandler([&] { form->WMDropFiles(readOnly); });
        } else {
            seam.FileAnswers = {readOnly};
            form->mOpen->trigger();
        }
        EXPECT_EQ(recorder.Errors.size(), drop ? 2u : 1u);
        EXPECT_EQ(DataFileName[0], path);
        EXPECT_EQ(CursorAddress[0], 0x10);
        EXPECT_EQ(form->aDumpGrid->Row(), 2);
        EXPECT_EQ(form->aDumpGrid->Col(), 2);
        EXPECT_EQ(form->aDumpBar->PanelText(0), "000010");
        EXPECT_EQ(form->aDumpBar->PanelText(3), "a.bin");
        EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000010");
        EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom - a.bin");
    }
    // A value typed now lands on the byte the window shows.
    form->aStyleGrid->setFocus();
    Click(form->aStyleGrid, 4, 1);
    QTest::keyClicks(form->aStyleGrid, QStringLiteral("7"));
    QTest::keyClick(form->aStyleGrid, Qt::Key_Return);
    EXPECT_EQ(DataBuffer[0][0x10], 0x07);
    EXPECT_EQ(DataBuffer[0][0], Pattern(40)[0]);
    EXPECT_EQ(form->aDumpGrid->Cell(2, 2), "07");
    form->mSave->trigger();
    EXPECT_EQ(ReadFile(path)[0x10], 0x07) << "the pane still holds its own file";
}

TEST_F(DumpPane, AReadThatBreaksOffShowsWhatThePaneNowHoldsWithTheCursorOnTheSelection)
{
    SetFields({{vkByte, 1}});
    Load(0, Pattern(40), "a.bin");
    ShowWindow();
    Click(form->aDumpGrid, 2, 2);
    ASSERT_EQ(CursorAddress[0], 0x10);
    const std::string path = WriteFile("broken.bin", std::vector<uint8_t>(1000, 0xAA));
    {
        const BrokenReads reads(path, 100);
        RunHandler([&] { form->WMDropFiles(path); });
    }
    ASSERT_EQ(recorder.Errors.size(), 1u);
    TStringGrid* grid = form->aDumpGrid;
    EXPECT_EQ(grid->RowCount(), 64);
    EXPECT_EQ(grid->Cell(5, 7), "AA") << "address 99, the last byte read";
    EXPECT_EQ(grid->Cell(6, 7), "00") << "address 100, never read";
    EXPECT_EQ(CursorAddress[0], 0);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(form->aDumpBar->PanelText(0), "000000");
    EXPECT_EQ(form->aDumpBar->PanelText(2), "1000bytes");
    EXPECT_EQ(form->aDumpBar->PanelText(3), "broken.bin");
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000000");
    EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom - broken.bin");
}

TEST_F(DumpPane, SaveAsNamesThePaneAfterTheNewFile)
{
    Load(0, Pattern(5), "first.bin");
    const std::string target = folder.filePath(QStringLiteral("second.bin")).toStdString();
    seam.FileAnswers = {std::nullopt, target};
    form->mSaveAs->trigger();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
    form->mSaveAs->trigger();
    EXPECT_EQ(seam.FileRequests.back().proposed, folder.filePath(QStringLiteral("first.bin")).toStdString());
    EXPECT_EQ(ReadFile(target), Pattern(5));
    EXPECT_EQ(DataFileName[0], target);
    EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom - second.bin");

    // An empty pane saved under a chosen name holds that file from then on.
    form->ActivePane = 1;
    const std::string empty = folder.filePath(QStringLiteral("empty.bin")).toStdString();
    seam.FileAnswers = {empty};
    form->mSaveAs->trigger();
    EXPECT_TRUE(ReadFile(empty).empty());
}

TEST_F(DumpPane, SaveAsWritesNoEmptyPaneOverTheFileItNamesButDoesNotHold)
{
    const std::vector<uint8_t> original = Pattern(10);
    const std::string path = WriteFile("kept.bin", original);
    // Pane a starts with the name of the last run's file but none of its bytes, and the dialog
    // proposes that name.
    DataFileName[0] = path;
    seam.FileAnswers = {path};
    form->mSaveAs->trigger();
    EXPECT_EQ(seam.FileRequests.back().proposed, path);
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Not saved: no file has been opened in this pane."});
    EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom");
}

TEST_F(DumpPane, AValueWrittenIntoThePaneReRendersOnlyTheRowsThatHoldIt)
{
    Load(0, Pattern(40));
    form->aDumpGrid->SetCell(2, 3, "zz");
    DataBuffer[0][15] = 0x41;
    DataBuffer[0][16] = 0x42;
    DataBuffer[0][33] = 0x43;
    form->RefreshDumpRows(15, 2);
    EXPECT_EQ(form->aDumpGrid->Cell(17, 1), "41");
    EXPECT_EQ(form->aDumpGrid->Cell(2, 2), "42");
    EXPECT_EQ(form->aDumpGrid->Cell(2, 3), "zz") << "row 3 holds no written byte";

    form->RefreshDumpRows(30, 2);
    EXPECT_EQ(form->aDumpGrid->Cell(3, 3), "43") << "a value ending at a row's end renders the row after";
    EXPECT_EQ(form->aDumpGrid->Cell(10, 3), "") << "nothing from the end of the data on";
    form->RefreshDumpRows(-20, 4);
    form->RefreshDumpRows(1000, 4);
    EXPECT_TRUE(recorder.Errors.empty());
}

} // namespace
