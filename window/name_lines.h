#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

// The four names as the file holds them, in the order of the name boxes.
using NameLines = std::array<std::string, 4>;
// The lines read from the start of the file: four, or fewer when it ends
// too early (then no name box changes).
using LinesRead = std::vector<std::string>;

// Splits the names file's bytes into its first four lines, still encoded.
// A line ends at CR LF, a lone CR or a lone LF; the line end is not part of
// the line. The last line may end with the data instead, but only when the
// data is the whole file (`complete`): a line cut off by a read limit is no
// line. Lines after the fourth are ignored.
LinesRead SplitNameLines(std::string_view bytes, bool complete);

} // namespace zarvel
