#include "MainFormFixture.h"

#include "Edit.h"
#include "ModalAnswer.h"
#include "SpeedButton.h"

#include <QLineEdit>

namespace {

class FieldCommands : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        Load(0, Pattern(512));
        ShowWindow();
        form->aStyleGrid->setFocus();
    }

    // Fields named by their comments, of kind Byte.
    static void SetCommentedFields(const std::vector<std::string>& comments)
    {
        std::vector<std::pair<int, int32_t>> fields(comments.size(), {vkByte, 1});
        SetFields(fields);
        for (size_t i = 0; i < comments.size(); ++i)
            StyleGroup[0].RowComment[i].Assign(comments[i]);
    }

    static std::vector<std::string> Comments()
    {
        std::vector<std::string> comments;
        for (int i = 0; i <= StyleGroup[0].LastRow; ++i)
            comments.push_back(StyleGroup[0].RowComment[i].Text());
        return comments;
    }

    void Select(int field)
    {
        form->FillStyleGrids(true);
        Click(form->aStyleGrid, 4, field + 1);
    }

    // Runs a kind item, answering the size dialog with the size typed and Enter; false when
    // the dialog did not open.
    bool SetKind(TMenuItem* item, const QString& typedSize, int32_t* shownSize = nullptr)
    {
        const TModalAnswer answer(sizeBox.get(), [this, typedSize, shownSize] {
            if (shownSize)
                *shownSize = sizeBox->Edit1->text().toInt();
            QTest::keyClick(sizeBox->Edit1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(sizeBox->Edit1, typedSize);
            QTest::keyClick(sizeBox->Edit1, Qt::Key_Return);
        });
        item->trigger();
        return answer.Answered();
    }
};

TEST_F(FieldCommands, AdditionPutsANewFieldAfterTheSelectedOneAndDeleteTakesItOut)
{
    SetCommentedFields({"A", "B", "C"});
    Select(1);
    QTest::keyClick(form->aStyleGrid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"A", "B", "", "C"}));
    EXPECT_EQ(form->aStyleGrid->Cell(2, 3), "None");
    EXPECT_EQ(form->aStyleGrid->Row(), 2) << "B stays selected";
    EXPECT_EQ(form->bStyleGrid->RowCount(), 5) << "both grids are filled";
    QTest::keyClick(form->aStyleGrid, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"A", "", "C"}));
    EXPECT_EQ(form->aStyleBar->PanelText(0), "2bytes");
}

TEST_F(FieldCommands, DeletingTheOnlyFieldLeavesOneEmptyField)
{
    SetCommentedFields({"A"});
    Select(0);
    form->pmDelete->trigger();
    EXPECT_EQ(StyleGroup[0].LastRow, 0);
    EXPECT_EQ(StyleGroup[0].RowKind[0], vkNone);
    EXPECT_EQ(StyleGroup[0].RowSize[0], 0);
    EXPECT_EQ(form->aStyleGrid->RowCount(), 2);
}

TEST_F(FieldCommands, ClearKeepsTheNameAndTheOffset)
{
    SetCommentedFields({"A", "B", "C"});
    StyleGroup[0].RowHint[1].Assign("hint");
    StyleGroup[0].OffsetAddress = 32;
    StyleGroup[0].UseOffset = 255;
    Select(2);
    form->pmClear->trigger();
    const TStyle& style = StyleGroup[0];
    EXPECT_EQ(style.StyleName.Text(), "Record");
    EXPECT_EQ(style.OffsetAddress, 32);
    EXPECT_NE(style.UseOffset, 0);
    EXPECT_EQ(style.LastRow, 0);
    EXPECT_EQ(style.RowUsed[0], 255);
    EXPECT_EQ(style.RowUsed[1], 0);
    EXPECT_EQ(style.RowHint[1].Text(), "");
    EXPECT_EQ(form->aStyleGrid->RowCount(), 2);
    EXPECT_EQ(form->aStyleGrid->Cell(2, 1), "None");
    EXPECT_EQ(form->aStyleBar->PanelText(0), "0bytes");
    EXPECT_EQ(form->bStyleBar->PanelText(0), "0bytes");
}

