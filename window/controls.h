#pragma once

#include <string>
#include <string_view>

namespace zarvel {

// The operations the reading logic performs on the window's controls,
// each addressed by the control's own name ("Image46", "Label5", "Text1",
// "Combo1"). All texts are UTF-8. The real window implements this over its
// widgets; tests implement it over plain records.
class Controls {
public:
    virtual ~Controls() = default;

    virtual void SetVisible(std::string_view control, bool visible) = 0;
    // The target shows the source's picture and takes its size.
    virtual void CopyPicture(std::string_view target, std::string_view source) = 0;
    virtual void SetCaption(std::string_view label, std::string_view caption) = 0;
    // The current text of a text box or of the combo box.
    virtual std::string Text(std::string_view control) const = 0;
    virtual void SetText(std::string_view textBox, std::string_view text) = 0;
    virtual void AppendItem(std::string_view combo, std::string_view item) = 0;
};

} // namespace zarvel
