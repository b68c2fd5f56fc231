// Trawlbox's search over every file of a folder tree, as the window runs it over ticked files:
// one result file, each file scanned in turn on this one thread until the hit limit. Prints the
// scan's own time and rate; scripts/bench-search.sh sets it beside cat, ripgrep and grep.
// Usage: bench_search_tree FOLDER PATTERN (the pattern's bytes as typed, like a "Chat" value)

#include "SearchResultFile.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER PATTERN\n", argv[0]);
        return 2;
    }
    std::vector<std::string> paths;
    uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1]))
        if (entry.is_regular_file()) {
            paths.push_back(entry.path().string());
            bytes += entry.file_size();
        }
    const std::string pattern = argv[2];
    const std::string resultFile = (std::filesystem::temp_directory_path() /
                                    ("bench_search_tree." + std::to_string(::getpid()) + ".txt"))
                                       .string();

    const auto start = std::chrono::steady_clock::now();
    TSearchResultFile result(resultFile);
    for (const std::string& path : paths) {
        if (result.LimitReached())
            break;
        if (FileExists(path))
            result.SearchFile(path, reinterpret_cast<const uint8_t*>(pattern.data()), static_cast<int>(pattern.size()));
    }
    result.Close();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::filesystem::remove(resultFile);

    std::printf("files %zu\nbytes %ju\nhits %d\nseconds %.4f\nrate %.2f GB/s\n", paths.size(), bytes, result.Hits(),
                seconds, static_cast<double>(bytes) / seconds / 1e9);
    return 0;
}
