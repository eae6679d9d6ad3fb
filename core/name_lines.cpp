#include "name_lines.h"

#include "utf8.h"

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
        // Two plain searches: far faster than find_first_of over the
        // megabytes of a long name.
        const std::size_t end = std::min(bytes.find('\r', pos), bytes.find('\n', pos));
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

const std::array<std::string, LineBreaks.size()> &LineBreakForms()
{
    static const auto Forms = [] {
        std::array<std::string, LineBreaks.size()> forms;
        std::transform(LineBreaks.begin(), LineBreaks.end(), forms.begin(), [](char32_t c) {
            std::string form;
            AppendUtf8(form, c);
            return form;
        });
        return forms;
    }();
    return Forms;
}

std::string JoinNameLines(const NameLines &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

std::string OneLineName(std::string_view text)
{
    const auto &forms = LineBreakForms();
    // Most bytes start no break: a name of a million letters is copied at
    // the speed of a scan.
    static const std::string FirstBytes = [] {
        std::string bytes;
        for (const std::string &form : LineBreakForms())
            bytes += form.front();
        return bytes;
    }();
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (FirstBytes.find(text[i]) == std::string::npos) {
            line += text[i++];
            continue;
        }
        const std::string_view rest = text.substr(i);
        const auto *const form
            = std::find_if(forms.begin(), forms.end(), [&](const std::string &mark) { return rest.starts_with(mark); });
        if (form == forms.end()) {
            line += text[i++];
            continue;
        }
        // CR LF is one break.
        i += rest.starts_with("\r\n") ? 2 : form->size();
        line += ' ';
    }
    return line;
}

} // namespace zarvel
