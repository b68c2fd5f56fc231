#include "MessageRecorder.h"
#include "Runtime.h"
#include "StringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int Cols = 6;
constexpr int Rows = 40;
constexpr int LastCol = Cols - 1;
constexpr int LastRow = Rows - 1;

// A shown grid of 2 fixed columns and 1 fixed row, with a log of the events it raised.
class StringGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(Cols);
        grid.SetRowCount(Rows);
        grid.SetFixedCols(2);
        grid.SetFixedRows(1);
        grid.SetDefaultRowHeight(16);
        for (int c = 0; c < Cols; ++c)
            grid.SetColWidth(c, 30);
        grid.resize(260, 200);
        grid.OnSelectCell = [this](TStringGrid*, int col, int row, bool& canSelect) {
            log.push_back("select " + std::to_string(col) + "," + std::to_string(row));
            canSelect = allowSelect;
        };
        grid.OnMouseDown = [this](TStringGrid*, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
            log.push_back(std::string(button == Qt::LeftButton ? "down left " : "down right ") + std::to_string(x) +
                          "," + std::to_string(y));
        };
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        ASSERT_GE(grid.VisibleRowCount(), 4);
    }

    // A face of fixed digits, black on white, for tests that compare what cells draw.
    QFont DrawInBlackOnWhite()
    {
        QFont face(QStringLiteral("IPAGothic"));
        face.setPixelSize(12);
        grid.SetGridFont(face, Qt::black);
        grid.SetColor(Qt::white);
        return face;
    }
    [[nodiscard]] QPoint CellCentre(int col, int row) const { return grid.CellRect(col, row).center(); }
    void Click(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(grid.viewport(), button, {}, CellCentre(col, row));
    }
    void Wheel(int delta)
    {
        const QPointF pos = grid.viewport()->rect().center();
        QWheelEvent event(pos, grid.viewport()->mapToGlobal(pos), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.viewport(), &event);
    }
    void Select(int col, int row)
    {
        grid.SetColRow(col, row);
        log.clear();
    }
    void ExpectCell(int col, int row) const
    {
        EXPECT_EQ(grid.Col(), col);
        EXPECT_EQ(grid.Row(), row);
    }

    TStringGrid grid;
    std::vector<std::string> log;
    bool allowSelect = true;
};

struct KeyMove {
    int col, row;
    int key;
    Qt::KeyboardModifiers modifiers;
    int wantCol, wantRow;
    int wantPages; // added to wantRow in pages of visible rows
};

const KeyMove KeyMoves[] = {
    {3, 5, Qt::Key_Up, {}, 3, 4, 0},
    {3, 1, Qt::Key_Up, {}, 3, 1, 0}, // never onto the fixed row
    {3, 5, Qt::Key_Down, {}, 3, 6, 0},
    {3, LastRow, Qt::Key_Down, {}, 3, LastRow, 0},
    {3, 5, Qt::Key_Left, {}, 2, 5, 0},
    {2, 5, Qt::Key_Left, {}, 2, 5, 0}, // never onto a fixed column
    {3, 5, Qt::Key_Right, {}, 4, 5, 0},
    {LastCol, 5, Qt::Key_Right, {}, LastCol, 5, 0},
    {4, 5, Qt::Key_Home, {}, 2, 5, 0},
    {3, 5, Qt::Key_End, {}, LastCol, 5, 0},
    {4, 20, Qt::Key_Home, Qt::ControlModifier, 2, 1, 0},
    {3, 5, Qt::Key_End, Qt::ControlModifier, LastCol, LastRow, 0},
    {3, 1, Qt::Key_PageDown, {}, 3, 1, 1},
    {3, LastRow - 1, Qt::Key_PageDown, {}, 3, LastRow, 0},
    {3, 3, Qt::Key_PageUp, {}, 3, 1, 0},
    {3, 30, Qt::Key_PageUp, {}, 3, 30, -1},
};

