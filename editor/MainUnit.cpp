// The main window's making, its start-up and close, and the switch between its two panes.
#include "MainUnit.h"

#include "ColorAndFont.h"
#include "DataUnit.h"
#include "FileDrop.h"
#include "GridOptions.h"
#include "MenuTable.h"
#include "Runtime.h"

TMainForm* MainForm = nullptr;

namespace {

// Pane a, the splitter and pane b, below the menu.
constexpr int ClientHeight = 436;
constexpr int PaneBHeight = 129;
constexpr int SplitterWidth = 2;

constexpr int Key(Qt::Key key)
{
    return QKeyCombination(key).toCombined();
}

constexpr int CtrlKey(Qt::Key key)
{
    return (Qt::CTRL | key).toCombined();
}

using M = TMainForm;

const TMenuRow<M> FileItems[] = {
    {&M::mOpen, "mOpen", "Open(&O)...", &M::mOpenClick},
    {&M::mSave, "mSave", "Save(&S)", &M::mSaveClick},
    {&M::mSaveAs, "mSaveAs", "Save As(&A)...", &M::mSaveAsClick},
    {&M::mSaveTextFile, "mSaveTextFile", "Analysis is Text file(&T)...", &M::mSaveTextFileClick},
    {&M::mBar01, "mBar01", "-"},
    {&M::mDoubleWindow, "mDoubleWindow", "Auxiliary Window(&W)", &M::mDoubleWindowClick},
    {&M::mChangeWindow, "mChangeWindow", "Change of Window(&W)", &M::mChangeWindowClick, CtrlKey(Qt::Key_W)},
    {&M::mBar0, "mBar0", "-"},
    {&M::mExit, "mExit", "Exit(&E)", &M::mExitClick},
};

const TMenuRow<M> StyleItems[] = {
    {&M::mStyleGroupRead, "mStyleGroupRead", "Load from Style group file(&O)...", &M::mStyleGroupReadClick},
    {&M::mStyleGroupSave, "mStyleGroupSave", "Save to Style group fils(&S)...", &M::mStyleGroupSaveClick},
    {&M::mStyleGroupNew, "mStyleGroupNew", "Style group is New(&N)", &M::mStyleGroupNewClick},
    {&M::mBar1, "mBar1", "-"},
    {&M::mStyleAdd, "mStyleAdd", "Style is Addition(&A)", &M::mStyleAddClick},
    {&M::mStyleDelete, "mStyleDelete", "Style is Copy and Delete(&D)", &M::mStyleDeleteClick},
    {&M::mBar11, "mBar11", "-"},
    {&M::mDummyMenu, "mDummyMenu", "Style 1", &M::StyleMenuClick},
};

const TMenuRow<M> SearchItems[] = {
    {&M::mSearch1, "mSearch1", "Search(&S)...", &M::mSearch1Click},
    {&M::mFrontSearch, "mFrontSearch", "Front is Search(&R)", &M::mFrontSearchClick},
    {&M::mNextSearch, "mNextSearch", "Next is Search(&E)", &M::mNextSearchClick, Key(Qt::Key_F4)},
    {&M::mBar2, "mBar2", "-"},
    {&M::mFrontCompared, "mFrontCompared", "Front is Compared(&C)", &M::mFrontComparedClick},
    {&M::mNextCompared, "mNextCompared", "Next is Compared(&X)", &M::mNextComparedClick, Key(Qt::Key_F5)},
};

const TMenuRow<M> JumpItems[] = {
    {&M::mMoveToZero, "mMoveToZero", "Moves to Address Zero(&Z)", &M::mMoveToTopClick, Key(Qt::Key_F1)},
    {&M::mMoveToEnd, "mMoveToEnd", "Moves to Address End(&E)", &M::mMoveToEndClick},
    {&M::mMoveToUser, "mMoveToUser", "Moves to User set(&U)", &M::mMoveToUserClick},
    {&M::mBar21, "mBar21", "-"},
    {&M::mMoveToFront, "mMoveToFront", "Front-jumps in Style(F)", &M::mMoveToFrontClick, Key(Qt::Key_F2)},
    {&M::mMoveToNext, "mMoveToNext", "Next-jumps in Style(&N)", &M::mMoveToNextClick, Key(Qt::Key_F3)},
    {&M::mBar32, "mBar32", "-"},
    {&M::mSameAddress, "mSameAddress", "Position is Arranged(&A)", &M::mSameAddressClick, Key(Qt::Key_F10)},
};

const TMenuRow<M> ToolsItems[] = {
    {&M::mTrawlbox, "mTrawlbox", "Trawlbox(&M)", &M::mTrawlboxClick},
    {&M::mBar31, "mBar31", "-"},
    {&M::mDocument, "mDocument", "Document(&D)", &M::mDocumentClick},
    {&M::mAbout, "mAbout", "About(&A)...", &M::mAboutClick},
};

const TMenuRow<M> OptionItems[] = {
    {&M::mDumpColor, "mDumpColor", "Dump Color(&C)...", &M::mOptionClick},
    {&M::mDumpFont, "mDumpFont", "Dump Font(&F)...", &M::mOptionClick},
    {&M::mStyleColor, "mStyleColor", "Style Color(&S)...", &M::mOptionClick},
    {&M::mStyleFont, "mStyleFont", "Style Font(&T)...", &M::mOptionClick},
    {&M::mBackColor, "mBackColor", "Background Color(&B)...", &M::mOptionClick},
    {&M::mBar3, "mBar3", "-"},
    {&M::mShowDump, "mShowDump", "Show Dump(&M)", &M::mShowOptionClick, 0, 0, true},
    {&M::mShowStyle, "mShowStyle", "Show Style(&L)", &M::mShowOptionClick, 0, 0, true},
    {&M::mShowHint, "mShowHint", "Show Hint(&H)", &M::mShowHintClick, 0, 0, true},
};

// The dump popup's items carry the kind they choose.
const TMenuRow<M> DumpKindItems[] = {
    {&M::pmBinary, "pmBinary", "Binary(1byte)", &M::pmKindClick, 0, vkBinary},
    {&M::pmHex, "pmHex", "Hex(1byte)", &M::pmKindClick, 0, vkHex, true},
    {&M::pmByte, "pmByte", "Byte(1byte)", &M::pmKindClick, 0, vkByte},
    {&M::pmShortInt, "pmShortInt", "ShortInt(1byte)", &M::pmKindClick, 0, vkShortInt},
    {&M::pmWord, "pmWord", "Word(2bytes)", &M::pmKindClick, 0, vkWord},
    {&M::pmSmallInt, "pmSmallInt", "SmallInt(2bytes)", &M::pmKindClick, 0, vkSmallInt},
    {&M::pmLongWord, "pmLongWord", "LongWord(4byte)", &M::pmKindClick, 0, vkLongWord},
    {&M::pmLongInt, "pmLongInt", "LongInt(4bytes)", &M::pmKindClick, 0, vkLongInt},
    {&M::pmInt64, "pmInt64", "Int64(8bytes)", &M::pmKindClick, 0, vkInt64},
    {&M::pmChar, "pmChar", "Char(1byte)", &M::pmKindClick, 0, vkChar1},
    {&M::pmChar2, "pmChar2", "Char(2Bytes)", &M::pmKindClick, 0, vkChar2},
};
constexpr int DumpKindGroup = 1;

const TMenuRow<M> EditItems[] = {
    {&M::pmAddition, "pmAddition", "Addition", &M::pmAdditionClick, CtrlKey(Qt::Key_A)},
    {&M::pmDelete, "pmDelete", "Delete", &M::pmDeleteClick, CtrlKey(Qt::Key_D)},
    {&M::pmClear, "pmClear", "Clear", &M::pmClearClick},
};

const TMenuRow<M> NameItems[] = {
    {&M::pmNewName, "pmNewName", "NewName1", &M::pmNewNameClick},
};

const TMenuRow<M> OffsetItems[] = {
    {&M::pmJump0address, "pmJump0address", "Jump 0 point", &M::mMoveToTopClick, Key(Qt::Key_F1)},
    {&M::pmJumpOffset1, "pmJumpOffset1", "Jump Offset", &M::pmJumpOffsetClick},
    {&M::pmSetOffset, "pmSetOffset", "Set Offset", &M::pmSetOffsetClick},
    {&M::pmOffsetAddress, "pmOffsetAddress", "000000", &M::pmOffsetAddressClick},
};

const TMenuRow<M> StylePopupItems[] = {
    {&M::pmLock, "pmLock", "Lock", &M::pmLockClick},
    {&M::pmBar1, "pmBar1", "-"},
    {&M::pmComment, "pmComment", "Comment", &M::pmCommentClick, CtrlKey(Qt::Key_C)},
    {&M::pmHint, "pmHint", "Hint", &M::pmHintClick, CtrlKey(Qt::Key_H)},
    {&M::pmBar2, "pmBar2", "-"},
    {&M::pmNone1, "pmNone1", "None", &M::pmNone1Click, 0, vkNone},
    {&M::pmBinary1, "pmBinary1", "Binary", &M::pmNone1Click, 0, vkBinary},
    {&M::pmHex1, "pmHex1", "Hex", &M::pmNone1Click, 0, vkHex},
    {&M::pmByte1, "pmByte1", "Byte", &M::pmNone1Click, 0, vkByte},
    {&M::pmShortInt1, "pmShortInt1", "ShortInt", &M::pmNone1Click, 0, vkShortInt},
    {&M::pmWord1, "pmWord1", "Word", &M::pmNone1Click, 0, vkWord},
    {&M::pmSmallint1, "pmSmallint1", "Smallint", &M::pmNone1Click, 0, vkSmallInt},
    {&M::pmLongWord1, "pmLongWord1", "LongWord", &M::pmNone1Click, 0, vkLongWord},
    {&M::pmLongInt1, "pmLongInt1", "LongInt", &M::pmNone1Click, 0, vkLongInt},
    {&M::pmInt641, "pmInt641", "Int64", &M::pmNone1Click, 0, vkInt64},
    {&M::pmChar1, "pmChar1", "Char", &M::pmNone1Click, 0, vkChars},
    {&M::pmSpace1, "pmSpace1", "Space", &M::pmNone1Click, 0, vkSpace},
};

TStringGrid* MakeGrid(TPanel* panel, const char* name, TPopupMenu* popup)
{
    auto* grid = new TStringGrid(panel);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->SetGridLines(false);
    grid->SetThumbTracking(true);
    grid->SetPopupMenu(popup);
    popup->AttachTo(grid);
    panel->Controls()->AddControl(grid, TAlign::Client);
    return grid;
}

TStatusBar* MakeBar(TPanel* panel, const char* name, const std::vector<int>& widths)
{
    auto* bar = new TStatusBar(panel);
    bar->setObjectName(QString::fromLatin1(name));
    bar->SetPanelWidths(widths);
    panel->Controls()->AddControl(bar, TAlign::Bottom, TStatusBar::BarHeight);
    return bar;
}

TPanel* MakePanel(QWidget* parent, const char* name)
{
    auto* panel = new TPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

} // namespace

TMainForm::TMainForm(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    MainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Byteloom"));
    setFont(FormFont());

    BuildDialogs();
    BuildPopupMenus();
    BuildPanes();
    BuildMainMenu();
    BindGridEvents();
    resize(BothPanelsWidth, ClientHeight + MainMenu1->sizeHint().height());

    setTabOrder(aDumpGrid, aStyleGrid);
    setTabOrder(aStyleGrid, bDumpGrid);
    setTabOrder(bDumpGrid, bStyleGrid);
    aDumpGrid->setFocus(Qt::OtherFocusReason);

    OnCreate = [this](TForm* sender) { FormCreate(sender); };
    OnClose = [this](TForm* sender) { FormClose(sender); };
}

TMainForm::~TMainForm()
{
    if (MainForm == this) {
        MainForm = nullptr;
        SetShowHintHook({});
    }
}

void TMainForm::BuildDialogs()
{
    auto fileDialog = [this](TFileDialog*& dialog, const char* name, TFileDialog::TKind kind, TFileDialogSpec spec) {
        dialog = new TFileDialog(kind, this);
        dialog->setObjectName(QString::fromLatin1(name));
        dialog->SetSpec(std::move(spec));
    };
    fileDialog(OpenDialog1, "OpenDialog1", TFileDialog::TKind::Open, {});
    fileDialog(SaveDialog1, "SaveDialog1", TFileDialog::TKind::Save, {});
    fileDialog(OpenDialog2, "OpenDialog2", TFileDialog::TKind::Open,
               {QStringLiteral("Form style file is open."), QStringLiteral("form style|*.fms"), QStringLiteral(".fms"),
                false});
    fileDialog(
        SaveDialog2, "SaveDialog2", TFileDialog::TKind::Save,
        {QStringLiteral("Form style fils is write."), QStringLiteral("form style|*.fms"), QStringLiteral(".fms")});
    fileDialog(SaveDialog3, "SaveDialog3", TFileDialog::TKind::Save,
               {QStringLiteral("An analysis result is outputted to a text file."), QStringLiteral(".txt"),
                QStringLiteral(".txt")});
    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    FontDialog1 = new TFontDialog(this);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    FontDialog1->SetFont(FormFont(), Qt::black);
}

void TMainForm::BuildPopupMenus()
{
    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->SetTag(vkHex);
    AddMenuRows(this, PopupMenu1, DumpKindItems);
    for (const TMenuRow<M>& spec : DumpKindItems) {
        TMenuItem* item = this->*spec.item;
        item->SetGroupIndex(DumpKindGroup);
        item->SetRadioItem(true);
    }

    PopupMenu2 = new TPopupMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    pmEdit = AddSubMenu(PopupMenu2, "pmEdit", QStringLiteral("Edit"));
    AddMenuRows(this, pmEdit, EditItems);
    pmName = AddSubMenu(PopupMenu2, "pmName", QStringLiteral("Name"));
    AddMenuRows(this, pmName, NameItems);
    pmOffset = AddSubMenu(PopupMenu2, "pmOffset", QStringLiteral("Offset"));
    AddMenuRows(this, pmOffset, OffsetItems);
    AddMenuRows(this, PopupMenu2, StylePopupItems);
}

void TMainForm::BuildMainMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    layout()->setMenuBar(MainMenu1);
    mFile = AddBarMenu(this, MainMenu1, "mFile", "File(&F)", FileItems);
    mStyle = AddBarMenu(this, MainMenu1, "mStyle", "Style(&T)", StyleItems);
    mSearch = AddBarMenu(this, MainMenu1, "mSearch", "Search(&S)", SearchItems);
    mJump = AddBarMenu(this, MainMenu1, "mJump", "Jump(&J)", JumpItems);
    mTools = AddBarMenu(this, MainMenu1, "mTools", "Tools(&L)", ToolsItems);
    mOption = AddBarMenu(this, MainMenu1, "mOption", "Option(&O)", OptionItems);
}

