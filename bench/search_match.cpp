// "Match" of a kept result file and a new one of 10,000 hit lines each, the most that one search
// writes: 100 files of 100 hits, half of the new hits at offsets that the kept file has too.

#include "ResultMerge.h"
#include "Runtime.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string ResultText(int firstOffset, int step)
{
    std::string text;
    for (int file = 0; file < 100; ++file) {
        text += "/home/user/data/folder" + std::to_string(file % 7) + "/file" + std::to_string(file) + ".bin\r\n";
        for (int hit = 0; hit < 100; ++hit)
            text += "  " + IntToHex(firstOffset + hit * step, 6) + "\r\n";
    }
    return text;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void BM_MatchResultFile(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "bench_search_match";
    std::filesystem::create_directories(folder);
    const std::string kept = (folder / "SearchResult.txt").string();
    const std::string temp = (folder / "Temporary.txt").string();
    const std::string work = (folder / "$$$tmp$$$.txt").string();
    const std::string keptText = ResultText(0, 16);
    WriteFile(temp, ResultText(0, 8));
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(kept, keptText);
        state.ResumeTiming();
        MatchResultFile(kept, temp, work);
    }
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_MatchResultFile)->Unit(benchmark::kMillisecond);

} // namespace