TEST_F(StringGridTest, KeysMoveTheSelectionAndKeepItInView)
{
    const int page = grid.VisibleRowCount();
    for (const KeyMove& move : KeyMoves) {
        SCOPED_TRACE(testing::Message() << "key " << move.key << " from " << move.col << "," << move.row);
        Select(move.col, move.row);
        QTest::keyClick(&grid, static_cast<Qt::Key>(move.key), move.modifiers);
        ExpectCell(move.wantCol, move.wantRow + move.wantPages * page);
        EXPECT_FALSE(grid.CellRect(grid.Col(), grid.Row()).isEmpty());
        const bool moved = grid.Col() != move.col || grid.Row() != move.row;
        EXPECT_EQ(log.size(), moved ? 1U : 0U);
    }
}

TEST_F(StringGridTest, EveryKindOfMoveAsksOnSelectCellAndObeysItsVeto)
{
    struct Case {
        const char* name;
        std::function<void()> act;
        int col, row;
    };
    const Case cases[] = {
        {"arrow", [this] { QTest::keyClick(&grid, Qt::Key_Right); }, 4, 5},
        {"click", [this] { Click(5, 2); }, 5, 2},
        {"wheel", [this] { Wheel(-120); }, 3, 6},
        {"program", [this] { grid.SetColRow(2, 7); }, 2, 7},
    };
    for (const Case& c : cases) {
        for (const bool allow : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (allow ? " allowed" : " vetoed"));
            Select(3, 5);
            allowSelect = allow;
            c.act();
            allowSelect = true;
            ASSERT_FALSE(log.empty());
            EXPECT_EQ(log.front(), "select " + std::to_string(c.col) + "," + std::to_string(c.row));
            if (allow)
                ExpectCell(c.col, c.row);
            else
                ExpectCell(3, 5);
        }
    }
}

TEST_F(StringGridTest, FixedCellsAreNeverSelected)
{
    Select(3, 5);
    EXPECT_THROW(grid.SetColRow(1, 5), ERangeError);
    EXPECT_THROW(grid.SetRow(0), ERangeError);
    EXPECT_THROW(grid.SetCol(Cols), ERangeError);

    const QPoint fixed = CellCentre(0, 3);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, fixed);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, fixed);
    ExpectCell(3, 5);
    const std::string at = std::to_string(fixed.x()) + "," + std::to_string(fixed.y());
    EXPECT_EQ(log, std::vector<std::string>{"down left " + at});

    grid.SetRowCount(3);
    ExpectCell(3, 2);
    grid.SetFixedCols(4);
    ExpectCell(4, 2);
}

TEST_F(StringGridTest, LeftPressSelectsBeforeMouseDownRightPressOnlyShowsThePopup)
{
    QMenu menu;
    menu.addAction("item");
    int popups = 0;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] {
        ++popups;
        QTimer::singleShot(0, &menu, &QMenu::close);
    });
    grid.SetPopupMenu(&menu);
    Select(3, 5);

    const QPoint target = CellCentre(4, 6);
    const std::string at = std::to_string(target.x()) + "," + std::to_string(target.y());
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, target);
    ExpectCell(3, 5);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(log, std::vector<std::string>{"down right " + at});

    log.clear();
    QContextMenuEvent fromMouse(QContextMenuEvent::Mouse, target, grid.viewport()->mapToGlobal(target));
    QApplication::sendEvent(grid.viewport(), &fromMouse);
    EXPECT_EQ(popups, 1);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, target);
    ExpectCell(4, 6);
    EXPECT_EQ(log, (std::vector<std::string>{"select 4,6", "down left " + at}));
    EXPECT_EQ(popups, 1);
}

TEST_F(StringGridTest, ShiftF10ShowsThePopupWhereTheMenuKeyDoes)
{
    QMenu menu;
    menu.addAction("item");
    std::vector<QPoint> shownAt;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] {
        QTimer::singleShot(0, &menu, [&] {
            shownAt.push_back(menu.pos());
            menu.close();
        });
    });
    grid.SetPopupMenu(&menu);
    Select(3, 5);
    grid.setFocus();

    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, CellCentre(3, 5),
                              grid.viewport()->mapToGlobal(CellCentre(3, 5)));
    QApplication::sendEvent(grid.viewport(), &menuKey);
    ASSERT_EQ(shownAt.size(), 1U);
    QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(shownAt.size(), 2U);
    EXPECT_EQ(shownAt[1], shownAt[0]);
    ExpectCell(3, 5);

    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers{}, Qt::ShiftModifier | Qt::ControlModifier})
        QTest::keyClick(&grid, Qt::Key_F10, modifiers);
    EXPECT_EQ(shownAt.size(), 2U) << "F10 alone and with Ctrl is left to the window";
}

