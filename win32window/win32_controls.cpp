#include "win32_controls.h"

#include "announcement.h"
#include "pictures.h"
#include "wide_text.h"

#include <cassert>

namespace zarvel {

void Win32Controls::Register(const ControlRow &row, HWND window)
{
    controls_[row.name] = Entry{&row, window};
    names_[window] = row.name;
}

HWND Win32Controls::Window(std::string_view name) const
{
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second.window;
}

const ControlRow *Win32Controls::RowOf(HWND window) const
{
    const auto found = names_.find(window);
    return found == names_.end() ? nullptr : controls_.find(found->second)->second.row;
}

void Win32Controls::TextChanged(HWND box)
{
    if (const auto found = names_.find(box); found != names_.end())
        ++controls_.find(found->second)->second.version;
}

const Win32Controls::Entry &Win32Controls::Find(std::string_view name, [[maybe_unused]] ControlKind kind) const
{
    // The reading logic only names controls that exist, of the right kind.
    const auto found = controls_.find(name);
    assert(found != controls_.end() && found->second.row->kind == kind);
    return found->second;
}

void Win32Controls::SetVisible(std::string_view control, bool visible)
{
    HWND window = Window(control);
    if (RowOf(window)->kind == ControlKind::Picture)
        SetPictureVisible(window, visible);
    else
        ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Controls::CopyPicture(std::string_view target, std::string_view source)
{
    const int number = PictureNumber(Find(source, ControlKind::Picture).window);
    if (number != 0)
        ShowPicture(Find(target, ControlKind::Picture).window, number);
}

void Win32Controls::SetCaption(std::string_view label, std::string_view caption)
{
    SetWindowTextW(Find(label, ControlKind::Label).window, Wide(caption).c_str());
}

std::string Win32Controls::Text(std::string_view control) const
{
    const auto found = controls_.find(control);
    assert(found != controls_.end());
    return Utf8(WindowText(found->second.window));
}

std::uint64_t Win32Controls::TextVersion(std::string_view textBox) const
{
    return Find(textBox, ControlKind::TextBox).version;
}

void Win32Controls::SetText(std::string_view textBox, std::string_view text)
{
    SetWindowTextW(Find(textBox, ControlKind::TextBox).window, Wide(text).c_str());
}

void Win32Controls::AppendItem(std::string_view combo, std::string_view item)
{
    // Adding to the list never selects: the text the user sees stays.
    SendMessageW(
        Find(combo, ControlKind::ComboBox).window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
}

void Win32Controls::Announce(std::string_view control, std::string_view text)
{
    zarvel::Announce(Window(control), Wide(text), *screenReaders_);
}

} // namespace zarvel
