// Feeds arbitrary bytes to the style group reader as a .fms file, then packs, lays out and
// saves whatever group the read left behind.

#include "DataUnit.h"
#include "Runtime.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const std::string InputPath = "/tmp/fuzz_style_group_" + std::to_string(::getpid()) + ".fms";
const std::string OutputPath = "/tmp/fuzz_style_group_" + std::to_string(::getpid()) + "_out.fms";

void StoreInput(const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(InputPath.c_str(), "wb");
    if (file == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
}

template <typename Operation>
void Guarded(Operation operation)
{
    try {
        operation();
    } catch (const ERuntimeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StoreInput(data, size);
    Guarded([] { (void)ReadStyleGroupFile(InputPath); });
    for (int slot = 0; slot < StyleCount; ++slot) {
        Guarded([slot] { RecountStyle(slot); });
        Guarded([slot] { (void)StyleRowAddress(0, slot, StyleGroup[slot].LastRow); });
        Guarded([slot] { (void)StyleRowAddress(0, slot, RowCount); });
    }
    Guarded([] { (void)PackStyleGroup(); });
    Guarded([] { WriteStyleGroupFile(OutputPath); });
    std::remove(InputPath.c_str());
    std::remove(OutputPath.c_str());
    return 0;
}