TEST_F(StringGridTest, EachWheelNotchMovesOneRowUnlessHandled)
{
    std::vector<bool> notches;
    bool handle = false;
    grid.OnMouseWheel = [&](TStringGrid*, bool up, Qt::KeyboardModifiers, bool& handled) {
        notches.push_back(up);
        handled = handle;
    };
    Select(3, 2);
    Wheel(-240);
    EXPECT_EQ(notches, (std::vector<bool>{false, false}));
    ExpectCell(3, 4);
    Wheel(120 * 5);
    ExpectCell(3, 1);
    Wheel(60);
    Wheel(-60);
    EXPECT_EQ(notches.size(), 7U);
    handle = true;
    Wheel(-120);
    ExpectCell(3, 1);
    Select(3, LastRow);
    handle = false;
    Wheel(-120);
    ExpectCell(3, LastRow);
}

TEST_F(StringGridTest, CellRectAndMouseToCellAgree)
{
    grid.SetGridLines(false);
    grid.SetTopRow(10);
    EXPECT_EQ(grid.TopRow(), 10);
    const int lastVisible = 10 + grid.VisibleRowCount() - 1;
    for (const auto& [col, row] : std::vector<std::pair<int, int>>{{0, 0}, {5, 0}, {1, 10}, {3, lastVisible}}) {
        SCOPED_TRACE(testing::Message() << col << "," << row);
        const QRect rect = grid.CellRect(col, row);
        ASSERT_FALSE(rect.isEmpty());
        EXPECT_EQ(rect.size(), QSize(30, 16));
        for (const QPoint& corner : {rect.topLeft(), rect.bottomRight()}) {
            int c = -1;
            int r = -1;
            ASSERT_TRUE(grid.MouseToCell(corner.x(), corner.y(), c, r));
            EXPECT_EQ(c, col);
            EXPECT_EQ(r, row);
        }
    }
    EXPECT_TRUE(grid.CellRect(3, 9).isEmpty());               // scrolled away above
    EXPECT_TRUE(grid.CellRect(3, lastVisible + 3).isEmpty()); // below the view
    EXPECT_TRUE(grid.CellRect(Cols, 1).isEmpty());
    int c = 0;
    int r = 0;
    EXPECT_FALSE(grid.MouseToCell(Cols * 30 + 1, 1, c, r));
    grid.SetTopRow(Rows + 5);
    EXPECT_EQ(grid.TopRow(), Rows - grid.VisibleRowCount());
}

TEST_F(StringGridTest, ShiftAndDragsSelectARangeWhileColAndRowFollowTheCellReached)
{
    grid.SetRangeSelect(true);
    Select(3, 5);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    ExpectCell(4, 7);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 5, 4, 7}));
    EXPECT_EQ(log, (std::vector<std::string>{"select 3,6", "select 3,7", "select 4,7"}));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(5, 2));
    ExpectCell(5, 2);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 2, 5, 5}));

    QTest::keyClick(&grid, Qt::Key_Down);
    ExpectCell(5, 3);
    EXPECT_EQ(grid.Selection(), (TGridRect{5, 3, 5, 3})) << "a move without Shift selects one cell";

    // A drag that leaves the selectable cells stretches the range to the nearest of them.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCentre(4, 2));
    QMouseEvent move(QEvent::MouseMove, CellCentre(0, 4), grid.viewport()->mapToGlobal(CellCentre(0, 4)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &move);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, CellCentre(0, 4));
    ExpectCell(2, 4);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 4, 4}));

    const QImage image = grid.viewport()->grab().toImage();
    const QRgb highlight = grid.palette().color(QPalette::Active, QPalette::Highlight).rgb();
    EXPECT_EQ(image.pixel(CellCentre(3, 3)), highlight) << "every cell of the range is drawn selected";
    EXPECT_NE(image.pixel(CellCentre(5, 3)), highlight);

    grid.SetColRow(3, 6);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 6, 3, 6})) << "a move by the program selects one cell";
    grid.SetRangeSelect(false);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 7, 3, 7})) << "without range selection Shift only moves";
}

