// The reading core for the web page: the page's control operations in
// JavaScript behind the core's Controls, the event wiring, and the core's
// tables, from which the page builds its window and its menu.
#include "browser_clock.h"
#include "core/catalogue.h"
#include "core/clock_random_source.h"
#include "core/control_layout.h"
#include "core/control_names.h"
#include "core/controls.h"
#include "core/form_events.h"
#include "core/menu_tree.h"
#include "core/name_lines.h"
#include "core/shared_names.h"
#include "replay/scripted_random.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <memory>
#include <optional>

using emscripten::val;

namespace zarvel {

namespace {

// The control operations, forwarded to a JavaScript object with the
// methods setVisible, copyPicture, setCaption, text, textVersion, setText,
// appendItem. A call into JavaScript costs microseconds, more than a
// deal's draws: each control's name crosses once and is kept there, and a
// visibility the page already has is not asked for again (a deal hides 31
// slots, most of them often hidden already).
class JsControls final : public Controls {
public:
    explicit JsControls(val page)
        : page_(std::move(page))
    {
    }

    void SetVisible(std::string_view control, bool visible) override
    {
        Control &kept = Kept(control);
        if (kept.visible == visible)
            return;
        kept.visible = visible;
        page_.call<void>("setVisible", kept.name, visible);
    }
    void CopyPicture(std::string_view target, std::string_view source) override
    {
        page_.call<void>("copyPicture", Name(target), Name(source));
    }
    void SetCaption(std::string_view label, std::string_view caption) override
    {
        page_.call<void>("setCaption", Name(label), std::string(caption));
    }
    std::string Text(std::string_view control) const override { return page_.call<std::string>("text", Name(control)); }
    std::uint64_t TextVersion(std::string_view textBox) const override
    {
        return static_cast<std::uint64_t>(page_.call<double>("textVersion", Name(textBox)));
    }
    void SetText(std::string_view textBox, std::string_view text) override
    {
        page_.call<void>("setText", Name(textBox), std::string(text));
    }
    void AppendItem(std::string_view combo, std::string_view item) override
    {
        page_.call<void>("appendItem", Name(combo), std::string(item));
    }

private:
    // A control as the page knows it: its name as a JavaScript string, and
    // the visibility this last asked for.
    struct Control {
        val name;
        std::optional<bool> visible;
    };

    Control &Kept(std::string_view control) const
    {
        auto kept = controls_.find(control);
        if (kept == controls_.end())
            kept = controls_.emplace(std::string(control), Control{val(std::string(control)), {}}).first;
        return kept->second;
    }
    const val &Name(std::string_view control) const { return Kept(control).name; }

    val page_;
    mutable std::map<std::string, Control, std::less<>> controls_;
};

// Chooses between the real random source and a replayed deal, which the
// browser tests use to lay known layouts, as the desktop tests do. A
// replayed layout serves the next deal only.
class SwitchableRandom final : public RandomSource {
public:
    void ReseedFromClock() override { Current().ReseedFromClock(); }
    float NextValue() override { return Current().NextValue(); }
    void Replay(std::deque<int> draws) { replay_ = std::make_unique<replay::ScriptedRandom>(std::move(draws)); }
    void EndReplay() { replay_.reset(); }

private:
    RandomSource &Current() { return replay_ ? static_cast<RandomSource &>(*replay_) : clock_; }
    ClockRandomSource clock_{BrowserClock};
    std::unique_ptr<replay::ScriptedRandom> replay_;
};

template <typename T> std::vector<T> FromArray(const val &array) { return emscripten::vecFromJSArray<T>(array); }

val ToArray(const std::vector<std::string> &items)
{
    val array = val::array();
    for (const std::string &item : items)
        array.call<void>("push", item);
    return array;
}

} // namespace

// Form1's reading over the page's controls: one method per handled event.
class WebForm {
public:
    explicit WebForm(val page)
        : controls_(std::move(page))
        , events_(controls_, random_)
    {
    }

    // The names read from storage, as the lines of the names file.
    void Load(const std::string &stored)
    {
        events_.Load(SplitNameLines(stored, true));
        MarkNamesSynced(controls_, shared_);
    }
    // The names to keep, as the names file's four lines, over what is
    // stored now: another tab may have changed the boxes this one did not.
    std::string Unload(const std::string &stored)
    {
        return JoinNameLines(MergeNamesToStore(controls_, shared_, SplitNameLines(stored, true)));
    }
    // Another tab stored names: the boxes not changed here take them.
    void TakeStored(const std::string &stored) { TakeStoredNames(controls_, shared_, SplitNameLines(stored, true)); }
    void Deal() { Raise(ControlEvent::Deal); }
    void Raise(ControlEvent event)
    {
        events_.Raise(event);
        if (event == ControlEvent::Deal)
            random_.EndReplay();
    }
    void Tick() { events_.Tick(); }
    void ConfirmNames() { events_.ConfirmNames(); }
    void ChooseQuestion() { events_.ChooseQuestion(); }
    void AssignNames() { events_.AssignNames(); }
    void SelectFigure(int figure, int rank)
    {
        events_.SelectFigure(static_cast<std::int16_t>(figure), static_cast<std::int16_t>(rank));
    }

