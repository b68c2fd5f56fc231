// The pane search: the encoded search value and the forward and backward scans over a pane.
// Neither scan finds a match that overlaps the SearchLength bytes at the start address, so a
// repeated search steps from one match to the next. Beside it the walks that compare the two
// panes byte by byte.

#include "DataUnit.h"

#include "Runtime.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>

std::array<uint8_t, SearchValueCapacity> SearchValue{};
int32_t SearchLength = 0;

namespace {

// Finds the nearest candidate that matches the search value. The first bytes (up to eight) are
// compared as one word wherever the pane has eight bytes from the candidate on, in a loop of its
// own, so a run of near-matches costs one load per candidate; only a candidate whose head
// matches is compared in full.
class TMatcher {
public:
    TMatcher(const uint8_t* data, int64_t size, int64_t length)
        : m_data(data), m_length(static_cast<size_t>(length)), m_headLength(std::min(m_length, sizeof m_head)),
          m_lastWord(size - static_cast<int64_t>(sizeof m_head))
    {
        uint8_t mask[sizeof m_mask]{};
        std::memset(mask, 0xFF, m_headLength);
        std::memcpy(&m_mask, mask, sizeof m_mask);
        std::memcpy(&m_head, SearchValue.data(), sizeof m_head);
        m_head &= m_mask;
    }

    // The first match from first up to last; -1 when there is none.
    [[nodiscard]] int64_t Forward(int64_t first, int64_t last) const
    {
        const int64_t wordEnd = std::min(last, m_lastWord);
        for (int64_t candidate = first; candidate <= last; ++candidate) {
            while (candidate <= wordEnd && !HeadMatchesAt(candidate))
                ++candidate;
            if (candidate > last)
                return -1;
            if (RestMatchesAt(candidate))
                return candidate;
        }
        return -1;
    }

    // The first match from first down to 0; -1 when there is none.
    [[nodiscard]] int64_t Backward(int64_t first) const
    {
        for (int64_t candidate = first; candidate >= 0; --candidate) {
            while (candidate >= 0 && candidate <= m_lastWord && !HeadMatchesAt(candidate))
                --candidate;
            if (candidate < 0)
                return -1;
            if (RestMatchesAt(candidate))
                return candidate;
        }
        return -1;
    }

private:
    [[nodiscard]] bool HeadMatchesAt(int64_t candidate) const
    {
        uint64_t word = 0;
        std::memcpy(&word, m_data + candidate, sizeof word);
        return (word & m_mask) == m_head;
    }
    // What the head test has not covered: the bytes after the head, or all of them where the
    // pane ends within eight bytes of the candidate.
    [[nodiscard]] bool RestMatchesAt(int64_t candidate) const
    {
        const size_t done = candidate <= m_lastWord ? m_headLength : 0;
        return std::memcmp(m_data + candidate + done, SearchValue.data() + done, m_length - done) == 0;
    }

    const uint8_t* m_data;
    size_t m_length;
    size_t m_headLength;
    int64_t m_lastWord; // the last candidate with eight bytes from it on
    uint64_t m_mask = 0;
    uint64_t m_head = 0;
};

// A length the search value cannot hold (a refused text leaves its own length behind) matches
// nothing rather than reading past the value.
bool SearchLengthUsable()
{
    return SearchLength >= 0 && SearchLength <= SearchValueCapacity;
}

// The pane's size, checked against its block so that no scan can leave it.
int64_t PaneSize(int Pane)
{
    CheckRange(Pane, 0, PaneCount - 1);
    CheckRange(DataSize[Pane], 0, static_cast<int64_t>(DataBuffer[Pane].size()));
    return DataSize[Pane];
}

} // namespace

bool SetSearchValue(const std::string& Text, int Kind)
{
    if (Kind >= vkNone && Kind <= vkInt64)
        SearchLength = KindSize[static_cast<size_t>(Kind)];
    else if (Text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        SearchLength = std::numeric_limits<int32_t>::max();
    else
        SearchLength = static_cast<int32_t>(Text.size());
    return TextToValue(SearchValue.data(), SearchValueCapacity - 1, 0, Kind, SearchLength, Text);
}

bool FrontSearch(int Pane, int32_t& Address)
{
    const int64_t size = PaneSize(Pane);
    if (size <= Address || !SearchLengthUsable())
        return false;
    const int64_t length = SearchLength;
    const int64_t first = int64_t{Address} - length;
    if (first < 0)
        return false;
    if (length == 0) {
        Address = static_cast<int32_t>(first);
        return true;
    }
    const int64_t hit = TMatcher(DataBuffer[Pane].data(), size, length).Backward(first);
    if (hit < 0)
        return false;
    Address = static_cast<int32_t>(hit);
    return true;
}

bool NextSearch(int Pane, int32_t& Address)
{
    const int64_t size = PaneSize(Pane);
    if (Address < 0 || !SearchLengthUsable())
        return false;
    const int64_t length = SearchLength;
    const int64_t first = int64_t{Address} + length;
    const int64_t last = size - length;
    if (first > last)
        return false;
    if (length == 0) {
        Address = static_cast<int32_t>(first);
        return true;
    }
    const int64_t hit = TMatcher(DataBuffer[Pane].data(), size, length).Forward(first, last);
    if (hit < 0)
        return false;
    Address = static_cast<int32_t>(hit);
    return true;
}

// A and B are the addresses in pane a and pane b; a pair is compared only when both lie inside
// their pane's data. A start beyond the end of either pane's data first steps down into both,
// the two addresses together, without comparing.
bool PreviousDifference(int64_t& A, int64_t& B)
{
    const int64_t excess = std::max({int64_t{0}, A - (int64_t{DataSize[0]} - 1), B - (int64_t{DataSize[1]} - 1)});
    A -= excess;
    B -= excess;
    if (A < 0 || B < 0)
        return false;
    const int64_t pairs = std::min(A, B) + 1;
    const auto a = std::make_reverse_iterator(DataBuffer[0].data() + A + 1);
    const auto b = std::make_reverse_iterator(DataBuffer[1].data() + B + 1);
    const int64_t equal = std::mismatch(a, a + pairs, b).first - a;
    if (equal == pairs)
        return false;
    A -= equal;
    B -= equal;
    return true;
}

bool NextDifference(int64_t& A, int64_t& B)
{
    const int64_t pairs = std::min(int64_t{DataSize[0]} - A, int64_t{DataSize[1]} - B);
    if (A < 0 || B < 0 || pairs <= 0)
        return false;
    const uint8_t* a = DataBuffer[0].data() + A;
    const int64_t equal = std::mismatch(a, a + pairs, DataBuffer[1].data() + B).first - a;
    if (equal == pairs)
        return false;
    A += equal;
    B += equal;
    return true;
}
