#include "native_controls.h"

#include "core/name_lines.h"
#include "dpi.h"
#include "pictures.h"
#include "wide_text.h"

#include <algorithm>
#include <array>

namespace zarvel {

namespace {

// How far a question box's list opens below it, in twips.
constexpr int ListHeight = 3600;

HFONT MakeFont(int points, int weight, UINT dpi)
{
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    font.lfWeight = weight;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, dpi == 96 ? L"MS Sans Serif" : L"Microsoft Sans Serif", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// A name box is one line: a paste brings each line break in as one space.
LRESULT CALLBACK NameBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto standard = reinterpret_cast<WNDPROC>(GetPropW(box, L"ZarvelEdit"));
    if (message == WM_PASTE && OpenClipboard(box)) {
        std::wstring text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto *pasted = static_cast<const wchar_t *>(GlobalLock(data))) {
                text = Wide(OneLineName(Utf8(pasted)));
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemovePropW(box, L"ZarvelEdit");
    return CallWindowProcW(standard, box, message, wParam, lParam);
}

struct NativeKind {
    ControlKind kind;
    const wchar_t *windowClass;
    DWORD style;
    DWORD extendedStyle;
};

constexpr std::array<NativeKind, 4> NativeKinds = {{
    {ControlKind::Label, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0},
    {ControlKind::TextBox, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {ControlKind::ComboBox, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0},
    {ControlKind::Button, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0},
}};

// Where a native control stands at `dpi`; a combo box's height takes in
// its open list.
RECT NativePlace(const ControlRow &row, UINT dpi)
{
    TwipsRect place = row.place;
    if (row.kind == ControlKind::ComboBox)
        place.height += ListHeight;
    return Scaled(place, dpi);
}

// The combo box itself as high as its row, less its frame.
void FitComboBox(HWND combo, const ControlRow &row, UINT dpi)
{
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Scaled(row.place.height, dpi) - 6);
}

} // namespace

HWND CreateControl(HWND form, const ControlRow &row, int id, UINT dpi, const Fonts &fonts)
{
    if (row.kind == ControlKind::Picture)
        return CreatePicture(form, row, id, dpi);
    const auto *native = std::find_if(
        NativeKinds.begin(), NativeKinds.end(), [&row](const NativeKind &n) { return n.kind == row.kind; });
    const RECT place = NativePlace(row, dpi);
    HWND control = CreateWindowExW(native->extendedStyle, native->windowClass, Wide(row.text).c_str(),
        WS_CHILD | WS_CLIPSIBLINGS | native->style | (row.visible ? WS_VISIBLE : 0), place.left, place.top,
        place.right - place.left, place.bottom - place.top, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(row.kind)), FALSE);
    if (row.kind == ControlKind::ComboBox) {
        SetWindowTextW(control, Wide(row.text).c_str()); // its caption would not reach the box's text
        FitComboBox(control, row, dpi);
    }
    if (row.kind == ControlKind::TextBox) {
        SendMessageW(control, EM_SETLIMITTEXT, MaxTypedNameLength, 0);
        SetPropW(control, L"ZarvelEdit",
            reinterpret_cast<HANDLE>(
                SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NameBoxProcedure))));
    }
    return control;
}

void PlaceControl(HWND control, const ControlRow &row, UINT dpi, const Fonts &fonts)
{
    if (row.kind == ControlKind::Picture) {
        PlacePicture(control);
        return;
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(row.kind)), FALSE);
    const RECT place = NativePlace(row, dpi);
    SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
        SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind == ControlKind::ComboBox)
        FitComboBox(control, row, dpi);
}

Fonts::Fonts(UINT dpi)
    : label_(MakeFont(12, FW_BOLD, dpi))
    , other_(MakeFont(8, FW_NORMAL, dpi))
{
}

Fonts::~Fonts()
{
    DeleteObject(label_);
    DeleteObject(other_);
}

} // namespace zarvel
