#include "MainFormFixture.h"

#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QLineEdit>
#include <QTimer>

namespace {

using StyleGrid = MainFormTest;

std::vector<std::string> RowCells(const TStringGrid* grid, int row)
{
    std::vector<std::string> cells;
    for (int col = 0; col < grid->ColCount(); ++col)
        cells.push_back(grid->Cell(col, row));
    return cells;
}

TEST_F(StyleGrid, LaysTheStyleOverThePanesBytesAtItsCursor)
{
    Load(0, {0x01, 0x02, 0x03, 0x04});
    SetFields({{vkByte, 1}, {vkWord, 2}, {vkLongWord, 4}});
    StyleGroupFileName = "/styles/my.group.fms";
    form->FillStyleGrids(true);
    const TStringGrid* grid = form->aStyleGrid;
    ASSERT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(RowCells(grid, 1), (std::vector<std::string>{"0", "000000", "Byte", "", "1"}));
    EXPECT_EQ(RowCells(grid, 2), (std::vector<std::string>{"1", "000001", "Word", "", "770"}));
    EXPECT_EQ(RowCells(grid, 3), (std::vector<std::string>{"2", "000003", "LongWord", "", "OverLoad"}));
    EXPECT_EQ(form->aStyleBar->PanelText(0), "7bytes");
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Record");
    EXPECT_EQ(form->aStyleBar->PanelText(2), "my.group");
    EXPECT_EQ(form->bStyleGrid->Cell(4, 1), "OverLoad") << "pane b has no bytes";
    EXPECT_EQ(form->pmNewName->text(), QStringLiteral("Record"));
}

TEST_F(StyleGrid, FillingOneGridLeavesTheOtherAsItWas)
{
    Load(0, Pattern(64));
    Load(1, Pattern(64));
    SetFields({{vkHex, 1}});
    CursorAddress[0] = 5;
    CursorAddress[1] = 9;
    form->ActivePane = 1;
    form->FillStyleGrids(false);
    EXPECT_EQ(form->bStyleGrid->Cell(1, 1), "000009");
    EXPECT_EQ(form->bStyleGrid->Cell(4, 1), HexText[Pattern(64)[9]]);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000000");
    EXPECT_EQ(form->aStyleGrid->Cell(2, 1), "None");
    form->FillStyleGrids(true);
    EXPECT_EQ(form->aStyleGrid->Cell(4, 1), HexText[Pattern(64)[5]]);
}

TEST_F(StyleGrid, TheOffsetMovesTheFieldsAndShowsInThePopup)
{
    Load(0, Pattern(64));
    SetFields({{vkByte, 1}});
    StyleGroup[0].OffsetAddress = 16;
    CursorAddress[0] = 32;
    for (uint8_t use : {uint8_t{255}, uint8_t{0}}) {
        StyleGroup[0].UseOffset = use;
        form->FillStyleGrids(true);
        EXPECT_EQ(form->aStyleGrid->Cell(1, 1), use ? "000030" : "000020");
        EXPECT_EQ(form->pmOffsetAddress->text(), QStringLiteral("000010"));
        EXPECT_EQ(form->pmOffsetAddress->Checked(), use != 0);
    }
    StyleGroup[0].UseOffset = 255;
    StyleGroup[0].OffsetAddress = -48;
    form->FillStyleGrids(true);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "FFFFFFF0");
    EXPECT_EQ(form->aStyleGrid->Cell(4, 1), "OverLoad");
    EXPECT_EQ(form->pmOffsetAddress->text(), QStringLiteral("FFFFFFD0"));
}

TEST_F(StyleGrid, AStyleFileLastRowOutsideTheFieldsShowsOnlyTheFieldsThereAre)
{
    Load(0, Pattern(8));
    for (int16_t lastRow : {int16_t{500}, int16_t{-3}, int16_t{199}}) {
        StyleGroup[0].LastRow = lastRow;
        form->FillStyleGrids(true);
        EXPECT_EQ(form->aStyleGrid->RowCount(), lastRow < 0 ? 2 : 201) << lastRow;
    }
    EXPECT_TRUE(recorder.Errors.empty());
}

struct FilterCase {
    int kind;
    const char* passes;
    const char* dropped;
};

