#include "MainFormFixture.h"

#include "ColorAndFont.h"
#include "Files.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>

#include <fstream>

namespace {

struct ItemCase {
    const char* name;
    const char* caption;
    const char* shortcut;
    int tag;
};

std::vector<std::string> Names(const QMenu* menu)
{
    std::vector<std::string> names;
    for (const QAction* action : menu->actions())
        names.push_back(action->menu() ? action->menu()->objectName().toStdString()
                                       : action->objectName().toStdString());
    return names;
}

using MainWindow = MainFormTest;

TEST_F(MainWindow, MenusCarryTheirCaptionsShortcutsAndTagsInOrder)
{
    const ItemCase items[] = {
        {"mFile", "File(&F)", "", 0},
        {"mOpen", "Open(&O)...", "", 0},
        {"mSave", "Save(&S)", "", 0},
        {"mSaveAs", "Save As(&A)...", "", 0},
        {"mSaveTextFile", "Analysis is Text file(&T)...", "", 0},
        {"mDoubleWindow", "Auxiliary Window(&W)", "", 0},
        {"mChangeWindow", "Change of Window(&W)", "Ctrl+W", 0},
        {"mExit", "Exit(&E)", "", 0},
        {"mStyle", "Style(&T)", "", 0},
        {"mStyleGroupRead", "Load from Style group file(&O)...", "", 0},
        {"mStyleGroupSave", "Save to Style group fils(&S)...", "", 0},
        {"mStyleGroupNew", "Style group is New(&N)", "", 0},
        {"mStyleAdd", "Style is Addition(&A)", "", 0},
        {"mStyleDelete", "Style is Copy and Delete(&D)", "", 0},
        {"mDummyMenu", "Style 1", "", 0},
        {"mSearch", "Search(&S)", "", 0},
        {"mSearch1", "Search(&S)...", "", 0},
        {"mFrontSearch", "Front is Search(&R)", "", 0},
        {"mNextSearch", "Next is Search(&E)", "F4", 0},
        {"mFrontCompared", "Front is Compared(&C)", "", 0},
        {"mNextCompared", "Next is Compared(&X)", "F5", 0},
        {"mJump", "Jump(&J)", "", 0},
        {"mMoveToZero", "Moves to Address Zero(&Z)", "F1", 0},
        {"mMoveToEnd", "Moves to Address End(&E)", "", 0},
        {"mMoveToUser", "Moves to User set(&U)", "", 0},
        {"mMoveToFront", "Front-jumps in Style(F)", "F2", 0},
        {"mMoveToNext", "Next-jumps in Style(&N)", "F3", 0},
        {"mSameAddress", "Position is Arranged(&A)", "F10", 0},
        {"mTools", "Tools(&L)", "", 0},
        {"mTrawlbox", "Trawlbox(&M)", "", 0},
        {"mDocument", "Document(&D)", "", 0},
        {"mAbout", "About(&A)...", "", 0},
        {"mOption", "Option(&O)", "", 0},
        {"mDumpColor", "Dump Color(&C)...", "", 0},
        {"mDumpFont", "Dump Font(&F)...", "", 0},
        {"mStyleColor", "Style Color(&S)...", "", 0},
        {"mStyleFont", "Style Font(&T)...", "", 0},
        {"mBackColor", "Background Color(&B)...", "", 0},
        {"mShowDump", "Show Dump(&M)", "", 0},
        {"mShowStyle", "Show Style(&L)", "", 0},
        {"mShowHint", "Show Hint(&H)", "", 0},
        {"pmBinary", "Binary(1byte)", "", 1},
        {"pmHex", "Hex(1byte)", "", 2},
        {"pmByte", "Byte(1byte)", "", 3},
        {"pmShortInt", "ShortInt(1byte)", "", 4},
        {"pmWord", "Word(2bytes)", "", 5},
        {"pmSmallInt", "SmallInt(2bytes)", "", 6},
        {"pmLongWord", "LongWord(4byte)", "", 7},
        {"pmLongInt", "LongInt(4bytes)", "", 8},
        {"pmInt64", "Int64(8bytes)", "", 9},
        {"pmChar", "Char(1byte)", "", 11},
        {"pmChar2", "Char(2Bytes)", "", 12},
        {"pmEdit", "Edit", "", 0},
        {"pmAddition", "Addition", "Ctrl+A", 0},
        {"pmDelete", "Delete", "Ctrl+D", 0},
        {"pmClear", "Clear", "", 0},
        {"pmName", "Name", "", 0},
        {"pmNewName", "Style 0", "", 0},
        {"pmOffset", "Offset", "", 0},
        {"pmJump0address", "Jump 0 point", "F1", 0},
        {"pmJumpOffset1", "Jump Offset", "", 0},
        {"pmSetOffset", "Set Offset", "", 0},
        {"pmOffsetAddress", "000000", "", 0},
        {"pmLock", "Lock", "", 0},
        {"pmComment", "Comment", "Ctrl+C", 0},
        {"pmHint", "Hint", "Ctrl+H", 0},
        {"pmNone1", "None", "", 0},
        {"pmBinary1", "Binary", "", 1},
        {"pmHex1", "Hex", "", 2},
        {"pmByte1", "Byte", "", 3},
        {"pmShortInt1", "ShortInt", "", 4},
        {"pmWord1", "Word", "", 5},
        {"pmSmallint1", "Smallint", "", 6},
        {"pmLongWord1", "LongWord", "", 7},
        {"pmLongInt1", "LongInt", "", 8},
        {"pmInt641", "Int64", "", 9},
        {"pmChar1", "Char", "", 10},
        {"pmSpace1", "Space", "", 13},
    };
    for (const ItemCase& test : items) {
        SCOPED_TRACE(test.name);
        if (auto* menu = form->findChild<QMenu*>(QString::fromLatin1(test.name))) {
            EXPECT_EQ(menu->title().toStdString(), test.caption);
            continue;
        }
        auto* item = form->findChild<TMenuItem*>(QString::fromLatin1(test.name));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text().toStdString(), test.caption);
        EXPECT_EQ(item->shortcut().toString().toStdString(), test.shortcut);
        EXPECT_EQ(item->Tag(), test.tag);
    }

