#include "Form.h"

#include "Runtime.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include "ModalAnswer.h"
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct CentringCase {
    TOwnerRect owner;
    QSize size;
    QPoint expected;
};

TEST(OwnerRect, ADialogCentresInItsOwnersRectangleTruncatingTowardZero)
{
    const CentringCase cases[] = {
        {{100, 50, 500, 350}, {200, 100}, {200, 150}},
        {{0, 0, 101, 11}, {200, 100}, {-49, -44}},
        {{10, 10, 21, 21}, {4, 4}, {13, 13}},
    };
    for (const CentringCase& test : cases) {
        QWidget window;
        window.resize(test.size);
        CentreInOwnerRect(&window, test.owner);
        EXPECT_EQ(window.pos(), test.expected) << test.owner.Left << "," << test.owner.Right;
    }
}

TEST(OwnerRect, AllZeroMeansTheWholeScreen)
{
    QWidget window;
    window.resize(300, 200);
    CentreInOwnerRect(&window, {});
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(window.pos(), QPoint((screen.width() - 300) / 2, (screen.height() - 200) / 2));
}

TEST(OwnerRect, OnTheScreenTheWholeFrameIsCentredShownBeforeOrNot)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    for (const bool shownBefore : {false, true}) {
        SCOPED_TRACE(shownBefore ? "shown before" : "never shown");
        QWidget window;
        window.resize(300, 200);
        if (shownBefore) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            window.hide();
        }
        CentreInOwnerRect(&window, {});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect frame = window.frameGeometry();
        ASSERT_NE(frame.size(), window.size()) << "the platform frames its windows";
        EXPECT_EQ(frame.topLeft(),
                  QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
        window.move(10, 10);
        EXPECT_EQ(window.pos(), QPoint(10, 10)) << "a move of the user's stays";
        window.resize(400, 250);
        EXPECT_EQ(window.pos(), QPoint(10, 10)) << "a new size keeps the window where it was";
    }
}

TEST(OwnerRect, IsTheWindowsLeftTopAndItsFarEdges)
{
    QWidget window;
    window.setGeometry(30, 40, 200, 100);
    const TOwnerRect rect = OwnerRectOf(&window);
    EXPECT_EQ(rect.Left, window.x());
    EXPECT_EQ(rect.Top, window.y());
    EXPECT_EQ(rect.Right, window.x() + 200);
    EXPECT_EQ(rect.Bottom, window.y() + 100);
}

class ProbeForm : public TForm {
public:
    explicit ProbeForm(TFormCreation&& creation = {}) : TForm(creation)
    {
        OnCreate = [this](TForm*) { created = true; };
        OnShow = [this](TForm*) { ++shows; };
        OnClose = [this](TForm*) { ++closes; };
    }
    bool created = false;
    int shows = 0;
    int closes = 0;
};

// A form made from another: OnCreate must wait for the outer part as well.
class OuterProbeForm : public ProbeForm {
public:
    explicit OuterProbeForm(TFormCreation&& creation = {}) : ProbeForm(std::move(creation))
    {
        OnCreate = [this](TForm*) { createdWith.push_back(label); };
        label = "outer";
    }
    std::string label = "inner";
    std::vector<std::string> createdWith;
};

TEST(Form, CreationRunsOnCreateOnceTheWholeFormIsMade)
{
    const OuterProbeForm form;
    EXPECT_EQ(form.createdWith, std::vector<std::string>{"outer"});
    const auto made = std::make_unique<OuterProbeForm>();
    EXPECT_EQ(made->createdWith, std::vector<std::string>{"outer"});
}

// A form whose constructor fails is gone before its creation ends: nothing may run on it.
class FailingForm : public TForm {
public:
    explicit FailingForm(bool& ran, TFormCreation&& creation = {}) : TForm(creation)
    {
        OnCreate = [&ran](TForm*) { ran = true; };
        throw ERangeError();
    }
};

TEST(Form, AFormWhoseConstructionFailsRunsNoOnCreate)
{
    bool ran = false;
    EXPECT_THROW(FailingForm{ran}, ERangeError);
    EXPECT_FALSE(ran);
}

TEST(Form, AModalShowReturnsTheResultThatEndedIt)
{
    ProbeForm form;
    EXPECT_TRUE(form.created);

    const TModalAnswer retried(&form, [&] { form.SetModalResult(mrRetry); });
    EXPECT_EQ(form.ShowModal(), mrRetry);
    EXPECT_TRUE(retried.Answered());
    EXPECT_FALSE(form.isVisible());

    const TModalAnswer closed(&form, [&] { form.close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel) << "the close box cancels";
    EXPECT_TRUE(closed.Answered());

    EXPECT_EQ(form.shows, 2);
    EXPECT_EQ(form.closes, 1);
}

// Without a window manager nobody hands the focus back when a dialog goes; the window's menu
// keys must work again at once all the same.
TEST(Form, TheWindowActiveBeforeAModalShowIsActiveAgainAfterIt)
{
    QWidget owner;
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    ProbeForm form;
    const TModalAnswer answer(&form, [&] { form.SetModalResult(mrOk); });
    form.ShowModal();
    ASSERT_TRUE(answer.Answered());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &owner);
}

TEST(Form, TheSystemsCloseKeyClosesTheFormLikeItsCloseBox)
{
    ProbeForm form;
    const TModalAnswer answer(&form, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F4, Qt::AltModifier);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(form.closes, 1);
}

TEST(Form, ModalResultsKeepTheirValues)
{
    EXPECT_EQ(mrOk, 1);
    EXPECT_EQ(mrCancel, 2);
    EXPECT_EQ(mrRetry, 4);
    EXPECT_EQ(mrYes, 6);
    EXPECT_EQ(mrNo, 7);
}

} // namespace
