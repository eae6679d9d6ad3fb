#pragma once

#include "core/control_layout.h"
#include "core/controls.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace zarvel {

class ScreenReaderNames;

// The core's control operations over the window's native controls, each
// registered under its own name.
class Win32Controls final : public Controls {
public:
    void Register(const ControlRow &row, HWND window);
    // Announcements go out through `screenReaders`, which must outlive this.
    void TellScreenReadersThrough(const ScreenReaderNames &screenReaders) { screenReaders_ = &screenReaders; }
    // The control of that name, or nullptr.
    HWND Window(std::string_view name) const;
    // The row of the control `window`, or nullptr for a window of no row.
    const ControlRow *RowOf(HWND window) const;
    // A name box's text changed, by the user or by SetText (EN_CHANGE).
    void TextChanged(HWND box);

    void SetVisible(std::string_view control, bool visible) override;
    void CopyPicture(std::string_view target, std::string_view source) override;
    void SetCaption(std::string_view label, std::string_view caption) override;
    std::string Text(std::string_view control) const override;
    std::uint64_t TextVersion(std::string_view textBox) const override;
    void SetText(std::string_view textBox, std::string_view text) override;
    void AppendItem(std::string_view combo, std::string_view item) override;
    void Announce(std::string_view control, std::string_view text) override;

private:
    struct Entry {
        const ControlRow *row;
        HWND window;
        std::uint64_t version = 0;
    };
    const Entry &Find(std::string_view name, ControlKind kind) const;

    std::map<std::string, Entry, std::less<>> controls_;
    std::map<HWND, std::string> names_;
    const ScreenReaderNames *screenReaders_ = nullptr;
};

} // namespace zarvel
