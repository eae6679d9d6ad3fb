#pragma once

#include "core/form_events.h"
#include "native_controls.h"
#include "pictures.h"
#include "screen_reader_names.h"
#include "win32_controls.h"

#include <windows.h>

#include <memory>

namespace zarvel {

class NamesStore;
class RandomSource;

// Each control's command identifier: this plus its row's index in the
// control table, so that other programs (screen readers, tests) can tell
// the controls apart.
inline constexpr int FirstControlId = 100;

// Form1 as a Win32 window: every control of the core's table at its place,
// in its drawing order, the menu bar of the core's menu tree and Timer1,
// each event handed to the core's FormEvents. Scaled for its monitor's dots
// per inch, and again when it moves to another. Closing it, or the end of
// the session, saves the names once.
class FormWindow {
public:
    FormWindow(HINSTANCE instance, RandomSource &random, NamesStore &names);
    ~FormWindow();
    FormWindow(const FormWindow &) = delete;
    FormWindow &operator=(const FormWindow &) = delete;

    HWND Handle() const { return window_; }
    Win32Controls &Controls() { return controls_; }
    const FormEvents &Events() const { return events_; }

    // Shows the window with the keyboard focus on the control the table
    // gives it.
    void Show(int how);
    // Takes the keys this window gives a meaning of its own before they
    // reach a control: Tab and Shift+Tab walk the controls in the table's
    // keyboard order, Enter presses the focused button. True when taken.
    bool TakeKey(const MSG &message);
    // Whether the names could not be saved at the close.
    bool SaveFailed() const { return saveFailed_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Command(WPARAM wParam, LPARAM lParam);
    void Scale(UINT dpi);
    void SaveNames();

    ScreenReaderNames screenReaders_;
    Pictures pictures_;
    Win32Controls controls_;
    FormEvents events_;
    NamesStore &names_;
    HWND window_ = nullptr;
    std::unique_ptr<Fonts> fonts_;
    bool saved_ = false;
    bool saveFailed_ = false;
};

} // namespace zarvel
