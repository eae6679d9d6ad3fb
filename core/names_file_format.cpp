#include "names_file_format.h"

#include "utf8.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace zarvel {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// The characters of Windows-1251's bytes 0x80 to 0xFF; below 0x80 it is
// ASCII. Its one unassigned byte, 0x98, stands for U+0098, so that any
// file reads and writes back byte for byte.
constexpr std::array<char16_t, 128> Windows1251 = {0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1,
    0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B,
    0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439,
    0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// The table turned round: (character, byte), sorted by character.
const std::array<std::pair<char32_t, char>, 128> &BytesOfCharacters()
{
    static const auto Sorted = [] {
        std::array<std::pair<char32_t, char>, 128> pairs{};
        for (std::size_t i = 0; i < pairs.size(); ++i)
            pairs[i] = {Windows1251[i], static_cast<char>(0x80 + i)};
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }();
    return Sorted;
}

// The name in Windows-1251, or nothing when the code page cannot hold one
// of its characters.
std::optional<std::string> EncodeLine(std::string_view utf8)
{
    const auto &bytes = BytesOfCharacters();
    std::string line;
    line.reserve(utf8.size());
    for (const char32_t c : DecodeUtf8(utf8)) {
        if (c < 0x80) {
            line += static_cast<char>(c);
            continue;
        }
        const auto *found = std::lower_bound(
            bytes.begin(), bytes.end(), c, [](const auto &pair, char32_t value) { return pair.first < value; });
        if (found == bytes.end() || found->first != c)
            return std::nullopt;
        line += found->second;
    }
    return line;
}

std::string DecodeLine(std::string_view line, bool utf8)
{
    std::string text;
    text.reserve(line.size());
    if (utf8) {
        for (const char32_t c : DecodeUtf8(line))
            AppendUtf8(text, c);
        return text;
    }
    for (const char byte : line) {
        const auto b = static_cast<unsigned char>(byte);
        AppendUtf8(text, b < 0x80 ? char32_t{b} : char32_t{Windows1251[b - 0x80]});
    }
    return text;
}

} // namespace

std::string EncodeNamesFile(const NameLines &names)
{
    NameLines encoded;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::optional<std::string> line = EncodeLine(names[i]);
        // Bytes that would read as the mark of UTF-8 are written as UTF-8
        // too, so the text comes back as it was.
        if (!line || (i == 0 && line->starts_with(Utf8Mark)))
            return std::string(Utf8Mark) + JoinNameLines(names);
        encoded[i] = std::move(*line);
    }
    return JoinNameLines(encoded);
}

LinesRead DecodeNamesFile(std::string_view bytes)
{
    const bool complete = bytes.size() <= NamesFileReadLimit;
    bytes = bytes.substr(0, NamesFileReadLimit);
    const bool utf8 = bytes.starts_with(Utf8Mark);
    if (utf8)
        bytes.remove_prefix(Utf8Mark.size());
    LinesRead lines = SplitNameLines(bytes, complete);
    for (std::string &line : lines)
        line = DecodeLine(line, utf8);
    return lines;
}

} // namespace zarvel
