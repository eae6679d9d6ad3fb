// Zarvel for Windows: Form1 over the Win32 API, the names kept in the
// user's roaming application data.
#include "core/clock_random_source.h"
#include "core/control_names.h"
#include "storage/files.h"
#include "storage/names_file.h"
#include "win32window/dpi.h"
#include "win32window/form_window.h"
#include "win32window/wide_text.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    zarvel::AskForPerMonitorScaling();
    INITCOMMONCONTROLSEX common = {sizeof(common), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);

    zarvel::ClockRandomSource random;
    HWND shown = nullptr;
    zarvel::NamesFile names(
        zarvel::DefaultNamesPath(),
        [&shown](const std::string &message) {
            MessageBoxW(shown, zarvel::Wide(message).c_str(), zarvel::Wide(zarvel::Form1Caption).c_str(), MB_ICONERROR);
        },
        zarvel::OlderNamesPaths());
    zarvel::FormWindow window(hInstance, random, names);
    shown = window.Handle();
    window.Show(nShowCmd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TakeKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Whoever started the program must see that the names were lost.
    return window.SaveFailed() ? 1 : static_cast<int>(message.wParam);
}
