#include "dpi.h"

namespace zarvel {

namespace {

// Looked up at run time, so the program starts on systems without them.
template <typename Function> Function SystemFunction(const wchar_t *module, const char *name)
{
    HMODULE library = GetModuleHandleW(module);
    return library ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(library, name))) : nullptr;
}

} // namespace

UINT DpiOf(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow = SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr)
        return getDpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

void AskForPerMonitorScaling()
{
    // The manifest asks first; this covers a system that ignored it.
    using SetContextFunction = BOOL(WINAPI *)(HANDLE);
    if (const auto setContext = SystemFunction<SetContextFunction>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        if (setContext(reinterpret_cast<HANDLE>(-4)) || setContext(reinterpret_cast<HANDLE>(-3)))
            return; // per monitor, version 2 or 1
    }
    using SetAwareFunction = BOOL(WINAPI *)();
    if (const auto setAware = SystemFunction<SetAwareFunction>(L"user32.dll", "SetProcessDPIAware"))
        setAware();
}

} // namespace zarvel
