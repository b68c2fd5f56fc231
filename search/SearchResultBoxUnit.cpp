#include "SearchResultBoxUnit.h"

#include "SmallDialog.h"

TSearchResultBox* SearchResultBox = nullptr;

namespace {

constexpr int ClientWidth = 115;
constexpr int ClientHeight = 64;
constexpr int ButtonLeft = 3;
constexpr int ButtonWidth = 109;
constexpr int ButtonHeight = 19;

} // namespace

TSearchResultBox::TSearchResultBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    SearchResultBox = this;
    setObjectName(QStringLiteral("SearchResultBox"));
    setWindowTitle(QStringLiteral("Found"));
    SetUpBlueDialog(this, ClientWidth, ClientHeight, true);

    auto button = [this](const char* name, const char* caption, int top, int result) {
        auto* bitBtn = new TBitBtn(QString::fromLatin1(caption), TBitBtnKind::Custom, this);
        bitBtn->setObjectName(QString::fromLatin1(name));
        bitBtn->setGeometry(ButtonLeft, top, ButtonWidth, ButtonHeight);
        bitBtn->SetModalResult(result);
        return bitBtn;
    };
    BitBtn1 = button("BitBtn1", "New", 3, mrOk);
    BitBtn2 = button("BitBtn2", "Addition", 23, mrRetry);
    BitBtn3 = button("BitBtn3", "Match", 43, mrYes);

    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TSearchResultBox::~TSearchResultBox()
{
    if (SearchResultBox == this)
        SearchResultBox = nullptr;
}

void TSearchResultBox::FormShow(TForm*)
{
    CentreInOwnerRect(this, OwnerRect);
    BitBtn1->setFocus(Qt::OtherFocusReason);
}
