#pragma once
// The merge of a search's result file into the kept one. In both files a line that starts with a
// blank is a hit line (the cut-off line too) and every other line, an empty one too, a path line.
// A missing file makes either merge do nothing.

#include <string>

// Appends every line of tempFile to resultFile.
void AppendResultFile(const std::string& resultFile, const std::string& tempFile);

// Replaces resultFile by the lines of tempFile whose hit line stands under the same path line
// in resultFile, each kept path line before the first of its kept hits; workFile is written
// first and then takes resultFile's name.
void MatchResultFile(const std::string& resultFile, const std::string& tempFile, const std::string& workFile);
