// The least a Win32 program with a window does: a window class, a window
// with a menu bar, a message loop. What Zarvel's start is measured against.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = Procedure;
    type.hInstance = hInstance;
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"MinimalForm";
    RegisterClassExW(&type);
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 1, L"Menu");
    HWND window = CreateWindowExW(0, L"MinimalForm", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 760,
        600, nullptr, bar, hInstance, nullptr);
    ShowWindow(window, nShowCmd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