TEST_F(StringGridTest, AFixedPitchColumnDrawsEachCharacterInACellOfItsOwn)
{
    const QFont face = DrawInBlackOnWhite();
    grid.SetColWidth(2, 120);
    grid.SetFixedPitchCol(2, true);
    const int pitch = QFontMetrics(face).horizontalAdvance(QLatin1Char('0'));
    const QRect cell = grid.CellRect(2, 3);
    // What the grid draws of a text in the character cells first to last.
    auto draw = [&](const QString& text, int first, int last) {
        grid.SetCell(2, 3, text.toStdString());
        const QRect cells(cell.left() + 2 + first * pitch, cell.top(), (last - first + 1) * pitch, cell.height());
        return grid.viewport()->grab().toImage().copy(cells);
    };
    const QString blanks(16, QLatin1Char(' '));
    const QImage blank = draw(blanks, 0, 17);
    QString controls;
    for (const char16_t code : {u'\x01', u'\x7f', u'\x80', u'\x85', u'\x90', u'\x9f'})
        controls += QChar(code);
    EXPECT_EQ(draw(controls, 0, 17), blank) << "control characters show as blanks";

    // Wide signs keep to their cells, so the last character stands where it stands after blanks.
    const QString wide =
        QString::fromUtf8("\u00d7\u00f7\u00a7\u00b6\u00b0\u00e9\u00d7\u00f7\u00a7\u00b6\u00b0\u00e9\u00d7\u00f7\u00a7");
    ASSERT_EQ(wide.size(), 15);
    EXPECT_EQ(draw(wide + QLatin1Char('A'), 15, 15), draw(QString(15, QLatin1Char(' ')) + QLatin1Char('A'), 15, 15));
    EXPECT_EQ(draw(wide + QLatin1Char(' '), 16, 17), draw(blanks, 16, 17)) << "nothing beyond 16 cells";
    EXPECT_NE(draw(wide, 0, 0), draw(blanks, 0, 0)) << "a wide sign still shows";
}

TEST_F(StringGridTest, EveryColumnDrawsControlCharactersAsBlanksOneDigitWide)
{
    const QFont face = DrawInBlackOnWhite();
    grid.SetColWidth(3, 120);
    const int pitch = QFontMetrics(face).horizontalAdvance(QLatin1Char('0'));
    const QRect cell = grid.CellRect(3, 3);
    auto draw = [&](const QString& text) {
        grid.SetCell(3, 3, text.toStdString());
        return grid.viewport()->grab().toImage().copy(cell);
    };
    const QImage empty = draw({});
    for (const char16_t code : {u'\x01', u'\x1f', u'\x7f', u'\x80', u'\x85', u'\x9f'}) {
        SCOPED_TRACE(static_cast<int>(code));
        EXPECT_EQ(draw(QString(QChar(code))), empty);
    }

    const QString elf = QStringLiteral("ELF");
    const QImage plain = draw(elf);
    const QImage behindDelete = draw(QChar(u'\x7f') + elf);
    const int rest = cell.width() - pitch;
    EXPECT_EQ(behindDelete.copy(pitch, 0, rest, cell.height()), plain.copy(0, 0, rest, cell.height()))
        << "the text goes on one digit to the right";
    EXPECT_EQ(grid.Cell(3, 3), "\x7f"
                               "ELF")
        << "the cell keeps its text";
}

TEST_F(StringGridTest, OnlyTheFocusedGridFramesItsCurrentCell)
{
    Select(3, 5);
    const QRect cell = grid.CellRect(3, 5);
    auto markedEdgePixels = [&] {
        const QImage image = grid.viewport()->grab().toImage();
        const QRgb inside = image.pixel(cell.center());
        int marked = 0;
        for (int x = cell.left(); x <= cell.right(); ++x)
            marked += image.pixel(x, cell.top()) != inside ? 1 : 0;
        return marked;
    };
    grid.setFocus();
    ASSERT_TRUE(grid.hasFocus());
    EXPECT_GE(markedEdgePixels(), cell.width() / 3);
    grid.clearFocus();
    EXPECT_EQ(markedEdgePixels(), 0);
}

