#include "name_lines.h"

#include <algorithm>

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

std::string OneLineName(std::string_view text)
{
    // UTF-8 forms of U+0085, U+2028 and U+2029.
    constexpr std::array<std::string_view, 3> WideBreaks = {"\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"};
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\r' || text[i] == '\n') {
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            line += ' ';
            continue;
        }
        const auto *const wide = std::find_if(WideBreaks.begin(), WideBreaks.end(),
            [&](std::string_view mark) { return text.substr(i).starts_with(mark); });
        if (wide != WideBreaks.end()) {
            i += wide->size();
            line += ' ';
            continue;
        }
        line += text[i++];
    }
    return line;
}

} // namespace zarvel
