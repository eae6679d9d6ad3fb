#include "core/deal.h"
#include "core/figure_groups.h"
#include "core/form_events.h"
#include "core/menu_tree.h"
#include "core/questions.h"
#include "core/startup.h"
#include "fake_controls.h"
#include "replay/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarvel::test {
namespace {

struct Form {
    Form()
        : events(controls, random)
    {
        events.Load({});
    }
    FakeControls controls;
    ScriptedRandom random{{}};
    FormEvents events;
};

struct Pick {
    std::string control;
    int figure;
    int rank;
    std::vector<std::string> row; // pictures of Image40..Image44
};

// Names the case in test output (printing the bytes would read padding).
void PrintTo(const Pick &c, std::ostream *out) { *out << c.control; }

const std::vector<std::string> KingsRow = {"face 8", "face 28", "face 9", "face 18", "face 38"};
const std::vector<std::string> JacksRow = {"face 6", "face 26", "face 9", "face 16", "face 36"};
const std::vector<std::string> QueensRow = {"face 7", "face 27", "face 9", "face 17", "face 37"};

class FigurePick : public ::testing::TestWithParam<Pick> { };

TEST_P(FigurePick, SetsBothFieldsAndShowsTheGroupAroundTheAceOfHearts)
{
    const Pick &pick = GetParam();
    const auto *const entry = std::ranges::find(MenuTree, pick.control, &MenuEntry::control);
    ASSERT_NE(entry, MenuTree.end());
    for (int times = 1; times <= 2; ++times) {
        Form form;
        form.controls.log.clear();
        for (int t = 0; t < times; ++t)
            form.events.SelectFigure(entry->figure, entry->rank);
        EXPECT_EQ(form.events.State().ChosenFigure, pick.figure);
        EXPECT_EQ(form.events.State().ChosenRank, pick.rank);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(form.controls.Picture("Image" + std::to_string(40 + i)), pick.row[static_cast<std::size_t>(i)]);
        EXPECT_EQ(form.controls.log.size(), 5u * static_cast<std::size_t>(times)) << "a pick only copies five pictures";
        EXPECT_EQ(form.controls.log.front(), "picture Image40<-Image" + pick.row[0].substr(5));
    }
}

INSTANTIATE_TEST_SUITE_P(SixteenItems, FigurePick,
    ::testing::Values(Pick{"на_королей_дама_бубен", 2, 1, KingsRow}, Pick{"На_королей_дама_черви", 1, 1, KingsRow},
        Pick{"На_королей_дама_крести", 3, 1, KingsRow}, Pick{"На_королей_дама_вини", 4, 1, KingsRow},
        Pick{"на_вальтов_дама_бубен", 2, 2, JacksRow}, Pick{"на_вальтов_дама_черви", 1, 2, JacksRow},
        Pick{"на_вальтов_дама_крести", 3, 2, JacksRow}, Pick{"На_вальтов_дама_вини", 4, 2, JacksRow},
        Pick{"Король_черви_замужний", 11, 3, QueensRow}, Pick{"Король_буби_молодой", 12, 3, QueensRow},
        Pick{"Король_крести_богатый", 13, 3, QueensRow}, Pick{"Король_вини_дедушка", 14, 3, QueensRow},
        Pick{"Валет_черви_замужний", 16, 3, QueensRow}, Pick{"Валет_буби_молодой", 17, 3, QueensRow},
        Pick{"Валет_крести_богатый", 18, 3, QueensRow}, Pick{"Валет_вини", 19, 3, QueensRow}));

TEST(FigurePick, DuringARunningRevealChangesOnlyTheFieldsAndTheRow)
{
    ScriptedRandom random(LayoutDraws(2, {1}));
    FakeControls controls;
    FormEvents events(controls, random);
    events.Load({});
    events.SelectFigure(1, KingsRank);
    events.Deal();
    events.Tick();
    events.Tick();
    const ReadingState before = events.State();
    ASSERT_EQ(before.RevealState, RevealState::Running);
    controls.log.clear();
    events.SelectFigure(12, QueensRank);
    EXPECT_EQ(events.State().ChosenFigure, 12);
    EXPECT_EQ(events.State().ChosenRank, QueensRank);
    EXPECT_EQ(events.State().DealCards, before.DealCards);
    EXPECT_EQ(events.State().RevealStep, before.RevealStep);
    EXPECT_EQ(events.State().RevealState, before.RevealState);
    EXPECT_EQ(controls.log.size(), 5u) << "only the figure row changes";
    EXPECT_TRUE(controls.Visible("Image50")) << "the laid cards stay";
}

TEST(FigurePick, FromAGirlsReadingToAYoungMansTheNextDealLeavesOutTheQueens)
{
    // Draws of each queen first: only thrown back now.
    std::deque<int> draws = {7, 17, 27, 37};
    const std::deque<int> rest = LayoutDraws(8, {18});
    draws.insert(draws.end(), rest.begin(), rest.end());
    ScriptedRandom random(draws);
    FakeControls controls;
    FormEvents events(controls, random);
    events.Load({});
    events.SelectFigure(1, KingsRank);
    events.SelectFigure(11, QueensRank);
    events.Deal();
    EXPECT_EQ(events.State().DealCards[1], 8) << "the four queens were thrown back, the king of hearts placed";
    for (int k = 1; k <= 39; ++k) {
        const int code = events.State().DealCards[k];
        EXPECT_TRUE(code == 8 || code == 18) << "slot " << k << " holds " << code;
    }
}

TEST(Slot40, HoldingACodeIsClearedByStartUpAndByADeal)
{
    FakeControls controls;
    ReadingState state;
    state.DealCards[1] = 9;
    state.DealCards[40] = 9;
    Load(state, controls, {});
    EXPECT_EQ(state.DealCards[1], NoCard);
    EXPECT_EQ(state.DealCards[40], NoCard);

    ScriptedRandom random(LayoutDraws(2, {1}));
    state.ChosenFigure = 1;
    state.ChosenRank = KingsRank;
    state.DealCards[40] = 9;
    Deal(state, random, controls);
    EXPECT_EQ(state.DealCards[40], NoCard);
    EXPECT_EQ(state.DealCards[39], 1);
}

TEST(AssignNames, BeforeAnyFigureShowsNothing)
{
    Form form;
    form.controls.log.clear();
    form.events.AssignNames();
    EXPECT_TRUE(form.controls.log.empty());
}

TEST(AssignNames, OpensTheBoxesThenTheConfirmPictureAndASecondTimeChangesNothing)
{
    Form form;
    form.events.SelectFigure(2, JacksRank);
    form.controls.log.clear();
    form.events.AssignNames();
    EXPECT_EQ(form.controls.log,
        (std::vector<std::string>{"show Text1", "show Text2", "show Text3", "show Text4", "show Image45"}));
    const auto visible = form.controls.visible;
    form.events.AssignNames();
    EXPECT_EQ(form.controls.visible, visible);
}

TEST(ConfirmNames, HidesTheBoxesAndShowsEveryLabelAtOnceEvenAnEmptyOne)
{
    Form form;
    form.events.SelectFigure(2, JacksRank);
    form.events.AssignNames();
    form.controls.texts["Text3"] = "";
    form.controls.texts["Text1"] = "Олег, \"Лёва\"";
    form.controls.log.clear();
    form.events.ConfirmNames(); // before any tick
    EXPECT_EQ(form.controls.log,
        (std::vector<std::string>{"hide Text1", "hide Text2", "hide Text3", "hide Text4", "hide Image45",
            "caption Label1=Олег, \"Лёва\"", "caption Label2=Имя", "caption Label3=", "caption Label4=Имя",
            "show Label1", "show Label2", "show Label3", "show Label4"}));
}

TEST(ChooseQuestion, ShowsThePickedQuestionAlsoOverAnAnswer)
{
    Form form;
    form.controls.captions["Label5"] = "Кто целует?-Аня";
    form.controls.texts["Combo1"] = "Кто меня любит?";
    form.events.ChooseQuestion();
    EXPECT_EQ(form.controls.Caption("Label5"), "Кто меня любит?");
}

TEST(Tick, ShowsTheLabelsOnlyOnceAFigureIsChosenAndMirrorsTheBoxes)
{
    Form form;
    form.events.Tick();
    EXPECT_FALSE(form.controls.Visible("Label1"));
    form.events.SelectFigure(3, KingsRank);
    form.controls.texts["Text4"] = "Женя";
    form.events.Tick();
    for (const char *label : {"Label1", "Label2", "Label3", "Label4"})
        EXPECT_TRUE(form.controls.Visible(label)) << label;
    EXPECT_EQ(form.controls.Caption("Label4"), "Женя");
}

TEST(Tick, TouchesNoLabelWhileNoBoxChangesAndCopiesOnlyTheBoxThatDid)
{
    Form form;
    form.events.SelectFigure(3, KingsRank);
    form.events.Tick();
    const std::size_t afterFirst = form.controls.log.size();
    for (int i = 0; i < 3; ++i)
        form.events.Tick();
    EXPECT_EQ(form.controls.log.size(), afterFirst) << "idle ticks: " << form.controls.log.back();

    form.controls.texts["Text2"] = "Лиза";
    form.events.Tick();
    form.controls.SetText("Text3", "Вера");
    form.events.Tick();
    const std::vector<std::string> later(
        form.controls.log.begin() + static_cast<std::ptrdiff_t>(afterFirst), form.controls.log.end());
    EXPECT_EQ(later, (std::vector<std::string>{"caption Label2=Лиза", "text Text3=Вера", "caption Label3=Вера"}));
}

TEST(Tick, GivesALabelOnlyTheStartOfALongNameThatItCanShowInWholeLetters)
{
    Form form;
    form.events.SelectFigure(3, KingsRank);
    std::string name;
    for (int i = 0; i < 100000; ++i)
        name += "Ж";
    form.controls.texts["Text1"] = name;
    form.controls.texts["Combo1"] = "Кто ревнует?";
    form.events.Tick();
    form.events.ChooseQuestion();
    const std::string label1 = form.controls.Caption("Label1");
    EXPECT_LT(label1.size(), 10000u);
    EXPECT_GT(label1.size(), 200u) << "more letters than the label is wide";
    EXPECT_TRUE(name.starts_with(label1));
    EXPECT_EQ(label1.size() % 2, 0u) << "no letter cut in half";
    EXPECT_EQ(form.controls.Caption("Label5"), "Кто ревнует?") << "a short caption stays whole";
}

TEST(Load, FillsTheBoxesTheQuestionsAndTheInitialState)
{
    FakeControls controls;
    ScriptedRandom random({});
    FormEvents events(controls, random);
    events.Load(LinesRead{"Аня", "", " Вера", "Глеб, \"Г\""});
    EXPECT_EQ(controls.Text("Text1"), "Аня");
    EXPECT_EQ(controls.Text("Text2"), "");
    EXPECT_EQ(controls.Text("Text3"), " Вера");
    EXPECT_EQ(events.State().Name4, "Глеб, \"Г\"");
    EXPECT_EQ(events.State().RevealState, RevealState::NotStarted);
    EXPECT_EQ(events.State().ChosenFigure, 0);
    ASSERT_EQ(controls.comboItems.size(), Questions.size());
    EXPECT_EQ(controls.comboItems.front(), "Кто меня любит?");
    EXPECT_EQ(controls.comboItems[9], "Кто ревнует?");
    EXPECT_EQ(controls.comboItems.back(), "Кто богаче?");
    EXPECT_EQ(events.Unload(), (NameLines{"Аня", "", " Вера", "Глеб, \"Г\""}));
}

TEST(Load, AShortFileFillsTheNamesReadButNoBox)
{
    FakeControls controls;
    ScriptedRandom random({});
    FormEvents events(controls, random);
    events.Load(LinesRead{"Аня", "Борис", "Вера"});
    EXPECT_EQ(events.State().Name3, "Вера");
    EXPECT_EQ(events.State().Name4, "");
    EXPECT_EQ(events.Unload(), (NameLines{"Имя", "Имя", "Имя", "Имя"}));
    EXPECT_EQ(controls.comboItems.size(), Questions.size()) << "start-up goes on";
}

TEST(Load, WithoutNamesLeavesTheBoxesAtTheirInitialText)
{
    Form form;
    EXPECT_EQ(form.events.Unload(), (NameLines{"Имя", "Имя", "Имя", "Имя"}));
    EXPECT_EQ(form.events.State().Name1, "");
}

} // namespace
} // namespace zarvel::test