TEST_F(StyleGrid, TypedCharactersPassByTheFieldsKind)
{
    const FilterCase cases[] = {
        {vkBinary, "01", "2a-"}, {vkHex, "09AFaf", "Gg- "},
        {vkByte, "09", "-a+"},   {vkWord, "5", "-"},
        {vkLongWord, "7", "-"},  {vkShortInt, "-09", "a+ "},
        {vkSmallInt, "-1", "x"}, {vkLongInt, "-1", "x"},
        {vkInt64, "-1", "$"},    {vkChars, "aZ -\x01\xE9", ""},
        {vkNone, "", "a1-"},     {vkChar1, "", "a"},
        {vkChar2, "", "a"},      {vkSpace, "", "a"},
        {vkError, "", "a"},      {20, "", "a"},
    };
    Load(0, Pattern(16));
    for (const FilterCase& test : cases) {
        SCOPED_TRACE(test.kind);
        SetFields({{test.kind, 1}});
        for (const char* c = test.passes; *c; ++c) {
            QChar key(static_cast<unsigned char>(*c));
            form->StyleGridKeyPress(form->aStyleGrid, key);
            EXPECT_EQ(key, QChar(static_cast<unsigned char>(*c)));
        }
        for (const char* c = test.dropped; *c; ++c) {
            QChar key(static_cast<unsigned char>(*c));
            form->StyleGridKeyPress(form->aStyleGrid, key);
            EXPECT_TRUE(key.isNull()) << *c;
        }
        QChar backspace(u'\b');
        form->StyleGridKeyPress(form->aStyleGrid, backspace);
        EXPECT_EQ(backspace, QChar(u'\b'));
    }
}

TEST_F(StyleGrid, AtTheEndOfTheDataEveryKeyButBackspaceIsDroppedSilently)
{
    SetFields({{vkChars, 4}});
    form->FillStyleGrids(true);
    for (char16_t c : {u'a', u'\r', u'1'}) {
        QChar key(c);
        form->StyleGridKeyPress(form->aStyleGrid, key);
        EXPECT_TRUE(key.isNull());
    }
    QChar backspace(u'\b');
    form->StyleGridKeyPress(form->aStyleGrid, backspace);
    EXPECT_EQ(backspace, QChar(u'\b'));
    EXPECT_TRUE(recorder.Messages.empty());
}

struct CommitCase {
    int kind;
    int32_t size;
    std::vector<uint8_t> before;
    std::string typed; // UTF-8, as the cell holds it
    std::vector<uint8_t> after;
    std::string message;
    std::string cell;
};

TEST_F(StyleGrid, EnterWritesTheTypedValueOrLeavesTheBytesWithTheParsersMessage)
{
    const CommitCase cases[] = {
        {vkHex, 1, {0x10}, "fe", {0xFE}, "", "FE"},
        {vkHex, 1, {0x10}, "f", {0x10}, "Input error.", "10"},
        {vkByte, 1, {0x07}, "300", {0x07}, "Range error [ 0..255 ]", "7"},
        {vkShortInt, 1, {0x07}, "1-2", {0x07}, "Range error [ -128..127 ]", "7"},
        {vkChars, 3, {0x41, 0x00, 0x42}, "A", {0x41, 0x00, 0x00}, "", "A"},
        {vkChars, 4, {0, 0, 0, 0}, "é€", {0xE9, 0xE2, 0x82, 0xAC}, "", "é\u00E2\u0082\u00AC"},
        {vkChars, 20, {0x01}, "5", {0x01}, "OverLoad", "OverLoad"},
        {vkNone, 0, {0x01}, "5", {0x01}, "", ""},
    };
    for (const CommitCase& test : cases) {
        SCOPED_TRACE(test.typed);
        recorder.Messages.clear();
        std::vector<uint8_t> bytes = test.before;
        bytes.resize(16, 0x55);
        Load(0, bytes);
        SetFields({{test.kind, test.size}});
        form->FillStyleGrids(true);
        form->aStyleGrid->SetCell(4, 1, test.typed);
        QChar enter(u'\r');
        form->StyleGridKeyPress(form->aStyleGrid, enter);
        EXPECT_TRUE(enter.isNull());
        EXPECT_EQ(std::vector<uint8_t>(DataBuffer[0].begin(), DataBuffer[0].begin() + test.after.size()), test.after);
        EXPECT_EQ(recorder.Messages,
                  test.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{test.message});
        EXPECT_EQ(form->aStyleGrid->Cell(4, 1), test.cell);
        EXPECT_EQ(form->aDumpGrid->Cell(2, 1), HexText[DataBuffer[0][0]]) << "the dump row shows the bytes";
    }
}

