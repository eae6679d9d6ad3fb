#pragma once

#include "core/control_layout.h"

#include <windows.h>

#include <map>
#include <string_view>
#include <utility>

struct IWICImagingFactory;

namespace zarvel {

class ScreenReaderNames;

// The catalogue's pictures, embedded in the program as PNG resources named
// after the picture tool's files (catalogue.h's PictureFileName), decoded
// when first asked for and kept until the program ends.
class Pictures {
public:
    // The pictures are decoded by the system's imaging component, through
    // COM, which a set of pictures opens on its thread at its first picture
    // and closes when it goes.
    Pictures() = default;
    ~Pictures();
    Pictures(const Pictures &) = delete;
    Pictures &operator=(const Pictures &) = delete;

    // The picture of Image<number> drawn for `scale` (1 or 2) as a 32-bit
    // top-down bitmap; nullptr when the program carries none.
    HBITMAP Bitmap(int number, int scale);
    // Its size in pixels at 96 dots per inch (the 1× picture's).
    SIZE Size(int number);

private:
    std::map<std::pair<int, int>, HBITMAP> bitmaps_;
    IWICImagingFactory *factory_ = nullptr;
    bool imagingTried_ = false;
    bool comOpened_ = false;
};

// The picture control's window class, "ZarvelPicture": a child window that
// draws a catalogue picture at the window's scale and takes its size, and
// nothing at all without one. A clickable one is a button: a click, Space
// or Enter sends its parent WM_COMMAND with BN_CLICKED.
// Screen readers are told what each picture shows and whether it is a
// button through `screenReaders`. Both must outlive every picture control.
void RegisterPictureClass(HINSTANCE instance, Pictures &pictures, const ScreenReaderNames &screenReaders);

// A picture control for the table's row, with command identifier `id`,
// placed for `dpi`, shown as the row starts.
HWND CreatePicture(HWND parent, const ControlRow &row, int id, UINT dpi);
// Shows the picture of catalogue control Image<number> (0: none), names
// the control after it for screen readers and takes its size.
void ShowPicture(HWND control, int number);
int PictureNumber(HWND control);
// Shows or hides the control; one without a picture stays hidden until it
// has one.
void SetPictureVisible(HWND control, bool visible);
// Places the control anew at its window's dots per inch.
void PlacePicture(HWND control);

} // namespace zarvel
