#include "SearchResultFile.h"

#include "ResultPathLine.h"
#include "Runtime.h"

TSearchResultFile::TSearchResultFile(const std::string& fileName) : m_writer(fileName)
{
}

void TSearchResultFile::SearchFile(const std::string& path, const uint8_t* pattern, int patternLength)
{
    if (LimitReached())
        return;
    int32_t fileHits = 0;
    m_scanner.Scan(path, pattern, patternLength, HitLineWriter(path, fileHits));
}

void TSearchResultFile::SearchFileIfExists(const std::string& path, const uint8_t* pattern, int patternLength)
{
    if (LimitReached())
        return;
    int32_t fileHits = 0;
    m_scanner.ScanIfExists(path, pattern, patternLength, HitLineWriter(path, fileHits));
}

THitHandler TSearchResultFile::HitLineWriter(const std::string& path, int32_t& fileHits)
{
    return [this, &path, &fileHits](int64_t offset) {
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
    };
}

void TSearchResultFile::Close()
{
    m_writer.Close();
}
