#include "MainFormFixture.h"
#include "ModalAnswer.h"
#include "TypeText.h"

#include <QInputMethodEvent>
#include <QTest>

namespace {

using ValueEditor = MainFormTest;

// A double click as the mouse makes it: a click, then the second press and its release.
void DoubleClick(TStringGrid* grid, int col, int row)
{
    const QRect cell = grid->CellRect(col, row);
    ASSERT_FALSE(cell.isEmpty()) << col << "," << row;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

TEST_F(ValueEditor, ArrowKeysStepTheNumberWithinTheKindsRange)
{
    struct Case {
        const char* name;
        int kind;
        const char* text;
        int key;
        const char* after;
        bool consumed;
    };
    const Case cases[] = {
        {"Hex at its top", vkHex, "FF", Qt::Key_Down, "FF", true},
        {"Hex up from one digit", vkHex, "0", Qt::Key_Down, "01", true},
        {"Hex at its bottom", vkHex, "0", Qt::Key_Up, "00", true},
        {"Hex in lower case", vkHex, "fe", Qt::Key_Down, "FF", true},
        {"Byte with leading zeros", vkByte, "007", Qt::Key_Up, "6", true},
        {"Byte at its top", vkByte, "255", Qt::Key_Down, "255", true},
        {"ShortInt at its bottom", vkShortInt, "-128", Qt::Key_Up, "-128", true},
        {"ShortInt out of range", vkShortInt, "300", Qt::Key_Down, "300", false},
        {"Word", vkWord, "65534", Qt::Key_Down, "65535", true},
        {"SmallInt", vkSmallInt, "-5", Qt::Key_Up, "-6", true},
        {"LongWord at its top", vkLongWord, "4294967295", Qt::Key_Down, "4294967295", true},
        {"LongInt", vkLongInt, "2147483647", Qt::Key_Up, "2147483646", true},
        {"Int64 at its top", vkInt64, "9223372036854775807", Qt::Key_Down, "9223372036854775807", true},
        {"Int64 at its bottom", vkInt64, "-9223372036854775808", Qt::Key_Up, "-9223372036854775808", true},
        {"Int64 beyond its range", vkInt64, "9223372036854775808", Qt::Key_Up, "9223372036854775808", false},
        {"empty Byte", vkByte, "", Qt::Key_Up, "", false},
        {"empty Hex", vkHex, "", Qt::Key_Down, "", false},
        {"empty Int64", vkInt64, "", Qt::Key_Up, "", false},
        {"letters", vkLongInt, "abc", Qt::Key_Down, "abc", false},
        {"Binary does not step", vkBinary, "00000001", Qt::Key_Up, "00000001", false},
        {"Char does not step", vkChar2, "7", Qt::Key_Down, "7", false},
        {"other keys", vkByte, "7", Qt::Key_Left, "7", false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        textChip->EditKind = test.kind;
        textChip->Edit1->setText(QString::fromLatin1(test.text));
        int key = test.key;
        textChip->Edit1KeyDown(key, Qt::ShiftModifier);
        EXPECT_EQ(textChip->Edit1->text().toStdString(), test.after);
        EXPECT_EQ(key == 0, test.consumed);
    }
}

TEST_F(ValueEditor, TheKindDecidesWhichTypedCharactersPass)
{
    struct Case {
        int kind;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {vkBinary, "0121a0", "0110"}, {vkHex, "0G9fZa", "09fa"}, {vkByte, "-1a2 3", "123"}, {vkWord, "6-5", "65"},
        {vkShortInt, "1-2x", "1-2"},  {vkInt64, "-9+9", "-99"},  {vkChar1, "a", "a"},       {vkChar2, "A!", "A!"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.kind);
        textChip->EditKind = test.kind;
        textChip->Edit1->clear();
        QTest::keyClicks(textChip->Edit1, QString::fromLatin1(test.typed));
        EXPECT_EQ(textChip->Edit1->text().toStdString(), test.kept);
        QTest::keyClick(textChip->Edit1, Qt::Key_Backspace);
        EXPECT_EQ(textChip->Edit1->text().size(), qsizetype(std::string(test.kept).size()) - 1) << "Backspace passes";
    }
    textChip->EditKind = vkByte;
    textChip->Edit1->clear();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("1x\u00E92"));
    QApplication::sendEvent(textChip->Edit1, &composed);
    EXPECT_EQ(textChip->Edit1->text(), QStringLiteral("12")) << "composed text passes the filter too";

    // A character value holds as many bytes as the kind is wide; a character above U+00FF
    // stands for its UTF-8 bytes.
    Load(0, Pattern(32));
    textChip->EditKind = vkChar2;
    textChip->FormShow(textChip.get());
    textChip->Edit1->clear();
    TypeText(textChip->Edit1, QStringLiteral("\u20AC\u00E9!?"));
    EXPECT_EQ(textChip->Edit1->text(), QStringLiteral("\u00E9!"));
}

TEST_F(ValueEditor, IsABorderlessBoxInABlueFrameOnTop)
{
    EXPECT_EQ(TextChip, textChip.get());
    EXPECT_EQ(textChip->size(), QSize(130, 18));
    EXPECT_EQ(textChip->Edit1->geometry(), QRect(1, 1, 128, 16));
    EXPECT_FALSE(textChip->Edit1->hasFrame());
    EXPECT_TRUE(textChip->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(textChip->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(textChip->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(textChip->font().pixelSize(), 12);
}

TEST_F(ValueEditor, TheHintNamesTheKeysAndTheRangeOfTheKindsThatStep)
{
    const QString keys = QStringLiteral("It determines by the Return key.\n\rIt stops by the ESC key.");
    const QString steps = keys + QStringLiteral("\n\rValue is changed by the up-down key.\n\r");
    struct Case {
        int kind;
        QString hint;
    };
    const Case cases[] = {
        {vkBinary, keys},
        {vkHex, steps + QStringLiteral("Range is 00..FF")},
        {vkByte, steps + QStringLiteral("Range is 0..255")},
        {vkShortInt, steps + QStringLiteral("Range is -128..127")},
        {vkWord, steps + QStringLiteral("Range is 0..65535")},
        {vkSmallInt, steps + QStringLiteral("Range is -32768..32767")},
        {vkLongWord, steps + QStringLiteral("Range is 0..4294967295")},
        {vkLongInt, steps + QStringLiteral("Range is -2147483648..2147483647")},
        {vkInt64, steps + QStringLiteral("Range is -9223372036854775808..9223372036854775807")},
        {vkChar1, keys},
        {vkChar2, keys},
    };
    Load(0, Pattern(32));
    for (const Case& test : cases) {
        SCOPED_TRACE(test.kind);
        textChip->EditKind = test.kind;
        textChip->FormShow(textChip.get());
        EXPECT_EQ(textChip->Edit1->toolTip(), test.hint);
        EXPECT_EQ(textChip->Edit1->MaxLength(), KindMaxLength[static_cast<size_t>(test.kind)]);
    }
    HintShown = 0;
    textChip->FormShow(textChip.get());
    EXPECT_TRUE(textChip->Edit1->toolTip().isEmpty());
}

TEST_F(ValueEditor, ADoubleClickOpensTheBoxUnderTheCursorCellWithTheValueSelected)
{
    Load(0, {0x34, 0x12, 0xFF, 0x41, 0x00, 0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B});
    ShowWindow();
    struct Case {
        TMenuItem* TMainForm::*kind;
        int col;
        QString shown;
    };
    const Case cases[] = {
        {&TMainForm::pmHex, 3, QStringLiteral("12")},
        {&TMainForm::pmWord, 2, QStringLiteral("4660")},
        {&TMainForm::pmShortInt, 4, QStringLiteral("-1")},
        {&TMainForm::pmBinary, 8, QStringLiteral("10000000")},
        {&TMainForm::pmChar2, 5, QStringLiteral("A")},
        {&TMainForm::pmInt64, 2, QStringLiteral("144537401648157236")},
    };
    TStringGrid* grid = form->aDumpGrid;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.shown.toStdString());
        (form.get()->*test.kind)->trigger();
        QString shown;
        bool selected = false;
        QPoint at;
        const TModalAnswer answer(textChip.get(), [&] {
            // As the user sees it: once the box is the active window.
            EXPECT_TRUE(QTest::qWaitForWindowActive(textChip.get()));
            shown = textChip->Edit1->text();
            selected = textChip->Edit1->selectedText() == shown;
            at = textChip->pos();
            QTest::keyClick(textChip->Edit1, Qt::Key_Escape);
        });
        DoubleClick(grid, test.col, 1);
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(shown, test.shown);
        EXPECT_TRUE(selected);
        EXPECT_EQ(at, grid->viewport()->mapToGlobal(grid->CellRect(test.col, 2).topLeft()));
    }

    // The row below the last one is on no screen: the box takes the grid's own corner.
    form->pmHex->trigger();
    QPoint at;
    const TModalAnswer answer(textChip.get(), [&] {
        at = textChip->pos();
        QTest::keyClick(textChip->Edit1, Qt::Key_Escape);
    });
    DoubleClick(grid, 2, 2);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(at, grid->viewport()->mapToGlobal(QPoint(0, 0)));
}

TEST_F(ValueEditor, OpensOnlyWhereTheWholeValueLiesInsideTheData)
{
    Load(0, Pattern(10));
    ShowWindow();
    struct Case {
        TMenuItem* TMainForm::*kind;
        int col;
        bool opens;
    };
    const Case cases[] = {
        {&TMainForm::pmWord, 11, false},   {&TMainForm::pmByte, 11, true},  {&TMainForm::pmHex, 11, true},
        {&TMainForm::pmChar, 11, true},    {&TMainForm::pmChar2, 10, true}, {&TMainForm::pmLongWord, 9, false},
        {&TMainForm::pmLongWord, 8, true}, {&TMainForm::pmHex, 12, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.col);
        (form.get()->*test.kind)->trigger();
        const TModalAnswer answer(textChip.get(), [&] { QTest::keyClick(textChip->Edit1, Qt::Key_Escape); });
        DoubleClick(form->aDumpGrid, test.col, 1);
        QApplication::processEvents();
        EXPECT_EQ(answer.Answered(), test.opens) << (form.get()->*test.kind)->text().toStdString();
    }

    Load(0, {});
    const TModalAnswer answer(textChip.get(), [&] { QTest::keyClick(textChip->Edit1, Qt::Key_Escape); });
    DoubleClick(form->aDumpGrid, 2, 1);
    QApplication::processEvents();
    EXPECT_FALSE(answer.Answered()) << "an empty pane";
}

TEST_F(ValueEditor, ADoubleClickOffTheByteCellsOpensNothingWhileShiftEnterStillOpens)
{
    Load(0, Pattern(40));
    ShowWindow();
    TStringGrid* grid = form->aDumpGrid;
    form->pmHex->trigger();
    const QRect lastRow = grid->CellRect(2, 3);
    struct Case {
        const char* name;
        QPoint at;
    };
    const Case cases[] = {
        {"the address cell", grid->CellRect(0, 2).center()},
        {"the text cell", grid->CellRect(1, 2).center()},
        {"the +5 header", grid->CellRect(7, 0).center()},
        {"below the last row", QPoint(lastRow.center().x(), lastRow.bottom() + 3 * lastRow.height())},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(4, 1).center());
        const TModalAnswer answer(textChip.get(), [&] { QTest::keyClick(textChip->Edit1, Qt::Key_Escape); });
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, test.at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, test.at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, test.at);
        QApplication::processEvents();
        EXPECT_FALSE(answer.Answered());
        EXPECT_EQ(CursorAddress[0], 2) << "the cursor stays on the byte selected before";
    }

    // The keyboard's way in does not depend on where the mouse last pressed.
    const TModalAnswer answer(textChip.get(), [&] { QTest::keyClick(textChip->Edit1, Qt::Key_Escape); });
    QTest::keyClick(grid, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(answer.Answered());
}

TEST_F(ValueEditor, EnterWritesTheValueAndRendersTheDumpRowsWhileEscWritesNothing)
{
    struct Case {
        const char* name;
        TMenuItem* TMainForm::*kind;
        std::function<void(QLineEdit*)> typing;
        int result;
        std::vector<uint8_t> bytes; // from the cursor on, afterwards
        std::vector<std::string> messages;
    };
    const auto typed = [](const char* text, Qt::Key key) {
        return [text, key](QLineEdit* box) {
            QTest::keyClicks(box, QString::fromLatin1(text));
            QTest::keyClick(box, key);
        };
    };
    const auto stepped = [](Qt::Key step, int times) {
        return [step, times](QLineEdit* box) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(box, step);
            QTest::keyClick(box, Qt::Key_Return);
        };
    };
    const Case cases[] = {
        {"a typed Byte", &TMainForm::pmByte, typed("200", Qt::Key_Return), mrOk, {0xC8, 0x10}, {}},
        {"a Word stepped up", &TMainForm::pmWord, stepped(Qt::Key_Down, 2), mrOk, {0x11, 0x10}, {}},
        {"one character of two", &TMainForm::pmChar2, typed("x", Qt::Key_Return), mrOk, {0x78, 0x00}, {}},
        {"a Byte out of range",
         &TMainForm::pmByte,
         typed("256", Qt::Key_Return),
         mrNo,
         {0x0F, 0x10},
         {"Range error [ 0..255 ]"}},
        {"Esc", &TMainForm::pmByte, typed("7", Qt::Key_Escape), mrNo, {0x0F, 0x10}, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        // The value sits at the end of row 1 and spills into row 2.
        std::vector<uint8_t> bytes(32);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>(i);
        Load(0, bytes);
        SetFields({{vkHex, 1}});
        form->aDumpGrid->SetColRow(17, 1);
        CursorAddress[0] = 15;
        form->FillStyleGrids(true);
        recorder.Messages.clear();
        (form.get()->*test.kind)->trigger();

        const TModalAnswer answer(textChip.get(), [&] { test.typing(textChip->Edit1); });
        form->DumpGridDblClick(form->aDumpGrid);
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(textChip->ModalResult(), test.result);
        EXPECT_EQ(recorder.Messages, test.messages);
        EXPECT_EQ(DataBuffer[0][15], test.bytes[0]);
        EXPECT_EQ(DataBuffer[0][16], test.bytes[1]);
        EXPECT_EQ(form->aDumpGrid->Cell(17, 1), HexText[test.bytes[0]]);
        EXPECT_EQ(form->aDumpGrid->Cell(2, 2), HexText[test.bytes[1]]);
        EXPECT_EQ(form->aStyleGrid->Cell(4, 1), "0F") << "the style grids wait for their next fill";
    }
}

TEST_F(ValueEditor, ShiftEnterInPaneBsGridEditsPaneB)
{
    Load(0, Pattern(20));
    Load(1, Pattern(20));
    ShowWindow();
    form->mDoubleWindow->trigger();
    QApplication::processEvents();
    form->bDumpGrid->setFocus();
    ASSERT_EQ(form->ActivePane, 1);
    form->bDumpGrid->SetColRow(4, 1);
    QTest::keyClick(form->bDumpGrid, Qt::Key_Up);
    ASSERT_EQ(CursorAddress[1], 2);
    form->pmByte->trigger();

    QPoint at;
    const TModalAnswer answer(textChip.get(), [&] {
        at = textChip->pos();
        QTest::keyClicks(textChip->Edit1, QStringLiteral("99"));
        QTest::keyClick(textChip->Edit1, Qt::Key_Return);
    });
    QTest::keyClick(form->bDumpGrid, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(textChip->EditPane, 1);
    EXPECT_EQ(at, form->bDumpGrid->viewport()->mapToGlobal(form->bDumpGrid->CellRect(4, 2).topLeft()));
    EXPECT_EQ(DataBuffer[1][2], 99);
    EXPECT_EQ(DataBuffer[0][2], Pattern(20)[2]);
    EXPECT_EQ(form->bDumpGrid->Cell(4, 1), "63");
}

} // namespace
