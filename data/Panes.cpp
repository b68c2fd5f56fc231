// The two panes' file buffers: loading with the 1 MiB cap, saving back, and the data layer's
// start and exit.

#include "DataUnit.h"

#include "Files.h"
#include "Runtime.h"

#include <new>

std::vector<uint8_t> DataBuffer[PaneCount];
std::string DataFileName[PaneCount];
int32_t DataSize[PaneCount];
int32_t CursorAddress[PaneCount];
bool DataCut[PaneCount];
bool DataBroken[PaneCount];

namespace {

void CheckPane(int Pane)
{
    CheckRange(Pane, 0, PaneCount - 1);
}

} // namespace

bool LoadDataFile(int Pane, const std::string& FileName)
{
    CheckPane(Pane);
    if (!FileExists(FileName))
        return false;
    // Opened before the pane changes, so that a file that cannot be opened leaves the pane, and
    // the window that shows it, as they were.
    TBinaryFile file = TBinaryFile::OpenExisting(FileName);
    CursorAddress[Pane] = 0;
    DataFileName[Pane] = FileName;

    // From here on the old contents are gone. Each step below leaves a pane whose size matches
    // its block, so a failure part-way never leaves a released block in use.
    FreeDataBuffer(Pane);
    DataBroken[Pane] = true;
    const int64_t length = file.Size();
    const bool cut = length > MaxDataSize;
    const int32_t size = cut ? MaxDataSize : static_cast<int32_t>(length);
    try {
        DataBuffer[Pane].assign(static_cast<size_t>(size), 0);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
    DataSize[Pane] = size;
    DataCut[Pane] = cut;
    // A short read keeps the bytes that did arrive; the rest of the block stays zero.
    file.ReadExact(DataBuffer[Pane].data(), static_cast<size_t>(size));
    DataBroken[Pane] = false;
    file.Close();
    return true;
}

void SaveDataFile(int Pane, const std::string& FileName)
{
    CheckPane(Pane);
    CheckRange(DataSize[Pane], 0, static_cast<int64_t>(DataBuffer[Pane].size()));
    DataFileName[Pane] = FileName;
    // A cut pane holds only the head of its file: writing it in place keeps the rest.
    TBinaryFile file =
        DataCut[Pane] && FileExists(FileName) ? TBinaryFile::OpenExisting(FileName) : TBinaryFile::Create(FileName);
    file.WriteExact(DataBuffer[Pane].data(), static_cast<size_t>(DataSize[Pane]));
    file.Close();
    DataBroken[Pane] = false;
}

void FreeDataBuffer(int Pane)
{
    CheckPane(Pane);
    std::vector<uint8_t>().swap(DataBuffer[Pane]);
    DataSize[Pane] = 0;
    DataCut[Pane] = false;
    DataBroken[Pane] = false;
}

void InitDataLayer()
{
    for (int pane = 0; pane < PaneCount; ++pane) {
        FreeDataBuffer(pane);
        DataFileName[pane].clear();
        CursorAddress[pane] = 0;
    }
    NewStyleGroup();
    StyleGroupFileName.clear();
}

void DoneDataLayer()
{
    for (int pane = 0; pane < PaneCount; ++pane) {
        FreeDataBuffer(pane);
        std::string().swap(DataFileName[pane]);
    }
    std::string().swap(StyleGroupFileName);
}
