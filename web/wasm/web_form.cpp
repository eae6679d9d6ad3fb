#include "web_form.h"

#include "core/name_lines.h"

namespace zarvel {

void SwitchableRandom::ReseedFromClock() { Current().ReseedFromClock(); }
float SwitchableRandom::NextValue() { return Current().NextValue(); }
void SwitchableRandom::Replay(std::deque<int> draws)
{
    replay_ = std::make_unique<replay::ScriptedRandom>(std::move(draws));
}
void SwitchableRandom::EndReplay() { replay_.reset(); }
RandomSource &SwitchableRandom::Current() { return replay_ ? static_cast<RandomSource &>(*replay_) : clock_; }

WebForm::WebForm(std::unique_ptr<Controls> controls)
    : controls_(std::move(controls))
    , events_(*controls_, random_)
{
}

void WebForm::Load(const std::string &stored)
{
    events_.Load(SplitNameLines(stored, true));
    MarkNamesSynced(*controls_, shared_);
}

std::string WebForm::Unload(const std::string &stored)
{
    return JoinNameLines(MergeNamesToStore(*controls_, shared_, SplitNameLines(stored, true)));
}

void WebForm::TakeStored(const std::string &stored)
{
    TakeStoredNames(*controls_, shared_, SplitNameLines(stored, true));
}

void WebForm::Raise(ControlEvent event)
{
    events_.Raise(event);
    if (event == ControlEvent::Deal)
        random_.EndReplay();
}

void WebForm::SelectFigure(int figure, int rank)
{
    events_.SelectFigure(static_cast<std::int16_t>(figure), static_cast<std::int16_t>(rank));
}

void WebForm::ReplayLayout(int slotOne, const std::vector<int> &laterSlots)
{
    random_.Replay(replay::LayoutDraws(slotOne, laterSlots));
}

} // namespace zarvel
