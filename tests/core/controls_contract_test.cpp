#include "controls_script.h"
#include "fake_controls.h"

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

private:
    const FakeControls &fake_;
};

TEST(ControlsContract, TheFakeDoesWhatTheWindowAndThePageDo)
{
    FakeControls fake;
    RunControlsScript(fake, FakeView(fake));
}

} // namespace
} // namespace zarvel::test
