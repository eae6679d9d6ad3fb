#include "announcement.h"

#include "screen_reader_names.h"

#include <oleauto.h>

namespace zarvel {

namespace {

using HostProviderFunction = HRESULT(WINAPI *)(HWND, IUnknown **);
using RaiseNotificationFunction = HRESULT(WINAPI *)(IUnknown *, int kind, int processing, BSTR text, BSTR activity);

struct UiAutomation {
    HostProviderFunction hostProvider = nullptr;
    RaiseNotificationFunction raiseNotification = nullptr;
};

// Looked up at run time: Windows before 10 (version 1709) and Wine have no
// notification event, and the program must still start there.
const UiAutomation &System()
{
    static const UiAutomation Found = [] {
        UiAutomation found;
        if (HMODULE core = LoadLibraryW(L"uiautomationcore.dll")) {
            found.hostProvider = reinterpret_cast<HostProviderFunction>(
                reinterpret_cast<void *>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
            found.raiseNotification = reinterpret_cast<RaiseNotificationFunction>(
                reinterpret_cast<void *>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
        }
        return found;
    }();
    return Found;
}

constexpr int ActionCompleted = 2; // NotificationKind
constexpr int ImportantAll = 0;    // NotificationProcessing: every one is read

bool RaiseNotification(HWND source, const std::wstring &text)
{
    IUnknown *provider = nullptr;
    if (System().hostProvider(source, &provider) != S_OK || provider == nullptr)
        return false;
    BSTR displayed = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(L"ZarvelAnswer");
    const bool raised
        = System().raiseNotification(provider, ActionCompleted, ImportantAll, displayed, activity) == S_OK;
    SysFreeString(activity);
    SysFreeString(displayed);
    provider->Release();
    return raised;
}

HWND Announcer(HWND source, const ScreenReaderNames &screenReaders)
{
    const wchar_t *property = L"ZarvelAnnouncer";
    if (auto *known = static_cast<HWND>(GetPropW(source, property)))
        return known;
    RECT place;
    GetWindowRect(source, &place);
    MapWindowPoints(nullptr, GetParent(source), reinterpret_cast<POINT *>(&place), 1);
    HWND announcer = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, place.left, place.top, 0,
        0, GetParent(source), nullptr, nullptr, nullptr);
    SetPropW(source, property, announcer);
    screenReaders.LiveRegion(announcer);
    return announcer;
}

} // namespace

bool AnnouncesThroughUiAutomation()
{
    return System().hostProvider != nullptr && System().raiseNotification != nullptr;
}

void Announce(HWND source, const std::wstring &text, const ScreenReaderNames &screenReaders)
{
    if (source == nullptr)
        return;
    if (AnnouncesThroughUiAutomation() && RaiseNotification(source, text))
        return;
    HWND announcer = Announcer(source, screenReaders);
    SetWindowTextW(announcer, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zarvel
