#pragma once
// The "Found" dialog: what becomes of a search's hits when a kept result file is there. "New"
// gives OK, "Addition" Retry and "Match" Yes; the close box gives Cancel, which the caller takes
// as "New".

#include "BitBtn.h"
#include "Form.h"

class TSearchResultBox : public TForm {
    Q_OBJECT

public:
    explicit TSearchResultBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TSearchResultBox() override;

    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;

    TOwnerRect OwnerRect;

    void FormShow(TForm* sender);
};

extern TSearchResultBox* SearchResultBox;