    EXPECT_EQ(Names(form->mFile), (std::vector<std::string>{"mOpen", "mSave", "mSaveAs", "mSaveTextFile", "mBar01",
                                                            "mDoubleWindow", "mChangeWindow", "mBar0", "mExit"}));
    EXPECT_EQ(Names(form->mStyle).size(), 8u) << "seven fixed items and the placeholder";
    EXPECT_EQ(Names(form->mJump), (std::vector<std::string>{"mMoveToZero", "mMoveToEnd", "mMoveToUser", "mBar21",
                                                            "mMoveToFront", "mMoveToNext", "mBar32", "mSameAddress"}));
    EXPECT_EQ(Names(form->PopupMenu2),
              (std::vector<std::string>{"pmEdit",      "pmName",     "pmOffset",    "pmLock",  "pmBar1",
                                        "pmComment",   "pmHint",     "pmBar2",      "pmNone1", "pmBinary1",
                                        "pmHex1",      "pmByte1",    "pmShortInt1", "pmWord1", "pmSmallint1",
                                        "pmLongWord1", "pmLongInt1", "pmInt641",    "pmChar1", "pmSpace1"}));
    std::vector<std::string> bar;
    for (const QAction* action : form->MainMenu1->actions())
        bar.push_back(action->menu()->objectName().toStdString());
    EXPECT_EQ(bar, (std::vector<std::string>{"mFile", "mStyle", "mSearch", "mJump", "mTools", "mOption"}));

    for (const QAction* action : form->PopupMenu1->actions()) {
        const auto* item = qobject_cast<const TMenuItem*>(action);
        EXPECT_TRUE(item->RadioItem());
        EXPECT_EQ(item->GroupIndex(), 1);
        EXPECT_EQ(item->Checked(), item == form->pmHex);
    }
    EXPECT_EQ(form->PopupMenu1->Tag(), vkHex);
}