TEST_F(StringGridTest, RuntimeErrorInAHandlerShowsTheErrorBoxAndTheGridGoesOn)
{
    MessageRecorder recorder;
    Select(3, 5);
    grid.OnSelectCell = [](TStringGrid*, int, int, bool&) { throw ERangeError(); };
    QTest::keyClick(&grid, Qt::Key_Down);
    Click(4, 7);
    ExpectCell(3, 5);
    EXPECT_EQ(recorder.Errors, (std::vector<std::string>{"Range check error", "Range check error"}));
    EXPECT_EQ(log, std::vector<std::string>{}); // the failed move ends the press before OnMouseDown

    grid.OnSelectCell = nullptr;
    QTest::keyClick(&grid, Qt::Key_Down);
    ExpectCell(3, 6);
}

TEST_F(StringGridTest, KeyReleasesAndFocusReachTheirEvents)
{
    std::vector<int> released;
    grid.OnKeyUp = [&](TStringGrid*, int& key, Qt::KeyboardModifiers shift) {
        released.push_back(shift & Qt::ShiftModifier ? -key : key);
    };
    QTest::keyRelease(&grid, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyRelease(&grid, Qt::Key_Down);
    EXPECT_EQ(released, (std::vector<int>{-Qt::Key_Return, Qt::Key_Shift, Qt::Key_Down}));
}

TEST_F(StringGridTest, OnlyTypedCharactersReachOnKeyPress)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QChar want; // QChar(): no OnKeyPress
    };
    const Case cases[] = {
        {Qt::Key_A, {}, u'a'},
        {Qt::Key_5, {}, u'5'},
        {Qt::Key_Backspace, {}, u'\b'},
        {Qt::Key_Return, {}, u'\r'},
        {Qt::Key_Enter, {}, u'\r'},
        {Qt::Key_Escape, {}, u'\x1b'},
        {Qt::Key_A, Qt::ControlModifier, {}},
        {Qt::Key_A, Qt::AltModifier, {}},
        {Qt::Key_Delete, {}, {}},
        {Qt::Key_F5, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " modifiers " << c.modifiers.toInt());
        QString seen;
        grid.OnKeyPress = [&](TStringGrid*, QChar& key) { seen += key; };
        QTest::keyClick(&grid, static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_EQ(seen, c.want.isNull() ? QString() : QString(c.want));
        EXPECT_FALSE(grid.EditorMode()); // editing is off
    }
}

TEST_F(StringGridTest, ReshapingKeepsTheCellsThatRemain)
{
    grid.SetCell(5, 39, "corner");
    grid.SetCell(1, 2, "kept");
    grid.SetRowCount(3);
    grid.SetRowCount(Rows);
    EXPECT_EQ(grid.Cell(5, 39), "");
    EXPECT_EQ(grid.Cell(1, 2), "kept");
    grid.SetColCount(2 + 1);
    grid.SetColCount(Cols);
    EXPECT_EQ(grid.Cell(1, 2), "kept");
    EXPECT_EQ(grid.ColWidth(1), 30);
    EXPECT_THROW((void)grid.Cell(Cols, 0), ERangeError);
    EXPECT_THROW(grid.SetCell(0, Rows, "x"), ERangeError);
    EXPECT_THROW(grid.SetFixedRows(Rows), ERangeError);
}

TEST_F(StringGridTest, RowsThatGoAreEmptyWhenTheGridGrowsAgain)
{
    const std::string long1 = "a text longer than a cell holds itself";
    const std::string long2 = "another text longer than that, to reuse";
    grid.SetCell(1, 3, long1);
    grid.SetCell(2, 3, "short");
    grid.SetCell(1, 2, long2);
    grid.SetRowCount(3);
    grid.SetRowCount(Rows);
    EXPECT_EQ(grid.Cell(1, 3), "");
    EXPECT_EQ(grid.Cell(2, 3), "");
    EXPECT_EQ(grid.Cell(1, 2), long2);
    grid.SetCell(1, 3, long2);
    EXPECT_EQ(grid.Cell(1, 3), long2);
}

