#pragma once
// The scan of files for a byte pattern, as Trawlbox's search runs it over the ticked files.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TBinaryFile;

// Receives the offset of a hit; returning false ends the scan of the file.
using THitHandler = std::function<bool(int64_t offset)>;

// Reads files in blocks through one buffer that it keeps from file to file, so that a file of any
// size is scanned whole without being held whole, and a search over many files allocates nothing
// per file.
class TFileScanner {
public:
    // Large enough that a read costs little beside its copy, small enough that the block is still
    // in the processor's cache when the scan goes over it.
    static constexpr size_t DefaultBlockSize = 64 * 1024;

    explicit TFileScanner(size_t blockSize = DefaultBlockSize);

    // Calls onHit with the offset of every place where the pattern's bytes stand in the file,
    // overlapping places included, in increasing order, until onHit returns false. A pattern of
    // length 0 finds nothing. The file is opened for reading only and read up to the size it has
    // at the open, so bytes that arrive meanwhile are not scanned; a file that has a size of 0
    // then, as the kernel's own files report whatever they hold, is read to its end. A file that
    // cannot be opened or read raises EInOutError.
    void Scan(const std::string& path, const uint8_t* pattern, int patternLength, const THitHandler& onHit);
    // As Scan where FileExists finds a file; where it finds none, nothing.
    void ScanIfExists(const std::string& path, const uint8_t* pattern, int patternLength, const THitHandler& onHit);

private:
    void ScanOpened(TBinaryFile& file, int64_t sizeAtOpen, const uint8_t* pattern, int patternLength,
                    const THitHandler& onHit);

    size_t m_blockSize;
    // The bytes of the previous block that a hit may still start in, followed by the block read.
    std::vector<uint8_t> m_buffer;
};
