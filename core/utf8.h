#pragma once

#include <string>
#include <string_view>

namespace zarvel {

// UTF-8 as the names file and every front end hold text.

// Appends the UTF-8 form of `c`, one to four bytes.
void AppendUtf8(std::string &text, char32_t c);

// The characters of `bytes`. A byte sequence that is no UTF-8 (a stray or
// missing continuation byte, an overlong form, a surrogate, a value past
// U+10FFFF) reads as one U+FFFD for each maximal invalid part, as browsers
// and Qt read it.
std::u32string DecodeUtf8(std::string_view bytes);

} // namespace zarvel
