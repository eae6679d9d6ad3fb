#include "menu_tree.h"

#include "figure_groups.h"

namespace zarvel {

const std::array<MenuEntry, 25> MenuTree = {{
    {0, "Гадание", "Гадание", 0, 0},
    {1, "Гадание_девушки", "Девушки", 0, 0},
    {2, "Девушки_на_4_короля", "На 4 короля", 0, 0},
    {3, "на_королей_дама_бубен", "Вы-дама бубен-молодая", 2, KingsRank},
    {3, "На_королей_дама_черви", "Вы-дама черви-замужняя", 1, KingsRank},
    {3, "На_королей_дама_крести", "Вы-дама крести", 3, KingsRank},
    {3, "На_королей_дама_вини", "Вы-дама вини-бабушка", 4, KingsRank},
    {2, "Девушки_на_4_вальта", "На 4 вальта", 0, 0},
    {3, "на_вальтов_дама_бубен", "Вы-дама бубен-молодая", 2, JacksRank},
    {3, "на_вальтов_дама_черви", "Вы-дама черви-замужняя", 1, JacksRank},
    {3, "на_вальтов_дама_крести", "Вы-дама крести", 3, JacksRank},
    {3, "На_вальтов_дама_вини", "Вы-дама вини-бабушка", 4, JacksRank},
    {1, "Гадание_парня", "Парня", 0, 0},
    {2, "Парня_на_4_дамы", "На 4 дамы", 0, 0},
    {3, "Вы_король_мужчина", "Вы-король (мужчина)", 0, 0},
    {4, "Король_черви_замужний", "Король черви-замужний", 11, QueensRank},
    {4, "Король_буби_молодой", "Король-буби-молодой", 12, QueensRank},
    {4, "Король_крести_богатый", "Король-крести-богатый", 13, QueensRank},
    {4, "Король_вини_дедушка", "Король-вини-дедушка", 14, QueensRank},
    {3, "Вы_валет_парень", "Вы-валет (парень)", 0, 0},
    {4, "Валет_черви_замужний", "Валет черви-замужний", 16, QueensRank},
    {4, "Валет_буби_молодой", "Валет-буби-молодой", 17, QueensRank},
    {4, "Валет_крести_богатый", "Валет-крести-богатый", 18, QueensRank},
    {4, "Валет_вини", "Валет-вини", 19, QueensRank},
    {0, AssignNamesCommand, "Назначить имена", 0, 0},
}};

MenuCommand CommandOf(const MenuEntry &entry)
{
    if (entry.control == AssignNamesCommand)
        return MenuCommand::AssignNames;
    return entry.figure == 0 ? MenuCommand::OpenSubmenu : MenuCommand::PickFigure;
}

std::array<int, FigureRowLength> FigureRowImages(int rank)
{
    const FigureGroup *group = FigureGroupOf(rank);
    if (group == nullptr)
        return {};
    // The first name belongs to the hearts figure, the second to clubs, the
    // third to diamonds, the fourth to spades; the ace stands for nobody.
    const auto figure = [group](Suit suit) { return (*group)[IndexOf(suit)]; };
    return {figure(Suit::Hearts), figure(Suit::Clubs), MakeCardCode(Suit::Hearts, Rank::Ace), figure(Suit::Diamonds),
        figure(Suit::Spades)};
}

} // namespace zarvel