TEST_F(StringGridTest, SetCellsWritesARowFromTheColumnOnOrNothing)
{
    const std::string_view texts[] = {"x", "a text longer than a cell holds itself", ""};
    grid.SetCell(3, 4, "before");
    grid.SetCells(1, 4, texts);
    EXPECT_EQ(grid.Cell(0, 4), "");
    EXPECT_EQ(grid.Cell(1, 4), "x");
    EXPECT_EQ(grid.Cell(2, 4), texts[1]);
    EXPECT_EQ(grid.Cell(3, 4), "");
    EXPECT_THROW(grid.SetCells(LastCol - 1, 5, texts), ERangeError);
    EXPECT_THROW(grid.SetCells(0, Rows, texts), ERangeError);
    EXPECT_EQ(grid.Cell(LastCol - 1, 5), "") << "a refused row writes no cell";
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(StringGridTest, ARepaintAtTheEndOfAnUpdateIsTheOnlyPaintEvenWhenTheScrollBarComesOrGoes)
{
    for (const int rows : {3, Rows}) {
        SCOPED_TRACE(rows);
        QApplication::processEvents();
        PaintCounter counter(grid.viewport());
        grid.BeginUpdate();
        grid.SetRowCount(rows);
        grid.EndUpdate();
        grid.viewport()->repaint();
        QApplication::processEvents();
        EXPECT_EQ(grid.verticalScrollBar()->isVisible(), rows == Rows);
        EXPECT_EQ(counter.paints, 1);
    }
}

TEST_F(StringGridTest, SuspendedUpdatesLeaveTheScrollBarUntilTheEnd)
{
    QScrollBar* bar = grid.verticalScrollBar();
    const int page = grid.VisibleRowCount();
    EXPECT_EQ(bar->maximum(), Rows - 1 - page);
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.SetRowCount(1000);
    grid.EndUpdate();
    EXPECT_EQ(bar->maximum(), Rows - 1 - page);
    grid.EndUpdate();
    EXPECT_EQ(bar->maximum(), 1000 - 1 - page);
    bar->setValue(100);
    EXPECT_EQ(grid.TopRow(), 101);
}

// ---- The in-place editor

class StringGridEditorTest : public StringGridTest {
protected:
    void SetUp() override
    {
        StringGridTest::SetUp();
        grid.SetEditing(true);
        grid.SetCell(3, 5, "old");
        grid.SetCell(3, 6, "next");
        Select(3, 5);
        grid.OnKeyPress = [this](TStringGrid*, QChar& key) {
            keys += key;
            if (key == dropped)
                key = QChar();
        };
        grid.OnGetEditText = [this](TStringGrid* sender, int col, int row, QString& value) {
            log.push_back("get " + std::to_string(col) + "," + std::to_string(row) + " " + value.toStdString());
            editorDuringGet = sender->InplaceEditor() != nullptr;
            sender->SetEditorByteLimit(byteLimit);
        };
        grid.OnSelectCell = [this](TStringGrid* sender, int col, int row, bool&) {
            log.push_back("select " + std::to_string(col) + "," + std::to_string(row) +
                          (sender->EditorMode() ? " editing" : ""));
        };
    }

    void Type(const QString& text)
    {
        for (QChar ch : text) {
            QWidget* target = grid.EditorMode() ? static_cast<QWidget*>(grid.InplaceEditor()) : &grid;
            QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &press);
        }
    }
    [[nodiscard]] QString EditorText() const { return grid.InplaceEditor()->text(); }

    QString keys;
    QChar dropped = u'#';
    bool editorDuringGet = false;
    int byteLimit = 0;
};

TEST_F(StringGridEditorTest, TypingOpensTheEditorAndEveryEditLandsInTheCell)
{
    Type("ab#c");
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_TRUE(editorDuringGet);
    EXPECT_EQ(log, std::vector<std::string>{"get 3,5 old"});
    EXPECT_EQ(keys, "ab#c");
    EXPECT_EQ(EditorText(), "abc");
    EXPECT_EQ(grid.Cell(3, 5), "abc");
    EXPECT_EQ(grid.InplaceEditor()->geometry(), grid.CellRect(3, 5));

    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Backspace);
    EXPECT_EQ(grid.Cell(3, 5), "ab");
    grid.SetCell(3, 5, "set");
    EXPECT_EQ(EditorText(), "set");
    EXPECT_EQ(grid.InplaceEditor()->selectedText(), "set") << "a text set from outside is selected, to be typed over";

    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cell(3, 5), "set");
    EXPECT_EQ(keys, "ab#c\b\r");
}

