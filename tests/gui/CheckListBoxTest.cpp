#include "CheckListBox.h"

#include "Runtime.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Collects what Qt's model tester finds wrong, for the life of the object; other messages go on
// as before.
class ModelTesterFindings {
public:
    ModelTesterFindings()
    {
        Found().clear();
        Previous() = qInstallMessageHandler(&Record);
    }
    ~ModelTesterFindings() { qInstallMessageHandler(Previous()); }
    ModelTesterFindings(const ModelTesterFindings&) = delete;
    ModelTesterFindings& operator=(const ModelTesterFindings&) = delete;

    [[nodiscard]] static std::vector<std::string>& Found()
    {
        static std::vector<std::string> found;
        return found;
    }

private:
    static QtMessageHandler& Previous()
    {
        static QtMessageHandler previous = nullptr;
        return previous;
    }

    static void Record(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (context.category && std::string(context.category) == "qt.modeltest")
            Found().push_back(text.toStdString());
        else if (Previous())
            Previous()(type, context, text);
    }
};

TEST(CheckListBox, ItsModelKeepsQtsRulesThroughAdditionsTicksAndClearing)
{
    const ModelTesterFindings findings;
    TCheckListBox list;
    const QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    const auto addSome = [&list](int count) {
        for (int i = 0; i < count; ++i)
            list.Add("/tree/" + std::to_string(i));
        QApplication::processEvents();
    };
    list.Clear();
    addSome(1);
    addSome(300);
    ASSERT_EQ(list.Count(), 301);
    list.SetChecked(0, true);
    list.SetChecked(300, true);
    EXPECT_TRUE(list.model()->setData(list.model()->index(5, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.Checked(5));
    list.SetAllChecked(true);
    list.SetAllChecked(false);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    list.SetAllChecked(true);
    list.Clear();
    addSome(2);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(ModelTesterFindings::Found(), std::vector<std::string>{});
}

TEST(CheckListBox, FindsTheFirstItemOfATextWhateverItsCase)
{
    TCheckListBox list;
    for (const char* text : {"/Tree/Äpfel.TXT", "/tree/b", "/TREE/B", "/tree/c"})
        list.Add(text);
    EXPECT_EQ(list.IndexOfExact("/tree/äpfel.txt"), 0);
    EXPECT_EQ(list.IndexOfExact("/Tree/B"), 1);
    EXPECT_EQ(list.IndexOfExact("/tree/c"), 3);
    EXPECT_EQ(list.IndexOfExact("/tree/"), -1);
    list.Clear();
    EXPECT_EQ(list.IndexOfExact("/tree/c"), -1);
    list.Add("/tree/c");
    EXPECT_EQ(list.IndexOfExact("/TREE/C"), 0);
}

TEST(CheckListBox, NamesThatAreNotUtf8AreFoundByTheirBytes)
{
    TCheckListBox list;
    for (const char* text : {"/t/bad\xFF.bin", "/t/bad\xFE.bin", "/t/caf\xE9.bin", "/t/Mixed\xFF\xC3\xA9"})
        list.Add(text);
    EXPECT_EQ(list.IndexOfExact("/t/bad\xFF.bin"), 0);
    EXPECT_EQ(list.IndexOfExact("/t/bad\xFE.bin"), 1);
    EXPECT_EQ(list.IndexOfExact("/t/caf\xE8.bin"), -1);
    EXPECT_EQ(list.IndexOfExact("/t/caf\xE9.bin"), 2);
    EXPECT_EQ(list.IndexOfExact("/t/cafe.bin"), -1);
    // Letter case is ignored in the UTF-8 around the other bytes.
    EXPECT_EQ(list.IndexOfExact("/T/mIXED\xFF\xC3\x89"), 3);
    EXPECT_EQ(list.IndexOfExact("/t/mixed\xFE\xC3\xA9"), -1);
    // A 0 byte in a text is one of its own, not the mark of a byte that is not UTF-8.
    list.Add(std::string("n\0\xC3\xA9", 4));
    EXPECT_EQ(list.IndexOfExact(std::string("n\0\xC3\xA9", 4)), 4);
    EXPECT_EQ(list.IndexOfExact(std::string("n\0\0\xC3\xA9", 5)), -1);
    EXPECT_EQ(list.IndexOfExact("n\xC3\xA9"), -1);
}

TEST(CheckListBox, AnItemOfTheSameBytesComesBeforeOneOfTheSameLetters)
{
    TCheckListBox list;
    for (const char* text : {"/t/A.bin", "/t/a.bin", "/t/B.bin", "/t/b.bin"})
        list.Add(text);
    EXPECT_EQ(list.IndexOfExact("/t/A.bin"), 0);
    EXPECT_EQ(list.IndexOfExact("/t/a.bin"), 1);
    EXPECT_EQ(list.IndexOfExact("/t/b.bin"), 3);
    EXPECT_EQ(list.IndexOfExact("/t/a.BIN"), 0);
}

TEST(CheckListBox, AnItemShowsItsNameOnOneLineAndKeepsItsBytes)
{
    TCheckListBox list;
    list.Add("/t/bad\xFF.bin");
    list.Add("/t/new\nline.bin");
    EXPECT_EQ(list.Item(0), "/t/bad\xFF.bin");
    EXPECT_EQ(list.Item(1), "/t/new\nline.bin");
    EXPECT_EQ(list.model()->index(0, 0).data().toString(), QStringLiteral("/t/bad\\xFF.bin"));
    EXPECT_EQ(list.model()->index(1, 0).data().toString(), QStringLiteral("/t/new\\x0Aline.bin"));
}

TEST(CheckListBox, ItemsAddedInAnUpdateAreItemsAtOnceAndShownInOneInsertion)
{
    TCheckListBox list;
    list.Add("shown");
    QSignalSpy inserted(list.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(list.model(), &QAbstractItemModel::dataChanged);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("/t/a");
    list.Add("/t/B");
    list.SetChecked(2, true);
    list.EndUpdate();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(2), "/t/B");
    EXPECT_EQ(list.IndexOfExact("/t/b"), 2);
    EXPECT_TRUE(list.Checked(2));
    EXPECT_EQ(list.model()->rowCount(), 1);
    EXPECT_TRUE(inserted.isEmpty());
    EXPECT_TRUE(changed.isEmpty());
    list.EndUpdate();
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(inserted[0][2].toInt(), 2);
    EXPECT_EQ(list.model()->index(2, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    // An update that adds nothing tells nothing; one EndUpdate too many is no update.
    list.EndUpdate();
    list.BeginUpdate();
    list.EndUpdate();
    list.Add("/t/c");
    EXPECT_EQ(inserted.count(), 2);
}

TEST(CheckListBox, ItemsAreAppendedUntickedAndTickedOneByOneOrAll)
{
    TCheckListBox list;
    list.SetAllChecked(true);
    list.Add("a");
    list.Add("b");
    EXPECT_FALSE(list.Checked(0));
    list.SetChecked(1, true);
    EXPECT_TRUE(list.Checked(1));
    EXPECT_FALSE(list.Checked(0));
    list.SetAllChecked(true);
    EXPECT_TRUE(list.Checked(0));
    EXPECT_THROW((void)list.Checked(2), ERangeError);
    EXPECT_THROW((void)list.Item(-1), ERangeError);
}

TEST(CheckListBox, TheMouseOnTheCheckMarkTicksTheItem)
{
    TCheckListBox list;
    list.Add("a");
    list.Add("b");
    list.resize(200, 100);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QRect line = list.visualRect(list.model()->index(1, 0));
    // The check mark stands at the line's left end.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(line.left() + line.height() / 2 + 2, line.center().y()));
    EXPECT_TRUE(list.Checked(1));
    EXPECT_FALSE(list.Checked(0));
}

TEST(CheckListBox, ItemsAddedBetweenPaintsShowAtTheNextPaint)
{
    TCheckListBox list;
    list.SetColor(Qt::white);
    list.SetListFont(list.font(), Qt::black);
    list.resize(200, 100);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    // A long listing adds items and lets the window paint now and then, without a turn of its
    // event loop.
    list.Add("first");
    QApplication::processEvents();
    QTest::qSleep(150);
    list.Add("second");
    const QImage shown = list.viewport()->grab().toImage();
    const QRect line = list.visualRect(list.model()->index(0, 0));
    ASSERT_FALSE(line.isEmpty());
    // Past the check mark, anything but the list's white is the line's text.
    int inked = 0;
    for (int x = line.left() + line.height() + 4; x <= line.right(); ++x)
        for (int y = line.top(); y <= line.bottom(); ++y)
            inked += shown.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
    EXPECT_GT(inked, 10) << "the first line's text is drawn";
}

} // namespace