    // For the browser tests: deal the layout `slotOne`, then `laterSlots`.
    void ReplayLayout(int slotOne, const val &laterSlots)
    {
        random_.Replay(replay::LayoutDraws(slotOne, FromArray<int>(laterSlots)));
    }
    int RevealStateValue() const { return static_cast<int>(events_.State().RevealState); }

private:
    JsControls controls_;
    SwitchableRandom random_;
    FormEvents events_;
    SharedNames shared_;
};

namespace {

// A JavaScript array with one object per item, each filled by `fill`.
template <typename Items, typename Fill> val ArrayOf(const Items &items, Fill fill)
{
    val array = val::array();
    for (const auto &item : items) {
        val object = val::object();
        fill(object, item);
        array.call<void>("push", object);
    }
    return array;
}

val ControlTable()
{
    return ArrayOf(WindowControls(), [](val &row, const ControlRow &control) {
        row.set("name", control.name);
        row.set("kind", control.kind);
        row.set("left", control.place.left);
        row.set("top", control.place.top);
        row.set("width", control.place.width);
        row.set("height", control.place.height);
        row.set("text", control.text);
        row.set("visible", control.visible);
        row.set("focusOrder", control.focusOrder);
        row.set("accessibleName", control.accessibleName);
        row.set("imageNumber", control.imageNumber);
        row.set("event", control.event);
        row.set("firstFocus", control.firstFocus);
        row.set("announces", control.announces);
        // A card of the table: the figure row or a slot; the page draws
        // them as one picture on a narrow screen.
        const int n = control.imageNumber;
        row.set("card",
            (n >= FirstFigureRowImage && n < FirstFigureRowImage + FigureRowLength)
                || (n >= FirstSlotImage && n <= LastSlotImage));
    });
}

// Form1's client area, which every control's place is measured in.
val ClientAreaRect()
{
    val area = val::object();
    area.set("width", ClientArea.width);
    area.set("height", ClientArea.height);
    return area;
}

val MenuRows()
{
    return ArrayOf(MenuTree, [](val &row, const MenuEntry &entry) {
        row.set("level", entry.level);
        row.set("name", std::string(entry.control));
        row.set("caption", std::string(entry.caption));
        row.set("command", CommandOf(entry));
        row.set("figure", entry.figure);
        row.set("rank", entry.rank);
    });
}

val Pictures()
{
    return ArrayOf(CataloguePictures(), [](val &picture, int number) {
        picture.set("number", number);
        picture.set("name", PictureName(number));
        picture.set("file", PictureFileName(number, 1));
        picture.set("file2x", PictureFileName(number, 2));
    });
}

std::string OneLine(const std::string &text) { return OneLineName(text); }

// The characters that break a line, as one string: the page looks for them
// before it hands a long name to OneLineName.
std::string LineBreakText()
{
    std::string text;
    for (const std::string &form : LineBreakForms())
        text += form;
    return text;
}

val StoredLines(const std::string &stored) { return ToArray(SplitNameLines(stored, true)); }

} // namespace

EMSCRIPTEN_BINDINGS(zarvel)
{
    emscripten::class_<WebForm>("Form")
        .constructor<val>()
        .function("load", &WebForm::Load)
        .function("unload", &WebForm::Unload)
        .function("takeStored", &WebForm::TakeStored)
        .function("deal", &WebForm::Deal)
        .function("raise", &WebForm::Raise)
        .function("tick", &WebForm::Tick)
        .function("confirmNames", &WebForm::ConfirmNames)
        .function("chooseQuestion", &WebForm::ChooseQuestion)
        .function("assignNames", &WebForm::AssignNames)
        .function("selectFigure", &WebForm::SelectFigure)
        .function("replayLayout", &WebForm::ReplayLayout)
        .function("revealState", &WebForm::RevealStateValue);
    emscripten::enum_<ControlKind>("ControlKind")
        .value("Picture", ControlKind::Picture)
        .value("Label", ControlKind::Label)
        .value("TextBox", ControlKind::TextBox)
        .value("ComboBox", ControlKind::ComboBox)
        .value("Button", ControlKind::Button);
    emscripten::enum_<ControlEvent>("ControlEvent")
        .value("None", ControlEvent::None)
        .value("ConfirmNames", ControlEvent::ConfirmNames)
        .value("Deal", ControlEvent::Deal)
        .value("ChooseQuestion", ControlEvent::ChooseQuestion);
    emscripten::enum_<MenuCommand>("MenuCommand")
        .value("OpenSubmenu", MenuCommand::OpenSubmenu)
        .value("PickFigure", MenuCommand::PickFigure)
        .value("AssignNames", MenuCommand::AssignNames);
    emscripten::function("controlTable", &ControlTable);
    emscripten::function("menuRows", &MenuRows);
    emscripten::function("clientArea", &ClientAreaRect);
    emscripten::function("pictures", &Pictures);
    emscripten::function("oneLineName", &OneLine);
    emscripten::function("storedLines", &StoredLines);
    emscripten::constant("twipsPerPixel", TwipsPerPixel);
    emscripten::constant("timer1IntervalMs", Timer1IntervalMs);
    emscripten::constant("maxNameLength", static_cast<double>(MaxNameLength));
    emscripten::constant("lineBreaks", LineBreakText());
    emscripten::constant("form1Caption", std::string(Form1Caption));
}

} // namespace zarvel
