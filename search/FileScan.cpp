#include "FileScan.h"

#include "Files.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// Tests the positions 0 .. count - 1 of data, which holds count + length - 1 bytes, and hands each
// hit on as base + position. Only a position whose first and last byte both fit the pattern is
// compared whole; the two tests run over two rows of Width positions at once, in vector
// instructions where the target has them. Returns false when onHit ended the scan.
template <size_t Width>
[[gnu::always_inline]] inline bool FindHitsIn(const uint8_t* data, size_t count, const uint8_t* pattern, size_t length,
                                              int64_t base, const THitHandler& onHit)
{
    // (typedef, as an alias template loses the dependent vector size in g++ 12)
    typedef uint8_t TLanes __attribute__((vector_size(Width)));
    // The result of comparing lanes: all bits set in a lane that compared equal.
    typedef int8_t TLaneMask __attribute__((vector_size(Width)));

    const uint8_t first = pattern[0];
    const uint8_t last = pattern[length - 1];
    const uint8_t* lastBytes = data + length - 1;
    const auto findInRange = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            if (data[i] == first && lastBytes[i] == last && std::memcmp(data + i, pattern, length) == 0 &&
                !onHit(base + static_cast<int64_t>(i)))
                return false;
        return true;
    };

    size_t i = 0;
    for (; i + 2 * Width <= count; i += 2 * Width) {
        TLanes firstsLow;
        TLanes firstsHigh;
        TLanes lastsLow;
        TLanes lastsHigh;
        std::memcpy(&firstsLow, data + i, Width);
        std::memcpy(&firstsHigh, data + i + Width, Width);
        std::memcpy(&lastsLow, lastBytes + i, Width);
        std::memcpy(&lastsHigh, lastBytes + i + Width, Width);
        const TLaneMask candidates =
            ((firstsLow == first) & (lastsLow == last)) | ((firstsHigh == first) & (lastsHigh == last));
        uint64_t words[Width / sizeof(uint64_t)];
        std::memcpy(words, &candidates, Width);
        uint64_t any = 0;
        for (const uint64_t word : words)
            any |= word;
        if (any != 0 && !findInRange(i, i + 2 * Width))
            return false;
    }
    return findInRange(i, count);
}

// Sixteen lanes: the SSE2 registers of every x86-64 processor, or what other targets offer.
bool FindHitsGeneric(const uint8_t* data, size_t count, const uint8_t* pattern, size_t length, int64_t base,
                     const THitHandler& onHit)
{
    return FindHitsIn<16>(data, count, pattern, length, base, onHit);
}

#if defined(__x86_64__)
// Twice the lanes in the AVX2 registers of most x86-64 processors of the last decade.
[[gnu::target("avx2")]] bool FindHitsAvx2(const uint8_t* data, size_t count, const uint8_t* pattern, size_t length,
                                          int64_t base, const THitHandler& onHit)
{
    return FindHitsIn<32>(data, count, pattern, length, base, onHit);
}

bool FindHits(const uint8_t* data, size_t count, const uint8_t* pattern, size_t length, int64_t base,
              const THitHandler& onHit)
{
    static const bool hasAvx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return (hasAvx2 ? FindHitsAvx2 : FindHitsGeneric)(data, count, pattern, length, base, onHit);
}
#else
bool FindHits(const uint8_t* data, size_t count, const uint8_t* pattern, size_t length, int64_t base,
              const THitHandler& onHit)
{
    return FindHitsGeneric(data, count, pattern, length, base, onHit);
}
#endif

} // namespace

TFileScanner::TFileScanner(size_t blockSize) : m_blockSize(std::max<size_t>(blockSize, 1))
{
}

void TFileScanner::Scan(const std::string& path, const uint8_t* pattern, int patternLength, const THitHandler& onHit)
{
    if (patternLength <= 0)
        return;
    int64_t size = 0;
    TBinaryFile file = TBinaryFile::OpenReadOnly(path, &size);
    ScanOpened(file, size, pattern, patternLength, onHit);
}

void TFileScanner::ScanIfExists(const std::string& path, const uint8_t* pattern, int patternLength,
                                const THitHandler& onHit)
{
    if (patternLength <= 0)
        return;
    int64_t size = 0;
    if (std::optional<TBinaryFile> file = TBinaryFile::OpenReadOnlyIfExists(path, &size))
        ScanOpened(*file, size, pattern, patternLength, onHit);
}

void TFileScanner::ScanOpened(TBinaryFile& file, int64_t sizeAtOpen, const uint8_t* pattern, int patternLength,
                              const THitHandler& onHit)
{
    const auto length = static_cast<size_t>(patternLength);
    if (m_buffer.size() < length - 1 + m_blockSize)
        m_buffer.resize(length - 1 + m_blockSize);
    uint8_t* buffer = m_buffer.data();

    // Stopping at the size spares the read that would only find the end: a small file costs one
    // read.
    uint64_t left = sizeAtOpen > 0 ? static_cast<uint64_t>(sizeAtOpen) : UINT64_MAX;
    size_t held = 0;  // bytes in the buffer, those carried over from the previous block first
    int64_t base = 0; // the file offset of the buffer's first byte
    for (;;) {
        const size_t asked = static_cast<size_t>(std::min<uint64_t>(m_blockSize, left));
        const size_t got = file.Read(buffer + held, asked);
        left -= got;
        held += got;
        if (held >= length) {
            // A hit may start at any position whose pattern-long run of bytes has fully arrived;
            // the bytes after the last such position start the next runs.
            const size_t count = held - length + 1;
            if (!FindHits(buffer, count, pattern, length, base, onHit))
                return;
            std::memmove(buffer, buffer + count, length - 1);
            held = length - 1;
            base += static_cast<int64_t>(count);
        }
        if (got < asked || left == 0)
            return;
    }
}
