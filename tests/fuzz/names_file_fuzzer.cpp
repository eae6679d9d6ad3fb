// libFuzzer target over the names file's reader: any bytes at the start of
// the file give at most four lines, never a crash or a hang; no
// name holds a line end; and four names read come back exactly after a
// write and a read, in the same bytes.
#include "core/names_file_format.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool property)
{
    if (!property)
        std::abort(); // libFuzzer keeps the input that broke a property
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const zarvel::LinesRead lines = zarvel::DecodeNamesFile(bytes);
    Require(lines.size() <= 4);
    for (const std::string &line : lines)
        Require(line.find_first_of("\r\n") == std::string::npos);
    if (lines.size() < 4)
        return 0;
    const zarvel::NameLines names = {lines[0], lines[1], lines[2], lines[3]};

    const std::string written = zarvel::EncodeNamesFile(names);
    if (written.size() > zarvel::NamesFileReadLimit)
        return 0; // a rewrite this long is cut at start-up, as it should be
    // Whatever was read comes back exactly, in Windows-1251 or in UTF-8.
    const zarvel::LinesRead reread = zarvel::DecodeNamesFile(written);
    Require(reread == lines);
    Require(zarvel::EncodeNamesFile({reread[0], reread[1], reread[2], reread[3]}) == written);
    return 0;
}
