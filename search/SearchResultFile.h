#pragma once
// The result file of one search: for each file with hits, its path line (see ResultPathLine)
// followed by one line per hit, two blanks and the offset in at least 6 upper-case hexadecimal
// digits; at most MaxHits hit lines in all, and the line "   Any More..." where a file's hits
// were cut off.

#include "FileScan.h"
#include "Files.h"

#include <cstdint>
#include <string>

constexpr int32_t MaxHits = 10000;

class TSearchResultFile {
public:
    // Creates or truncates the file.
    explicit TSearchResultFile(const std::string& fileName);

    // Scans the file at path and writes its hits; does nothing once the limit is reached. Raises
    // EInOutError when the file cannot be opened or read.
    void SearchFile(const std::string& path, const uint8_t* pattern, int patternLength);
    // As SearchFile where FileExists finds a file; a path where it finds none is passed over.
    void SearchFileIfExists(const std::string& path, const uint8_t* pattern, int patternLength);
    [[nodiscard]] int32_t Hits() const { return m_hits; }
    // True once MaxHits hit lines are written: no further file is to be searched.
    [[nodiscard]] bool LimitReached() const { return m_hits >= MaxHits; }
    void Close();

private:
    // Writes the hit lines of the file at path, its path line before the first.
    THitHandler HitLineWriter(const std::string& path, int32_t& fileHits);

    TTextWriter m_writer;
    TFileScanner m_scanner;
    int32_t m_hits = 0;
};
