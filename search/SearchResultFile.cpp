#include "SearchResultFile.h"

#include "ResultPathLine.h"
#include "Runtime.h"

TSearchResultFile::TSearchResultFile(const std::string& fileName) : m_writer(fileName) {}

void TSearchResultFile::SearchFile(const std::string& path, const uint8_t* pattern, int patternLength)
{
    if (LimitReached())
        return;
    int32_t fileHits = 0;
    m_scanner.Scan(path, pattern, patternLength, [&](int64_t offset) {
        if (fileHits == 0) {
            m_writer.WriteLine(ResultPathLine(path));
        } else if (m_hits >= MaxHits) {
            m_writer.WriteLine("   Any More...");
            return false;
        }
        m_writer.WriteLine("  " + IntToHex(offset, 6));
        ++fileHits;
        ++m_hits;
        return true;
    });
}

void TSearchResultFile::Close()
{
    m_writer.Close();
}
