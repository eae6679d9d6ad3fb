#include "reveal.h"

#include "control_layout.h"
#include "control_names.h"
#include "controls.h"
#include "figure_match_table.h"
#include "reveal_step_table.h"

#include <string>

namespace zarvel {

namespace {

// Past the not-found step nothing more can happen, so the counter stops
// there instead of creeping towards the end of its 16-bit range while the
// window stays open.
constexpr std::int16_t StepCounterLimit = NotFoundStep + 1;

std::string ColumnAnswerText(const Controls &controls, int column)
{
    const ColumnAnswer &answer = ColumnAnswerTable[static_cast<std::size_t>(column - 1)];
    if (answer.person == 0)
        return std::string(answer.fixedText);
    return "-" + controls.Text(NameBoxes[static_cast<std::size_t>(answer.person - 1)]);
}

// The answer's caption; when the reveal stops with it, screen reader users
// are told it once (not the captions of the steps before it), where the
// control table says its label is told.
void ShowAnswer(Controls &controls, const std::string &answer, bool final)
{
    const std::string_view caption = VisibleCaption(Label5, answer);
    controls.SetCaption(Label5, caption);
    if (final && Announces(Label5))
        controls.Announce(Label5, caption);
}

void LayCard(ReadingState &state, Controls &controls, int step)
{
    const RevealStepEntry &entry = RevealStepTable[static_cast<std::size_t>(step - 1)];
    const std::string slot = ImageControl(entry.slotImage);
    controls.SetVisible(slot, true);
    controls.CopyPicture(slot, ImageControl(CardBackImage));
    if (const FigureMatch *match = MatchFigure(state.ChosenFigure, state.DealCards[step])) {
        controls.CopyPicture(slot, ImageControl(match->faceImage));
        state.RevealState = RevealState::Stopped;
    }
    ShowAnswer(controls, controls.Text(Combo1) + ColumnAnswerText(controls, entry.column),
        state.RevealState == RevealState::Stopped);
}

// The tick's order: show the four labels first, then copy the box texts.
void ShowNameLabels(Controls &controls, NameLabelCopies &copies)
{
    if (copies.shown) {
        CopyNamesToLabels(controls, copies, false);
        return;
    }
    for (std::string_view label : NameLabels)
        controls.SetVisible(label, true);
    CopyNamesToLabels(controls, copies, true);
    copies.shown = true;
}

} // namespace

void RevealNextCard(ReadingState &state, Controls &controls)
{
    if (state.RevealStep >= 1 && state.RevealStep <= LastLaidStep)
        LayCard(state, controls, state.RevealStep);
    else if (state.RevealStep == NotFoundStep)
        ShowAnswer(controls, controls.Text(Combo1) + std::string(NotFoundAnswer), true);

    if (state.RevealStep < StepCounterLimit)
        ++state.RevealStep;
}

void TimerTick(ReadingState &state, Controls &controls, NameLabelCopies &copies)
{
    if (state.RevealState == RevealState::Running)
        RevealNextCard(state, controls);
    if (state.ChosenFigure > 0)
        ShowNameLabels(controls, copies);
}

} // namespace zarvel
