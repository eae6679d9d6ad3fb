// Form1 over the Win32 API, under Wine: the shared script of control
// operations against the native controls, and every control at its place
// at the screen's scale.
#include "controls_script.h"
#include "core/catalogue.h"
#include "core/control_names.h"
#include "replay/scripted_random.h"
#include "win32window/announcement.h"
#include "win32window/dpi.h"
#include "win32window/form_window.h"
#include "win32window/pictures.h"
#include "win32window/wide_text.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace zarvel::test {
namespace {

class NoNames final : public NamesStore {
public:
    LinesRead Read() const override { return {}; }
    bool Save(const NameLines & /*names*/) override { return true; }
};

// Every live region change the program raises, heard as a screen reader
// hears it: through a WinEvent hook, with the text of the window that
// raised it. The hook's events arrive with the thread's messages.
std::vector<std::pair<HWND, std::wstring>> Heard;
void CALLBACK Hear(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG /*object*/, LONG /*child*/,
    DWORD /*thread*/, DWORD /*time*/)
{
    Heard.emplace_back(window, WindowText(window));
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class FormWindowTest : public ::testing::Test {
protected:
    FormWindowTest()
        : form(GetModuleHandleW(nullptr), random, names)
    {
        form.Show(SW_SHOWNORMAL);
        Pump();
    }
    HWND Control(std::string_view name) { return form.Controls().Window(name); }

    replay::ScriptedRandom random{{}};
    NoNames names;
    FormWindow form;
};

// The native controls as a person sees them.
class NativeView final : public ControlsView {
public:
    explicit NativeView(Win32Controls &controls)
        : controls_(controls)
        , hook_(SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, Hear,
              GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT))
    {
        Heard.clear();
    }
    ~NativeView() override { UnhookWinEvent(hook_); }
    NativeView(const NativeView &) = delete;
    NativeView &operator=(const NativeView &) = delete;

    bool Seen(const std::string &control) const override
    {
        HWND window = controls_.Window(control);
        return IsWindowVisible(window)
            && (controls_.RowOf(window)->kind != ControlKind::Picture || PictureNumber(window) != 0);
    }
    bool SamePicture(const std::string &control, const std::string &other) const override
    {
        const int number = PictureNumber(controls_.Window(control));
        return number != 0 && number == PictureNumber(controls_.Window(other));
    }
    std::string Caption(const std::string &label) const override
    {
        HWND window = controls_.Window(label);
        const bool plain = (GetWindowLongPtrW(window, GWL_STYLE) & SS_NOPREFIX) != 0;
        return plain ? Utf8(WindowText(window)) : "(not plain text)";
    }
    int Items(const std::string &combo) const override
    {
        return static_cast<int>(SendMessageW(controls_.Window(combo), CB_GETCOUNT, 0, 0));
    }
    std::string Told(const std::string &control) const override
    {
        Pump();
        // Told beside the control, by the window it keeps for that.
        auto *const announcer = static_cast<HWND>(GetPropW(controls_.Window(control), L"ZarvelAnnouncer"));
        std::string told;
        for (const auto &[window, text] : Heard) {
            if (window == announcer)
                told += (told.empty() ? "" : " | ") + Utf8(text);
        }
        return told;
    }
    bool HearsTold() const override { return !AnnouncesThroughUiAutomation(); }

private:
    Win32Controls &controls_;
    HWINEVENTHOOK hook_;
};

TEST_F(FormWindowTest, TheNativeControlsDoWhatTheWindowThePageAndTheFakeDo)
{
    RunControlsScript(form.Controls(), NativeView(form.Controls()));
}

// A control's name and role as a screen reader asks for them, through MSAA.
std::pair<std::string, long> Accessible(HWND control)
{
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(
            control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void **>(&object))))
        return {"(no accessible object)", 0};
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    VARIANT role;
    VariantInit(&role);
    object->get_accName(self, &name);
    object->get_accRole(self, &role);
    object->Release();
    const std::string text = name != nullptr ? Utf8(name) : "";
    SysFreeString(name);
    return {text, role.vt == VT_I4 ? role.lVal : 0};
}

TEST_F(FormWindowTest, ScreenReadersHearTheNamesAndRolesTheTableGives)
{
    // The names of text boxes and the roles come through the system's
    // dynamic annotation, which Wine's accessibility does not read.
    const bool annotated = Accessible(Control("Image45")).second != ROLE_SYSTEM_CLIENT;
    if (!annotated)
        std::printf("[   NOTE   ] the system reads no dynamic annotation: the boxes' names and the roles left out\n");
    for (const ControlRow &row : WindowControls()) {
        const auto [name, role] = Accessible(Control(row.name));
        if (annotated && !row.accessibleName.empty())
            EXPECT_EQ(name, row.accessibleName) << row.name;
        if (row.kind != ControlKind::Picture)
            continue;
        EXPECT_EQ(name, PictureName(PictureNumber(Control(row.name)))) << row.name;
        if (annotated)
            EXPECT_EQ(role, row.event != ControlEvent::None ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_GRAPHIC) << row.name;
    }
    form.Controls().CopyPicture("Image46", "Image77");
    EXPECT_EQ(Accessible(Control("Image46")).first, PictureName(CardBackImage)) << "named after the picture it shows";
}

TEST_F(FormWindowTest, ControlsAreDrawnInTheTablesOrderFromBackToFront)
{
    // Windows draws a sibling over those after it in its order of children.
    std::vector<std::string> frontToBack;
    for (HWND child = GetWindow(form.Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (const ControlRow *row = form.Controls().RowOf(child))
            frontToBack.push_back(row->name);
    }
    std::vector<std::string> backToFront;
    for (const ControlRow &row : WindowControls())
        backToFront.push_back(row.name);
    EXPECT_EQ(std::vector<std::string>(frontToBack.rbegin(), frontToBack.rend()), backToFront);
}

TEST_F(FormWindowTest, EveryControlStandsAtItsPlaceAtTheScreensScale)
{
    const UINT dpi = DpiOf(form.Handle());
    std::printf("[   NOTE   ] %u dots per inch\n", dpi);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, Scaled(ClientArea.width, dpi));
    EXPECT_EQ(client.bottom, Scaled(ClientArea.height, dpi)) << "the whole form below the menu bar";

    std::ifstream places(ZARVEL_TEST_DATA "/control_places.tsv");
    int checked = 0;
    for (std::string line; std::getline(places, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name;
        TwipsRect twips;
        fields >> name >> twips.left >> twips.top >> twips.width >> twips.height;
        HWND control = Control(name);
        ASSERT_NE(control, nullptr) << name;
        RECT at;
        GetWindowRect(control, &at);
        MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT *>(&at), 2);
        const RECT want = Scaled(twips, dpi);
        EXPECT_EQ(at.left, want.left) << name;
        EXPECT_EQ(at.top, want.top) << name;
        EXPECT_EQ(at.right, want.right) << name;
        EXPECT_EQ(at.bottom, want.bottom) << name;
        ++checked;
    }
    EXPECT_GE(checked, 30);
}

} // namespace
} // namespace zarvel::test
