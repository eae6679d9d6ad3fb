#include "core/catalogue.h"
#include "core/control_layout.h"
#include "core/figure_groups.h"
#include "core/figure_match_table.h"
#include "core/form_events.h"
#include "core/menu_tree.h"
#include "core/name_lines.h"
#include "core/reveal_step_table.h"
#include "fake_controls.h"
#include "replay/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace zarvel::test {
namespace {

TEST(RevealStepTable, FollowsTheRowsAndColumnsOfTheTable)
{
    std::set<int> slots;
    for (int k = 1; k <= LastLaidStep; ++k) {
        const RevealStepEntry &entry = RevealStepTable[static_cast<std::size_t>(k - 1)];
        const int row = (k - 1) / 5 + 1;
        const int column = (k - 1) % 5 + 1;
        const int expected = row <= 4 ? 46 + 4 * (column - 1) + (row - 1) : 65 + 5 * (row - 5) + column;
        EXPECT_EQ(entry.slotImage, expected) << "step " << k;
        EXPECT_EQ(entry.column, column) << "step " << k;
        slots.insert(entry.slotImage);
    }
    EXPECT_EQ(slots.size(), 31u);
    EXPECT_EQ(*slots.begin(), 46);
    EXPECT_EQ(*slots.rbegin(), 76);
}

TEST(FigureMatchTable, LooksForTheChosenFiguresOwnCard)
{
    // Queens are suit + 1, kings 11 + suit, jacks 16 + suit: the first figure
    // of each group and its rank.
    struct Group {
        int first;
        int rank;
    };
    const auto groupOf = [](int figure) {
        if (figure <= 4)
            return Group{1, 7};
        if (figure <= 14)
            return Group{11, 8};
        return Group{16, 6};
    };
    std::set<int> figures;
    for (const FigureMatch &row : FigureMatchTable) {
        const auto [first, rank] = groupOf(row.figure);
        const int suit = row.figure - first;
        EXPECT_EQ(row.code, 10 * suit + rank) << "figure " << row.figure;
        EXPECT_EQ(row.faceImage, row.code);
        figures.insert(row.figure);
    }
    EXPECT_EQ(figures.size(), 12u);
    EXPECT_EQ(MatchFigure(0, 7), nullptr);
    EXPECT_EQ(MatchFigure(11, 9), nullptr);
    EXPECT_EQ(MatchFigure(1, 0), nullptr);
}

TEST(MenuTree, EveryFigureItemSetsAValidPair)
{
    int picks = 0;
    for (const MenuEntry &entry : MenuTree) {
        if (entry.figure == 0)
            continue;
        ++picks;
        const bool girl = entry.figure >= 1 && entry.figure <= 4 && (entry.rank == 1 || entry.rank == 2);
        const bool man = entry.rank == 3
            && ((entry.figure >= 11 && entry.figure <= 14) || (entry.figure >= 16 && entry.figure <= 19));
        EXPECT_TRUE(girl || man) << entry.control;
        EXPECT_EQ(entry.level, entry.rank == 3 ? 4 : 3) << entry.control;
    }
    EXPECT_EQ(picks, 16);
}

TEST(PictureNames, NameRankAndSuitInTheGenitiveTheBackAndTheOkPicture)
{
    EXPECT_EQ(PictureName(7), "Дама червей");
    EXPECT_EQ(PictureName(9), "Туз червей");
    EXPECT_EQ(PictureName(11), "Шестёрка бубен");
    EXPECT_EQ(PictureName(26), "Валет треф");
    EXPECT_EQ(PictureName(38), "Король пик");
    EXPECT_EQ(PictureName(35), "Десятка пик");
    EXPECT_EQ(PictureName(77), "Рубашка");
    EXPECT_EQ(PictureName(45), "Ок");
    for (int none : {0, 10, 20, 30, 40, 46, -1})
        EXPECT_EQ(PictureName(none), "") << none;
}

TEST(Catalogue, CarriesTheThirtySixFacesTheOkPictureAndTheBack)
{
    const std::vector<int> &pictures = CataloguePictures();
    EXPECT_EQ(pictures.size(), 38u);
    EXPECT_EQ(pictures.front(), 1);
    EXPECT_EQ(std::count(pictures.begin(), pictures.end(), 10), 0);
    EXPECT_EQ(pictures[pictures.size() - 2], 45);
    EXPECT_EQ(pictures.back(), 77);
    EXPECT_EQ(PictureFileName(17, 1), "image17.png");
    EXPECT_EQ(PictureFileName(77, 2), "image77@2x.png");
}

struct LinesCase {
    const char *name;
    std::string bytes;
    bool complete;
    LinesRead lines;
};

// Names the case in test output (printing the bytes would read padding).
void PrintTo(const LinesCase &c, std::ostream *out) { *out << c.name; }

class NameLinesSplit : public ::testing::TestWithParam<LinesCase> { };

TEST_P(NameLinesSplit, FollowsTheReadingRules)
{
    const LinesCase &c = GetParam();
    EXPECT_EQ(SplitNameLines(c.bytes, c.complete), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Files, NameLinesSplit,
    ::testing::Values(LinesCase{"FourLines", "a\r\nb\r\nc\r\nd\r\n", true, LinesRead{"a", "b", "c", "d"}},
        LinesCase{"FifthLineIgnored", "a\r\nb\r\nc\r\nd\r\ne\r\nf", true, LinesRead{"a", "b", "c", "d"}},
        LinesCase{"LastLineWithoutEnd", "a\r\nb\r\nc\r\nd", true, LinesRead{"a", "b", "c", "d"}},
        LinesCase{"ThreeLines", "a\r\nb\r\nc\r\n", true, LinesRead{"a", "b", "c"}},
        LinesCase{"Empty", "", true, LinesRead{}},
        LinesCase{"LoneCr", "a\rb\rc\rd\r", true, LinesRead{"a", "b", "c", "d"}},
        LinesCase{"LoneLf", "a\nb\nc\nd\n", true, LinesRead{"a", "b", "c", "d"}},
        LinesCase{"CrCrIsAnEmptyLine", "a\r\rc\rd\r", true, LinesRead{"a", "", "c", "d"}},
        LinesCase{"LfCrIsTwoLineEnds", "a\n\rc\rd", true, LinesRead{"a", "", "c", "d"}},
        LinesCase{"EmptyNames", "\r\n\r\n\r\n\r\n", true, LinesRead{"", "", "", ""}},
        LinesCase{"VerbatimPunctuation", " a, \"b\"\r\nb\r\nc\r\nd\r\n", true, LinesRead{" a, \"b\"", "b", "c", "d"}},
        LinesCase{"NulBytesStay", std::string("a\0b\r\nb\r\nc\r\nd", 12), true,
            LinesRead{std::string("a\0b", 3), "b", "c", "d"}},
        LinesCase{"CutFourthLineIsShort", "a\r\nb\r\nc\r\nddd", false, LinesRead{"a", "b", "c"}},
        LinesCase{"FourLinesEndingBeforeTheCut", "a\r\nb\r\nc\r\nd\r\nxx", false, LinesRead{"a", "b", "c", "d"}},
        LinesCase{"CutAfterTheFourthCr", "a\r\nb\r\nc\r\nd\r", false, LinesRead{"a", "b", "c", "d"}},
        LinesCase{"CutAfterTheThirdCr", "a\r\nb\r\nc\r", false, LinesRead{"a", "b", "c"}}),
    [](const ::testing::TestParamInfo<LinesCase> &info) { return info.param.name; });

TEST(NameLinesJoin, EndsEveryLineInCrLfAndSplitsBackToTheSameFour)
{
    const NameLines names = {"Оля", "", " a, b ", std::string("x\0y", 3)};
    const std::string text = JoinNameLines(names);
    EXPECT_EQ(text, std::string("Оля\r\n\r\n a, b \r\nx\0y\r\n", 23));
    EXPECT_EQ(SplitNameLines(text, true), LinesRead(names.begin(), names.end()));
    EXPECT_EQ(SplitNameLines(text + "more", false), LinesRead(names.begin(), names.end()));
}

// What the front ends take from the control table instead of from names:
// each event raised by exactly one control of the kind that can raise it,
// one first focus that the keyboard can reach, one control read out.
TEST(ControlTable, NamesOneControlPerEventOneFirstFocusAndTheAnswerAsReadOut)
{
    const std::vector<std::pair<ControlEvent, ControlKind>> raisers
        = {{ControlEvent::ConfirmNames, ControlKind::Picture}, {ControlEvent::Deal, ControlKind::Button},
            {ControlEvent::ChooseQuestion, ControlKind::ComboBox}};
    const auto &rows = WindowControls();
    for (const auto &[event, kind] : raisers) {
        std::vector<const ControlRow *> found;
        for (const ControlRow &row : rows) {
            if (row.event == event)
                found.push_back(&row);
        }
        ASSERT_EQ(found.size(), 1U) << static_cast<int>(event);
        EXPECT_EQ(found[0]->kind, kind);
        EXPECT_GT(found[0]->focusOrder, 0) << found[0]->name;
    }
    std::vector<std::string> first;
    std::vector<std::string> announcing;
    for (const ControlRow &row : rows) {
        if (row.firstFocus)
            first.push_back(row.name + (row.focusOrder > 0 ? "" : " (no focus)"));
        if (row.announces)
            announcing.push_back(row.name);
    }
    EXPECT_EQ(first, std::vector<std::string>{"Command1"});
    EXPECT_EQ(announcing, std::vector<std::string>{"Label5"});
}

TEST(FormEvents, RaiseCallsTheHandlerItsEventNamesAndNoneChangesNothing)
{
    using Handler = void (FormEvents::*)();
    const std::vector<std::pair<ControlEvent, Handler>> events
        = {{ControlEvent::ConfirmNames, &FormEvents::ConfirmNames}, {ControlEvent::Deal, &FormEvents::Deal},
            {ControlEvent::ChooseQuestion, &FormEvents::ChooseQuestion}, {ControlEvent::None, nullptr}};
    for (const auto &[event, handler] : events) {
        std::array<std::vector<std::string>, 2> logs;
        for (std::size_t raised = 0; raised < logs.size(); ++raised) {
            FakeControls controls;
            ScriptedRandom random(replay::LayoutDraws(9, {7}));
            FormEvents form(controls, random);
            form.Load({});
            form.SelectFigure(2, JacksRank);
            form.AssignNames();
            controls.texts["Combo1"] = "Кто меня любит?";
            controls.log.clear();
            if (raised == 1)
                form.Raise(event);
            else if (handler != nullptr)
                (form.*handler)();
            logs[raised] = controls.log;
        }
        EXPECT_EQ(logs[1], logs[0]) << static_cast<int>(event);
        EXPECT_EQ(logs[1].empty(), handler == nullptr) << static_cast<int>(event);
    }
}

} // namespace
} // namespace zarvel::test
