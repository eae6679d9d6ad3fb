#include "form_window.h"

#include "core/control_names.h"
#include "dpi.h"
#include "menu_bar.h"
#include "wide_text.h"

#include <map>

namespace zarvel {

namespace {

constexpr UINT_PTR Timer1Id = 1;
// A question chosen from the list, raised once the box shows it.
constexpr UINT QuestionChosen = WM_APP + 1;

const ControlRow &RowAt(WPARAM id) { return WindowControls().at(static_cast<std::size_t>(id - FirstControlId)); }

// Sizes the window so that its client area, below the menu bar, is the
// form's at `dpi`. The frame is measured once the size is set: a menu bar
// too long for the width wraps onto more lines.
void FitClientArea(HWND window, UINT dpi)
{
    const RECT want = Scaled(ClientArea, dpi);
    RECT outer = want;
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), TRUE, 0);
    for (int pass = 0; pass < 2; ++pass) {
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client;
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        outer.right += want.right - client.right;
        outer.bottom += want.bottom - client.bottom;
    }
}

} // namespace

FormWindow::FormWindow(HINSTANCE instance, RandomSource &random, NamesStore &names)
    : events_(controls_, random)
    , names_(names)
{
    RegisterPictureClass(instance, pictures_, screenReaders_);
    controls_.TellScreenReadersThrough(screenReaders_);
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = Procedure;
    type.hInstance = instance;
    type.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"ZarvelForm";
    RegisterClassExW(&type);

    // Not resizable: the controls stand at fixed places.
    window_ = CreateWindowExW(0, L"ZarvelForm", Wide(Form1Caption).c_str(),
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
        nullptr, BuildMenuBar(), instance, this);
    const UINT dpi = DpiOf(window_);
    fonts_ = std::make_unique<Fonts>(dpi);
    // From front to back: Windows puts each new child under those before it.
    const auto &rows = WindowControls();
    for (std::size_t i = rows.size(); i-- > 0;) {
        HWND control = CreateControl(window_, rows[i], FirstControlId + static_cast<int>(i), dpi, *fonts_);
        controls_.Register(rows[i], control);
        if (!rows[i].accessibleName.empty())
            screenReaders_.Name(control, Wide(rows[i].accessibleName));
    }
    FitClientArea(window_, dpi);

    events_.Load(names_.Read());
    SetTimer(window_, Timer1Id, Timer1IntervalMs, nullptr);
}

FormWindow::~FormWindow()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
}

void FormWindow::Show(int how)
{
    ShowWindow(window_, how);
    for (const ControlRow &row : WindowControls()) {
        if (row.firstFocus)
            SetFocus(controls_.Window(row.name));
    }
}

void FormWindow::Scale(UINT dpi)
{
    // The old fonts go once no control uses them.
    auto fonts = std::make_unique<Fonts>(dpi);
    for (const ControlRow &row : WindowControls())
        PlaceControl(controls_.Window(row.name), row, dpi, *fonts);
    fonts_ = std::move(fonts);
    FitClientArea(window_, dpi);
    InvalidateRect(window_, nullptr, TRUE);
}

bool FormWindow::TakeKey(const MSG &message)
{
    if (message.message != WM_KEYDOWN || (message.wParam != VK_TAB && message.wParam != VK_RETURN)
        || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    // The focus may be inside a control: the combo box's own text box.
    HWND focus = GetFocus();
    const ControlRow *row = controls_.RowOf(focus);
    if (row == nullptr && focus != nullptr) {
        focus = GetParent(focus);
        row = controls_.RowOf(focus);
    }
    if (row == nullptr)
        return false;
    if (message.wParam == VK_RETURN) {
        if (row->kind != ControlKind::Button)
            return false;
        SendMessageW(focus, BM_CLICK, 0, 0);
        return true;
    }
    std::map<int, HWND> chain; // the controls that can take the focus now, in keyboard order
    for (const ControlRow &each : WindowControls()) {
        HWND control = controls_.Window(each.name);
        if (each.focusOrder > 0 && IsWindowVisible(control) && IsWindowEnabled(control))
            chain[each.focusOrder] = control;
    }
    if (chain.empty())
        return true;
    const bool back = GetKeyState(VK_SHIFT) < 0;
    auto next = chain.find(row->focusOrder);
    if (back)
        next = next == chain.end() || next == chain.begin() ? std::prev(chain.end()) : std::prev(next);
    else
        next = next == chain.end() || std::next(next) == chain.end() ? chain.begin() : std::next(next);
    SetFocus(next->second);
    if (GetWindowLongPtrW(next->second, GWL_STYLE) & ES_AUTOHSCROLL)
        SendMessageW(next->second, EM_SETSEL, 0, -1); // as a dialog selects a box it enters
    return true;
}

void FormWindow::Command(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) { // a menu item
        const MenuEntry *entry = MenuEntryOf(LOWORD(wParam));
        if (entry != nullptr && CommandOf(*entry) == MenuCommand::PickFigure)
            events_.SelectFigure(entry->figure, entry->rank);
        else if (entry != nullptr && CommandOf(*entry) == MenuCommand::AssignNames)
            events_.AssignNames();
        return;
    }
    const ControlRow *row = controls_.RowOf(reinterpret_cast<HWND>(lParam));
    if (row == nullptr)
        return;
    switch (HIWORD(wParam)) {
    case EN_CHANGE: controls_.TextChanged(reinterpret_cast<HWND>(lParam)); break;
    case BN_CLICKED: events_.Raise(row->event); break;
    // The box shows the chosen item only after this notification.
    case CBN_SELCHANGE: PostMessageW(window_, QuestionChosen, LOWORD(wParam), 0); break;
    default: break;
    }
}

void FormWindow::SaveNames()
{
    if (saved_)
        return;
    saved_ = true;
    KillTimer(window_, Timer1Id);
    saveFailed_ = !names_.Save(events_.Unload());
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<FormWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<FormWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->Handle(window, message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER: events_.Tick(); return 0;
    case WM_COMMAND: Command(wParam, lParam); return 0;
    case QuestionChosen: events_.Raise(RowAt(wParam).event); return 0;
    case WM_CTLCOLORSTATIC: // labels opaque, in the window's colour
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DPICHANGED: {
        Scale(HIWORD(wParam));
        const RECT *suggested = reinterpret_cast<RECT *>(lParam);
        SetWindowPos(
            window_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_ENDSESSION: // the session ends without closing the window
        if (wParam != 0)
            SaveNames();
        return 0;
    case WM_CLOSE:
        SaveNames();
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        window_ = nullptr;
        PostQuitMessage(saveFailed_ ? 1 : 0);
        return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace zarvel
