#include "MainFormFixture.h"

#include "Edit.h"
#include "ModalAnswer.h"
#include "SpeedButton.h"
#include "TypeText.h"
#include "UpDown.h"

#include <QToolButton>

namespace {

class FieldDialogs : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        Load(0, Pattern(64));
        SetFields({{vkByte, 1}, {vkChars, 20}, {vkWord, 2}});
        StyleGroup[0].RowComment[2].Assign("third");
        StyleGroup[0].RowHint[2].Assign("one//two");
        form->FillStyleGrids(true);
        ShowWindow();
        form->aStyleGrid->setFocus();
        Click(form->aStyleGrid, 4, 2);
    }

    void ClickArrow(const char* name) const
    {
        auto* arrow = sizeBox->UpDown1->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(arrow, nullptr);
        QTest::mouseClick(arrow, Qt::LeftButton);
    }

    // The dialog's place must be the middle of the active pane's style grid.
    static void ExpectCentredOverGrid(const QWidget* dialog, const TStringGrid* grid)
    {
        const QPoint gridTopLeft = grid->mapToGlobal(QPoint(0, 0));
        EXPECT_EQ(dialog->pos(), QPoint(gridTopLeft.x() + (grid->width() - dialog->frameGeometry().width()) / 2,
                                        gridTopLeft.y() + (grid->height() - dialog->frameGeometry().height()) / 2));
    }
};

TEST_F(FieldDialogs, TheSizeDialogOpensAtTheFieldsSizeAndStepsWithItsArrows)
{
    std::string shown;
    const TModalAnswer answered(sizeBox.get(), [&] {
        shown = sizeBox->Edit1->text().toStdString();
        EXPECT_EQ(sizeBox->windowTitle(), QStringLiteral("Size input"));
        EXPECT_EQ(sizeBox->size(), QSize(115, 27));
        ExpectCentredOverGrid(sizeBox.get(), form->aStyleGrid);
        ClickArrow("UpButton");
        ClickArrow("UpButton");
        QTest::mouseClick(sizeBox->SpeedButton1, Qt::LeftButton);
    });
    form->pmChar1->trigger();
    ASSERT_TRUE(answered.Answered());
    EXPECT_EQ(shown, "20");
    EXPECT_EQ(StyleGroup[0].RowSize[1], 22);
    EXPECT_EQ(form->aStyleGrid->Cell(2, 2), "Cha 22");
}