TEST_F(StyleGrid, PaneBsGridWritesTheTextItShowsIntoPaneB)
{
    Load(1, {0x41, 0x00, 0x42, 0x43});
    SetFields({{vkChars, 3}});
    form->FillStyleGrids(true);
    QChar enter(u'\r');
    form->StyleGridKeyPress(form->bStyleGrid, enter);
    EXPECT_EQ(DataBuffer[1], (std::vector<uint8_t>{0x41, 0x00, 0x00, 0x43}));
    EXPECT_EQ(form->bDumpGrid->Cell(4, 1), "00");
}

TEST_F(StyleGrid, ACharacterValueDrawsControlBytesAsBlanksAndKeepsThemInItsText)
{
    Load(0, {0x7F, 0x45, 0x4C, 0x46, 0x01, 0x85});
    SetFields({{vkChars, 6}});
    form->FillStyleGrids(true);
    ShowWindow();
    const TStringGrid* grid = form->aStyleGrid;
    EXPECT_EQ(grid->Cell(4, 1), "\x7f"
                                "ELF\x01\u0085");

    const QRect cell = grid->CellRect(4, 1);
    const QImage image = grid->viewport()->grab().toImage().copy(cell);
    const int pitch = QFontMetrics(grid->GridFont()).horizontalAdvance(QLatin1Char('0'));
    const QRgb background = image.pixel(1, cell.height() / 2);
    // The text starts 2 pixels in; the byte 7F takes the first character cell.
    const auto blank = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) != background)
                    return false;
        return true;
    };
    EXPECT_TRUE(blank(0, 2 + pitch)) << "7F shows as a blank";
    EXPECT_FALSE(blank(2 + pitch, image.width())) << "ELF shows behind it";
}

class StyleGridTyping : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        Load(0, Pattern(64));
        SetFields({{vkHex, 1}, {vkByte, 1}, {vkChars, 20}, {vkWord, 2}, {vkByte, 1}});
        form->FillStyleGrids(true);
        ShowWindow();
        form->aStyleGrid->setFocus();
    }
};

TEST_F(StyleGridTyping, EnterCommitsWhatWasTypedAndKeepsTheCellSelected)
{
    Click(form->aStyleGrid, 4, 1);
    QTest::keyClicks(form->aStyleGrid, QStringLiteral("aB"));
    ASSERT_TRUE(form->aStyleGrid->EditorMode());
    QTest::keyClick(form->aStyleGrid, Qt::Key_Return);
    EXPECT_EQ(DataBuffer[0][0], 0xAB);
    EXPECT_EQ(form->aStyleGrid->Cell(4, 1), "AB");
    EXPECT_EQ(form->aStyleGrid->Row(), 1);
    EXPECT_EQ(form->aDumpGrid->Cell(2, 1), "AB");
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(StyleGridTyping, TextLeftWithoutEnterRevertsToTheStoredValue)
{
    const std::string stored = form->aStyleGrid->Cell(4, 2);
    Click(form->aStyleGrid, 4, 2);
    QTest::keyClicks(form->aStyleGrid, QStringLiteral("12"));
    EXPECT_EQ(form->aStyleGrid->Cell(4, 2), "12");
    Click(form->aStyleGrid, 4, 5);
    EXPECT_EQ(form->aStyleGrid->Cell(4, 2), stored);
    EXPECT_EQ(DataBuffer[0][1], Pattern(64)[1]);
}

TEST_F(StyleGridTyping, TheEditorTakesAsManyBytesAsTheFieldsKindAllows)
{
    struct Case {
        int row;
        QString typed;
        QString kept;
    };
    const Case cases[] = {
        {1, QStringLiteral("abcd"), QStringLiteral("ab")},
        {3, QStringLiteral("abcdefghijklmnopqrstuvwxyz"), QStringLiteral("abcdefghijklmnopqrst")},
        {4, QStringLiteral("1234567"), QStringLiteral("12345")},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.row);
        Click(form->aStyleGrid, 4, test.row);
        QTest::keyClicks(form->aStyleGrid, test.typed);
        ASSERT_NE(form->aStyleGrid->InplaceEditor(), nullptr);
        EXPECT_EQ(form->aStyleGrid->InplaceEditor()->text(), test.kept);
        QTest::keyClick(form->aStyleGrid, Qt::Key_Escape);
    }
}