TEST_F(MainWindow, EveryComponentCarriesItsName)
{
    const char* const names[] = {
        "OpenDialog1", "SaveDialog1", "OpenDialog2", "SaveDialog2", "SaveDialog3", "ColorDialog1", "FontDialog1",
        "Splitter1",   "aPanel1",     "aDumpPanel",  "aDumpGrid",   "aDumpBar",    "aStylePanel",  "aStyleGrid",
        "aStyleBar",   "aSplitter1",  "bPanel1",     "bDumpPanel",  "bDumpGrid",   "bDumpBar",     "bStylePanel",
        "bStyleGrid",  "bStyleBar",   "bSplitter1",  "MainMenu1",   "mBar0",       "mBar01",       "mBar1",
        "mBar11",      "mBar2",       "mBar21",      "mBar3",       "mBar31",      "mBar32",       "PopupMenu1",
        "PopupMenu2",  "pmBar1",      "pmBar2"};
    for (const char* name : names)
        EXPECT_NE(form->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(form->objectName(), QStringLiteral("MainForm"));
    EXPECT_EQ(MainForm, form.get());
    EXPECT_EQ(form->aDumpGrid->PopupMenu(), form->PopupMenu1);
    EXPECT_EQ(form->bStyleGrid->PopupMenu(), form->PopupMenu2);
    EXPECT_EQ(form->SaveDialog2->Spec().Title, QStringLiteral("Form style fils is write."));
    EXPECT_EQ(form->OpenDialog2->Spec().Filter, QStringLiteral("form style|*.fms"));
    EXPECT_FALSE(form->OpenDialog2->Spec().PlacesBar);
    EXPECT_TRUE(form->SaveDialog2->Spec().PlacesBar);
}

TEST_F(MainWindow, StartsWithTheDesignedGridsAndTheDefaultOptions)
{
    for (TStringGrid* grid : {form->aDumpGrid, form->bDumpGrid}) {
        SCOPED_TRACE(grid->objectName().toStdString());
        EXPECT_EQ(grid->ColCount(), 18);
        EXPECT_EQ(grid->RowCount(), 100);
        EXPECT_EQ(grid->FixedCols(), 2);
        EXPECT_EQ(grid->DefaultRowHeight(), 16);
        EXPECT_EQ(grid->ColWidth(1), 102);
        EXPECT_EQ(grid->ColWidth(17), 18);
        EXPECT_EQ(grid->Cell(1, 0), "0123456789ABCDEF");
        EXPECT_TRUE(grid->FixedPitchCol(1));
        EXPECT_FALSE(grid->FixedPitchCol(2));
        EXPECT_EQ(grid->Cell(2, 0), "+0");
        EXPECT_EQ(grid->Cell(17, 0), "+F");
        EXPECT_EQ(grid->Cell(0, 1), "000000");
        EXPECT_EQ(grid->Cell(0, 99), "000620");
        EXPECT_EQ(grid->Cell(2, 1), "");
        // Pane b is the inactive pane: its grids take the background colour.
        EXPECT_EQ(grid->Color(), grid == form->aDumpGrid ? QColor(Qt::black) : QColor(0x33, 0x33, 0x33));
        EXPECT_EQ(grid->FontColor(), QColor(Qt::white));
        EXPECT_EQ(grid->GridFont().family().toStdString(), "ＭＳ ゴシック");
        EXPECT_EQ(grid->GridFont().pointSize(), 9);
    }
    for (TStringGrid* grid : {form->aStyleGrid, form->bStyleGrid}) {
        SCOPED_TRACE(grid->objectName().toStdString());
        EXPECT_EQ(grid->Cell(1, 0), "Addres");
        EXPECT_EQ(grid->ColWidth(4), 160);
        EXPECT_EQ(grid->DefaultRowHeight(), 18);
        EXPECT_EQ(grid->RowCount(), 2);
        EXPECT_EQ(grid->Cell(2, 1), "None");
        EXPECT_EQ(grid->FontColor(), QColor(Qt::blue));
    }
    EXPECT_TRUE(form->aStyleGrid->Editing());
    EXPECT_FALSE(form->bStyleGrid->Editing());
    EXPECT_FALSE(form->aStyleGrid->RangeSelect());
    EXPECT_TRUE(form->bStyleGrid->RangeSelect());
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Style 0");
    EXPECT_EQ(form->aDumpBar->PanelWidth(1), 100);
    EXPECT_EQ(form->bStyleBar->PanelWidth(1), 160);
    EXPECT_TRUE(form->bPanel1->isHidden());
    EXPECT_EQ(form->ActivePane, 0);
    EXPECT_EQ(form->CurrentStyle, 0);
    EXPECT_TRUE(form->mShowDump->Checked());
    EXPECT_TRUE(form->mShowStyle->Checked());
    EXPECT_TRUE(form->acceptDrops());
    EXPECT_TRUE(recorder.Errors.empty());
}

TEST_F(MainWindow, TheTextsThatFixedWidthsHoldFitThem)
{
    const QFontMetrics bar(form->aDumpBar->font());
    const std::pair<int, const char*> panels[] = {{0, "000000"}, {1, "000000-FFFFFFFF"}, {2, "1048576bytes"}};
    for (const auto& [panel, text] : panels)
        EXPECT_LE(bar.horizontalAdvance(QString::fromLatin1(text)), form->aDumpBar->PanelTextRect(panel).width())
            << text;
    // A grid draws its texts 2 pixels into the cell.
    for (const TStringGrid* grid : {form->aDumpGrid, form->aStyleGrid}) {
        const QFontMetrics cells(grid->GridFont());
        for (int col = 0; col < grid->ColCount(); ++col) {
            const QString header = QString::fromStdString(grid->Cell(col, 0));
            EXPECT_LE(cells.horizontalAdvance(header) + 2, grid->ColWidth(col)) << header.toStdString();
        }
    }
    EXPECT_LE(QFontMetrics(form->aDumpGrid->GridFont()).horizontalAdvance(QStringLiteral("0FFFF0")) + 2,
              form->aDumpGrid->ColWidth(0));
}

TEST_F(MainWindow, AnErrorInTheStartUpShowsTheErrorBoxAndSkipsTheLaterSteps)
{
    // A style group file that asks for a 31st style.
    std::vector<uint8_t> group{30, 0};
    for (int i = 0; i <= 30; ++i) {
        std::vector<uint8_t> record(39 + 110, 0);
        record[37] = 0;
        record[39] = 255;
        group.insert(group.end(), record.begin(), record.end());
    }
    const std::string groupFile = WriteFile("big.fms", group);
    {
        std::ofstream options(OptionFileName(), std::ios::binary);
        for (int line = 1; line <= 12; ++line)
            options << "\r\n";
        options << "Style G File :" << groupFile << "\r\n";
    }
    form.reset();
    form = std::make_unique<TMainForm>();
    ASSERT_EQ(recorder.Errors.size(), 1u);
    EXPECT_EQ(form->aStyleGrid->RowCount(), 2) << "the style grids show the group the read left, recounted";
    EXPECT_FALSE(form->acceptDrops()) << "the steps after the group's read are skipped";
    EXPECT_EQ(form->aDumpGrid->RowCount(), 100) << "the steps before the error ran";
}

TEST_F(MainWindow, ClosingWritesTheOptionFileWhicheverWayItCloses)
{
    for (bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "Exit" : "close box");
        RemoveOptionFile();
        DataFileName[0] = "/data/last.bin";
        ShowWindow();
        if (byMenu)
            form->mExit->trigger();
        else
            form->close();
        EXPECT_FALSE(form->isVisible());
        std::ifstream options(OptionFileName(), std::ios::binary);
        ASSERT_TRUE(options.good());
        std::string line;
        std::vector<std::string> lines;
        while (std::getline(options, line))
            lines.push_back(line);
        options.close();
        RemoveOptionFile();
        ASSERT_EQ(lines.size(), 14u);
        EXPECT_EQ(lines[0], "Dump         :1\r");
        EXPECT_EQ(lines[13], "Init Folder  :/data/last.bin\r");
    }
}

