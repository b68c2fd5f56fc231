// Feeds arbitrary bytes to the option reader as the option file beside the fuzzer, and checks
// that whatever it read survives a write and a second read unchanged.

#include "DataUnit.h"
#include "Runtime.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

namespace {

void StoreInput(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
}

auto Options()
{
    return std::make_tuple(DumpShown, DumpColor, DumpFont->Name, DumpFont->Size, DumpFont->Color, StyleShown,
                           StyleColor, StyleFont->Name, StyleFont->Size, StyleFont->Color, BackColor, HintShown,
                           StyleGroupFileName, DataFileName[0]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = OptionFileName();
    StoreInput(path, data, size);
    try {
        ReadOptionFile();
        const auto first = Options();
        WriteOptionFile();
        ReadOptionFile();
        if (Options() != first)
            std::abort();
    } catch (const ERuntimeError&) {
    }
    std::remove(path.c_str());
    return 0;
}
