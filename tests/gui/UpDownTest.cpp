#include "UpDown.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct UpDownFixture {
    UpDownFixture()
    {
        upDown.SetRange(0, 255);
        upDown.SetAssociate(&edit);
        upDown.resize(16, 20);
        upDown.OnClick = [this](TUpDown* sender, TUDBtnType) { clicks.push_back(sender->Position()); };
    }

    void ClickArrow(const char* name)
    {
        auto* arrow = upDown.findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(arrow, nullptr);
        QTest::mouseClick(arrow, Qt::LeftButton);
    }

    QLineEdit edit;
    TUpDown upDown;
    std::vector<int> clicks;
};

TEST(UpDown, TheArrowsStepWithinTheRangeWithoutWrapping)
{
    UpDownFixture f;
    f.upDown.SetPosition(254);
    EXPECT_EQ(f.edit.text(), QStringLiteral("254"));
    f.ClickArrow("UpButton");
    f.ClickArrow("UpButton");
    EXPECT_EQ(f.upDown.Position(), 255);
    EXPECT_EQ(f.edit.text(), QStringLiteral("255"));
    f.upDown.SetPosition(1);
    f.ClickArrow("DownButton");
    f.ClickArrow("DownButton");
    EXPECT_EQ(f.upDown.Position(), 0);
    EXPECT_EQ(f.clicks, (std::vector<int>{255, 255, 0, 0})) << "every click is reported, also at an end";
}

TEST(UpDown, WrapsWhenAskedTo)
{
    UpDownFixture f;
    f.upDown.SetWrap(true);
    f.upDown.SetPosition(255);
    f.ClickArrow("UpButton");
    EXPECT_EQ(f.upDown.Position(), 0);
    f.ClickArrow("DownButton");
    EXPECT_EQ(f.upDown.Position(), 255);
}

TEST(UpDown, ANumberTypedIntoTheBoxBecomesThePositionWithinTheRange)
{
    struct Case {
        QString typed;
        int position;
    };
    const Case cases[] = {
        {QStringLiteral("42"), 42}, {QStringLiteral("999"), 255}, {QStringLiteral("-7"), 0},
        {QStringLiteral(""), 0},    {QStringLiteral("x"), 0},
    };
    for (const Case& test : cases) {
        UpDownFixture f;
        f.edit.clear();
        QTest::keyClicks(&f.edit, test.typed);
        EXPECT_EQ(f.upDown.Position(), test.position) << test.typed.toStdString();
    }
    UpDownFixture f;
    f.upDown.SetPosition(9);
    f.edit.clear();
    QTest::keyClicks(&f.edit, QStringLiteral("x"));
    EXPECT_EQ(f.upDown.Position(), 9) << "no number leaves the position";
}

TEST(UpDown, TheBoxsUpAndDownKeysStepIt)
{
    UpDownFixture f;
    f.upDown.SetPosition(10);
    QTest::keyClick(&f.edit, Qt::Key_Up);
    QTest::keyClick(&f.edit, Qt::Key_Up);
    QTest::keyClick(&f.edit, Qt::Key_Down);
    EXPECT_EQ(f.upDown.Position(), 11);
    EXPECT_EQ(f.edit.text(), QStringLiteral("11"));
    EXPECT_EQ(f.clicks, (std::vector<int>{11, 12, 11}));
}

} // namespace