class PaneSwitch : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        DumpColor = 0x0000FF;
        StyleColor = 0x00FF00;
        BackColor = 0x333333;
        ShowWindow();
    }

    void ExpectActive(int pane)
    {
        EXPECT_EQ(form->ActivePane, pane);
        const bool a = pane == 0;
        EXPECT_EQ(form->aDumpGrid->Color(), ColorFromValue(a ? DumpColor : BackColor));
        EXPECT_EQ(form->aStyleGrid->FixedColor(), ColorFromValue(a ? StyleColor : BackColor));
        EXPECT_EQ(form->bDumpGrid->Color(), ColorFromValue(a ? BackColor : DumpColor));
        EXPECT_EQ(form->bStyleGrid->Color(), ColorFromValue(a ? BackColor : StyleColor));
    }

    void CtrlW() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier); }
};

TEST_F(PaneSwitch, CtrlWGoesToTheGridOfTheSameRoleInTheOtherPane)
{
    form->aDumpGrid->setFocus();
    CtrlW();
    EXPECT_TRUE(form->aDumpGrid->hasFocus()) << "pane b is hidden";
    form->mDoubleWindow->trigger();
    EXPECT_FALSE(form->bPanel1->isHidden());
    ExpectActive(0);

    CtrlW();
    EXPECT_TRUE(form->bDumpGrid->hasFocus());
    ExpectActive(1);
    CtrlW();
    EXPECT_TRUE(form->aDumpGrid->hasFocus());
    ExpectActive(0);

    form->aStyleGrid->setFocus();
    CtrlW();
    EXPECT_TRUE(form->bStyleGrid->hasFocus());
    CtrlW();
    EXPECT_TRUE(form->aStyleGrid->hasFocus());
}

