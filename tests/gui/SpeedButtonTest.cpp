#include "Form.h"
#include "SpeedButton.h"

#include <QCursor>
#include <QTest>
#include "ModalAnswer.h"
#include <gtest/gtest.h>

namespace {

// A click that closes the dialog hides the button under the mouse, and no leave follows; shown
// again with the mouse elsewhere, it must not look hovered.
TEST(SpeedButton, AButtonThatClosedItsDialogComesBackUnhovered)
{
    TForm dialog;
    dialog.resize(100, 40);
    auto* button = new TSpeedButton(&dialog);
    button->setGeometry(10, 10, 30, 22);
    button->OnClick = [&](TSpeedButton*) { dialog.SetModalResult(mrOk); };

    {
        const TModalAnswer clicked(&dialog, [&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseMove(button, QPoint(5, 5));
            ASSERT_TRUE(button->underMouse());
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        });
        ASSERT_EQ(dialog.ShowModal(), mrOk);
        ASSERT_TRUE(clicked.Answered());
    }
    QCursor::setPos(dialog.frameGeometry().bottomRight() + QPoint(50, 50));

    bool hovered = true;
    const TModalAnswer looked(&dialog, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        hovered = button->underMouse();
        dialog.close();
    });
    dialog.ShowModal();
    ASSERT_TRUE(looked.Answered());
    EXPECT_FALSE(hovered);
}

} // namespace
