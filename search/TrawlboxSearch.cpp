// The search of the ticked files for a value, and what becomes of its result: the first result
// is kept as it is; a later one replaces, extends or narrows the kept result, as the user
// chooses. The shell then shows the kept result file.
#include "TrawlboxUnit.h"

#include "Files.h"
#include "Messages.h"
#include "PlatformSeam.h"
#include "ResultMerge.h"
#include "Runtime.h"
#include "SearchResultBoxUnit.h"
#include "SearchResultFile.h"
#include "SearchValueBoxUnit.h"
#include "TrawlboxBusy.h"

#include <QCoreApplication>

#include <array>
#include <cstdio>

namespace {

const char* const TooManyHits = "Please change and redo the value\n\r\rwhich has too many subjects of examination.";

} // namespace

void TTrawlboxForm::mFindValueClick(TMenuItem*)
{
    SearchValueBox->OwnerRect = OwnerRectOf(this);
    if (SearchValueBox->ShowModal() != mrOk)
        return;
    const TBusy busy(this);
    const std::array<uint8_t, PatternCapacity> pattern = SearchValueBox->Pattern;
    const int32_t patternLength = SearchValueBox->PatternLength;

    TSearchResultFile result(TempFileName);
    try {
        SearchTickedFiles(result, pattern.data(), patternLength);
    } catch (...) {
        // The hits so far stay readable in the temporary file; the error that ended the search
        // is the one to report.
        try {
            result.Close();
        } catch (const ERuntimeError&) {
        }
        throw;
    }
    result.Close();
    if (m_closed)
        return;
    if (result.Hits() == 0) {
        ShowMessage("It is not found.");
        return;
    }
    DeliverResult();
}

void TTrawlboxForm::SearchTickedFiles(TSearchResultFile& result, const uint8_t* pattern, int patternLength)
{
    const int count = CheckListBox1->Count();
    for (int i = 0; i < count; ++i) {
        QCoreApplication::processEvents();
        if (m_closed)
            return;
        if (!CheckListBox1->Checked(i))
            continue;
        result.SearchFileIfExists(CheckListBox1->Item(i), pattern, patternLength);
        if (result.LimitReached()) {
            ShowMessage(TooManyHits);
            return;
        }
    }
}

void TTrawlboxForm::DeliverResult()
{
    if (!FileExists(ResultFileName)) {
        std::rename(TempFileName.c_str(), ResultFileName.c_str());
    } else {
        SearchResultBox->OwnerRect = OwnerRectOf(this);
        switch (SearchResultBox->ShowModal()) {
        case mrRetry:
            AppendResults(ResultFileName, TempFileName);
            std::remove(TempFileName.c_str());
            break;
        case mrYes:
            MatchResults(ResultFileName, TempFileName);
            std::remove(TempFileName.c_str());
            break;
        default:
            std::remove(ResultFileName.c_str());
            std::rename(TempFileName.c_str(), ResultFileName.c_str());
            break;
        }
    }
    Platform().OpenDocument(ResultFileName);
}

void TTrawlboxForm::AppendResults(const std::string& ResultFile, const std::string& TempFile)
{
    AppendResultFile(ResultFile, TempFile);
}

void TTrawlboxForm::MatchResults(const std::string& ResultFile, const std::string& TempFile)
{
    MatchResultFile(ResultFile, TempFile, m_programFolder + "$$$tmp$$$.txt");
}
