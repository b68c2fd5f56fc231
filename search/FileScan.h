#pragma once
// The scan of one file for a byte pattern, as Trawlbox's search runs it over the ticked files.

#include <cstdint>
#include <functional>
#include <string>

// Calls onHit with the offset of every place where the pattern's bytes stand in the file,
// overlapping places included, in increasing order, until onHit returns false. A pattern of
// length 0 finds nothing. The file is opened for reading only; a file that cannot be opened or
// read raises EInOutError.
void ScanFile(const std::string& path, const uint8_t* pattern, int patternLength,
              const std::function<bool(int64_t offset)>& onHit);
