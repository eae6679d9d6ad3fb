#include "screen_reader_names.h"

#include <oleacc.h>

namespace zarvel {

ScreenReaderNames::ScreenReaderNames()
    : comOpened_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
        reinterpret_cast<void **>(&services_));
}

ScreenReaderNames::~ScreenReaderNames()
{
    if (services_ != nullptr)
        services_->Release();
    if (comOpened_)
        CoUninitialize();
}

void ScreenReaderNames::Name(HWND control, const std::wstring &name) const
{
    if (services_ != nullptr)
        services_->SetHwndPropStr(
            control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
}

namespace {

// UI Automation's LiveSetting property and its value Polite, as
// uiautomationcoreapi.h names them.
constexpr GUID LiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long Polite = 1;

void SetNumber(IAccPropServices *services, HWND control, const GUID &property, long number)
{
    if (services == nullptr)
        return;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, value);
}

} // namespace

void ScreenReaderNames::Role(HWND control, long role) const { SetNumber(services_, control, PROPID_ACC_ROLE, role); }

void ScreenReaderNames::LiveRegion(HWND control) const { SetNumber(services_, control, LiveSettingProperty, Polite); }

} // namespace zarvel
