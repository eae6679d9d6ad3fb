#pragma once

#include <QString>

#include <string_view>

namespace zarvel {

// A UTF-8 text of the core's, as a QString.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zarvel