TEST_F(StringGridEditorTest, EscRestoresAndADroppedKeyNeverReachesTheEditor)
{
    QTest::keyClick(&grid, Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(EditorText(), "old");
    Type("#z");
    EXPECT_EQ(grid.Cell(3, 5), "z");

    dropped = u'\x1b';
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
    EXPECT_TRUE(grid.EditorMode());
    dropped = u'\r';
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_TRUE(grid.EditorMode());

    dropped = QChar();
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cell(3, 5), "old");

    dropped = u'q';
    Type("q");
    EXPECT_FALSE(grid.EditorMode());

    // A cell set anew under the open editor is what Esc goes back to.
    dropped = QChar();
    QTest::keyClick(&grid, Qt::Key_F2);
    grid.SetCell(3, 5, "refilled");
    Type("z");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cell(3, 5), "refilled");
}

TEST_F(StringGridEditorTest, KeysTheEditorDoesNotUseGoOnWithoutBouncingBack)
{
    QTest::keyClick(&grid, Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    for (const Qt::Key key : {Qt::Key_F6, Qt::Key_Control, Qt::Key_F12})
        QTest::keyClick(grid.InplaceEditor(), key);
    QTest::keyClick(&grid, Qt::Key_F6);
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(EditorText(), "old");
}

TEST_F(StringGridEditorTest, LeavingTheCellRunsOnSelectCellBeforeTheEditorCloses)
{
    Type("x");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Down);
    EXPECT_EQ(log, (std::vector<std::string>{"get 3,5 old", "select 3,6 editing"}));
    EXPECT_FALSE(grid.EditorMode());
    ExpectCell(3, 6);
    EXPECT_EQ(grid.Cell(3, 5), "x");

    log.clear();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(3, 6));
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(EditorText(), "next");
    grid.OnSelectCell = [](TStringGrid* sender, int, int, bool&) { sender->SetCell(3, 6, "reverted"); };
    Click(4, 6);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cell(3, 6), "reverted");
}

