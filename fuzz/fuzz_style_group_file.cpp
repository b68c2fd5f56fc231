// Feeds arbitrary bytes to the style group reader as a .fms file and lays out whatever group the
// read left behind. Then it saves that group and checks that the saved file reads back as the
// same group: every style the file holds, with its head and every row up to its last.

#include "DataUnit.h"

#include "Check.h"
#include "Runtime.h"
#include "ScratchFile.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

const TScratchFile InputFile("style_group_in.fms");
const TScratchFile SavedFile("style_group_saved.fms");

// The group as it was saved: only the part that went into the file is copied, into records
// kept from run to run.
std::array<TStyle, StyleCount> Saved;

template <typename Operation>
void Guarded(Operation operation)
{
    try {
        operation();
    } catch (const ERuntimeError&) {
    }
}

void CopyStoredPart(const TStyle& from, TStyle& to)
{
    to.StyleName = from.StyleName;
    to.OffsetAddress = from.OffsetAddress;
    to.UseOffset = from.UseOffset;
    to.LastRow = from.LastRow;
    to.TotalSize = from.TotalSize;
    for (int r = 0; r <= from.LastRow; ++r) {
        to.RowUsed[r] = from.RowUsed[r];
        to.RowKind[r] = from.RowKind[r];
        to.RowSize[r] = from.RowSize[r];
        to.RowComment[r] = from.RowComment[r];
        to.RowHint[r] = from.RowHint[r];
    }
}

// A text field is written whole, bytes behind its length included, so it must come back whole.
template <int Capacity>
bool SameField(const TShortString<Capacity>& a, const TShortString<Capacity>& b)
{
    return a.Length == b.Length && a.Chars == b.Chars;
}

void CheckSameStoredPart(const TStyle& saved, const TStyle& read)
{
    Check(SameField(saved.StyleName, read.StyleName));
    Check(saved.OffsetAddress == read.OffsetAddress && saved.UseOffset == read.UseOffset);
    Check(saved.LastRow == read.LastRow && saved.TotalSize == read.TotalSize);
    for (int r = 0; r <= saved.LastRow; ++r) {
        Check(saved.RowUsed[r] == read.RowUsed[r] && saved.RowKind[r] == read.RowKind[r]);
        Check(saved.RowSize[r] == read.RowSize[r]);
        Check(SameField(saved.RowComment[r], read.RowComment[r]));
        Check(SameField(saved.RowHint[r], read.RowHint[r]));
    }
}

// The count at the head of the file, or -1 where it is not there.
int LastStoredStyle(const uint8_t* data, size_t size)
{
    return size < 2 ? -1 : static_cast<int16_t>(data[0] | data[1] << 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputFile.Store(data, size);
    Guarded([] { (void)ReadStyleGroupFile(InputFile.Path()); });
    // Only the slots the file reached hold sizes of its own. The address behind a style's last
    // row adds up the sizes that the address of any of its rows does.
    for (int slot = 0; slot < std::min(LastStoredStyle(data, size) + 1, StyleCount); ++slot) {
        Guarded([slot] { RecountStyle(slot); });
        Guarded([slot] { (void)StyleRowAddress(0, slot, StyleGroup[slot].LastRow + 1); });
    }

    // A sum of row sizes outside the integer range stops the save before the file is made.
    try {
        WriteStyleGroupFile(SavedFile.Path());
    } catch (const EIntOverflow&) {
        return 0;
    }
    // The save packed and recounted the group: it wrote the named styles, which now lie in the
    // first slots, and the first free slot after them unless the group is full.
    int named = 0;
    while (named < StyleCount && StyleGroup[named].StyleName.Length != 0)
        ++named;
    const int lastStyle = std::min(named, StyleCount - 1);
    for (int slot = 0; slot <= lastStyle; ++slot)
        CopyStoredPart(StyleGroup[slot], Saved[slot]);

    Check(ReadStyleGroupFile(SavedFile.Path()));
    for (int slot = 0; slot <= lastStyle; ++slot) {
        RecountStyle(slot);
        CheckSameStoredPart(Saved[slot], StyleGroup[slot]);
    }
    return 0;
}
