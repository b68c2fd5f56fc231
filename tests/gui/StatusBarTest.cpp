#include "StatusBar.h"

#include "Runtime.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusBar, KeepsFixedWidthPanelsWithTheirTexts)
{
    TStatusBar bar;
    bar.SetPanelWidths({50, 100, 90, 50});
    EXPECT_EQ(bar.height(), TStatusBar::BarHeight);
    ASSERT_EQ(bar.PanelCount(), 4);
    EXPECT_EQ(bar.PanelWidth(2), 90);
    EXPECT_EQ(bar.PanelText(3), "");

    bar.SetPanelText(3, "été.bin");
    EXPECT_EQ(bar.PanelText(3), "été.bin");
    EXPECT_THROW(bar.SetPanelText(4, "x"), ERangeError);
    EXPECT_THROW((void)bar.PanelText(-1), ERangeError);

    bar.SetPanelWidths({80, 160, 50});
    EXPECT_EQ(bar.PanelCount(), 3);
    EXPECT_EQ(bar.PanelText(0), "");
}

} // namespace
