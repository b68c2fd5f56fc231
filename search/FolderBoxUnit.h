#pragma once
// The "Folder Select" dialog: the folder tree of the file system, with Cancel and OK below it.
// Enter is OK and Esc is Cancel wherever the focus is.

#include "BitBtn.h"
#include "Form.h"
#include "Panel.h"
#include "ShellTreeView.h"

#include <string>

class TFolderBox : public TForm {
    Q_OBJECT

public:
    explicit TFolderBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TFolderBox() override;

    TShellTreeView* ShellTreeView1 = nullptr;
    TPanel* Panel1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;

    // The chosen folder, set when the dialog closes with OK; empty when none was selected.
    std::string SelectedFolder;
    TOwnerRect OwnerRect;

    void FormShow(TForm* sender);
    void BitBtn2Click(TBitBtn* sender);
};

extern TFolderBox* FolderBox;
