#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zarvel {

using NameLines = std::array<std::string, 4>;

// Splits the names file's bytes into its first four lines, still encoded.
// A line ends at CR LF, a lone CR or a lone LF; the line end is not part of
// the line. The last line may end with the data instead, but only when the
// data is the whole file (`complete`): a line cut off by a read limit is no
// line. Lines after the fourth are ignored. Fewer than four lines give
// nothing, so that no name box changes.
std::optional<NameLines> SplitNameLines(std::string_view bytes, bool complete);

} // namespace zarvel
