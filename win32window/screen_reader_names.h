#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace zarvel {

// What screen readers are told of a control beyond what Windows knows of
// it, through the system's dynamic annotation, which every screen reader on
// Windows reads: a name (a text box's, the question box's, what a picture
// shows) and a role (a picture, or a button for a clickable picture).
// Opens COM on its thread while it lives; where the system has no
// annotation service it tells nothing.
class ScreenReaderNames {
public:
    ScreenReaderNames();
    ~ScreenReaderNames();
    ScreenReaderNames(const ScreenReaderNames &) = delete;
    ScreenReaderNames &operator=(const ScreenReaderNames &) = delete;

    void Name(HWND control, const std::wstring &name) const;
    void Role(HWND control, long role) const; // ROLE_SYSTEM_GRAPHIC, ROLE_SYSTEM_PUSHBUTTON, …
    // A polite live region: UI Automation reads its text at each
    // EVENT_OBJECT_LIVEREGIONCHANGED it raises.
    void LiveRegion(HWND control) const;

private:
    IAccPropServices *services_ = nullptr;
    bool comOpened_ = false;
};

} // namespace zarvel
