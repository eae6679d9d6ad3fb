#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

// The window's controls as data, for every front end to build from: kind,
// place and size in twips (15 to a pixel at 96 dots per inch, measured from
// the top-left corner of Form1's client area, below the menu bar), initial
// text, visibility and keyboard order.

inline constexpr int TwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // In pixels at 96 dots per inch; every value is a multiple of 15.
    constexpr TwipsRect InPixels() const
    {
        return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
    }
    bool operator==(const TwipsRect &) const = default;
};

inline constexpr TwipsRect ClientArea = {0, 0, 11205, 8025};

enum class ControlKind { Picture, Label, TextBox, ComboBox, Button };

// What using a control raises, for FormEvents::Raise: a click on the
// confirm picture or on the button, a question chosen from the list.
enum class ControlEvent { None, ConfirmNames, Deal, ChooseQuestion };

struct ControlRow {
    std::string name; // "Image46", "Label5", "Text1", …
    ControlKind kind;
    TwipsRect place;            // a picture's size holds only while it has no picture
    std::string text;           // initial caption or text, UTF-8; empty for pictures
    bool visible;               // at start
    int focusOrder;             // 1, 2, … in keyboard order; 0 takes no focus
    std::string accessibleName; // for text boxes and the combo box; pictures are named after their picture
    int imageNumber = 0;        // N of ImageN for a picture control, 0 for the others
    ControlEvent event = ControlEvent::None;
    bool firstFocus = false; // has the keyboard focus when the window opens
    bool announces = false;  // screen reader users are told its final text (the answer) through Controls::Announce
};

// Every control in drawing order from back to front: the catalogue, the
// figure row and the confirm picture behind the labels, the card slots in
// front of them (each lower card of a column over the card above it), and
// the text boxes, the button and the combo box over everything.
const std::vector<ControlRow> &WindowControls();

// Whether screen reader users are told `control`'s final text through
// Controls::Announce: its row is marked `announces`. False for a name that
// is no control.
bool Announces(std::string_view control);

// The place and size of Image<n> while it has no picture.
TwipsRect StoredPicturePlace(int n);

// The start of `caption` that label `label` could ever show: at most two
// characters for each pixel of its width, cut between two characters. Both
// front ends lay a caption out whole at every paint, so a caption holding
// a name of a million letters is cut here, once for both.
std::string_view VisibleCaption(std::string_view label, std::string_view caption);

} // namespace zarvel