TEST_F(FieldDialogs, TheSizeDialogTakesDigitsOnlyAndReturnsASizeWithin0To255)
{
    struct Case {
        const char* name;
        QString typed;
        int up;   // clicks on the up arrow after typing
        int down; // then on the down arrow
        int32_t size;
    };
    const Case cases[] = {
        {"letters and minus signs are dropped", QStringLiteral("-a1x2-"), 0, 0, 12},
        {"the up arrow stops at 255", QStringLiteral("254"), 3, 0, 255},
        {"the down arrow stops at 0", QStringLiteral("1"), 0, 3, 0},
        {"a number above 255 gives 255", QStringLiteral("300"), 0, 0, 255},
        {"no digits keep the size shown", QStringLiteral(""), 0, 0, 20},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SetFields({{vkByte, 1}, {vkChars, 20}});
        form->FillStyleGrids(true);
        const TModalAnswer answered(sizeBox.get(), [&] {
            QTest::keyClick(sizeBox->Edit1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(sizeBox->Edit1, Qt::Key_Delete);
            QTest::keyClicks(sizeBox->Edit1, test.typed);
            for (int i = 0; i < test.up; ++i)
                ClickArrow("UpButton");
            for (int i = 0; i < test.down; ++i)
                ClickArrow("DownButton");
            QTest::keyClick(sizeBox->Edit1, Qt::Key_Return);
        });
        form->pmChar1->trigger();
        ASSERT_TRUE(answered.Answered());
        EXPECT_EQ(StyleGroup[0].RowSize[1], test.size);
        EXPECT_EQ(sizeBox->ModalResult(), mrOk);
    }
}

TEST_F(FieldDialogs, EscOrTheCloseBoxLeaveTheSizeAsTheCommandPresetIt)
{
    struct Case {
        const char* name;
        int32_t before;
        std::function<void()> cancel;
        int result;
    };
    const Case cases[] = {
        {"Esc", 0, [this] { QTest::keyClick(sizeBox->Edit1, Qt::Key_Escape); }, mrNo},
        {"close box", 6, [this] { sizeBox->close(); }, mrCancel},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SetFields({{vkByte, 1}, {vkWord, test.before}});
        form->FillStyleGrids(true);
        const TModalAnswer answered(sizeBox.get(), [&] {
            QTest::keyClicks(sizeBox->Edit1, QStringLiteral("9"));
            test.cancel();
        });
        form->pmSpace1->trigger();
        ASSERT_TRUE(answered.Answered());
        EXPECT_EQ(sizeBox->ModalResult(), test.result);
        EXPECT_EQ(StyleGroup[0].RowKind[1], vkSpace);
        EXPECT_EQ(StyleGroup[0].RowSize[1], test.before == 0 ? 1 : test.before);
    }
}

TEST_F(FieldDialogs, InTheLowerPaneTheDialogsCentreOverItsStyleGrid)
{
    form->mDoubleWindowClick(form->mDoubleWindow);
    Load(1, Pattern(64));
    form->FillStyleGrids(true);
    form->bStyleGrid->setFocus();
    ASSERT_EQ(form->ActivePane, 1);
    const TModalAnswer sizeAnswer(sizeBox.get(), [&] {
        ExpectCentredOverGrid(sizeBox.get(), form->bStyleGrid);
        QTest::keyClick(sizeBox->Edit1, Qt::Key_Escape);
    });
    form->pmSpace1->trigger();
    EXPECT_TRUE(sizeAnswer.Answered());
    const TModalAnswer textAnswer(inputBox.get(), [&] {
        ExpectCentredOverGrid(inputBox.get(), form->bStyleGrid);
        QTest::keyClick(inputBox->Edit1, Qt::Key_Escape);
    });
    form->pmComment->trigger();
    EXPECT_TRUE(textAnswer.Answered());
}

struct InputCase {
    const char* name;
    TMenuItem* TMainForm::*item;
    QString caption;
    int maxLength;
    QString preset;
    QString hint;
};

TEST_F(FieldDialogs, TheTextDialogPresetsItselfByWhatItAsksFor)
{
    const InputCase cases[] = {
        {"name", &TMainForm::pmNewName, QStringLiteral("Style name input."), 30, QStringLiteral("Record"),
         QStringLiteral("Max Length is 30 bytes\n\rReturn && ESC key is support.")},
        {"comment", &TMainForm::pmComment, QStringLiteral("Comment input."), 20, QStringLiteral("third"),
         QStringLiteral("Max Length is 20 bytes\n\rReturn && ESC key is support.")},
        {"hint", &TMainForm::pmHint, QStringLiteral("Hint input."), 80, QStringLiteral("one//two"),
         QStringLiteral("Max Length is 80 bytes\n\rReturn && ESC key is support.\n\rNew line is started by //.")},
    };
    Click(form->aStyleGrid, 4, 3);
    for (const InputCase& test : cases) {
        SCOPED_TRACE(test.name);
        for (uint8_t hintShown : {uint8_t{1}, uint8_t{0}}) {
            HintShown = hintShown;
            const TModalAnswer answered(inputBox.get(), [&] {
                EXPECT_EQ(inputBox->windowTitle(), test.caption);
                EXPECT_EQ(inputBox->Edit1->MaxLength(), test.maxLength);
                EXPECT_EQ(inputBox->Edit1->text(), test.preset);
                EXPECT_EQ(inputBox->InputText, test.preset.toStdString());
                EXPECT_EQ(inputBox->toolTip(), hintShown ? test.hint : QString());
                EXPECT_EQ(inputBox->size(), QSize(271, 23));
                ExpectCentredOverGrid(inputBox.get(), form->aStyleGrid);
                QTest::keyClick(inputBox->Edit1, Qt::Key_Escape);
            });
            (form.get()->*test.item)->trigger();
            ASSERT_TRUE(answered.Answered());
            EXPECT_EQ(inputBox->ModalResult(), mrNo);
        }
    }
    EXPECT_EQ(StyleGroup[0].StyleName.Text(), "Record") << "Esc stores nothing";
    EXPECT_EQ(StyleGroup[0].RowComment[2].Text(), "third");
    EXPECT_EQ(StyleGroup[0].RowHint[2].Text(), "one//two");

    // Any other mode asks for plain text.
    inputBox->InputMode = 9;
    const TModalAnswer answered(inputBox.get(), [&] {
        EXPECT_EQ(inputBox->windowTitle(), QString());
        EXPECT_EQ(inputBox->Edit1->MaxLength(), 255);
        EXPECT_EQ(inputBox->Edit1->text(), QString());
        QTest::keyClick(inputBox->Edit1, Qt::Key_Escape);
    });
    inputBox->ShowModal();
    EXPECT_TRUE(answered.Answered());
}

struct TypedTextCase {
    const char* name;
    TMenuItem* TMainForm::*item;
    QString typed;
    std::string stored;
};

TEST_F(FieldDialogs, EnterStoresTheTypedTextCutToTheByteLimitOnWholeCharacters)
{
    // A name cut at 30 bytes would split the third euro sign; the "x" after it still fits.
    const TypedTextCase cases[] = {
        {"name", &TMainForm::pmNewName, QStringLiteral("Ünïcödé Style ñam €€€x"), "Ünïcödé Style ñam €€x"},
        {"comment", &TMainForm::pmComment, QStringLiteral("€€€€€€€ab"), "€€€€€€ab"},
        {"hint", &TMainForm::pmHint, QString(41, QChar(u'é')), QString(40, QChar(u'é')).toStdString()},
        {"emptied comment", &TMainForm::pmComment, QString(), ""},
    };
    for (const TypedTextCase& test : cases) {
        SCOPED_TRACE(test.name);
        const TModalAnswer answered(inputBox.get(), [&] {
            QTest::keyClick(inputBox->Edit1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(inputBox->Edit1, Qt::Key_Delete);
            TypeText(inputBox->Edit1, test.typed);
            QTest::keyClick(inputBox->Edit1, Qt::Key_Return);
        });
        (form.get()->*test.item)->trigger();
        ASSERT_TRUE(answered.Answered());
        EXPECT_EQ(inputBox->ModalResult(), mrOk);
        const TStyle& style = StyleGroup[form->CurrentStyle];
        const std::string stored = test.item == &TMainForm::pmNewName   ? style.StyleName.Text()
                                   : test.item == &TMainForm::pmComment ? style.RowComment[1].Text()
                                                                        : style.RowHint[1].Text();
        EXPECT_EQ(stored, test.stored);
    }
    EXPECT_EQ(form->aStyleGrid->Cell(3, 2), "") << "the grids show the emptied comment";
    EXPECT_EQ(form->StyleItem(0)->text().toStdString(), "Ünïcödé Style ñam €€x");
}

} // namespace
