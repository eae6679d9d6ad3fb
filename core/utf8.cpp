#include "utf8.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zarvel {

void AppendUtf8(std::string &text, char32_t c)
{
    const auto byte = [](char32_t value) { return static_cast<char>(value); };
    if (c < 0x80) {
        text += byte(c);
    } else if (c < 0x800) {
        text += byte(0xC0 | (c >> 6));
        text += byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += byte(0xE0 | (c >> 12));
        text += byte(0x80 | ((c >> 6) & 0x3F));
        text += byte(0x80 | (c & 0x3F));
    } else {
        text += byte(0xF0 | (c >> 18));
        text += byte(0x80 | ((c >> 12) & 0x3F));
        text += byte(0x80 | ((c >> 6) & 0x3F));
        text += byte(0x80 | (c & 0x3F));
    }
}

namespace {

// The well-formed forms of a character of more than one byte, by its lead
// byte: how many continuation bytes follow, the bits the lead gives, and
// the range of the second byte, narrower where it would be overlong, a
// surrogate or past U+10FFFF. Every later byte lies in 80..BF.
struct LeadForm {
    unsigned char first;
    unsigned char last;
    int more;
    unsigned char bits;
    unsigned char low;
    unsigned char high;
};

constexpr std::array<LeadForm, 8> LeadForms = {{
    {0xC2, 0xDF, 1, 0x1F, 0x80, 0xBF},
    {0xE0, 0xE0, 2, 0x0F, 0xA0, 0xBF},
    {0xE1, 0xEC, 2, 0x0F, 0x80, 0xBF},
    {0xED, 0xED, 2, 0x0F, 0x80, 0x9F},
    {0xEE, 0xEF, 2, 0x0F, 0x80, 0xBF},
    {0xF0, 0xF0, 3, 0x07, 0x90, 0xBF},
    {0xF1, 0xF3, 3, 0x07, 0x80, 0xBF},
    {0xF4, 0xF4, 3, 0x07, 0x80, 0x8F},
}};

// The character at the start of `bytes` (not empty) and how many bytes it
// takes; U+FFFD for the maximal invalid part there.
std::pair<char32_t, std::size_t> NextCharacter(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return {lead, 1};
    const auto *form = std::find_if(
        LeadForms.begin(), LeadForms.end(), [lead](const LeadForm &f) { return lead >= f.first && lead <= f.last; });
    if (form == LeadForms.end())
        return {U'\uFFFD', 1};
    char32_t c = lead & form->bits;
    unsigned char low = form->low;
    unsigned char high = form->high;
    for (int i = 1; i <= form->more; ++i, low = 0x80, high = 0xBF) {
        const auto next = static_cast<std::size_t>(i) < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
        if (next < low || next > high)
            return {U'\uFFFD', static_cast<std::size_t>(i)}; // that byte starts the next character
        c = (c << 6) | (next & 0x3F);
    }
    return {c, static_cast<std::size_t>(form->more) + 1};
}

} // namespace

std::u32string DecodeUtf8(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto [c, size] = NextCharacter(bytes);
        text += c;
        bytes.remove_prefix(size);
    }
    return text;
}

} // namespace zarvel
