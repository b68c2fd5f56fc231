#include "MainFormFixture.h"

#include "Label.h"
#include "ModalAnswer.h"
#include "SpeedButton.h"
#include "UpDown.h"

#include <QToolButton>

namespace {

class BitEditor : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        std::vector<uint8_t> bytes(10, 0x00);
        bytes[1] = 5;
        Load(0, bytes);
        SetFields({{vkByte, 1}, {vkBinary, 1}, {vkHex, 1}});
        form->FillStyleGrids(true);
        ShowWindow();
        form->aStyleGrid->setFocus();
    }

    std::string Bits() const
    {
        std::string bits;
        for (const TLabel* label : {binaryBox->Label1, binaryBox->Label2, binaryBox->Label3, binaryBox->Label4,
                                    binaryBox->Label5, binaryBox->Label6, binaryBox->Label7, binaryBox->Label8})
            bits += label->text().toStdString();
        return bits;
    }

    void ClickArrow(const char* name) const
    {
        auto* arrow = binaryBox->UpDown1->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(arrow, nullptr);
        QTest::mouseClick(arrow, Qt::LeftButton);
    }

    // Double-clicks the field's kind, as the user opens the editor: a click, then the double
    // click (QTest sends a widget the double-click event alone).
    void DoubleClickField(int field) const { DoubleClick(2, field + 1); }

    void DoubleClick(int col, int row) const
    {
        const QRect cell = form->aStyleGrid->CellRect(col, row);
        ASSERT_FALSE(cell.isEmpty());
        QTest::mouseClick(form->aStyleGrid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form->aStyleGrid->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

TEST_F(BitEditor, ShowsBitZeroOnTheLeftAndWritesTheByteOnOk)
{
    std::string opened;
    int openedAt = -1;
    const TModalAnswer answered(binaryBox.get(), [&] {
        opened = Bits();
        openedAt = binaryBox->UpDown1->Position();
        EXPECT_EQ(binaryBox->windowTitle(), QStringLiteral("Binary Input"));
        EXPECT_EQ(binaryBox->size(), QSize(148, 21));
        const TStringGrid* grid = form->aStyleGrid;
        const QPoint gridTopLeft = grid->mapToGlobal(QPoint(0, 0));
        EXPECT_EQ(binaryBox->pos(),
                  QPoint(gridTopLeft.x() + (grid->width() - binaryBox->frameGeometry().width()) / 2,
                         gridTopLeft.y() + (grid->height() - binaryBox->frameGeometry().height()) / 2));
        QTest::mouseClick(binaryBox->Label8, Qt::LeftButton);
        EXPECT_EQ(binaryBox->UpDown1->Position(), 133);
        QTest::mouseClick(binaryBox->SpeedButton1, Qt::LeftButton);
    });
    DoubleClickField(1);
    ASSERT_TRUE(answered.Answered());
    EXPECT_EQ(opened, "10100000");
    EXPECT_EQ(openedAt, 5);
    EXPECT_EQ(DataBuffer[0][1], 133);
    EXPECT_EQ(form->aDumpGrid->Cell(3, 1), "85");
    EXPECT_EQ(form->aStyleGrid->Cell(4, 2), "10100001");
}

TEST_F(BitEditor, TheArrowsStepTheWholeByteWithoutWrapping)
{
    DataBuffer[0][1] = 254;
    form->FillStyleGrids(true);
    std::vector<std::string> seen;
    const TModalAnswer answered(binaryBox.get(), [&] {
        ClickArrow("UpButton");
        seen.push_back(Bits());
        ClickArrow("UpButton");
        seen.push_back(Bits());
        binaryBox->UpDown1->SetPosition(1);
        ClickArrow("DownButton");
        seen.push_back(Bits());
        ClickArrow("DownButton");
        seen.push_back(Bits());
        QTest::keyClick(binaryBox.get(), Qt::Key_Return);
    });
    DoubleClickField(1);
    ASSERT_TRUE(answered.Answered());
    EXPECT_EQ(seen, (std::vector<std::string>{"11111111", "11111111", "00000000", "00000000"}));
    EXPECT_EQ(DataBuffer[0][1], 0);
}

TEST_F(BitEditor, OkWithoutAChangeWritesTheByteAgainAndRefreshesTheViews)
{
    form->aDumpGrid->SetCell(3, 1, "??");
    form->bStyleGrid->SetCell(4, 2, "??");
    const TModalAnswer answered(binaryBox.get(), [&] { QTest::keyClick(binaryBox.get(), Qt::Key_Return); });
    DoubleClickField(1);
    ASSERT_TRUE(answered.Answered());
    EXPECT_EQ(DataBuffer[0][1], 5);
    EXPECT_EQ(form->aDumpGrid->Cell(3, 1), "05");
    EXPECT_EQ(form->bStyleGrid->Cell(4, 2), "OverLoad") << "both grids are filled again";
}

TEST_F(BitEditor, EscAndTheCloseBoxLeaveTheByte)
{
    for (bool escape : {true, false}) {
        const TModalAnswer answered(binaryBox.get(), [&] {
            QTest::mouseClick(binaryBox->Label2, Qt::LeftButton);
            if (escape)
                QTest::keyClick(binaryBox.get(), Qt::Key_Escape);
            else
                binaryBox->close();
        });
        DoubleClickField(1);
        ASSERT_TRUE(answered.Answered());
        EXPECT_EQ(binaryBox->ModalResult(), escape ? mrNo : mrCancel);
        EXPECT_EQ(DataBuffer[0][1], 5);
    }
}

TEST_F(BitEditor, ACellThatHoldsNoBitStringKeepsTheByteOfTheLastUse)
{
    binaryBox->UpDown1->SetPosition(77);
    form->aStyleGrid->SetCell(4, 2, "101");
    const TModalAnswer answered(binaryBox.get(), [&] {
        EXPECT_EQ(binaryBox->BinText, "101");
        EXPECT_EQ(binaryBox->UpDown1->Position(), 77);
        QTest::keyClick(binaryBox.get(), Qt::Key_Escape);
    });
    form->aStyleGrid->SetCol(4);
    form->aStyleGrid->SetRow(2);
    form->StyleGridDblClick(form->aStyleGrid);
    ASSERT_TRUE(answered.Answered());
}

TEST_F(BitEditor, OpensOnlyForABinaryFieldBeforeTheLastByteOfTheUpperPane)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int32_t>> fields;
        int field;
        bool opens;
    };
    const Case cases[] = {
        {"byte 8 of 10", {{vkSpace, 8}, {vkBinary, 1}}, 1, true},
        {"the last byte", {{vkSpace, 9}, {vkBinary, 1}}, 1, false},
        {"a Byte field", {{vkByte, 1}, {vkBinary, 1}}, 0, false},
        {"a Hex field", {{vkHex, 1}, {vkBinary, 1}}, 0, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SetFields(test.fields);
        form->FillStyleGrids(true);
        const TModalAnswer answered(binaryBox.get(), [&] { binaryBox->close(); });
        DoubleClickField(test.field);
        QApplication::processEvents();
        EXPECT_EQ(answered.Answered(), test.opens);
    }
    SetFields({{vkBinary, 1}});
    form->FillStyleGrids(true);
    const TModalAnswer answered(binaryBox.get(), [&] { binaryBox->close(); });
    DoubleClick(2, 0);
    QApplication::processEvents();
    EXPECT_FALSE(answered.Answered()) << "the header row opens nothing";
    EXPECT_FALSE(form->bStyleGrid->OnDblClick) << "the lower grid has no bit editor";
}

TEST_F(BitEditor, ADoubleClickBelowTheFieldRowsEditsTheFieldOfTheCurrentCell)
{
    DoubleClickField(0);
    ASSERT_EQ(form->aStyleGrid->Row(), 1);
    form->aStyleGrid->SetRow(2);
    const QRect lastRow = form->aStyleGrid->CellRect(4, form->aStyleGrid->RowCount() - 1);
    ASSERT_FALSE(lastRow.isEmpty());
    const QPoint below(lastRow.center().x(), lastRow.bottom() + 2 * lastRow.height());
    int col = 0;
    int row = 0;
    ASSERT_FALSE(form->aStyleGrid->MouseToCell(below.x(), below.y(), col, row));
    std::string opened;
    const TModalAnswer answered(binaryBox.get(), [&] {
        opened = Bits();
        QTest::keyClick(binaryBox.get(), Qt::Key_Escape);
    });
    QTest::mouseClick(form->aStyleGrid->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(form->aStyleGrid->viewport(), Qt::LeftButton, {}, below);
    ASSERT_TRUE(answered.Answered());
    EXPECT_EQ(opened, "10100000");
}

} // namespace
