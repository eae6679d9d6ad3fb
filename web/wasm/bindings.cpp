// The reading core for the web page: the page's control operations in
// JavaScript behind the core's Controls, and the declarations that give the
// page the core's tables, enums and handlers under their C++ names.
#include "core/catalogue.h"
#include "core/control_layout.h"
#include "core/control_names.h"
#include "core/controls.h"
#include "core/menu_tree.h"
#include "core/name_lines.h"
#include "web_form.h"

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
// appendItem, announce. A call into JavaScript costs microseconds, more than a
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
    void Announce(std::string_view control, std::string_view text) override
    {
        page_.call<void>("announce", Name(control), std::string(text));
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

WebForm *MakeForm(val page) { return new WebForm(std::make_unique<JsControls>(std::move(page))); }

// Each item as a JavaScript value, in a JavaScript array.
template <typename Items> val ArrayOf(const Items &items)
{
    val array = val::array();
    for (const auto &item : items)
        array.call<void>("push", val(item));
    return array;
}

// The core's tables as JavaScript arrays, and the one rule that takes a
// string_view with a string, as embind's functions want them.
val WindowControlsArray() { return ArrayOf(WindowControls()); }
val MenuTreeArray() { return ArrayOf(MenuTree); }
val CataloguePicturesArray() { return ArrayOf(CataloguePictures()); }
val LineBreakFormsArray() { return ArrayOf(LineBreakForms()); }
std::string OneLine(const std::string &text) { return OneLineName(text); }

// A field computed from the row: the rows only ever go out to JavaScript,
// so what JavaScript would write back is dropped.
template <typename Row, typename T> void ReadOnly(Row & /*row*/, const T & /*value*/) { }
template <typename Row, std::string_view Row::*Field> std::string Text(const Row &row)
{
    return std::string(row.*Field);
}

void DeclareTables()
{
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
    emscripten::value_object<TwipsRect>("TwipsRect")
        .field("left", &TwipsRect::left)
        .field("top", &TwipsRect::top)
        .field("width", &TwipsRect::width)
        .field("height", &TwipsRect::height);
    emscripten::value_object<ControlRow>("ControlRow")
        .field("name", &ControlRow::name)
        .field("kind", &ControlRow::kind)
        .field("place", &ControlRow::place)
        .field("text", &ControlRow::text)
        .field("visible", &ControlRow::visible)
        .field("focusOrder", &ControlRow::focusOrder)
        .field("accessibleName", &ControlRow::accessibleName)
        .field("imageNumber", &ControlRow::imageNumber)
        .field("event", &ControlRow::event)
        .field("firstFocus", &ControlRow::firstFocus)
        .field("announces", &ControlRow::announces)
        .field(
            "onTheTable", +[](const ControlRow &row) { return OnTheTable(row.imageNumber); },
            &ReadOnly<ControlRow, bool>);
    emscripten::value_object<MenuEntry>("MenuEntry")
        .field("level", &MenuEntry::level)
        .field("control", &Text<MenuEntry, &MenuEntry::control>, &ReadOnly<MenuEntry, std::string>)
        .field("caption", &Text<MenuEntry, &MenuEntry::caption>, &ReadOnly<MenuEntry, std::string>)
        .field("figure", &MenuEntry::figure)
        .field("rank", &MenuEntry::rank)
        .field("command", &CommandOf, &ReadOnly<MenuEntry, MenuCommand>);
    emscripten::function("windowControls", &WindowControlsArray);
    emscripten::function("menuTree", &MenuTreeArray);
    emscripten::function("cataloguePictures", &CataloguePicturesArray);
    emscripten::function("lineBreakForms", &LineBreakFormsArray);
    emscripten::function("pictureName", &PictureName);
    emscripten::function("pictureFileName", &PictureFileName);
    emscripten::function("oneLineName", &OneLine);
    emscripten::constant("clientArea", ClientArea);
    emscripten::constant("twipsPerPixel", TwipsPerPixel);
    emscripten::constant("timer1IntervalMs", Timer1IntervalMs);
    emscripten::constant("maxTypedNameLength", static_cast<double>(MaxTypedNameLength));
    emscripten::constant("maxNameLength", static_cast<double>(MaxNameLength));
    emscripten::constant("form1", std::string(Form1));
    emscripten::constant("form1Caption", std::string(Form1Caption));
}

} // namespace

EMSCRIPTEN_BINDINGS(zarvel)
{
    emscripten::class_<WebForm>("Form")
        .constructor(&MakeForm)
        .function("load", &WebForm::Load)
        .function("unload", &WebForm::Unload)
        .function("takeStored", &WebForm::TakeStored)
        .function("raise", &WebForm::Raise)
        .function("tick", &WebForm::Tick)
        .function("assignNames", &WebForm::AssignNames)
        .function("selectFigure", &WebForm::SelectFigure)
        .function(
            "replayLayout",
            +[](WebForm &form, int slotOne, const val &laterSlots) {
                form.ReplayLayout(slotOne, emscripten::vecFromJSArray<int>(laterSlots));
            })
        .function("revealState", &WebForm::RevealState);
    DeclareTables();
}

} // namespace zarvel
