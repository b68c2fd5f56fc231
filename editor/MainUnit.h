#pragma once
// Byteloom's main window: two panes, each a dump grid and a style grid with their status bars
// (pane a above; pane b, the auxiliary pane, below and hidden at start), the main menu, the two
// popup menus and the common dialogs. The components, ActivePane and CurrentStyle keep the names
// by which the dialogs and the other commands of the window reach them.

#include "CommonDialogs.h"
#include "Form.h"
#include "HintHook.h"
#include "MenuItem.h"
#include "Panel.h"
#include "PopupMenu.h"
#include "Splitter.h"
#include "StatusBar.h"
#include "StringGrid.h"

#include <QMenu>
#include <QMenuBar>

#include <cstdint>
#include <string>

struct TStyle;

class TMainForm : public TForm {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TMainForm() override;

    // ---- Components
    TFileDialog* OpenDialog1 = nullptr;
    TFileDialog* SaveDialog1 = nullptr;
    TFileDialog* OpenDialog2 = nullptr;
    TFileDialog* SaveDialog2 = nullptr;
    TFileDialog* SaveDialog3 = nullptr;
    TColorDialog* ColorDialog1 = nullptr;
    TFontDialog* FontDialog1 = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* aPanel1 = nullptr;
    TPanel* aDumpPanel = nullptr;
    TStringGrid* aDumpGrid = nullptr;
    TStatusBar* aDumpBar = nullptr;
    TPanel* aStylePanel = nullptr;
    TStringGrid* aStyleGrid = nullptr;
    TStatusBar* aStyleBar = nullptr;
    TSplitter* aSplitter1 = nullptr;
    TPanel* bPanel1 = nullptr;
    TPanel* bDumpPanel = nullptr;
    TStringGrid* bDumpGrid = nullptr;
    TStatusBar* bDumpBar = nullptr;
    TPanel* bStylePanel = nullptr;
    TStringGrid* bStyleGrid = nullptr;
    TStatusBar* bStyleBar = nullptr;
    TSplitter* bSplitter1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* mFile = nullptr;
    TMenuItem* mOpen = nullptr;
    TMenuItem* mSave = nullptr;
    TMenuItem* mSaveAs = nullptr;
    TMenuItem* mSaveTextFile = nullptr;
    TMenuItem* mBar0 = nullptr;
    TMenuItem* mDoubleWindow = nullptr;
    TMenuItem* mChangeWindow = nullptr;
    TMenuItem* mBar01 = nullptr;
    TMenuItem* mExit = nullptr;
    QMenu* mStyle = nullptr;
    TMenuItem* mStyleGroupRead = nullptr;
    TMenuItem* mStyleGroupSave = nullptr;
    TMenuItem* mStyleGroupNew = nullptr;
    TMenuItem* mBar1 = nullptr;
    TMenuItem* mStyleAdd = nullptr;
    TMenuItem* mStyleDelete = nullptr;
    TMenuItem* mBar11 = nullptr;
    TMenuItem* mDummyMenu = nullptr;
    QMenu* mSearch = nullptr;
    TMenuItem* mSearch1 = nullptr;
    TMenuItem* mFrontSearch = nullptr;
    TMenuItem* mNextSearch = nullptr;
    TMenuItem* mFrontCompared = nullptr;
    TMenuItem* mNextCompared = nullptr;
    QMenu* mJump = nullptr;
    TMenuItem* mMoveToZero = nullptr;
    TMenuItem* mMoveToEnd = nullptr;
    TMenuItem* mMoveToUser = nullptr;
    TMenuItem* mMoveToFront = nullptr;
    TMenuItem* mMoveToNext = nullptr;
    TMenuItem* mSameAddress = nullptr;
    QMenu* mTools = nullptr;
    TMenuItem* mTrawlbox = nullptr;
    QMenu* mOption = nullptr;
    TMenuItem* mDumpColor = nullptr;
    TMenuItem* mDumpFont = nullptr;
    TMenuItem* mStyleColor = nullptr;
    TMenuItem* mStyleFont = nullptr;
    TMenuItem* mBackColor = nullptr;
    TMenuItem* mBar3 = nullptr;
    TMenuItem* mShowDump = nullptr;
    TMenuItem* mShowStyle = nullptr;
    TMenuItem* mShowHint = nullptr;
    TMenuItem* mBar31 = nullptr;
    TMenuItem* mDocument = nullptr;
    TMenuItem* mAbout = nullptr;
    TMenuItem* mBar2 = nullptr;
    TMenuItem* mBar21 = nullptr;
    TMenuItem* mBar32 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* pmBinary = nullptr;
    TMenuItem* pmHex = nullptr;
    TMenuItem* pmByte = nullptr;
    TMenuItem* pmShortInt = nullptr;
    TMenuItem* pmWord = nullptr;
    TMenuItem* pmSmallInt = nullptr;
    TMenuItem* pmLongWord = nullptr;
    TMenuItem* pmLongInt = nullptr;
    TMenuItem* pmInt64 = nullptr;
    TMenuItem* pmChar = nullptr;
    TMenuItem* pmChar2 = nullptr;
    TPopupMenu* PopupMenu2 = nullptr;
    QMenu* pmEdit = nullptr;
    TMenuItem* pmAddition = nullptr;
    TMenuItem* pmDelete = nullptr;
    TMenuItem* pmClear = nullptr;
    QMenu* pmName = nullptr;
    TMenuItem* pmNewName = nullptr;
    TMenuItem* pmJumpOffset1 = nullptr;
    TMenuItem* pmJump0address = nullptr;
    QMenu* pmOffset = nullptr;
    TMenuItem* pmSetOffset = nullptr;
    TMenuItem* pmOffsetAddress = nullptr;
    TMenuItem* pmLock = nullptr;
    TMenuItem* pmBar1 = nullptr;
    TMenuItem* pmComment = nullptr;
    TMenuItem* pmHint = nullptr;
    TMenuItem* pmBar2 = nullptr;
    TMenuItem* pmNone1 = nullptr;
    TMenuItem* pmBinary1 = nullptr;
    TMenuItem* pmHex1 = nullptr;
    TMenuItem* pmByte1 = nullptr;
    TMenuItem* pmShortInt1 = nullptr;
    TMenuItem* pmWord1 = nullptr;
    TMenuItem* pmSmallint1 = nullptr;
    TMenuItem* pmLongWord1 = nullptr;
    TMenuItem* pmLongInt1 = nullptr;
    TMenuItem* pmInt641 = nullptr;
    TMenuItem* pmChar1 = nullptr;
    TMenuItem* pmSpace1 = nullptr;

