#include "core/clock_random_source.h"
#include "core/deal.h"
#include "core/figure_groups.h"
#include "fake_controls.h"
#include "replay/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace zarvel::test {
namespace {

std::vector<int> Slots(const ReadingState &state)
{
    std::vector<int> slots;
    for (int k = 1; k <= DealSlotCount; ++k)
        slots.push_back(state.DealCards[k]);
    return slots;
}

// Draws that fill all of slots 1 to 39 without ending the deal.
std::deque<int> FillAllSlots(const std::vector<int> &codes) { return LayoutDraws(codes[0], codes, false); }

// Runs the draw loop on a scripted source and returns the slots as they
// stand when the script runs out (or the loop ends).
struct ScriptedDraw {
    std::vector<int> slots;
    bool ended = false;
    int draws = 0;
};

ScriptedDraw RunScript(int rank, std::deque<int> draws, std::vector<int> *filled = nullptr)
{
    ReadingState state;
    state.ChosenFigure = 1;
    state.ChosenRank = static_cast<std::int16_t>(rank);
    ScriptedRandom random(std::move(draws));
    ScriptedDraw result;
    try {
        result.draws = DrawLayout(state, random);
        result.ended = true;
    } catch (const ScriptExhausted &) {
        result.ended = false; // the script ran out mid-layout, as some cases mean it to
    }
    EXPECT_EQ(random.reseeds, random.values + (result.ended ? 0 : 1)) << "every draw reseeds first";
    result.slots = Slots(state);
    if (filled)
        *filled = result.slots;
    return result;
}

std::vector<int> WithSlots(std::initializer_list<std::pair<int, int>> filled)
{
    std::vector<int> slots(DealSlotCount, 0);
    for (auto [slot, code] : filled)
        slots[static_cast<std::size_t>(slot - 1)] = code;
    return slots;
}

TEST(Deal, WithoutAFigureAClickChangesNothingAtAll)
{
    ReadingState state;
    state.ChosenRank = KingsRank;
    state.DealCards[1] = 5;
    state.DealCards[40] = 7; // not a reachable value: proves nothing was cleared
    state.RevealState = RevealState::NotStarted;
    const ReadingState before = state;
    FakeControls controls;
    ScriptedRandom random({});
    Deal(state, random, controls);
    EXPECT_EQ(state, before);
    EXPECT_TRUE(controls.log.empty());
    EXPECT_EQ(random.values, 0);
}

struct DrawCase {
    const char *name;
    int rank;
    std::deque<int> draws;
    std::vector<int> slots;
};

// Names the case in test output (printing the bytes would read padding).
void PrintTo(const DrawCase &c, std::ostream *out) { *out << c.name; }

class ScriptedDeal : public ::testing::TestWithParam<DrawCase> { };

TEST_P(ScriptedDeal, PlacesExactlyAsTheDrawRuleSays)
{
    const DrawCase &c = GetParam();
    const ScriptedDraw result = RunScript(c.rank, c.draws);
    EXPECT_FALSE(result.ended);
    EXPECT_EQ(result.slots, c.slots);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScriptedDeal,
    ::testing::Values(DrawCase{"FirstAllowedCodeLandsInSlotOne", KingsRank, {5}, WithSlots({{1, 5}})},
        DrawCase{"ADifferentSecondCodeIsPlacedAndRemovedAtOnce", KingsRank, {5, 12}, WithSlots({{1, 5}})},
        DrawCase{"TheSameCodeAgainMovesToSlotTwo", KingsRank, {5, 5}, WithSlots({{2, 5}})},
        DrawCase{"TheNextCodeThenFillsSlotOne", KingsRank, {5, 5, 12}, WithSlots({{1, 12}, {2, 5}})},
        DrawCase{"ARepeatedCodeFillsTheLowestGap", KingsRank, {5, 5, 12, 12}, WithSlots({{2, 5}, {3, 12}})},
        DrawCase{"ADrawOfZeroWithEmptySlotsChangesNothing", KingsRank, {5, 0, 0}, WithSlots({{1, 5}})},
        DrawCase{
            "KingsAndNonCardsAreRefusedForRankOne", KingsRank, {8, 18, 28, 38, 10, 20, 30, 9}, WithSlots({{1, 9}})},
        DrawCase{"JacksAreRefusedForRankTwo", JacksRank, {6, 16, 26, 36, 8}, WithSlots({{1, 8}})},
        DrawCase{"QueensAreRefusedForRankThree", QueensRank, {7, 17, 27, 37, 6}, WithSlots({{1, 6}})},
        DrawCase{"QueensAreDealtForRankOne", KingsRank, {7}, WithSlots({{1, 7}})},
        DrawCase{"RankZeroRefusesOnlyTheNonCards", 0, {10, 20, 30, 8}, WithSlots({{1, 8}})},
        DrawCase{"RankFourRefusesOnlyTheNonCards", 4, {30, 7}, WithSlots({{1, 7}})},
        DrawCase{"RankMinusOneRefusesOnlyTheNonCards", -1, {20, 36}, WithSlots({{1, 36}})},
        DrawCase{"TheHighestCodeIsPlaced", KingsRank, {39}, WithSlots({{1, 39}})}),
    [](const ::testing::TestParamInfo<DrawCase> &info) { return info.param.name; });

TEST(Deal, ADrawOfZeroWithEverySlotFilledEndsTheDeal)
{
    std::deque<int> draws = FillAllSlots({1, 2, 3});
    const std::size_t fillDraws = draws.size();
    draws.push_back(0);
    const ScriptedDraw result = RunScript(KingsRank, draws);
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.draws, static_cast<int>(fillDraws) + 1);
    for (int k = 1; k <= 39; ++k)
        EXPECT_NE(result.slots[static_cast<std::size_t>(k - 1)], 0) << "slot " << k;
    EXPECT_EQ(result.slots[39], 0) << "slot 40";
}

