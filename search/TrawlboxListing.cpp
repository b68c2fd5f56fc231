// The listing of a folder tree into the check list and the comparison that ticks the files
// whose time stamp changed since they were listed and appends the new ones.
#include "TrawlboxUnit.h"

#include "FolderBoxUnit.h"
#include "Files.h"
#include "TrawlboxBusy.h"

#include <QCoreApplication>

void TTrawlboxForm::mSetFolderClick(TMenuItem*)
{
    FolderBox->OwnerRect = OwnerRectOf(this);
    if (FolderBox->ShowModal() != mrOk)
        return;
    const TBusy busy(this);
    FolderPath = FolderBox->SelectedFolder;
    if (FolderPath.empty() || FolderPath.back() != '/')
        FolderPath += '/';
    CheckListBox1->Clear();
    ListFolder(FolderPath);
}

void TTrawlboxForm::mComparisonClick(TMenuItem*)
{
    const TBusy busy(this);
    CompareFolder(FolderPath);
}

// The files of a folder reach the list in one insertion, those before a subfolder before the
// walk goes into it, so that the list shows them while it lists the subfolder.
void TTrawlboxForm::ListFolder(const std::string& Path)
{
    QCoreApplication::processEvents();
    if (m_closed)
        return;
    CheckListBox1->BeginUpdate();
    for (const TFolderEntry& entry : ReadFolderEntries(Path)) {
        if (entry.IsFolder) {
            CheckListBox1->EndUpdate();
            ListFolder(Path + entry.Name + '/');
            CheckListBox1->BeginUpdate();
        } else {
            AddListedFile(Path + entry.Name, entry.Time);
        }
    }
    CheckListBox1->EndUpdate();
}

void TTrawlboxForm::CompareFolder(const std::string& Path)
{
    QCoreApplication::processEvents();
    if (m_closed)
        return;
    CheckListBox1->BeginUpdate();
    for (const TFolderEntry& entry : ReadFolderEntries(Path)) {
        const std::string path = Path + entry.Name;
        if (entry.IsFolder) {
            CheckListBox1->EndUpdate();
            CompareFolder(path + '/');
            CheckListBox1->BeginUpdate();
            continue;
        }
        const int index = CheckListBox1->IndexOfExact(path);
        if (index < 0)
            AddListedFile(path, entry.Time);
        else if (FileTimes[static_cast<size_t>(index)] != entry.Time)
            CheckListBox1->SetChecked(index, true);
    }
    CheckListBox1->EndUpdate();
}

void TTrawlboxForm::AddListedFile(const std::string& path, int32_t time)
{
    if (CheckListBox1->Count() >= MaxListedFiles)
        return;
    CheckListBox1->Add(path);
    FileTimes[static_cast<size_t>(CheckListBox1->Count() - 1)] = time;
}