    // ---- Where the commands act
    // 0 = pane a, 1 = pane b; follows the grid that last received the focus.
    uint8_t ActivePane = 0;
    // The slot of StyleGroup that both style grids show.
    int32_t CurrentStyle = 0;
    // The record of that slot; a CurrentStyle outside the group raises the range error.
    [[nodiscard]] TStyle& CurrentStyleRecord() const;

    // A dump grid shows the header in row 0 and each row's address and text in columns 0 and 1,
    // then one cell a byte; the style grids' Value column is the one column that is not fixed.
    static constexpr int DumpBytesPerRow = 16;
    static constexpr int DumpFirstByteColumn = 2;
    static constexpr int StyleValueColumn = 4;
    struct TDumpCell {
        int64_t col;
        int64_t row;
    };
    // The cell that shows the byte at the address, which may lie beyond the grid's rows.
    [[nodiscard]] static TDumpCell DumpCellOfAddress(int64_t address)
    {
        return {address % DumpBytesPerRow + DumpFirstByteColumn, address / DumpBytesPerRow + 1};
    }
    [[nodiscard]] static int AddressOfDumpCell(int col, int row)
    {
        return (row - 1) * DumpBytesPerRow + (col - DumpFirstByteColumn);
    }
    [[nodiscard]] static bool IsDumpByteCell(int col, int row) { return col >= DumpFirstByteColumn && row >= 1; }
    // The style field a style grid's row shows, below the header row; one beyond the fields there
    // are raises the range error.
    [[nodiscard]] static int FieldOfStyleRow(int row);
    // The style panels' width, and the window's client width while both kinds of panel show.
    static constexpr int StylePanelWidth = 420;
    static constexpr int BothPanelsWidth = 881;

