#pragma once

#include <windows.h>

#include <string>

namespace zarvel {

class ScreenReaderNames;

// Tells screen readers `text` once, as news of `source`, without moving
// the focus or changing what `source` shows; the same text twice is told
// twice. Where the system has UI Automation's notification event it is
// raised on `source`; elsewhere (Windows before 10, Wine) a zero-sized
// static window beside `source` takes the text and raises
// EVENT_OBJECT_LIVEREGIONCHANGED.
// The static window is marked a polite live region through `screenReaders`.
void Announce(HWND source, const std::wstring &text, const ScreenReaderNames &screenReaders);

// Whether announcements go through UI Automation's notification event,
// which the system's screen readers hear but no WinEvent hook sees.
bool AnnouncesThroughUiAutomation();

} // namespace zarvel
