#include "window/name_lines.h"

namespace zarvel {

std::optional<NameLines> SplitNameLines(std::string_view bytes, bool complete)
{
    NameLines lines;
    std::size_t pos = 0;
    for (std::string &line : lines) {
        if (pos >= bytes.size())
            return std::nullopt; // reading past the end: the file is short
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            if (!complete)
                return std::nullopt;
            line.assign(bytes.substr(pos));
            pos = bytes.size();
            continue;
        }
        line.assign(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

} // namespace zarvel
