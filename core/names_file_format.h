#pragma once

#include "name_lines.h"

#include <string>
#include <string_view>

namespace zarvel {

// The names file's bytes, the same on every system: four lines ended by
// CR LF, in Windows-1251 when that code page holds all four names (the
// format older readers of the file know), else UTF-8 after the mark
// EF BB BF, so that every character survives.

// The file's bytes for the names (UTF-8).
std::string EncodeNamesFile(const NameLines &names);

// The names in the start of a file, decoded to UTF-8: given up to
// NamesFileReadLimit + 1 bytes, it reads only the first NamesFileReadLimit
// and knows whether that was all. Bytes that are no UTF-8 after the mark
// read as U+FFFD; every byte of Windows-1251 reads as a character.
LinesRead DecodeNamesFile(std::string_view bytes);

} // namespace zarvel