TEST_F(FieldCommands, SetOffsetKeepsTheStyleWhereTheCursorWasAndMovesTheCursorToZero)
{
    SetFields({{vkByte, 1}});
    CursorAddress[0] = 288;
    Select(0);
    form->pmSetOffset->trigger();
    EXPECT_EQ(form->pmOffsetAddress->text(), QStringLiteral("000120"));
    EXPECT_TRUE(form->pmOffsetAddress->Checked());
    EXPECT_EQ(CursorAddress[0], 0);
    EXPECT_EQ(form->aDumpGrid->Row(), 1);
    EXPECT_EQ(form->aDumpGrid->Col(), 2);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000120");

    // Switched off, the style lies at the cursor again; the item still reads the offset.
    CursorAddress[0] = 16;
    form->pmOffsetAddress->trigger();
    EXPECT_EQ(StyleGroup[0].UseOffset, 0);
    EXPECT_FALSE(form->pmOffsetAddress->Checked());
    EXPECT_EQ(form->pmOffsetAddress->text(), QStringLiteral("000120"));
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000010");
    form->pmOffsetAddress->trigger();
    EXPECT_EQ(StyleGroup[0].UseOffset, 255);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000130");
}

TEST_F(FieldCommands, JumpOffsetMovesTheCursorOnlyWhileTheStyleStaysInsideTheData)
{
    struct Case {
        const char* name;
        int32_t dataSize;
        int32_t offset;
        int32_t cursorAfter;
    };
    const Case cases[] = {
        {"inside", 512, 256, 272},
        {"style reaching the end", 288, 256, 16},
        {"below address zero", 512, -32, 16},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Load(0, Pattern(static_cast<size_t>(test.dataSize)));
        SetFields({{vkLongWord, 4}, {vkInt64, 8}, {vkLongWord, 4}});
        StyleGroup[0].OffsetAddress = test.offset;
        CursorAddress[0] = 16;
        form->aStyleGrid->setFocus();
        Select(0);
        form->pmJumpOffset1->trigger();
        EXPECT_EQ(CursorAddress[0], test.cursorAfter);
        if (test.cursorAfter != 16) {
            EXPECT_EQ(form->aDumpGrid->Row(), 272 / 16 + 1);
            EXPECT_EQ(form->aDumpGrid->Col(), 2);
            EXPECT_TRUE(form->aDumpGrid->hasFocus());
            EXPECT_EQ(form->aStyleGrid->Cell(1, 1), "000110");
        }
    }
}

TEST_F(FieldCommands, TheLockGreysTheEditingItemsAndTheirShortcuts)
{
    SetCommentedFields({"A", "B"});
    Select(0);
    form->pmLock->trigger();
    EXPECT_TRUE(form->pmLock->Checked());
    const std::vector<TMenuItem*> locked = {
        form->pmAddition,      form->pmDelete,   form->pmClear,     form->pmNewName, form->pmSetOffset,
        form->pmOffsetAddress, form->pmComment,  form->pmHint,      form->pmNone1,   form->pmBinary1,
        form->pmHex1,          form->pmByte1,    form->pmShortInt1, form->pmWord1,   form->pmSmallint1,
        form->pmLongWord1,     form->pmLongInt1, form->pmInt641,    form->pmChar1,   form->pmSpace1,
    };
    for (TMenuItem* item : locked)
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    for (TMenuItem* item : {form->pmJump0address, form->pmJumpOffset1, form->pmLock, form->pmInt64})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();

    const TModalAnswer opened(inputBox.get(), [this] { inputBox->close(); });
    for (Qt::Key key : {Qt::Key_A, Qt::Key_D, Qt::Key_C, Qt::Key_H})
        QTest::keyClick(form->aStyleGrid, key, Qt::ControlModifier);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(opened.Answered()) << "no text dialog opened";

    // Values can still be typed, and F1 still jumps.
    QTest::keyClicks(form->aStyleGrid, QStringLiteral("99"));
    QTest::keyClick(form->aStyleGrid, Qt::Key_Return);
    EXPECT_EQ(DataBuffer[0][0], 99);
    CursorAddress[0] = 40;
    QTest::keyClick(form->aStyleGrid, Qt::Key_F1);
    EXPECT_EQ(CursorAddress[0], 0);

    form->pmLock->trigger();
    EXPECT_FALSE(form->pmLock->Checked());
    for (TMenuItem* item : locked)
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
}

