// Feeds arbitrary bytes to the option reader as an option file, and checks that whatever it read
// survives a write and a second read unchanged.

#include "DataUnit.h"

#include "Runtime.h"
#include "ScratchFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace {

const TScratchFile OptionFile("options.ini");

auto Options()
{
    return std::make_tuple(DumpShown, DumpColor, DumpFont->Name, DumpFont->Size, DumpFont->Color, StyleShown,
                           StyleColor, StyleFont->Name, StyleFont->Size, StyleFont->Color, BackColor, HintShown,
                           StyleGroupFileName, DataFileName[0]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OptionFile.Store(data, size);
    try {
        ReadOptionFile(OptionFile.Path());
        const auto first = Options();
        WriteOptionFile(OptionFile.Path());
        ReadOptionFile(OptionFile.Path());
        if (Options() != first)
            std::abort();
    } catch (const ERuntimeError&) {
    }
    return 0;
}
