#pragma once
// The path line of a file in a result file. The file's readers take a line that starts with a
// blank for a hit line and any other for a path line, and end a line at a line feed (a carriage
// return before it dropped). So a path is written as it is, byte for byte, unless it holds a line
// feed or a carriage return, or starts with a blank or a double quote (only a path relative to
// the current folder can): such a path is written between double quotes, a line feed inside as
// \n, a carriage return as \r, a backslash as \\ and a double quote as \", every other byte as it
// is. The line then starts with a double quote, which no path written as it is does, and reads
// back one way only, so that no two files share a path line.

#include <string>
#include <string_view>

[[nodiscard]] std::string ResultPathLine(std::string_view path);
