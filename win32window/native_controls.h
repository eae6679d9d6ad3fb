#pragma once

#include "core/control_layout.h"

#include <windows.h>

namespace zarvel {

// The fonts at one scale: the labels' "MS Sans Serif" 12 pt bold with the
// Cyrillic character set, and the other controls' 8 pt. The raster face
// is drawn sharp only at 96 dots per inch: at any other scale its TrueType
// twin "Microsoft Sans Serif" stands in.
class Fonts {
public:
    explicit Fonts(UINT dpi);
    ~Fonts();
    Fonts(const Fonts &) = delete;
    Fonts &operator=(const Fonts &) = delete;
    HFONT For(ControlKind kind) const { return kind == ControlKind::Label ? label_ : other_; }

private:
    HFONT label_;
    HFONT other_;
};

// The native control for a row of the control table, with command
// identifier `id`, at its place for `dpi` and with its font, hidden or
// shown as the row starts. Each goes under the controls created before it.
HWND CreateControl(HWND form, const ControlRow &row, int id, UINT dpi, const Fonts &fonts);

// Puts the control at its place and gives it its font, for another dots
// per inch. Pictures take their picture's size.
void PlaceControl(HWND control, const ControlRow &row, UINT dpi, const Fonts &fonts);

} // namespace zarvel