TEST_F(FieldCommands, CharAsksForItsSizeFromTheFieldsSizeOrOne)
{
    SetFields({{vkNone, 0}, {vkByte, 1}});
    Select(0);
    int32_t shown = -1;
    ASSERT_TRUE(SetKind(form->pmChar1, QStringLiteral("12"), &shown));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form->aStyleGrid->Cell(2, 1), "Cha 12");
    EXPECT_EQ(form->aStyleBar->PanelText(0), "13bytes");
    EXPECT_EQ(form->aStyleGrid->Cell(1, 2), "00000C");

    SetFields({{vkInt64, 8}});
    Select(0);
    ASSERT_TRUE(SetKind(form->pmChar1, QStringLiteral("8"), &shown));
    EXPECT_EQ(shown, 8);
}

TEST_F(FieldCommands, AFixedKindTakesItsWidthAndTheFieldsAfterItMove)
{
    SetFields({{vkChars, 20}, {vkByte, 1}});
    Select(0);
    form->pmByte1->trigger();
    EXPECT_EQ(StyleGroup[0].RowKind[0], vkByte);
    EXPECT_EQ(StyleGroup[0].RowSize[0], 1);
    EXPECT_EQ(form->aStyleGrid->Cell(1, 2), "000001") << "19 bytes nearer";
    EXPECT_EQ(form->aStyleBar->PanelText(0), "2bytes");
    EXPECT_TRUE(form->aStyleGrid->EditorMode()) << "ready for the field's value";
    ASSERT_NE(form->aStyleGrid->InplaceEditor(), nullptr);
    EXPECT_EQ(form->aStyleGrid->InplaceEditor()->text().toStdString(), form->aStyleGrid->Cell(4, 1));

    int32_t shown = -1;
    ASSERT_TRUE(SetKind(form->pmChar1, QStringLiteral("4"), &shown));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form->aStyleGrid->Cell(2, 1), "Cha 4");
}

TEST_F(FieldCommands, KindItemsOnTheLowerGridOpenNoEditor)
{
    form->mDoubleWindowClick(form->mDoubleWindow);
    Load(1, Pattern(64));
    SetFields({{vkByte, 1}});
    form->FillStyleGrids(true);
    form->bStyleGrid->setFocus();
    ASSERT_EQ(form->ActivePane, 1);
    form->pmWord1->trigger();
    EXPECT_EQ(StyleGroup[0].RowKind[0], vkWord);
    EXPECT_EQ(form->bStyleGrid->Cell(2, 1), "Word");
    EXPECT_FALSE(form->bStyleGrid->EditorMode());
    EXPECT_FALSE(form->aStyleGrid->EditorMode());
}

TEST_F(FieldCommands, RenamingTheStyleToNothingTakesItOutOfTheStyleMenu)
{
    StyleGroup[1].StyleName.Assign("Second");
    form->RebuildStyleMenu();
    Select(0);
    const TModalAnswer answered(inputBox.get(), [this] {
        QTest::keyClick(inputBox->Edit1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(inputBox->Edit1, Qt::Key_Delete);
        QTest::keyClick(inputBox->Edit1, Qt::Key_Return);
    });
    form->pmNewName->trigger();
    ASSERT_TRUE(answered.Answered());
    EXPECT_EQ(form->StyleItem(0)->text(), QStringLiteral("Second"));
    EXPECT_EQ(form->StyleItem(1), nullptr);
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Second") << "the style that followed is current now";
}

} // namespace
