#include "core/control_names.h"
#include "core/deal.h"
#include "core/figure_groups.h"
#include "core/name_entry.h"
#include "core/reveal.h"
#include "fake_controls.h"
#include "replay/scripted_random.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvel::test {
namespace {

// The slot of each laid position, row by row over five columns.
int SlotImageOfPosition(int k)
{
    const int row = (k - 1) / 5 + 1;
    const int column = (k - 1) % 5 + 1;
    return row <= 4 ? 46 + 4 * (column - 1) + (row - 1) : 66 + 5 * (row - 5) + (column - 1);
}

// A reading in progress as the deal leaves it: the given codes in slots
// 1 onwards (the rest a harmless six of diamonds), RevealStep 1.
struct Reading {
    Reading(int figure, std::vector<int> codes)
    {
        state.ChosenFigure = static_cast<std::int16_t>(figure);
        state.ChosenRank = figure <= 4 ? KingsRank : QueensRank;
        for (int k = 1; k <= 39; ++k)
            state.DealCards[k] = 11;
        for (std::size_t i = 0; i < codes.size(); ++i)
            state.DealCards[static_cast<int>(i) + 1] = static_cast<CardCode>(codes[i]);
        state.RevealState = RevealState::Running;
        state.RevealStep = 1;
        controls.texts["Combo1"] = "Кто меня любит?";
        controls.texts["Text1"] = "Аня";
        controls.texts["Text2"] = "Борис";
        controls.texts["Text3"] = "Вера";
        controls.texts["Text4"] = "Глеб";
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            TimerTick(state, controls, labelCopies);
    }
    std::vector<int> VisibleSlots() const
    {
        std::vector<int> shown;
        for (int n = 46; n <= 76; ++n) {
            if (controls.Visible(ImageControl(n)))
                shown.push_back(n);
        }
        return shown;
    }
    ReadingState state;
    FakeControls controls;
    NameLabelCopies labelCopies;
};

std::vector<int> CodesWithFigureAt(int position, int code)
{
    std::vector<int> codes(39, 11);
    if (position >= 1)
        codes[static_cast<std::size_t>(position - 1)] = code;
    return codes;
}

struct FoundCase {
    int position;
    std::string answer;
};

// Names the case in test output (printing the bytes would read padding).
void PrintTo(const FoundCase &c, std::ostream *out) { *out << "position " << c.position; }

class FigureFound : public ::testing::TestWithParam<FoundCase> { };

TEST_P(FigureFound, StopsThereFaceUpWithTheColumnsAnswer)
{
    const FoundCase &c = GetParam();
    Reading reading(1, CodesWithFigureAt(c.position, 7)); // queen of hearts
    reading.Ticks(c.position);
    EXPECT_EQ(reading.state.RevealState, RevealState::Stopped);
    const std::string slot = ImageControl(SlotImageOfPosition(c.position));
    EXPECT_EQ(reading.controls.Picture(slot), "face 7");
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?" + c.answer);
    ASSERT_EQ(reading.VisibleSlots().size(), static_cast<std::size_t>(c.position));
    for (int k = 1; k < c.position; ++k)
        EXPECT_EQ(reading.controls.Picture(ImageControl(SlotImageOfPosition(k))), "back") << "position " << k;

    reading.Ticks(40);
    EXPECT_EQ(reading.VisibleSlots().size(), static_cast<std::size_t>(c.position)) << "nothing laid after the find";
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?" + c.answer);
    // Told once, when the reveal stops: not the answers of the steps before.
    EXPECT_EQ(reading.controls.announcements, std::vector<std::string>{"Label5=Кто меня любит?" + c.answer});
}

INSTANTIATE_TEST_SUITE_P(Positions, FigureFound,
    ::testing::Values(FoundCase{1, "-Аня"}, FoundCase{2, "-Борис"}, FoundCase{3, "-Незнакомец(ка)"},
        FoundCase{4, "-Вера"}, FoundCase{5, "-Глеб"}, FoundCase{8, "-Незнакомец(ка)"}, FoundCase{13, "-Незнакомец(ка)"},
        FoundCase{18, "-Незнакомец(ка)"}, FoundCase{23, "-Незнакомец(ка)"}, FoundCase{28, "-Незнакомец(ка)"},
        FoundCase{30, "-Глеб"}, FoundCase{31, "-Аня"}));

TEST(Reveal, ACardFoundOnlyPastPosition31IsNotDealtAndAnsweredAtTick35)
{
    Reading reading(1, CodesWithFigureAt(32, 7));
    reading.Ticks(31);
    EXPECT_EQ(reading.VisibleSlots().size(), 31u);
    for (int n = 46; n <= 76; ++n)
        EXPECT_EQ(reading.controls.Picture(ImageControl(n)), "back");
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?-Аня") << "step 31 lies in column 1";

    const std::size_t opsAfter31 = reading.controls.log.size();
    reading.Ticks(3);
    // Ticks 32 to 34 only refresh the name labels.
    for (std::size_t i = opsAfter31; i < reading.controls.log.size(); ++i)
        EXPECT_EQ(reading.controls.log[i].find("Label5"), std::string::npos) << reading.controls.log[i];
    EXPECT_TRUE(reading.controls.announcements.empty());
    reading.Ticks(1);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?-Не выпало");
    EXPECT_EQ(reading.state.RevealState, RevealState::Running);
    reading.Ticks(100);
    EXPECT_EQ(reading.controls.announcements, std::vector<std::string>{"Label5=Кто меня любит?-Не выпало"});
}

TEST(Reveal, AMillionTicksAfterAFailedRevealChangeNothingAndNeverOverflow)
{
    Reading reading(2, {});
    reading.Ticks(35);
    const std::int16_t stepAfter35 = reading.state.RevealStep;
    reading.controls.texts["Combo1"] = "Кто ревнует?";
    for (int i = 0; i < 1'000'000; ++i) {
        RevealNextCard(reading.state, reading.controls);
        ASSERT_GT(reading.state.RevealStep, 35);
    }
    EXPECT_EQ(reading.state.RevealStep, stepAfter35);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?-Не выпало") << "no step rewrites the answer";
    EXPECT_EQ(reading.state.RevealState, RevealState::Running);
}

TEST(Reveal, TheDealsOwnRunOnlyAdvancesTheStep)
{
    Reading reading(1, CodesWithFigureAt(1, 7));
    reading.state.RevealStep = 0;
    RevealNextCard(reading.state, reading.controls);
    EXPECT_EQ(reading.state.RevealStep, 1);
    EXPECT_TRUE(reading.controls.log.empty());
}

TEST(Reveal, TheKingOfHeartsIsNotMistakenForTheAceOfHearts)
{
    Reading reading(11, {9, 8});
    reading.Ticks(1);
    EXPECT_EQ(reading.controls.Picture("Image46"), "back");
    EXPECT_EQ(reading.state.RevealState, RevealState::Running);
    reading.Ticks(1);
    EXPECT_EQ(reading.controls.Picture("Image50"), "face 8");
    EXPECT_EQ(reading.state.RevealState, RevealState::Stopped);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?-Борис");
}

TEST(Reveal, AnOnlyLaterCopyOfTheCardDoesNotStopTheFirstFind)
{
    Reading reading(4, {37, 37});
    reading.Ticks(5);
    EXPECT_EQ(reading.VisibleSlots(), std::vector<int>{46});
}

TEST(Reveal, AnEmptyNameBoxAnswersWithADashAlone)
{
    Reading reading(1, CodesWithFigureAt(2, 7));
    reading.controls.texts["Text2"] = "";
    reading.Ticks(2);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?-");
}

TEST(Reveal, ANameOrQuestionChangedMidRevealIsUsedByTheNextStep)
{
    Reading reading(1, CodesWithFigureAt(6, 7));
    reading.Ticks(3);
    reading.controls.texts["Text1"] = "Дарья";
    reading.controls.texts["Combo1"] = "Кто ревнует?";
    reading.Ticks(1);
    EXPECT_EQ(reading.controls.Caption("Label1"), "Дарья") << "the labels follow the boxes";
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто ревнует?-Вера");
    reading.Ticks(2);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто ревнует?-Дарья");
}

TEST(Reveal, AFigureChangedMidRevealIsLookedForFromTheNextStep)
{
    Reading reading(1, {7, 8, 17, 38});
    reading.state.ChosenFigure = 14; // king of spades, before the first step
    reading.Ticks(3);
    EXPECT_EQ(reading.state.RevealState, RevealState::Running) << "the queen at position 1 is no longer looked for";
    reading.Ticks(1);
    EXPECT_EQ(reading.state.RevealState, RevealState::Stopped);
    EXPECT_EQ(reading.controls.Picture("Image58"), "face 38");
}

TEST(Reveal, WithoutAFigureNoRowMatchesAndTheRevealRunsToStep35)
{
    Reading reading(1, CodesWithFigureAt(1, 7));
    reading.state.ChosenFigure = 0;
    reading.Ticks(35);
    EXPECT_EQ(reading.VisibleSlots().size(), 31u);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто меня любит?-Не выпало");
    EXPECT_FALSE(reading.controls.Visible("Label1")) << "no figure: the tick leaves the labels alone";
}

TEST(Reveal, ASecondDealMidRevealRestartsOverHiddenSlots)
{
    Reading reading(1, {});
    reading.Ticks(10);
    ScriptedRandom random(LayoutDraws(9, {7})); // the ace in slot 1, queens of hearts behind
    Deal(reading.state, random, reading.controls);
    EXPECT_TRUE(reading.VisibleSlots().empty());
    EXPECT_EQ(reading.state.RevealStep, 1);
    reading.Ticks(2);
    EXPECT_EQ(reading.VisibleSlots(), (std::vector<int>{46, 50}));
    EXPECT_EQ(reading.controls.Picture("Image50"), "face 7");
    EXPECT_EQ(reading.controls.announcements, std::vector<std::string>{"Label5=Кто меня любит?-Борис"})
        << "only the reading that ended is told";
}

TEST(Reveal, AQuestionChosenMidRevealShowsBareUntilTheNextStepAndAfterAFindStays)
{
    Reading reading(1, CodesWithFigureAt(4, 7));
    reading.Ticks(2);
    reading.controls.texts["Combo1"] = "Кто ревнует?";
    ChooseQuestion(reading.controls);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто ревнует?");
    reading.Ticks(1);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто ревнует?-Незнакомец(ка)");
    reading.Ticks(1); // the queen of hearts found in column 4
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто ревнует?-Вера");
    reading.controls.texts["Combo1"] = "Кто богаче?";
    ChooseQuestion(reading.controls);
    reading.Ticks(40);
    EXPECT_EQ(reading.controls.Caption("Label5"), "Кто богаче?") << "no step rewrites it after a find";
}

TEST(Reveal, RevealStateZeroAndThreeTickAlike)
{
    for (RevealState idle : {RevealState::Stopped, RevealState::NotStarted}) {
        Reading reading(1, CodesWithFigureAt(1, 7));
        reading.state.RevealState = idle;
        reading.Ticks(3);
        EXPECT_EQ(reading.state.RevealStep, 1);
        EXPECT_TRUE(reading.VisibleSlots().empty());
        EXPECT_EQ(reading.controls.Caption("Label3"), "Вера");
    }
}

} // namespace
} // namespace zarvel::test