TEST_F(PaneSwitch, TheActivePaneFollowsTheGridLastFocusedWhileTheWindowWasInactiveToo)
{
    form->mDoubleWindow->trigger();
    form->aDumpGrid->setFocus();
    ExpectActive(0);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->bDumpGrid->setFocus(Qt::MouseFocusReason);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ExpectActive(1);
    Click(form->aDumpGrid, 2, 1);
    EXPECT_TRUE(form->aDumpGrid->hasFocus());
    ExpectActive(0);
}

TEST_F(PaneSwitch, TabFromAnOpenValueEditorGoesWhereTabFromItsGridGoes)
{
    struct Case {
        const char* name;
        bool paneB;
        Qt::KeyboardModifiers shift;
        TStringGrid* TMainForm::*target;
        int pane;
    };
    const Case cases[] = {
        {"Tab with pane b", true, Qt::NoModifier, &TMainForm::bDumpGrid, 1},
        {"Shift+Tab with pane b", true, Qt::ShiftModifier, &TMainForm::aDumpGrid, 0},
        {"Tab without pane b", false, Qt::NoModifier, &TMainForm::aDumpGrid, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        if (form->bPanel1->isHidden() == test.paneB)
            form->mDoubleWindow->trigger();
        form->aStyleGrid->setFocus(Qt::MouseFocusReason);
        form->aStyleGrid->SetEditorMode(true);
        ASSERT_TRUE(form->aStyleGrid->EditorMode());
        ASSERT_TRUE(form->aStyleGrid->InplaceEditor()->hasFocus());
        QTest::keyClick(form->aStyleGrid->InplaceEditor(), Qt::Key_Tab, test.shift);
        EXPECT_TRUE((form.get()->*test.target)->hasFocus());
        ExpectActive(test.pane);
        form->aStyleGrid->SetEditorMode(false);
    }
}

TEST_F(PaneSwitch, HidingPaneBMovesTheFocusToPaneAsDumpGrid)
{
    form->mDoubleWindow->trigger();
    form->bStyleGrid->setFocus();
    ExpectActive(1);
    form->mDoubleWindow->trigger();
    EXPECT_TRUE(form->bPanel1->isHidden());
    EXPECT_TRUE(form->aDumpGrid->hasFocus());
    ExpectActive(0);

    form->aStyleGrid->setFocus();
    form->mDoubleWindow->trigger();
    EXPECT_TRUE(form->aStyleGrid->hasFocus()) << "showing pane b leaves the focus";
    ExpectActive(0);
}

TEST_F(PaneSwitch, DraggingEitherPanesSplitterGivesBothStylePanelsOneWidth)
{
    form->mDoubleWindow->trigger();
    QApplication::processEvents();
    for (TSplitter* splitter : {form->aSplitter1, form->bSplitter1}) {
        SCOPED_TRACE(splitter->objectName().toStdString());
        auto send = [&](QEvent::Type type, int dx, Qt::MouseButton button, Qt::MouseButtons buttons) {
            const QPointF local(1, 10);
            QMouseEvent event(type, local, splitter->mapToGlobal(local) + QPointF(dx, 0), button, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(splitter, &event);
        };
        send(QEvent::MouseButtonPress, 0, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, splitter == form->aSplitter1 ? -40 : 25, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, 0, Qt::LeftButton, Qt::NoButton);
        const int width = splitter == form->aSplitter1 ? 460 : 435;
        EXPECT_EQ(form->aPanel1->Controls()->Extent(form->aStylePanel), width);
        EXPECT_EQ(form->bPanel1->Controls()->Extent(form->bStylePanel), width);
    }
}

} // namespace
