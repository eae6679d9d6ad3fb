// Looks at the running Zarvel as a screen reader or a tester on Windows
// would, from a process of its own:
//   probe texts           each control of Form1: name, shown (1 or 0), text
//   probe told SECONDS    each live region change for SECONDS, a line each
//   probe at NAME         the screen point at the middle of control NAME
//   probe uia             exits 0 where the program tells screen readers
//                         through UI Automation, which no WinEvent hook hears
//   probe products CODE   the installed products of that upgrade code
//   probe dialog          the texts of the message box on the screen
//   probe bar             the screen point on the menu bar's first item
//   probe first           the screen point on the first item of the menu
//                         opened last, or of the open list of questions
#include "core/control_layout.h"
#include "win32window/announcement.h"
#include "win32window/form_window.h"
#include "win32window/wide_text.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <msi.h>
#include <string>

namespace {

HWND Form() { return FindWindowW(L"ZarvelForm", nullptr); }

void Print(const std::string &line) { std::fwrite(line.data(), 1, line.size(), stdout); }

// The text of a control of another process: GetWindowText would give only
// a caption of its own.
std::string TextOf(HWND control)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return zarvel::Utf8(text);
}

void Middle(const RECT &rect) { std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2); }

void CALLBACK Heard(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG /*object*/, LONG /*child*/,
    DWORD /*thread*/, DWORD /*time*/)
{
    Print(TextOf(window) + "\n");
    std::fflush(stdout);
}

int Texts(HWND form)
{
    const auto &rows = zarvel::WindowControls();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        HWND control = GetDlgItem(form, zarvel::FirstControlId + static_cast<int>(i));
        Print(rows[i].name + "\t" + (IsWindowVisible(control) ? "1" : "0") + "\t" + TextOf(control) + "\n");
    }
    return 0;
}

int Told(int seconds)
{
    HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, Heard, 0, 0, WINEVENT_OUTOFCONTEXT);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    while (GetTickCount() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    return 0;
}

int At(HWND form, const std::string &name)
{
    const auto &rows = zarvel::WindowControls();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == name) {
            RECT rect;
            GetWindowRect(GetDlgItem(form, zarvel::FirstControlId + static_cast<int>(i)), &rect);
            Middle(rect);
            return 0;
        }
    }
    return 2;
}

// The top window of that class on the screen, or nullptr.
HWND Shown(const wchar_t *windowClass)
{
    HWND window = FindWindowW(windowClass, nullptr);
    while (window != nullptr && !IsWindowVisible(window))
        window = FindWindowExW(nullptr, window, windowClass, nullptr);
    return window;
}

// A point a little inside the left end of the menu bar, or of the top item
// of the menu or list opened last: its first item, whatever its size.
int FirstItem(HWND form, bool bar)
{
    HWND shown = bar ? form : Shown(L"#32768");
    if (shown == nullptr)
        shown = Shown(L"ComboLBox");
    POINT origin = {0, 0};
    if (shown == nullptr || !ClientToScreen(shown, &origin))
        return 1;
    const int down = bar ? -GetSystemMetrics(SM_CYMENU) / 2 : 8;
    std::printf("%ld %ld\n", origin.x + 15, origin.y + down);
    return 0;
}

BOOL CALLBACK PrintText(HWND child, LPARAM /*unused*/)
{
    const std::string text = TextOf(child);
    if (!text.empty())
        Print(text + "\n");
    return TRUE;
}

int Products(const std::wstring &upgradeCode)
{
    const std::wstring code = L"{" + upgradeCode + L"}";
    std::array<wchar_t, 39> product{};
    for (DWORD i = 0; MsiEnumRelatedProductsW(code.c_str(), 0, i, product.data()) == ERROR_SUCCESS; ++i)
        Print(zarvel::Utf8(product.data()) + "\n");
    return 0;
}

int Dialog()
{
    HWND box = Shown(L"#32770");
    if (box == nullptr)
        return 1;
    EnumChildWindows(box, PrintText, 0);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    _setmode(_fileno(stdout), _O_BINARY); // lines end in LF, as the tests read them
    const std::wstring what = argc > 1 ? argv[1] : L"";
    if (what == L"products" && argc == 3)
        return Products(argv[2]);
    if (what == L"dialog")
        return Dialog();
    if (what == L"uia")
        return zarvel::AnnouncesThroughUiAutomation() ? 0 : 1;
    if (what == L"told" && argc == 3)
        return Told(_wtoi(argv[2]));
    HWND form = Form();
    if (form == nullptr) {
        std::fprintf(stderr, "probe: no Zarvel window\n");
        return 1;
    }
    if (what == L"texts")
        return Texts(form);
    if (what == L"at" && argc == 3)
        return At(form, zarvel::Utf8(argv[2]));
    if (what == L"bar" || what == L"first")
        return FirstItem(form, what == L"bar");
    std::fprintf(stderr, "usage: probe texts | told SECONDS | uia | products CODE | dialog | at NAME | bar | first\n");
    return 2;
}