void TMainForm::BuildPanes()
{
    auto* window = new TAlignLayout(this);
    aPanel1 = MakePanel(this, "aPanel1");
    bPanel1 = MakePanel(this, "bPanel1");
    Splitter1 = new TSplitter(this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    // Stacked from the bottom edge: pane b, then the bar that parts it from pane a.
    window->AddControl(bPanel1, TAlign::Bottom, PaneBHeight);
    window->AddControl(Splitter1, TAlign::Bottom, SplitterWidth);
    window->AddControl(aPanel1, TAlign::Client);
    BuildPane(0);
    BuildPane(1);
    bPanel1->hide();
}

void TMainForm::BuildPane(int pane)
{
    const bool a = pane == 0;
    TPanel* panePanel = a ? aPanel1 : bPanel1;
    panePanel->SetLoweredBevel(true);
    TPanel* dumpPanel = MakePanel(panePanel, a ? "aDumpPanel" : "bDumpPanel");
    TPanel* stylePanel = MakePanel(panePanel, a ? "aStylePanel" : "bStylePanel");
    auto* splitter = new TSplitter(panePanel);
    splitter->setObjectName(QString::fromLatin1(a ? "aSplitter1" : "bSplitter1"));
    splitter->OnMoved = [this](TSplitter* sender) { Splitter1Moved(sender); };
    panePanel->Controls()->AddControl(stylePanel, TAlign::Right, StylePanelWidth);
    panePanel->Controls()->AddControl(splitter, TAlign::Right, SplitterWidth);
    panePanel->Controls()->AddControl(dumpPanel, TAlign::Client);

    TStatusBar* dumpBar = MakeBar(dumpPanel, a ? "aDumpBar" : "bDumpBar", {50, 100, 90, 50});
    TStringGrid* dumpGrid = MakeGrid(dumpPanel, a ? "aDumpGrid" : "bDumpGrid", PopupMenu1);
    TStatusBar* styleBar = MakeBar(stylePanel, a ? "aStyleBar" : "bStyleBar", {80, 160, 50});
    TStringGrid* styleGrid = MakeGrid(stylePanel, a ? "aStyleGrid" : "bStyleGrid", PopupMenu2);
    styleGrid->SetColCount(5);
    styleGrid->SetRowCount(100);
    styleGrid->SetFixedCols(4);
    styleGrid->SetFixedRows(1);
    // Only pane a's style grid edits values in place; pane b's selects ranges instead.
    styleGrid->SetEditing(a);
    styleGrid->SetRangeSelect(!a);

    (a ? aDumpPanel : bDumpPanel) = dumpPanel;
    (a ? aStylePanel : bStylePanel) = stylePanel;
    (a ? aSplitter1 : bSplitter1) = splitter;
    (a ? aDumpBar : bDumpBar) = dumpBar;
    (a ? aDumpGrid : bDumpGrid) = dumpGrid;
    (a ? aStyleBar : bStyleBar) = styleBar;
    (a ? aStyleGrid : bStyleGrid) = styleGrid;
}

void TMainForm::BindGridEvents()
{
    for (TStringGrid* grid : {aDumpGrid, bDumpGrid}) {
        grid->OnEnter = [this](TStringGrid* sender) { DumpGridEnter(sender); };
        grid->OnDblClick = [this](TStringGrid* sender) { DumpGridMouseDblClick(sender); };
        grid->OnMouseDown = [this](TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                   int y) { DumpGridMouseDown(sender, button, shift, x, y); };
        grid->OnKeyUp = [this](TStringGrid* sender, int& key, Qt::KeyboardModifiers shift) {
            DumpGridKeyUp(sender, key, shift);
        };
        grid->OnMouseUp = [this](TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                 int y) { DumpGridMouseUp(sender, button, shift, x, y); };
        grid->OnMouseWheel = [this](TStringGrid* sender, bool up, Qt::KeyboardModifiers shift, bool& handled) {
            DumpGridMouseWheelUp(sender, up, shift, handled);
        };
    }
    for (TStringGrid* grid : {aStyleGrid, bStyleGrid}) {
        grid->OnEnter = [this](TStringGrid* sender) { DumpGridEnter(sender); };
        grid->OnKeyPress = [this](TStringGrid* sender, QChar& key) { StyleGridKeyPress(sender, key); };
        grid->OnSelectCell = [this](TStringGrid* sender, int col, int row, bool& canSelect) {
            StyleGridSelectCell(sender, col, row, canSelect);
        };
        grid->OnGetEditText = [this](TStringGrid* sender, int col, int row, QString& value) {
            StyleGridGetEditText(sender, col, row, value);
        };
        grid->OnMouseDown = [this](TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                   int y) { StyleGridMouseDown(sender, button, shift, x, y); };
    }
    aStyleGrid->OnDblClick = [this](TStringGrid* sender) { StyleGridDblClick(sender); };
}

void TMainForm::FormCreate(TForm*)
{
    aDumpGrid->SetColCount(18);
    aDumpGrid->SetRowCount(100);
    aDumpGrid->SetFixedCols(2);
    aDumpGrid->SetFixedRows(1);
    aDumpGrid->SetDefaultRowHeight(16);
    aDumpGrid->SetColWidth(0, 40);
    aDumpGrid->SetColWidth(1, 102);
    aDumpGrid->SetCell(1, 0, "0123456789ABCDEF");
    // One byte to one character cell, however the face draws the characters.
    aDumpGrid->SetFixedPitchCol(1, true);
    for (int i = 0; i < DumpBytesPerRow; ++i) {
        aDumpGrid->SetColWidth(DumpFirstByteColumn + i, 18);
        aDumpGrid->SetCell(DumpFirstByteColumn + i, 0, "+" + IntToHex(i, 1));
    }
    for (int row = 1; row < aDumpGrid->RowCount(); ++row)
        aDumpGrid->SetCell(0, row, IntToHex(AddressOfDumpCell(DumpFirstByteColumn, row), 6));

    bDumpGrid->SetColCount(aDumpGrid->ColCount());
    bDumpGrid->SetRowCount(aDumpGrid->RowCount());
    bDumpGrid->SetFixedCols(aDumpGrid->FixedCols());
    bDumpGrid->SetFixedRows(aDumpGrid->FixedRows());
    bDumpGrid->SetDefaultRowHeight(aDumpGrid->DefaultRowHeight());
    for (int col = 0; col < aDumpGrid->ColCount(); ++col) {
        bDumpGrid->SetColWidth(col, aDumpGrid->ColWidth(col));
        bDumpGrid->SetFixedPitchCol(col, aDumpGrid->FixedPitchCol(col));
        bDumpGrid->SetCell(col, 0, aDumpGrid->Cell(col, 0));
    }
    for (int row = 1; row < aDumpGrid->RowCount(); ++row)
        bDumpGrid->SetCell(0, row, aDumpGrid->Cell(0, row));

    static const int StyleWidths[] = {20, 40, 55, 126, 160};
    static const char* const StyleHeaders[] = {"Id", "Addres", "Kind", "Comment", "Value"};
    aStyleGrid->SetDefaultRowHeight(18);
    for (int col = 0; col < 5; ++col) {
        aStyleGrid->SetColWidth(col, StyleWidths[col]);
        aStyleGrid->SetCell(col, 0, StyleHeaders[col]);
    }
    aPanel1->Controls()->SetExtent(aStylePanel, StylePanelWidth);

    bStyleGrid->SetDefaultRowHeight(aStyleGrid->DefaultRowHeight());
    for (int col = 0; col < aStyleGrid->ColCount(); ++col) {
        bStyleGrid->SetColWidth(col, aStyleGrid->ColWidth(col));
        bStyleGrid->SetCell(col, 0, aStyleGrid->Cell(col, 0));
    }
    bPanel1->Controls()->SetExtent(bStylePanel, aPanel1->Controls()->Extent(aStylePanel));

    ActivePane = 0;
    CurrentStyle = 0;

    ReadOptionFile();

    for (TStringGrid* grid : {aDumpGrid, bDumpGrid}) {
        PaintGrid(grid, DumpColor);
        ApplyFont(grid, *DumpFont);
    }
    for (TStringGrid* grid : {aStyleGrid, bStyleGrid}) {
        PaintGrid(grid, StyleColor);
        ApplyFont(grid, *StyleFont);
    }

    mOptionClick(this);

    mShowDump->SetChecked(DumpShown != 0);
    mShowStyle->SetChecked(StyleShown != 0);

    ArrangePanels();

    mShowHint->SetChecked(HintShown == 0);
    mShowHintClick(this);

    // The group file named by the option file, then the Style menu and both style grids.
    ReadStyleGroup(StyleGroupFileName);

    SetShowHintHook([this](QString& hintStr, bool& canShow, THintInfo& hintInfo) {
        ApplicationShowHint(hintStr, canShow, hintInfo);
    });
    SetHintHidePause(5000);

    // The target lives as the window's child.
    new TFileDropTarget(this, [this](const std::string& path) { WMDropFiles(path); });
}

void TMainForm::FormClose(TForm*)
{
    WriteOptionFile();
}

void TMainForm::mExitClick(TMenuItem*)
{
    close();
}

void TMainForm::ColourGridsByActivePane()
{
    const bool a = ActivePane == 0;
    PaintGrid(aDumpGrid, a ? DumpColor : BackColor);
    PaintGrid(aStyleGrid, a ? StyleColor : BackColor);
    PaintGrid(bDumpGrid, a ? BackColor : DumpColor);
    PaintGrid(bStyleGrid, a ? BackColor : StyleColor);
}

void TMainForm::DumpGridEnter(TStringGrid* sender)
{
    ActivePane = sender == aDumpGrid || sender == aStyleGrid ? 0 : 1;
    ColourGridsByActivePane();
}

void TMainForm::mDoubleWindowClick(TMenuItem*)
{
    // The layout keeps the splitter between the panes, wherever pane b shows.
    bPanel1->setVisible(bPanel1->isHidden());
    if (bPanel1->isHidden())
        aDumpGrid->setFocus(Qt::OtherFocusReason);
}

void TMainForm::mChangeWindowClick(TMenuItem*)
{
    if (ActivePane == 0) {
        if (bPanel1->isHidden())
            return;
        (aDumpGrid->hasFocus() ? bDumpGrid : bStyleGrid)->setFocus(Qt::OtherFocusReason);
    } else {
        (bDumpGrid->hasFocus() ? aDumpGrid : aStyleGrid)->setFocus(Qt::OtherFocusReason);
    }
}

void TMainForm::Splitter1Moved(TSplitter* sender)
{
    if (sender == aSplitter1)
        bPanel1->Controls()->SetExtent(bStylePanel, aPanel1->Controls()->Extent(aStylePanel));
    else
        aPanel1->Controls()->SetExtent(aStylePanel, bPanel1->Controls()->Extent(bStylePanel));
}
