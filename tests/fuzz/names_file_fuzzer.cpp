// libFuzzer target over the names file's reader: any bytes at the start of
// the file give at most four lines, never a crash or a hang; no
// name holds a line end; and four names that Windows-1251 can hold come
// back byte for byte after a write and a read.
#include "storage/names_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool property)
{
    if (!property)
        std::abort(); // libFuzzer keeps the input that broke a property
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const zarvel::LinesRead lines = zarvel::NamesFile::FromFileStart(bytes);
    Require(lines.size() <= 4);
    for (const std::string &line : lines)
        Require(line.find_first_of("\r\n") == std::string::npos);
    if (lines.size() < 4)
        return 0;
    const zarvel::NameLines names = {lines[0], lines[1], lines[2], lines[3]};

    const QByteArray written = zarvel::NamesFile::Encode(names);
    if (written.size() > zarvel::NamesFile::ReadLimit)
        return 0; // a rewrite this long is cut at start-up, as it should be
    const zarvel::LinesRead reread = zarvel::NamesFile::FromFileStart(written);
    Require(reread.size() == 4);
    // The encoder writes "?" only for a character it cannot hold; where it
    // wrote none, the names must survive exactly.
    bool held = true;
    for (const std::string &name : names)
        held = held
            && zarvel::NamesFile::Encode({name, "", "", ""}).count('?')
                == static_cast<qsizetype>(std::count(name.begin(), name.end(), '?'));
    if (held)
        Require(reread == lines);
    Require(zarvel::NamesFile::Encode({reread[0], reread[1], reread[2], reread[3]}) == written);
    return 0;
}