    [[nodiscard]] TStringGrid* DumpGrid(int pane) const { return pane == 0 ? aDumpGrid : bDumpGrid; }
    [[nodiscard]] TStringGrid* StyleGrid(int pane) const { return pane == 0 ? aStyleGrid : bStyleGrid; }
    [[nodiscard]] TStatusBar* DumpBar(int pane) const { return pane == 0 ? aDumpBar : bDumpBar; }
    [[nodiscard]] TStatusBar* StyleBar(int pane) const { return pane == 0 ? aStyleBar : bStyleBar; }

    // ---- Start, close, panes
    void FormCreate(TForm* sender);
    void FormClose(TForm* sender);
    void mExitClick(TMenuItem* sender);
    void DumpGridEnter(TStringGrid* sender);
    void mDoubleWindowClick(TMenuItem* sender);
    void mChangeWindowClick(TMenuItem* sender);
    void Splitter1Moved(TSplitter* sender);
    // Paints the four grids: the active pane's in the dump and style colours, the other's in
    // the background colour.
    void ColourGridsByActivePane();

    // ---- Dump pane and file commands
    void FillDumpGrid();
    void RefreshDumpRows(int32_t address, int32_t count);
    void DumpGridCursorMoved();
    void DumpGridKeyUp(TStringGrid* sender, int& key, Qt::KeyboardModifiers shift);
    void DumpGridMouseUp(TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DumpGridMouseWheelUp(TStringGrid* sender, bool up, Qt::KeyboardModifiers shift, bool& handled);
    // Opens the in-place value editor on the value at the active pane's cursor.
    void DumpGridDblClick(TStringGrid* sender);
    void DumpGridMouseDown(TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // A double click opens the value editor only on a byte cell; Shift+Enter needs no mouse.
    void DumpGridMouseDblClick(TStringGrid* sender);
    void pmKindClick(TMenuItem* sender);
    void mOpenClick(TMenuItem* sender);
    void mSaveClick(TMenuItem* sender);
    void mSaveAsClick(TMenuItem* sender);
    void WMDropFiles(const std::string& path);

    // ---- Style grids and value entry
    void FillStyleGrids(bool both);
    void StyleGridKeyPress(TStringGrid* sender, QChar& key);
    void StyleGridSelectCell(TStringGrid* sender, int col, int row, bool& canSelect);
    void StyleGridGetEditText(TStringGrid* sender, int col, int row, QString& value);
    void StyleGridMouseDown(TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // ---- Style menu and style group commands
    // Lists the group's named styles in the Style menu after packing the group, and checks the
    // current style's item.
    void RebuildStyleMenu();
    void StyleMenuClick(TMenuItem* sender);
    // The Style menu's item of a slot, or nullptr when the menu lists no such slot.
    [[nodiscard]] TMenuItem* StyleItem(int slot) const;
    void mStyleGroupReadClick(TMenuItem* sender);
    void mStyleGroupSaveClick(TMenuItem* sender);
    void mStyleGroupNewClick(TMenuItem* sender);
    void mStyleAddClick(TMenuItem* sender);

    // ---- Navigation: search, compare and jumps
    // Selects the dump cell of the pane's cursor, when the grid has it, and scrolls it into view;
    // false when the grid has no such cell.
    bool ShowCursor(int pane);
    void mMoveToTopClick(TMenuItem* sender);
    void mSearch1Click(TMenuItem* sender);
    void mFrontSearchClick(TMenuItem* sender);
    void mNextSearchClick(TMenuItem* sender);
    void mFrontComparedClick(TMenuItem* sender);
    void mNextComparedClick(TMenuItem* sender);
    void mMoveToEndClick(TMenuItem* sender);
    void mMoveToUserClick(TMenuItem* sender);
    void mMoveToFrontClick(TMenuItem* sender);
    void mMoveToNextClick(TMenuItem* sender);
    void mSameAddressClick(TMenuItem* sender);

    // ---- Display options, hints, copy and delete of styles, text report, Tools menu
    // Sender is one of the five colour and font items, which asks the user first, or the window
    // itself, which only applies the options to the grids.
    void mOptionClick(QObject* sender);
    void mShowOptionClick(TMenuItem* sender);
    // Lays out the dump and style panels of both panes by DumpShown and StyleShown.
    void ArrangePanels();
    void mShowHintClick(QObject* sender);
    // The application's show-hint hook: each cell of the four grids gets a hint of its own.
    void ApplicationShowHint(QString& HintStr, bool& CanShow, THintInfo& HintInfo);
    void mStyleDeleteClick(TMenuItem* sender);
    void mSaveTextFileClick(TMenuItem* sender);
    void mTrawlboxClick(TMenuItem* sender);
    void mDocumentClick(TMenuItem* sender);
    void mAboutClick(TMenuItem* sender);

    // ---- Style field commands and the bit editor
    void pmAdditionClick(TMenuItem* sender);
    void pmDeleteClick(TMenuItem* sender);
    void pmClearClick(TMenuItem* sender);
    void pmNewNameClick(TMenuItem* sender);
    void pmJumpOffsetClick(TMenuItem* sender);
    void pmSetOffsetClick(TMenuItem* sender);
    void pmOffsetAddressClick(TMenuItem* sender);
    void pmLockClick(TMenuItem* sender);
    void pmCommentClick(TMenuItem* sender);
    void pmHintClick(TMenuItem* sender);
    // The kind items: the clicked item's Tag is the kind.
    void pmNone1Click(TMenuItem* sender);
    // Opens the bit editor on a Binary field of the upper style grid.
    void StyleGridDblClick(TStringGrid* sender);

    // The field on the active style grid's current row; a row without a field raises the range
    // error.
    [[nodiscard]] int SelectedField() const;

private:
    // Shows the text dialog for the mode; true on OK.
    bool AskForText(uint8_t mode);
    void BuildPanes();
    void BuildPane(int pane);
    void BuildMainMenu();
    void BuildPopupMenus();
    void BuildDialogs();
    void BindGridEvents();
    // Reads the style group file and shows the group in the Style menu and both style grids.
    void ReadStyleGroup(const std::string& fileName);
    void SetCaptionFromPane(int pane);
    // Loads the file into the active pane and refills the pane's dump grid.
    void LoadAndFillActivePane(const std::string& fileName);
    void FillStyleGrid(int pane);

    // Whether a pane was given a file in this run (loaded or saved). Save writes only such a pane,
    // and only one whose load did not break off (DataBroken), so that neither a name kept from the
    // last run nor a load that failed part-way gets an empty or partial pane written over the file.
    bool m_holdsFile[2] = {false, false};
    // Whether the last mouse press on a style grid hit its header row, which leaves the current
    // cell on a field row: the double click it starts opens no bit editor.
    bool m_lastPressOnHeader = false;
    // Whether the last mouse press on a dump grid hit a byte cell. A press on the address, the
    // text or the header leaves the selection where it was, so the double click it starts
    // would otherwise edit the byte selected before.
    bool m_lastPressOnByte = false;
};

// The one main window, for the dialogs; set while it exists.
extern TMainForm* MainForm;
