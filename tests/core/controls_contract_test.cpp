#include "controls_script.h"
#include "fake_controls.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace zarvel::test {
namespace {

// The fake as the core's tests read it: a picture control is seen only
// while shown and holding a picture.
class FakeView final : public ControlsView {
public:
    explicit FakeView(const FakeControls &fake)
        : fake_(fake)
    {
    }
    bool Seen(const std::string &control) const override
    {
        return fake_.Visible(control) && (!control.starts_with("Image") || !fake_.Picture(control).empty());
    }
    bool SamePicture(const std::string &control, const std::string &other) const override
    {
        return !fake_.Picture(control).empty() && fake_.Picture(control) == fake_.Picture(other);
    }
    std::string Caption(const std::string &label) const override { return fake_.Caption(label); }
    int Items(const std::string & /*combo*/) const override { return static_cast<int>(fake_.comboItems.size()); }
    std::string Told(const std::string &control) const override
    {
        std::string told;
        for (const std::string &said : fake_.announcements) {
            if (said.starts_with(control + "="))
                told += (told.empty() ? "" : " | ") + said.substr(control.size() + 1);
        }
        return told;
    }
    bool HearsTold() const override { return true; }

private:
    const FakeControls &fake_;
};

TEST(ControlsContract, TheFakeDoesWhatTheWindowAndThePageDo)
{
    FakeControls fake;
    RunControlsScript(fake, FakeView(fake));
}

TEST(ControlsContract, TheFakeTakesAnAnnouncementOnlyFromTheControlTheTableMarks)
{
    FakeControls fake;
    EXPECT_NONFATAL_FAILURE(fake.Announce("Label3", "Вера"), "Label3 announced «Вера», but its row is not marked");
    EXPECT_NONFATAL_FAILURE(fake.Announce("Text1", "Анна"), "not marked announces");
}

} // namespace
} // namespace zarvel::test