TEST_F(StringGridEditorTest, ByteLimitCountsLatin1AsOneAndOthersByTheirUtf8Length)
{
    struct Case {
        int limit;
        QString typed;
        QString kept;
    };
    const Case cases[] = {
        {2, "abc", "ab"},
        {3, QString::fromUtf8("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"), QString::fromUtf8("\xc3\xa9\xc3\xa9\xc3\xa9")},
        {4,
         QString::fromUtf8("a\xe3\x81\x82"
                           "b"),
         QString::fromUtf8("a\xe3\x81\x82")},
        {0, "abcdefgh", "abcdefgh"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        grid.SetCell(3, 5, "");
        byteLimit = c.limit;
        Type(c.typed);
        ASSERT_TRUE(grid.EditorMode());
        EXPECT_EQ(EditorText(), c.kept);
        EXPECT_EQ(grid.Cell(3, 5), c.kept.toStdString());
        QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    }
    byteLimit = 2;
    Type("a");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    grid.OnGetEditText = nullptr; // a limit lasts for one opening only
    Type("abc");
    EXPECT_EQ(EditorText(), "abc");
}

TEST_F(StringGridEditorTest, PastedAndComposedTextPassTheKeyFilterAndTheByteLimit)
{
    auto paste = [this](const QString& text, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(grid.InplaceEditor(), key, modifiers);
    };
    struct Case {
        const char* name;
        std::function<void(const QString&)> enter;
    };
    const Case cases[] = {
        {"Ctrl+V", [&](const QString& text) { paste(text, Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [&](const QString& text) { paste(text, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"composed",
         [this](const QString& text) {
             QInputMethodEvent event;
             event.setCommitString(text);
             QApplication::sendEvent(grid.InplaceEditor(), &event);
         }},
    };
    byteLimit = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.SetEditorMode(true);
        keys.clear();
        c.enter(QStringLiteral("a#b\rc#d"));
        EXPECT_EQ(EditorText(), "abc");
        EXPECT_EQ(grid.Cell(3, 5), "abc");
        EXPECT_EQ(keys, "a#bc#d") << "each character once; Enter is no text";
        QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
        ASSERT_EQ(grid.Cell(3, 5), "old");
    }
}

TEST_F(StringGridEditorTest, AnOverLongCellTextOpensWholeAndCanOnlyBeShortened)
{
    grid.SetCell(3, 5, "abcdef");
    byteLimit = 3;
    QTest::keyClick(&grid, Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(EditorText(), "abcdef");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_End);
    Type("x");
    EXPECT_EQ(EditorText(), "abcdef");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Backspace);
    EXPECT_EQ(EditorText(), "abcde");
    EXPECT_EQ(grid.Cell(3, 5), "abcde");
}

// A character above U+FFFF is a pair of halves that no key filter could take apart.
TEST_F(StringGridEditorTest, APastedPairOfSurrogatesPassesWholeAndALoneHalfNot)
{
    grid.SetEditorMode(true);
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("a\U0001F600") + QChar(0xD800) + QStringLiteral("b"));
    QApplication::sendEvent(grid.InplaceEditor(), &event);
    EXPECT_EQ(EditorText(), QStringLiteral("a\U0001F600b"));
    EXPECT_EQ(keys, "ab");
}

TEST_F(StringGridEditorTest, OpensOnASelectableCellOnlyWhileEditingIsOn)
{
    struct Case {
        const char* name;
        std::function<void()> act;
        const char* shows; // nullptr: stays shut
    };
    const Case cases[] = {
        {"F2", [this] { QTest::keyClick(&grid, Qt::Key_F2); }, "old"},
        {"Enter", [this] { QTest::keyClick(&grid, Qt::Key_Return); }, "old"},
        {"typing", [this] { Type("z"); }, "z"},
        {"double click", [this] { QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(3, 5)); }, "old"},
        {"double click on a fixed cell",
         [this] { QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(1, 5)); }, nullptr},
    };
    for (const Case& c : cases) {
        for (const bool editing : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (editing ? "" : " without editing"));
            grid.SetEditing(editing);
            c.act();
            const bool opens = editing && c.shows != nullptr;
            ASSERT_EQ(grid.EditorMode(), opens);
            if (opens) {
                EXPECT_EQ(EditorText(), c.shows);
                QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
            }
            ExpectCell(3, 5);
            EXPECT_EQ(grid.Cell(3, 5), "old");
        }
    }
}

TEST(StringGridFocusTest, EnteringTheGridOrItsEditorRaisesOnEnterOnce)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit;
    auto* grid = new TStringGrid;
    layout->addWidget(other);
    layout->addWidget(grid);
    grid->SetEditing(true);
    int entered = 0;
    grid->OnEnter = [&](TStringGrid* sender) {
        EXPECT_EQ(sender, grid);
        ++entered;
    };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus(Qt::TabFocusReason);
    grid->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(entered, 1);
    grid->SetEditorMode(true);
    ASSERT_TRUE(grid->InplaceEditor()->hasFocus());
    grid->SetEditorMode(false);
    EXPECT_EQ(entered, 1);
    grid->SetEditorMode(true);
    other->setFocus(Qt::TabFocusReason);
    grid->InplaceEditor()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(entered, 2);
}

TEST(StringGridFocusTest, TheWheelOverAGridTurnsForTheGridThatHasTheFocus)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    TStringGrid* grids[2] = {new TStringGrid, new TStringGrid};
    for (TStringGrid* grid : grids) {
        grid->SetRowCount(20);
        grid->SetEditing(true);
        layout->addWidget(grid);
    }
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const bool throughEditor : {false, true}) {
        SCOPED_TRACE(throughEditor ? "editor focused" : "grid focused");
        for (TStringGrid* grid : grids)
            grid->SetColRow(1, 1);
        grids[0]->setFocus(Qt::OtherFocusReason);
        if (throughEditor)
            grids[0]->SetEditorMode(true);
        const QPointF pos = grids[1]->viewport()->rect().center();
        QWheelEvent down(pos, grids[1]->viewport()->mapToGlobal(pos), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(grids[1]->viewport(), &down);
        EXPECT_EQ(grids[0]->Row(), 2);
        EXPECT_EQ(grids[1]->Row(), 1);
    }
}

} // namespace
