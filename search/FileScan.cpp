#include "FileScan.h"

#include "Files.h"

#include <cstring>
#include <vector>

void ScanFile(const std::string& path, const uint8_t* pattern, int patternLength,
              const std::function<bool(int64_t offset)>& onHit)
{
    if (patternLength <= 0)
        return;
    const std::string bytes = ReadWholeFile(path);
    const auto length = static_cast<size_t>(patternLength);
    if (bytes.size() < length)
        return;
    for (size_t i = 0; i + length <= bytes.size(); ++i)
        if (std::memcmp(bytes.data() + i, pattern, length) == 0 && !onHit(static_cast<int64_t>(i)))
            return;
}
