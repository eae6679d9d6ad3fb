#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

// The four names as the names file holds them, in the order of the name
// boxes, UTF-8.
using NameLines = std::array<std::string, 4>;
// The lines read from the start of the names file: four, or fewer when it
// ends too early (then no name box changes).
using LinesRead = std::vector<std::string>;

// The longest name typing or pasting makes in a name box, in UTF-16 code
// units as every front end's boxes count them: past any name in use (the
// longest have a few dozen letters), and short enough that a keystroke costs
// a box far less than a frame. A longer name that the names file brings
// stays whole in its box and comes back whole when the names are saved;
// typing only never makes it longer.
inline constexpr std::size_t MaxTypedNameLength = 1'000;

// The longest name a name box holds, read from the names file, in the same
// units: small enough that four such names are read back whole.
inline constexpr std::size_t MaxNameLength = 1'000'000;

// The bytes the names file may need for four names of MaxNameLength: in
// UTF-8 (the file's form when its code page cannot hold a name) a code unit
// takes at most three bytes, after a three-byte mark; each line ends in
// CR LF.
inline constexpr std::size_t NamesFileReadLimit = 3 + 4 * (3 * MaxNameLength + 2);

// The characters that break a line in a name: CR, LF, U+0085, U+2028 and
// U+2029.
inline constexpr std::array<char32_t, 5> LineBreaks = {U'\r', U'\n', U'\u0085', U'\u2028', U'\u2029'};
// The UTF-8 form of each of LineBreaks, in the same order.
const std::array<std::string, LineBreaks.size()> &LineBreakForms();

// Splits the names file's bytes into its first four lines, still encoded.
// A line ends at CR LF, a lone CR or a lone LF; the line end is not part of
// the line. The last line may end with the data instead, but only when the
// data is the whole file (`complete`): a line cut off by a read limit is no
// line. Lines after the fourth are ignored.
LinesRead SplitNameLines(std::string_view bytes, bool complete);

// The names file's text of four lines, as SplitNameLines reads it back:
// each line (in whatever encoding the caller holds it) followed by CR LF.
std::string JoinNameLines(const NameLines &lines);

// A name is one line: each line break in a UTF-8 text (CR LF as a pair, a
// lone CR or LF, U+0085, U+2028, U+2029) becomes one space, so that saved
// names always make four lines.
std::string OneLineName(std::string_view text);

// Where the four names are kept between runs; each front end has its own.
class NamesStore {
public:
    virtual ~NamesStore() = default;

    // The lines at the start of the stored names, as SplitNameLines gives
    // them (decoded to UTF-8); none when nothing can be read. Never fails.
    virtual LinesRead Read() const = 0;

    // Replaces the stored names whole, or leaves the old ones exactly as
    // they were. Returns whether the names were saved; a failure has then
    // already been told to the user.
    virtual bool Save(const NameLines &names) = 0;
};

} // namespace zarvel
