#pragma once
// Trawlbox's main window: the check list of the listed files, whose ticked items the search
// reads, and the File and Check menus. It keeps the listed folder and each item's time stamp as
// found when the item was added, and the names of the two result files in the program's folder.

#include "CheckListBox.h"
#include "Form.h"
#include "MenuItem.h"

#include <QMenu>
#include <QMenuBar>

#include <cstdint>
#include <string>
#include <vector>

// The most items the list holds: a file is appended only while it holds at most 100,000.
inline constexpr int MaxListedFiles = 100001;

class TSearchResultFile;

class TTrawlboxForm : public TForm {
    Q_OBJECT

public:
    // The program's folder (ending in '/') holds the editor's option file that the window reads
    // and the result files it writes; by default the folder of the running program.
    explicit TTrawlboxForm(std::string programFolder = DefaultProgramFolder(), QWidget* parent = nullptr,
                           TFormCreation&& creation = {});
    ~TTrawlboxForm() override;

    [[nodiscard]] static std::string DefaultProgramFolder();

    // ---- Components
    QMenuBar* MainMenu1 = nullptr;
    QMenu* mFile = nullptr;
    TMenuItem* mSetFolder = nullptr;
    TMenuItem* mComparison = nullptr;
    TMenuItem* mFindValue = nullptr;
    TMenuItem* mBar0 = nullptr;
    TMenuItem* mExit = nullptr;
    QMenu* mCheck = nullptr;
    TMenuItem* mAllClear = nullptr;
    TMenuItem* mAllCheck = nullptr;
    TCheckListBox* CheckListBox1 = nullptr;
    TMenuItem* mAbout = nullptr;

    // ---- Fields
    // Empty until a folder is set, afterwards ending in '/'.
    std::string FolderPath;
    // Entry i: the packed time stamp of item i when it was added.
    std::vector<int32_t> FileTimes = std::vector<int32_t>(MaxListedFiles);
    std::string TempFileName;
    std::string ResultFileName;

    // ---- Handlers
    void FormCreate(TForm* sender);
    void FormShow(TForm* sender);
    void FormClose(TForm* sender);
    void ReadEditorOptions();
    void mAllClearClick(TMenuItem* sender);
    void mAllCheckClick(TMenuItem* sender);
    void mAboutClick(TMenuItem* sender);
    void mExitClick(TMenuItem* sender);

    // Listing and comparison of the folder tree.
    void mSetFolderClick(TMenuItem* sender);
    void mComparisonClick(TMenuItem* sender);
    void ListFolder(const std::string& Path);
    void CompareFolder(const std::string& Path);

    // The search over the ticked files and the merge of its result into the kept one.
    void mFindValueClick(TMenuItem* sender);
    void AppendResults(const std::string& ResultFile, const std::string& TempFile);
    void MatchResults(const std::string& ResultFile, const std::string& TempFile);

private:
    class TBusy;

    void BuildMainMenu();
    void AddListedFile(const std::string& path, int32_t time);
    void SearchTickedFiles(TSearchResultFile& result, const uint8_t* pattern, int patternLength);
    void DeliverResult();

    std::string m_programFolder;
    // Set when the window closes: a listing, comparison or search that runs then stops.
    bool m_closed = false;
};

extern TTrawlboxForm* TrawlboxForm;