TEST(Deal, WithEverySlotFilledACodeStandingNowhereEndsTheDeal)
{
    std::deque<int> draws = FillAllSlots({1, 2, 3});
    draws.push_back(4);
    const ScriptedDraw result = RunScript(KingsRank, draws);
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(std::count(result.slots.begin(), result.slots.end(), 4), 0);
}

TEST(Deal, WithEverySlotFilledAStandingCodeClearsItsEarliestCopyAndGoesOn)
{
    std::deque<int> draws = FillAllSlots({1, 2, 3});
    draws.push_back(2);
    std::vector<int> before;
    RunScript(KingsRank, FillAllSlots({1, 2, 3}), &before);
    const ScriptedDraw result = RunScript(KingsRank, draws);
    ASSERT_FALSE(result.ended);
    const auto earliest = std::ranges::find(before, 2) - before.begin();
    std::vector<int> expected = before;
    expected[static_cast<std::size_t>(earliest)] = 0;
    EXPECT_EQ(result.slots, expected);
}

TEST(Deal, ADealStartsTheRevealWithAllSlotsHiddenInAscendingOrder)
{
    ReadingState state;
    state.ChosenFigure = 11;
    state.ChosenRank = QueensRank;
    state.RevealState = RevealState::Stopped;
    state.RevealStep = 17;
    FakeControls controls;
    ClockRandomSource random;
    Deal(state, random, controls);

    EXPECT_EQ(state.RevealState, RevealState::Running);
    EXPECT_EQ(state.RevealStep, 1) << "the deal's own reveal run only advances the step";
    ASSERT_EQ(controls.log.size(), 31u) << "the first reveal run shows nothing";
    for (int n = 46; n <= 76; ++n)
        EXPECT_EQ(controls.log[static_cast<std::size_t>(n - 46)], "hide Image" + std::to_string(n));
}

struct RankRefusals {
    int rank;
    std::set<int> refused;
};

// Names the case in test output (printing the bytes would read padding).
void PrintTo(const RankRefusals &c, std::ostream *out) { *out << "rank " << c.rank; }

class RealDeals : public ::testing::TestWithParam<RankRefusals> { };

TEST_P(RealDeals, FillSlotsOneTo39WithAllowedCodesOnly)
{
    const RankRefusals &param = GetParam();
    ClockRandomSource random;
    ReadingState state;
    state.ChosenFigure = 1;
    state.ChosenRank = static_cast<std::int16_t>(param.rank);
    constexpr int Deals = 400;
    long totalDraws = 0;
    std::set<int> seen;
    for (int d = 0; d < Deals; ++d) {
        const int draws = DrawLayout(state, random);
        totalDraws += draws;
        ASSERT_GE(draws, 39);
        ASSERT_LT(draws, 50000) << "a deal this long would freeze the window";
        for (int k = 1; k <= 39; ++k) {
            const int code = state.DealCards[k];
            ASSERT_TRUE(IsValidCardCode(code)) << "slot " << k << " holds " << code;
            ASSERT_EQ(param.refused.count(code), 0u) << "refused code " << code << " in slot " << k;
            seen.insert(code);
        }
        ASSERT_EQ(state.DealCards[40], 0);
    }
    EXPECT_EQ(seen.size(), 36u - param.refused.size()) << "every allowed code turns up in some deal";
    const double meanDraws = static_cast<double>(totalDraws) / Deals;
    EXPECT_GE(meanDraws, 1000.0);
    EXPECT_LE(meanDraws, 3000.0);
}

INSTANTIATE_TEST_SUITE_P(EachRank, RealDeals,
    ::testing::Values(RankRefusals{KingsRank, {8, 18, 28, 38}}, RankRefusals{JacksRank, {6, 16, 26, 36}},
        RankRefusals{QueensRank, {7, 17, 27, 37}}, RankRefusals{0, {}}));

TEST(ClockRandomSource, ReseedingWithAFrozenClockStillMovesOn)
{
    ClockRandomSource random([]() -> std::uint64_t { return 12345; });
    std::set<float> values;
    for (int i = 0; i < 1000; ++i) {
        random.ReseedFromClock();
        values.insert(random.NextValue());
    }
    EXPECT_GT(values.size(), 990u);
}

TEST(ClockRandomSource, ValuesAreUniformInTheHalfOpenUnitRange)
{
    ClockRandomSource random;
    std::array<int, 40> buckets{};
    constexpr int Samples = 40000;
    for (int i = 0; i < Samples; ++i) {
        random.ReseedFromClock();
        const float r = random.NextValue();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[static_cast<std::size_t>(r * 40.0f)];
    }
    for (int count : buckets) {
        EXPECT_GT(count, 800); // expected 1000, standard deviation about 31
        EXPECT_LT(count, 1200);
    }
}

} // namespace
} // namespace zarvel::test
