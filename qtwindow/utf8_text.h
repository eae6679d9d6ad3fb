#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zarvel {

// A UTF-8 text of the core's, as a QString.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A widget's text as the core's UTF-8. A lone surrogate (a paste can bring
// one) becomes U+FFFD, as the page's text does, where Qt would write "?".
inline std::string ToUtf8(QString text)
{
    if (!text.isValidUtf16()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
    }
    return text.toStdString();
}

} // namespace zarvel
