#include "FolderBoxUnit.h"

#include "SmallDialog.h"

TFolderBox* FolderBox = nullptr;

namespace {

constexpr int ClientWidth = 216;
constexpr int ClientHeight = 252;
constexpr int PanelHeight = 25;
constexpr int CancelWidth = 107;
constexpr int OkWidth = 108;

} // namespace

TFolderBox::TFolderBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    FolderBox = this;
    setObjectName(QStringLiteral("FolderBox"));
    setWindowTitle(QStringLiteral("Folder Select"));
    SetUpDialogFrame(this, ClientWidth, ClientHeight, true);
    auto* layout = new TAlignLayout(this);

    ShellTreeView1 = new TShellTreeView(this);
    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    Panel1 = new TPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->SetColor(Qt::blue);
    layout->AddControl(Panel1, TAlign::Bottom, PanelHeight);
    layout->AddControl(ShellTreeView1, TAlign::Client);

    BitBtn1 = new TBitBtn(QStringLiteral("Cancel"), TBitBtnKind::Cancel, Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->SetCancelButton();
    BitBtn2 = new TBitBtn(QStringLiteral("OK"), TBitBtnKind::Ok, Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->SetDefaultButton();
    BitBtn2->OnClick = [this](TBitBtn* sender) { BitBtn2Click(sender); };
    Panel1->Controls()->AddControl(BitBtn1, TAlign::Left, CancelWidth);
    Panel1->Controls()->AddControl(BitBtn2, TAlign::Right, OkWidth);

    OnShow = [this](TForm* sender) { FormShow(sender); };
    ShellTreeView1->setFocus(Qt::OtherFocusReason);
}

TFolderBox::~TFolderBox()
{
    if (FolderBox == this)
        FolderBox = nullptr;
}

void TFolderBox::FormShow(TForm*)
{
    CentreInOwnerRect(this, OwnerRect);
}

void TFolderBox::BitBtn2Click(TBitBtn*)
{
    SelectedFolder = ShellTreeView1->SelectedFolder();
}
