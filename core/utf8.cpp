#include "utf8.h"

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

std::u32string DecodeUtf8(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i++]);
        if (lead < 0x80) {
            text += lead;
            continue;
        }
        // How many continuation bytes follow, and the range the second byte
        // must lie in so that the form is neither overlong, a surrogate nor
        // past U+10FFFF.
        int more = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1, c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2, c = lead & 0x0F;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3, c = lead & 0x07;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            text += U'\uFFFD';
            continue;
        }
        for (; more > 0; --more, low = 0x80, high = 0xBF) {
            const auto next = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
            if (i >= bytes.size() || next < low || next > high)
                break; // the byte that breaks the form starts the next character
            c = (c << 6) | (next & 0x3F);
            ++i;
        }
        text += more == 0 ? c : U'\uFFFD';
    }
    return text;
}

} // namespace zarvel
