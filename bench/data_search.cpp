// The pane search over a full 1 MiB pane when nearly every candidate is a near-match: a pane of
// 'A' bytes and a pattern of 'A's with one 'B', so no search finds anything and every candidate
// is compared. The argument pair is the pattern's length and the position of its 'B'.

#include "DataUnit.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void PreparePane(int64_t length, int64_t mismatchAt)
{
    DataBuffer[0].assign(MaxDataSize, 'A');
    DataSize[0] = MaxDataSize;
    std::string pattern(static_cast<size_t>(length), 'A');
    pattern[static_cast<size_t>(mismatchAt)] = 'B';
    SetSearchValue(pattern, vkChars);
}

void BM_NextSearch(benchmark::State& state)
{
    PreparePane(state.range(0), state.range(1));
    for (auto _ : state) {
        int32_t address = 0;
        benchmark::DoNotOptimize(NextSearch(0, address));
    }
    state.SetBytesProcessed(state.iterations() * MaxDataSize);
}

void BM_FrontSearch(benchmark::State& state)
{
    PreparePane(state.range(0), state.range(1));
    for (auto _ : state) {
        int32_t address = MaxDataSize - 1;
        benchmark::DoNotOptimize(FrontSearch(0, address));
    }
    state.SetBytesProcessed(state.iterations() * MaxDataSize);
}

// "AAAAAAB…" of 8 and 80 bytes, and the harder case of a head that matches everywhere.
void SearchCases(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Args({8, 6})->Args({80, 6})->Args({80, 40})->Args({80, 79})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_NextSearch)->Apply(SearchCases);
BENCHMARK(BM_FrontSearch)->Apply(SearchCases);

} // namespace
