#include "window/name_lines.h"

namespace zarvel {

LinesRead SplitNameLines(std::string_view bytes, bool complete)
{
    constexpr std::size_t NameCount = 4;
    LinesRead lines;
    std::size_t pos = 0;
    while (lines.size() < NameCount) {
        if (pos >= bytes.size())
            return lines; // reading past the end: the file is short
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            if (complete)
                lines.emplace_back(bytes.substr(pos));
            return lines;
        }
        lines.emplace_back(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

} // namespace zarvel
