#include "AlignLayout.h"
#include "Panel.h"
#include "Splitter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class Aligned : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel = std::make_unique<TPanel>();
        panel->resize(300, 200);
    }

    QWidget* Add(TAlign side, int extent)
    {
        auto* widget = new QWidget(panel.get());
        panel->Controls()->AddControl(widget, side, extent);
        return widget;
    }

    void Lay() { panel->Controls()->activate(); }

    std::unique_ptr<TPanel> panel;
};

TEST_F(Aligned, EdgesFillInTheirOrderAndTheClientTakesTheRest)
{
    QWidget* top = Add(TAlign::Top, 20);
    QWidget* bottom = Add(TAlign::Bottom, 10);
    QWidget* aboveBottom = Add(TAlign::Bottom, 15);
    QWidget* right = Add(TAlign::Right, 50);
    QWidget* left = Add(TAlign::Left, 40);
    QWidget* client = Add(TAlign::Client, 0);
    Lay();
    EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 20));
    EXPECT_EQ(bottom->geometry(), QRect(0, 190, 300, 10));
    EXPECT_EQ(aboveBottom->geometry(), QRect(0, 175, 300, 15));
    EXPECT_EQ(left->geometry(), QRect(0, 20, 40, 155));
    EXPECT_EQ(right->geometry(), QRect(250, 20, 50, 155));
    EXPECT_EQ(client->geometry(), QRect(40, 20, 210, 155));
}

TEST_F(Aligned, AHiddenControlTakesNoRoomAndAnUnalignedOneStaysPut)
{
    QWidget* bottom = Add(TAlign::Bottom, 30);
    QWidget* loose = Add(TAlign::None, 0);
    loose->setGeometry(5, 6, 7, 8);
    QWidget* client = Add(TAlign::Client, 0);
    bottom->hide();
    Lay();
    EXPECT_EQ(client->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(loose->geometry(), QRect(5, 6, 7, 8));

    bottom->show();
    panel->Controls()->SetExtent(bottom, 40);
    Lay();
    EXPECT_EQ(client->geometry(), QRect(0, 0, 300, 160));
}

TEST_F(Aligned, ASplitterResizesItsEdgeNeighbourAndReportsTheDragOnce)
{
    QWidget* right = Add(TAlign::Right, 100);
    auto* splitter = new TSplitter(panel.get());
    panel->Controls()->AddControl(splitter, TAlign::Right, 2);
    Add(TAlign::Client, 0);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    Lay();
    int moves = 0;
    splitter->OnMoved = [&](TSplitter* sender) {
        EXPECT_EQ(sender, splitter);
        ++moves;
    };

    auto send = [&](QEvent::Type type, int dx, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPointF local(1, 10);
        QMouseEvent event(type, local, splitter->mapToGlobal(local) + QPointF(dx, 0), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(splitter, &event);
    };
    send(QEvent::MouseButtonPress, 0, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, -30, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(panel->Controls()->Extent(right), 130);
    send(QEvent::MouseMove, 500, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(panel->Controls()->Extent(right), TSplitter::MinSize);
    EXPECT_EQ(moves, 0);
    send(QEvent::MouseButtonRelease, 500, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(right->width(), TSplitter::MinSize);
    EXPECT_EQ(splitter->cursor().shape(), Qt::SplitHCursor);
}

} // namespace
