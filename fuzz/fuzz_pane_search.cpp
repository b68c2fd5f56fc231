// Checks the pane search against its rule read literally: a loop over every candidate offset
// that compares the value byte by byte. The input chooses the pane, its bytes, the search value,
// its length and the start address; bytes come from a small alphabet, so that matches, near
// misses and overlapping runs are common. From each hit the search is repeated, as a user
// stepping from match to match does.

#include "DataUnit.h"

#include "Check.h"
#include "InputReader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr int MaxSteps = 16;

// Lengths that the value cannot hold, that reach the ends of its capacity, or that lie around
// the eight bytes the search compares as one word.
constexpr std::array<int32_t, 10> EdgeLengths = {
    -1, -300, 255, 256, 257, 1000, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 8, 9};

class TLetters {
public:
    // 0 takes every byte value as it is; 1 to 4 map the bytes onto that many letters.
    explicit TLetters(uint8_t choice) : m_count(choice % 5) {}
    [[nodiscard]] uint8_t Of(uint8_t byte) const
    {
        return m_count == 0 ? byte : static_cast<uint8_t>('a' + byte % m_count);
    }
    // Fills the value behind its length with a byte that no letter equals (any byte when every
    // byte value is a letter), so that a comparison running past the length misses.
    [[nodiscard]] uint8_t Outside() const { return m_count == 0 ? 0xA5 : 'z'; }

private:
    int m_count;
};

int32_t ChooseLength(uint8_t choice)
{
    return choice < 0xE0 ? choice % 12 : EdgeLengths[choice % EdgeLengths.size()];
}

// Near the start, the middle or the end of the pane, or anywhere in the integer range.
int32_t StartAddress(uint8_t anchor, int32_t distance, int64_t size)
{
    const int64_t base = anchor % 3 == 0 ? 0 : anchor % 3 == 1 ? size / 2 : size;
    const int64_t address = base + distance;
    if (address < std::numeric_limits<int32_t>::min() || address > std::numeric_limits<int32_t>::max())
        return distance;
    return static_cast<int32_t>(address);
}

bool LengthUsable()
{
    return SearchLength >= 0 && SearchLength <= SearchValueCapacity;
}

bool MatchesAt(int pane, int64_t candidate)
{
    for (int64_t k = 0; k < SearchLength; ++k)
        if (DataBuffer[pane][static_cast<size_t>(candidate + k)] != SearchValue[static_cast<size_t>(k)])
            return false;
    return true;
}

bool LiteralFront(int pane, int32_t& address)
{
    if (DataSize[pane] <= address || !LengthUsable())
        return false;
    for (int64_t candidate = int64_t{address} - SearchLength; candidate >= 0; --candidate)
        if (MatchesAt(pane, candidate)) {
            address = static_cast<int32_t>(candidate);
            return true;
        }
    return false;
}

bool LiteralNext(int pane, int32_t& address)
{
    if (address < 0 || !LengthUsable())
        return false;
    for (int64_t candidate = int64_t{address} + SearchLength; candidate <= DataSize[pane] - SearchLength; ++candidate)
        if (MatchesAt(pane, candidate)) {
            address = static_cast<int32_t>(candidate);
            return true;
        }
    return false;
}

// Steps through the matches from the start address as the search command does, checking every
// step against the literal loop.
template <typename Search, typename Literal>
void CheckSteps(int pane, int32_t start, Search search, Literal literal)
{
    int32_t address = start;
    int32_t expected = start;
    for (int step = 0; step < MaxSteps; ++step) {
        const bool found = search(pane, address);
        Check(found == literal(pane, expected) && address == expected);
        if (!found)
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TInputReader input(data, size);
    const int pane = input.Byte() % PaneCount;
    const TLetters letters(input.Byte());
    SearchLength = ChooseLength(input.Byte());
    // The value's own bytes, then, where the input asks for it, a copy of the pane's bytes at a
    // chosen offset, so that long values match too.
    const uint8_t copyFrom = input.Byte();
    const uint8_t anchor = input.Byte();
    const int32_t distance = input.Number();
    SearchValue.fill(letters.Outside());
    const int64_t ownBytes = LengthUsable() ? SearchLength : 0;
    for (int64_t k = 0; k < ownBytes; ++k)
        SearchValue[static_cast<size_t>(k)] = letters.Of(input.Byte());

    const std::string rest = input.Rest();
    DataBuffer[pane].resize(rest.size());
    for (size_t k = 0; k < rest.size(); ++k)
        DataBuffer[pane][k] = letters.Of(static_cast<uint8_t>(rest[k]));
    DataSize[pane] = static_cast<int32_t>(rest.size());
    if (copyFrom % 2 == 1 && ownBytes > 0 && ownBytes <= DataSize[pane]) {
        const int64_t offset = (copyFrom / 2) % (DataSize[pane] - ownBytes + 1);
        for (int64_t k = 0; k < ownBytes; ++k)
            SearchValue[static_cast<size_t>(k)] = DataBuffer[pane][static_cast<size_t>(offset + k)];
    }

    const int32_t start = StartAddress(anchor, distance, DataSize[pane]);
    CheckSteps(pane, start, NextSearch, LiteralNext);
    CheckSteps(pane, start, FrontSearch, LiteralFront);
    return 0;
}
