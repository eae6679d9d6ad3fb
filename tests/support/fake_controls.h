#pragma once

#include "core/controls.h"
#include "replay/scripted_random.h"

#include <map>
#include <string>
#include <vector>

namespace zarvel::test {

using replay::LayoutDraws;
using replay::ScriptedRandom;
using replay::ScriptExhausted;

// A window without widgets: records what the reading logic does to each
// control, and keeps the order of the operations for the rules that care.
class FakeControls final : public Controls {
public:
    // Pictures start as in the real window: "face N" in Image N, the back
    // in Image77, the confirm picture in Image45, nothing elsewhere.
    FakeControls();

    void SetVisible(std::string_view control, bool shown) override;
    void CopyPicture(std::string_view target, std::string_view source) override;
    void SetCaption(std::string_view label, std::string_view caption) override;
    std::string Text(std::string_view control) const override;
    // The text's hash: the tests change `texts` directly.
    std::uint64_t TextVersion(std::string_view textBox) const override;
    void SetText(std::string_view textBox, std::string_view text) override;
    void AppendItem(std::string_view combo, std::string_view item) override;
    void Announce(std::string_view control, std::string_view text) override;

    bool Visible(const std::string &control) const;
    std::string Picture(const std::string &control) const; // "" for none
    std::string Caption(const std::string &label) const;

    std::map<std::string, bool> visible;
    std::map<std::string, std::string> pictures;
    std::map<std::string, std::string> captions;
    std::map<std::string, std::string> texts;
    std::vector<std::string> comboItems;
    std::vector<std::string> announcements; // "X=text"
    // "show X", "hide X", "picture X<-Y", "caption X=..", "text X=..", "item ..", "announce X=.."
    std::vector<std::string> log;
};

} // namespace zarvel::test
