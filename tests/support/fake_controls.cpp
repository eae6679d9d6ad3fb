#include "fake_controls.h"

#include "core/card_code.h"
#include "core/control_layout.h"
#include "core/control_names.h"

#include <gtest/gtest.h>

#include <functional>

namespace zarvel::test {

FakeControls::FakeControls()
{
    for (int code = 1; code <= 39; ++code) {
        if (IsValidCardCode(code))
            pictures[ImageControl(code)] = "face " + std::to_string(code);
    }
    pictures["Image77"] = "back";
    pictures["Image45"] = "ok";
    for (const char *initiallyShown : {"Combo1", "Label5", "Command1"})
        visible[initiallyShown] = true;
    texts["Combo1"] = "Любовные вопросы";
    for (std::string_view box : NameBoxes)
        texts[std::string(box)] = "Имя";
}

void FakeControls::SetVisible(std::string_view control, bool shown)
{
    visible[std::string(control)] = shown;
    log.push_back((shown ? "show " : "hide ") + std::string(control));
}

void FakeControls::CopyPicture(std::string_view target, std::string_view source)
{
    // A source without a picture changes nothing, as in the window.
    if (const std::string picture = Picture(std::string(source)); !picture.empty())
        pictures[std::string(target)] = picture;
    log.push_back("picture " + std::string(target) + "<-" + std::string(source));
}

void FakeControls::SetCaption(std::string_view label, std::string_view caption)
{
    captions[std::string(label)] = std::string(caption);
    log.push_back("caption " + std::string(label) + "=" + std::string(caption));
}

std::string FakeControls::Text(std::string_view control) const
{
    const auto it = texts.find(std::string(control));
    return it == texts.end() ? std::string() : it->second;
}

std::uint64_t FakeControls::TextVersion(std::string_view textBox) const
{
    return std::hash<std::string>{}(Text(textBox));
}

void FakeControls::SetText(std::string_view textBox, std::string_view text)
{
    texts[std::string(textBox)] = std::string(text);
    log.push_back("text " + std::string(textBox) + "=" + std::string(text));
}

void FakeControls::AppendItem(std::string_view combo, std::string_view item)
{
    if (combo == "Combo1")
        comboItems.emplace_back(item);
    log.push_back("item " + std::string(item));
}

void FakeControls::Announce(std::string_view control, std::string_view text)
{
    if (!Announces(control))
        ADD_FAILURE() << control << " announced «" << text << "», but its row is not marked announces";
    announcements.emplace_back(std::string(control) + "=" + std::string(text));
    log.push_back("announce " + announcements.back());
}

bool FakeControls::Visible(const std::string &control) const
{
    const auto it = visible.find(control);
    return it != visible.end() && it->second;
}

std::string FakeControls::Picture(const std::string &control) const
{
    const auto it = pictures.find(control);
    return it == pictures.end() ? std::string() : it->second;
}

std::string FakeControls::Caption(const std::string &label) const
{
    const auto it = captions.find(label);
    return it == captions.end() ? std::string() : it->second;
}

} // namespace zarvel::test
