// Trawlbox's search over every file of a folder tree, as the window runs it over ticked files:
// one result file, each file scanned in turn on this one thread until the hit limit. The tree is
// listed first as the window lists it, so that the run makes no system call per file that the
// program does not make. Prints the file count, the hits and the seconds of the listing and of the
// search; scripts/bench-search.sh sets the whole run beside cat, ripgrep and grep.
// Usage: bench_search_tree FOLDER PATTERN (the pattern's bytes as typed, like a "Chat" value)

#include "Files.h"
#include "SearchResultFile.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Depth first in name order, each subfolder's files where the subfolder stands.
void ListFolder(const std::string& path, std::vector<std::string>& files)
{
    for (const TFolderEntry& entry : ReadFolderEntries(path)) {
        if (entry.IsFolder)
            ListFolder(path + entry.Name + '/', files);
        else
            files.push_back(path + entry.Name);
    }
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER PATTERN\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    const std::string pattern = argv[2];
    const std::string resultFile =
        (std::filesystem::temp_directory_path() / ("bench_search_tree." + std::to_string(::getpid()) + ".txt"))
            .string();

    const auto listingStart = std::chrono::steady_clock::now();
    std::vector<std::string> paths;
    ListFolder(folder, paths);
    const double listingSeconds = SecondsSince(listingStart);

    const auto searchStart = std::chrono::steady_clock::now();
    TSearchResultFile result(resultFile);
    for (const std::string& path : paths) {
        if (result.LimitReached())
            break;
        result.SearchFileIfExists(path, reinterpret_cast<const uint8_t*>(pattern.data()),
                                  static_cast<int>(pattern.size()));
    }
    result.Close();
    const double searchSeconds = SecondsSince(searchStart);
    std::filesystem::remove(resultFile);

    std::printf("files %zu\nhits %d\nlisting seconds %.4f\nsearch seconds %.4f\n", paths.size(), result.Hits(),
                listingSeconds, searchSeconds);
    return 0;
}
