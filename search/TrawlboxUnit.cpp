// Trawlbox's main window: its making, the options it takes from the editor, the tick commands,
// About, Exit, and the removal of the temporary result file when it closes.
#include "TrawlboxUnit.h"

#include "ColorAndFont.h"
#include "DataUnit.h"
#include "Files.h"
#include "MenuTable.h"
#include "Messages.h"
#include "Runtime.h"

#include <QVBoxLayout>

#include <cstdio>
#include <utility>

TTrawlboxForm* TrawlboxForm = nullptr;

namespace {

// The window is 600 x 400 pixels with its frame, caption and menu bar; inside the frame the
// editor's window measures, the list keeps this much below the menu.
constexpr int ListWidth = 592;
constexpr int ListHeight = 346;

using T = TTrawlboxForm;

const TMenuRow<T> FileItems[] = {
    {&T::mSetFolder, "mSetFolder", "Set Folder(&S)", &T::mSetFolderClick},
    {&T::mComparison, "mComparison", "Comparison(&C)", &T::mComparisonClick},
    {&T::mFindValue, "mFindValue", "Find Value(&F)", &T::mFindValueClick},
    {&T::mBar0, "mBar0", "-"},
    {&T::mAbout, "mAbout", "About(&A)", &T::mAboutClick},
    {&T::mExit, "mExit", "Exit(&E)", &T::mExitClick},
};

const TMenuRow<T> CheckItems[] = {
    {&T::mAllClear, "mAllClear", "All Clear(&C)", &T::mAllClearClick},
    {&T::mAllCheck, "mAllCheck", "All Check(&A)", &T::mAllCheckClick},
};

} // namespace

TTrawlboxForm::TTrawlboxForm(std::string programFolder, QWidget* parent, TFormCreation&& creation)
    : TForm(creation, parent), m_programFolder(std::move(programFolder))
{
    TrawlboxForm = this;
    setObjectName(QStringLiteral("TrawlboxForm"));
    setWindowTitle(QStringLiteral("Trawlbox"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    BuildMainMenu();
    CheckListBox1 = new TCheckListBox(this);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    // The window's colour and font are those of its list, which fills it; the menu keeps the
    // forms' look.
    QFont windowFont(QStringLiteral("ＭＳ ゴシック"));
    windowFont.setPixelSize(12);
    CheckListBox1->SetColor(Qt::black);
    CheckListBox1->SetListFont(windowFont, Qt::white);
    layout->addWidget(CheckListBox1);
    resize(ListWidth, ListHeight + MainMenu1->sizeHint().height());

    OnCreate = [this](TForm* sender) { FormCreate(sender); };
    OnShow = [this](TForm* sender) { FormShow(sender); };
    OnClose = [this](TForm* sender) { FormClose(sender); };
}

TTrawlboxForm::~TTrawlboxForm()
{
    if (TrawlboxForm == this)
        TrawlboxForm = nullptr;
}

std::string TTrawlboxForm::DefaultProgramFolder()
{
    return ExtractFilePath(ExecutablePath());
}

void TTrawlboxForm::BuildMainMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    layout()->setMenuBar(MainMenu1);
    mFile = AddBarMenu(this, MainMenu1, "mFile", "File(&F)", FileItems);
    mCheck = AddBarMenu(this, MainMenu1, "mCheck", "Check(&C)", CheckItems);
}

void TTrawlboxForm::FormCreate(TForm*)
{
    ResultFileName = m_programFolder + "SearchResult.txt";
    TempFileName = m_programFolder + "Temporary.txt";
}

void TTrawlboxForm::FormShow(TForm*)
{
    m_closed = false;
    ReadEditorOptions();
    CheckListBox1->Clear();
}

void TTrawlboxForm::FormClose(TForm*)
{
    m_closed = true;
    std::remove(TempFileName.c_str());
}

void TTrawlboxForm::ReadEditorOptions()
{
    const std::string fileName = m_programFolder + "Byteloom.ini";
    if (!FileExists(fileName))
        return;
    int32_t back = 0;
    TDataFont font;
    font.Name = CheckListBox1->font().family().toStdString();
    ReadDumpLook(fileName, back, font);
    CheckListBox1->SetColor(ColorFromValue(back));
    // The face as the editor makes its dump's, so that both show the same letters.
    CheckListBox1->SetListFont(FontFromSpec(font.Name, font.Size, 0), ColorFromValue(font.Color));
}

void TTrawlboxForm::mAllClearClick(TMenuItem*)
{
    CheckListBox1->SetAllChecked(false);
}

void TTrawlboxForm::mAllCheckClick(TMenuItem*)
{
    CheckListBox1->SetAllChecked(true);
}

void TTrawlboxForm::mAboutClick(TMenuItem*)
{
    ShowMessage("Trawlbox  Version 5.10.12");
}

void TTrawlboxForm::mExitClick(TMenuItem*)
{
    close();
}
