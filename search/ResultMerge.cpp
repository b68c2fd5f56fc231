#include "ResultMerge.h"

#include "Files.h"

#include <cstdio>

namespace {

bool IsHitLine(const std::string& line)
{
    return !line.empty() && line.front() == ' ';
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
    TTextReader temp(tempFile);
    TTextWriter work(workFile);
    std::string currentPath;
    std::string currentLine;
    bool pathWritten = false;
    while (!temp.Eof()) {
        const std::string s = temp.ReadLine();
        if (IsHitLine(s)) {
            currentLine = s;
        } else {
            currentPath = s;
            currentLine = "*";
            pathWritten = false;
        }
        TTextReader result(resultFile);
        std::string resultPath;
        std::string resultLine;
        while (!result.Eof()) {
            const std::string r = result.ReadLine();
            if (IsHitLine(r)) {
                resultLine = r;
            } else {
                resultPath = r;
                resultLine.clear();
            }
            if (resultPath == currentPath && resultLine == currentLine) {
                if (!pathWritten) {
                    work.WriteLine(currentPath);
                    pathWritten = true;
                }
                work.WriteLine(currentLine);
                break;
            }
        }
    }
    work.Close();
    std::remove(resultFile.c_str());
    std::rename(workFile.c_str(), resultFile.c_str());
}
