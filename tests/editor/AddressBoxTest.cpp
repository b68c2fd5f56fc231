#include "MainFormFixture.h"

#include "Edit.h"
#include "ModalAnswer.h"
#include "TypeText.h"
#include "Runtime.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QRadioButton>

namespace {

using AddressDialog = MainFormTest;

struct AddressCase {
    const char* name;
    bool offset;
    const char* text;
    int32_t target; // -1: "Overflow"
};

TEST_F(AddressDialog, IsLaidOutAsASmallBlueToolWindowThatStaysOnTop)
{
    EXPECT_EQ(addressBox->windowTitle(), QStringLiteral("Input Address"));
    EXPECT_EQ(addressBox->size(), QSize(136, 40));
    EXPECT_TRUE(addressBox->windowFlags() & Qt::Tool);
    EXPECT_TRUE(addressBox->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(addressBox->palette().color(QPalette::Window), QColor(Qt::blue));
    EXPECT_EQ(addressBox->Edit1->geometry(), QRect(1, 1, 132, 20));
    EXPECT_EQ(addressBox->Edit1->MaxLength(), 11);
    EXPECT_EQ(addressBox->RadioButton1->geometry(), QRect(1, 24, 66, 17));
    EXPECT_EQ(addressBox->RadioButton2->geometry(), QRect(72, 24, 57, 17));
    EXPECT_EQ(addressBox->RadioButton1->text(), QStringLiteral("Address"));
    EXPECT_EQ(addressBox->RadioButton2->text(), QStringLiteral("Offset"));
    EXPECT_TRUE(addressBox->RadioButton1->isChecked());
    EXPECT_EQ(addressBox->focusWidget(), addressBox->Edit1);
}

TEST_F(AddressDialog, AcceptsOnlyAByteOfThePanesDataAndStaysOpenOnOverflow)
{
    const AddressCase cases[] = {
        {"LastByte", false, "99", 99},
        {"Hexadecimal", false, "$63", 99},
        {"PastTheEnd", false, "100", -1},
        {"Negative", false, "-1", -1},
        {"Empty", false, "", -1},
        {"LettersWithoutDollar", false, "abc", -1},
        {"OffsetBackToZero", true, "-16", 0},
        {"OffsetBeforeZero", true, "-17", -1},
        {"OffsetForward", true, "4", 20},
        {"OffsetPastTheEnd", true, "84", -1},
        {"BeyondThirtyTwoBitsBeforeTheOffsetIsAdded", true, "4294967295", -1},
        {"BelowThirtyTwoBits", true, "-2147483649", -1},
    };
    Load(0, Pattern(100));
    for (const AddressCase& test : cases) {
        SCOPED_TRACE(test.name);
        recorder.Messages.clear();
        CursorAddress[0] = 16;
        form->aDumpGrid->SetColRow(2, 2);
        const TModalAnswer answer(addressBox.get(), [&] {
            (test.offset ? addressBox->RadioButton2 : addressBox->RadioButton1)->click();
            addressBox->Edit1->clear();
            TypeText(addressBox->Edit1, QString::fromLatin1(test.text));
            QTest::keyClick(addressBox->Edit1, Qt::Key_Return);
            if (test.target >= 0)
                return;
            EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Overflow"});
            EXPECT_EQ(addressBox->ModalResult(), mrNone);
            EXPECT_EQ(addressBox->Edit1->text(), QString::fromLatin1(test.text)) << "the text stays as typed";
            addressBox->close();
        });
        form->mMoveToUser->trigger();
        EXPECT_TRUE(answer.Answered());
        if (test.target < 0) {
            EXPECT_EQ(CursorAddress[0], 16);
            continue;
        }
        EXPECT_TRUE(recorder.Messages.empty());
        EXPECT_EQ(addressBox->TargetAddress, test.target);
        EXPECT_EQ(CursorAddress[0], test.target);
        EXPECT_EQ(form->aDumpGrid->Row(), test.target / 16 + 1);
        EXPECT_EQ(form->aDumpGrid->Col(), test.target % 16 + 2);
        EXPECT_EQ(form->aStyleGrid->Cell(1, 1), IntToHex(test.target, 6)) << "the style is laid at the target";
        EXPECT_EQ(form->aDumpBar->PanelText(0), "000000") << "the dump status bar keeps its address";
    }
}

TEST_F(AddressDialog, APaneWithoutDataTakesNoAddress)
{
    const TModalAnswer answer(addressBox.get(), [&] {
        TypeText(addressBox->Edit1, "0");
        QTest::keyClick(addressBox->Edit1, Qt::Key_Return);
        EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Overflow"});
        addressBox->close();
    });
    EXPECT_EQ(addressBox->ShowModal(), mrCancel);
    EXPECT_TRUE(answer.Answered());
}

TEST_F(AddressDialog, TakesOnlyNumberKeysAndEscCancelsWithNo)
{
    Load(0, Pattern(100));
    CursorAddress[0] = 5;
    const TModalAnswer typed(addressBox.get(), [&] {
        addressBox->Edit1->clear();
        TypeText(addressBox->Edit1, "1g+ x$-Fz\xC3\xA9.a");
        EXPECT_EQ(addressBox->Edit1->text(), QStringLiteral("1$-Fa"));
        QTest::keyClick(addressBox->Edit1, Qt::Key_Backspace);
        EXPECT_EQ(addressBox->Edit1->text(), QStringLiteral("1$-F"));
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("9z\u00E9b"));
        QApplication::sendEvent(addressBox->Edit1, &composed);
        EXPECT_EQ(addressBox->Edit1->text(), QStringLiteral("1$-F9b")) << "composed text passes the filter too";
        QGuiApplication::clipboard()->setText(QStringLiteral("x0 c+"));
        QTest::keyClick(addressBox->Edit1, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(addressBox->Edit1->text(), QStringLiteral("1$-F9b0c")) << "and so does pasted text";
        QTest::keyClick(addressBox->Edit1, Qt::Key_Escape);
    });
    EXPECT_EQ(addressBox->ShowModal(), mrNo);
    EXPECT_TRUE(typed.Answered());

    const TModalAnswer escaped(addressBox.get(), [&] { QTest::keyClick(addressBox->Edit1, Qt::Key_Escape); });
    form->mMoveToUser->trigger();
    EXPECT_TRUE(escaped.Answered());
    EXPECT_EQ(CursorAddress[0], 5);
    EXPECT_TRUE(recorder.Messages.empty());
}

TEST_F(AddressDialog, KeepsItsChoicesAndCentresInTheMainWindowWhereverItIs)
{
    Load(0, Pattern(100));
    const TModalAnswer first(addressBox.get(), [&] {
        addressBox->RadioButton2->click();
        TypeText(addressBox->Edit1, "7");
        QTest::keyClick(addressBox->Edit1, Qt::Key_Return);
    });
    form->mMoveToUser->trigger();
    EXPECT_TRUE(first.Answered());

    form->setGeometry(60, 40, 881, 460);
    const TOwnerRect owner = OwnerRectOf(form.get());
    QPoint shownAt;
    const TModalAnswer second(addressBox.get(), [&] {
        shownAt = addressBox->pos();
        EXPECT_EQ(addressBox->Edit1->text(), QStringLiteral("7"));
        EXPECT_TRUE(addressBox->RadioButton2->isChecked());
        QTest::keyClick(addressBox->Edit1, Qt::Key_Return);
    });
    form->mMoveToUser->trigger();
    EXPECT_TRUE(second.Answered());
    EXPECT_EQ(CursorAddress[0], 14) << "seven bytes on, twice";
    const QSize outer = addressBox->frameGeometry().size();
    EXPECT_EQ(shownAt, QPoint(owner.Left + (owner.Right - owner.Left - outer.width()) / 2,
                              owner.Top + (owner.Bottom - owner.Top - outer.height()) / 2))
        << "the outer size, frame included, centres";
}

} // namespace
