#include "ResultMerge.h"

#include "Files.h"

#include <cstdio>
#include <unordered_set>

namespace {

bool IsHitLine(const std::string& line)
{
    return !line.empty() && line.front() == ' ';
}

// One key for a hit line under its path line; no line holds a line feed, so none is ambiguous.
std::string PathAndHit(const std::string& path, const std::string& hitLine)
{
    return path + '\n' + hitLine;
}

} // namespace

void AppendResultFile(const std::string& resultFile, const std::string& tempFile)
{
    if (!FileExists(resultFile) || !FileExists(tempFile))
        return;
    TTextReader reader(tempFile);
    TTextWriter writer(resultFile, TTextWriter::TMode::Append);
    while (!reader.Eof())
        writer.WriteLine(reader.ReadLine());
    writer.Close();
}

void MatchResultFile(const std::string& resultFile, const std::string& tempFile, const std::string& workFile)
{
    if (!FileExists(resultFile) || !FileExists(tempFile))
        return;
    // A new hit line is found again when some stretch of the kept file under the same path line
    // holds the same line: one pass over the kept file gathers every such pair, where a lookup
    // per new line would read the kept file from its top each time.
    std::unordered_set<std::string> keptHits;
    {
        TTextReader kept(resultFile);
        std::string path;
        while (!kept.Eof()) {
            std::string line = kept.ReadLine();
            if (IsHitLine(line))
                keptHits.insert(PathAndHit(path, line));
            else
                path = std::move(line);
        }
    }
    TTextReader temp(tempFile);
    TTextWriter work(workFile);
    std::string currentPath;
    bool pathWritten = false;
    while (!temp.Eof()) {
        std::string line = temp.ReadLine();
        if (!IsHitLine(line)) {
            currentPath = std::move(line);
            pathWritten = false;
        } else if (keptHits.contains(PathAndHit(currentPath, line))) {
            if (!pathWritten) {
                work.WriteLine(currentPath);
                pathWritten = true;
            }
            work.WriteLine(line);
        }
    }
    work.Close();
    std::remove(resultFile.c_str());
    std::rename(workFile.c_str(), resultFile.c_str());
}
