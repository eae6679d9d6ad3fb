#pragma once

#include "core/control_layout.h"

#include <windows.h>

namespace zarvel {

// The dots per inch the window is drawn at: its monitor's where the system
// scales per monitor, else the system's.
UINT DpiOf(HWND window);

// Twips in pixels at `dpi`: 1440 twips to an inch.
inline int Scaled(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }
inline RECT Scaled(const TwipsRect &place, UINT dpi)
{
    return {Scaled(place.left, dpi), Scaled(place.top, dpi), Scaled(place.left + place.width, dpi),
        Scaled(place.top + place.height, dpi)};
}

// Asks for per-monitor scaling, version 2 where the system has it, else
// version 1, else the system's scale: whatever is granted is used.
void AskForPerMonitorScaling();

} // namespace zarvel
