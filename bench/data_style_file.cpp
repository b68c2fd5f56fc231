// Writing a full style group (30 styles of 200 fields, 661,172 bytes) and reading it back.

#include "DataUnit.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

void FillFullGroup()
{
    for (int i = 0; i < StyleCount; ++i) {
        TStyle& style = StyleGroup[i];
        style.StyleName.Assign("Style " + std::to_string(i) + std::string(StyleNameCapacity, 'n'));
        for (int r = 0; r < RowCount; ++r) {
            style.RowUsed[r] = 255;
            style.RowKind[r] = static_cast<uint8_t>(r % KindCount);
            style.RowSize[r] = r % 9;
            style.RowComment[r].Assign("Comment " + std::to_string(r));
            style.RowHint[r].Assign("Hint of row " + std::to_string(r) + "//second line");
        }
    }
}

void WriteAndReadFullGroup(benchmark::State& state)
{
    const std::string path = "/tmp/bench_style_file_" + std::to_string(::getpid()) + ".fms";
    FillFullGroup();
    for (auto _ : state) {
        WriteStyleGroupFile(path);
        benchmark::DoNotOptimize(ReadStyleGroupFile(path));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 2 * 661172);
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(WriteAndReadFullGroup)->Unit(benchmark::kMillisecond);
