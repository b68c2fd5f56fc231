#include "HintHook.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class HintHook : public ::testing::Test {
protected:
    void SetUp() override
    {
        area.resize(200, 100);
        area.setToolTip(QStringLiteral("own\n\rhint"));
        area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    }

    void TearDown() override
    {
        SetShowHintHook({});
        SetHintHidePause(previousPause);
    }

    // The mouse moves to the viewport point and rests there.
    void RestAt(QPoint local)
    {
        QWidget* viewport = area.viewport();
        const QPoint global = viewport->mapToGlobal(local);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QHelpEvent rest(QEvent::ToolTip, local, global);
        QApplication::sendEvent(viewport, &rest);
    }

    // Asks are counted; the client is cut into squares of 50 pixels like the cells of a grid,
    // and the hint stands at a fixed point.
    void InstallCountingHook()
    {
        SetShowHintHook([this](QString& text, bool&, THintInfo& info) {
            ++asks;
            seen = info;
            text += QStringLiteral("!");
            info.HintPos = ClientToScreen(info.HintControl, QPoint(5, 7));
            info.CursorRect = QRect(info.CursorPos.x() / 50 * 50, info.CursorPos.y() / 50 * 50, 50, 50);
        });
    }

    QScrollArea area;
    int asks = 0;
    THintInfo seen;
    int previousPause = HintHidePause();
};

TEST_F(HintHook, TheHookSeesTheScrollAreaAndPlacesTheHintWithItsText)
{
    InstallCountingHook();
    RestAt({10, 20});
    ASSERT_EQ(asks, 1);
    EXPECT_EQ(seen.HintControl, &area);
    EXPECT_EQ(seen.CursorPos, QPoint(10, 20)) << "in the viewport's coordinates";
    const QWidget* hint = ShownHint();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(HintText(hint), QStringLiteral("own\nhint!"));
    EXPECT_EQ(hint->pos(), area.viewport()->mapToGlobal(QPoint(5, 7)));
}

TEST_F(HintHook, TheHintStaysWhileTheMouseIsInTheCursorRectangle)
{
    InstallCountingHook();
    RestAt({10, 20});
    RestAt({40, 40});
    EXPECT_EQ(asks, 1) << "still in the rectangle";
    EXPECT_NE(ShownHint(), nullptr);

    const QPoint next(60, 20);
    QMouseEvent move(QEvent::MouseMove, QPointF(next), QPointF(area.viewport()->mapToGlobal(next)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area.viewport(), &move);
    EXPECT_EQ(ShownHint(), nullptr) << "leaving the rectangle takes the hint down";
    RestAt(next);
    EXPECT_EQ(asks, 2) << "a rest in the next rectangle asks anew";
    EXPECT_NE(ShownHint(), nullptr);
    QTest::mouseClick(area.viewport(), Qt::LeftButton, {}, next);
    EXPECT_EQ(ShownHint(), nullptr) << "a click takes the hint down";
}

TEST_F(HintHook, AfterTheHidePauseTheHintComesBackOnlyInAnotherRectangle)
{
    InstallCountingHook();
    SetHintHidePause(30);
    RestAt({10, 20});
    ASSERT_NE(ShownHint(), nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(ShownHint(), nullptr, 2000);
    RestAt({12, 22});
    EXPECT_EQ(ShownHint(), nullptr);
    EXPECT_EQ(asks, 1);
}

TEST_F(HintHook, NothingShowsWhenTheHookSaysSoOrLeavesNoText)
{
    SetShowHintHook([](QString&, bool& canShow, THintInfo&) { canShow = false; });
    RestAt({10, 20});
    EXPECT_EQ(ShownHint(), nullptr);
    SetShowHintHook([](QString& text, bool&, THintInfo&) { text.clear(); });
    RestAt({10, 20});
    EXPECT_EQ(ShownHint(), nullptr);
}

} // namespace
