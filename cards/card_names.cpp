#include "cards/card_names.h"

#include <array>
#include <string_view>

namespace zarvel {

namespace {

constexpr std::array<std::string_view, RankCount> RankNames = {
    "Шестёрка", "Семёрка", "Восьмёрка", "Девятка", "Десятка", "Валет", "Дама", "Король", "Туз",
};
constexpr std::array<std::string_view, SuitCount> SuitNames = {"червей", "бубен", "треф", "пик"};

} // namespace

std::string CardName(int code)
{
    if (!IsValidCardCode(code))
        return {};
    std::string name(RankNames[static_cast<std::size_t>(RankOf(code) - 1)]);
    name += ' ';
    name += SuitNames[static_cast<std::size_t>(SuitOf(code))];
    return name;
}

} // namespace zarvel
