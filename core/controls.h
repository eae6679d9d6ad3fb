#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarvel {

// The operations the reading logic performs on the window's controls. Each
// front end implements them over its own widgets or page elements; the
// tests implement them over plain records.
//
// Every operation addresses a control by its own name, as listed in
// control_names.h and control_layout.h ("Image46", "Label5", "Text1",
// "Combo1"). Naming a control that does not exist, or one of the wrong kind
// for the operation, is a programming error: an implementation may assert.
// All texts are UTF-8, in both directions. Operations run on the one
// user-interface thread, take effect at once, and keep no reference to
// their arguments.
class Controls {
public:
    virtual ~Controls() = default;

    // Shows or hides a picture, label, text box or button. Showing a picture
    // control that has no picture shows nothing.
    //   controls.SetVisible("Image46", true);
    virtual void SetVisible(std::string_view control, bool visible) = 0;

    // Makes picture control `target` show the picture of picture control
    // `source`, drawn unscaled at the target's place, and take its size; the
    // source keeps its picture. A source without a picture changes nothing.
    //   controls.CopyPicture("Image46", "Image77"); // the back, face down
    virtual void CopyPicture(std::string_view target, std::string_view source) = 0;

    // Sets a label's caption, shown as plain text (never markup).
    //   controls.SetCaption("Label5", "Кто ревнует?-Ольга");
    virtual void SetCaption(std::string_view label, std::string_view caption) = 0;

    // The current text of a text box ("Text1".."Text4") or of the combo box
    // ("Combo1"), as the user sees it.
    virtual std::string Text(std::string_view control) const = 0;

    // A number that changes whenever the text of a text box ("Text1".."Text4")
    // changes, by the user or by SetText; while it stays the same, so does
    // the text. The tick reads it instead of the text, which can be a
    // million characters long.
    virtual std::uint64_t TextVersion(std::string_view textBox) const = 0;

    // Replaces a text box's text; the user can go on editing it.
    virtual void SetText(std::string_view textBox, std::string_view text) = 0;

    // Adds an item at the end of the combo box's list; the text shown in the
    // box stays as it was.
    virtual void AppendItem(std::string_view combo, std::string_view item) = 0;

    // Tells screen reader users `text` once, as news of a control the table
    // marks `announces` ("Label5", the answer), without moving the focus.
    // What the control shows is set apart, by SetCaption: its changes are
    // not read out. Each call is one announcement, even of the same text.
    //   controls.Announce("Label5", "Кто ревнует?-Ольга");
    virtual void Announce(std::string_view control, std::string_view text) = 0;
};

} // namespace zarvel
