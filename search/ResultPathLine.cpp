#include "ResultPathLine.h"

namespace {

bool NeedsQuotes(std::string_view path)
{
    return path.find_first_of("\n\r") != std::string_view::npos || path.starts_with(' ') || path.starts_with('"');
}

} // namespace

std::string ResultPathLine(std::string_view path)
{
    if (!NeedsQuotes(path))
        return std::string(path);
    std::string line = "\"";
    for (const char byte : path) {
        switch (byte) {
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\\':
        case '"':
            line += '\\';
            line += byte;
            break;
        default:
            line += byte;
            break;
        }
    }
    line += '"';
    return line;
}