TEST_F(StyleGridTyping, APasteIntoAValuePassesTheFieldsKindAndLength)
{
    struct Case {
        int row;
        QString pasted;
        QString kept;
    };
    const Case cases[] = {
        {2, QStringLiteral("xy2"), QStringLiteral("12")},
        {4, QStringLiteral("-98765"), QStringLiteral("19876")},
        {3, QStringLiteral("a\tb-c"), QStringLiteral("1a\tb-c")}, // characters take every character
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.row);
        Click(form->aStyleGrid, 4, test.row);
        QTest::keyClicks(form->aStyleGrid, QStringLiteral("1"));
        ASSERT_TRUE(form->aStyleGrid->EditorMode());
        QGuiApplication::clipboard()->setText(test.pasted);
        QTest::keyClick(form->aStyleGrid->InplaceEditor(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form->aStyleGrid->InplaceEditor()->text(), test.kept);
        QTest::keyClick(form->aStyleGrid, Qt::Key_Escape);
    }
}

TEST_F(StyleGridTyping, AFileDroppedOnTheValueEditorGoesIntoTheActivePane)
{
    Click(form->aStyleGrid, 4, 2);
    QTest::keyClicks(form->aStyleGrid, QStringLiteral("1"));
    QLineEdit* editor = form->aStyleGrid->InplaceEditor();
    ASSERT_TRUE(form->aStyleGrid->EditorMode());
    const std::string path = WriteFile("dropped.bin", Pattern(300));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    data.setText(QStringLiteral("77"));
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor, &drop);
    EXPECT_EQ(DataSize[0], 300);
    EXPECT_EQ(form->aDumpBar->PanelText(3), "dropped.bin");
    EXPECT_FALSE(editor->text().contains(QStringLiteral("77")));
}

TEST_F(StyleGridTyping, APressOnAFieldsFixedCellsSelectsItsValue)
{
    Click(form->aStyleGrid, 3, 4);
    EXPECT_EQ(form->aStyleGrid->Col(), 4);
    EXPECT_EQ(form->aStyleGrid->Row(), 4);
    // The popup menu shows on the release and runs until it is closed.
    QTimer::singleShot(0, form.get(), [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    Click(form->aStyleGrid, 0, 2, Qt::RightButton);
    EXPECT_EQ(form->aStyleGrid->Row(), 2) << "the right button chooses the field too";
    Click(form->aStyleGrid, 1, 0);
    EXPECT_EQ(form->aStyleGrid->Row(), 2) << "the header moves nothing";
}

TEST_F(StyleGridTyping, ThePopupsShortcutsActOnlyWhileAStyleGridHasTheFocus)
{
    int additions = 0;
    int zeroJumps = 0;
    int menuZeroJumps = 0;
    form->pmAddition->OnClick = [&](TMenuItem*) { ++additions; };
    form->pmJump0address->OnClick = [&](TMenuItem*) { ++zeroJumps; };
    form->mMoveToZero->OnClick = [&](TMenuItem*) { ++menuZeroJumps; };

    QTest::keyClick(form->aStyleGrid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->aStyleGrid, Qt::Key_F1);
    EXPECT_EQ(additions, 1);
    EXPECT_EQ(zeroJumps, 1);

    form->aDumpGrid->setFocus();
    QTest::keyClick(form->aDumpGrid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->aDumpGrid, Qt::Key_F1);
    EXPECT_EQ(additions, 1);
    EXPECT_EQ(menuZeroJumps, 1);

    // Also while the value editor is open.
    form->aStyleGrid->setFocus();
    Click(form->aStyleGrid, 4, 3);
    QTest::keyClicks(form->aStyleGrid, QStringLiteral("x"));
    ASSERT_TRUE(form->aStyleGrid->EditorMode());
    QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QApplication::sendEvent(form->aStyleGrid->InplaceEditor(), &ctrlA);
    EXPECT_EQ(additions, 2);
    EXPECT_EQ(form->aStyleGrid->InplaceEditor()->text(), QStringLiteral("x"));
}

} // namespace
