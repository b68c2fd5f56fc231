// What the one pass of pending events before each ticked file costs the search: the same files
// searched with the window shown, once with the pass before each file and once without it.
// Runs on Qt's offscreen platform: QT_QPA_PLATFORM=offscreen bench_trawlbox_search_events
#include "SearchResultFile.h"
#include "TrawlboxUnit.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

// 10,000 files of 4 KiB, the size of the small files the search spends its calls on.
constexpr int Files = 10000;
constexpr size_t FileSize = 4096;

const std::vector<std::string>& TreeFiles()
{
    static QTemporaryDir folder;
    static const std::vector<std::string> files = [] {
        std::vector<std::string> paths;
        const std::string content(FileSize, 'x');
        for (int i = 0; i < Files; ++i) {
            const std::string leaf = folder.path().toStdString() + "/Folder" + std::to_string(i / 1000) + "/";
            std::filesystem::create_directories(leaf);
            paths.push_back(leaf + "File" + std::to_string(i) + ".bin");
            std::ofstream(paths.back(), std::ios::binary) << content;
        }
        return paths;
    }();
    return files;
}

void SearchFiles(benchmark::State& state, bool passOfEvents)
{
    const std::vector<std::string>& files = TreeFiles();
    QTemporaryDir programFolder;
    const auto form = std::make_unique<TTrawlboxForm>(programFolder.path().toStdString() + "/");
    form->show();
    QApplication::processEvents();
    const uint8_t pattern[] = {'T', 'r', 'a', 'w', 'l'};
    for (auto _ : state) {
        TSearchResultFile result(form->TempFileName);
        for (const std::string& path : files) {
            if (passOfEvents)
                QCoreApplication::processEvents();
            result.SearchFileIfExists(path, pattern, sizeof pattern);
        }
        result.Close();
    }
    state.SetItemsProcessed(state.iterations() * Files);
}

void SearchWithAPassOfEventsBeforeEachFile(benchmark::State& state)
{
    SearchFiles(state, true);
}
BENCHMARK(SearchWithAPassOfEventsBeforeEachFile)->Unit(benchmark::kMillisecond);

void SearchWithoutPassesOfEvents(benchmark::State& state)
{
    SearchFiles(state, false);
}
BENCHMARK(SearchWithoutPassesOfEvents)->Unit(benchmark::kMillisecond);

} // namespace
