#include "catalogue.h"

#include "card_code.h"
#include "control_names.h"

#include <string_view>

namespace zarvel {

namespace {

// In the order of AllRanks and AllSuits; the suit in the genitive.
constexpr std::array<std::string_view, AllRanks.size()> RankNames
    = {"Шестёрка", "Семёрка", "Восьмёрка", "Девятка", "Десятка", "Валет", "Дама", "Король", "Туз"};
constexpr std::array<std::string_view, AllSuits.size()> SuitNames = {"червей", "бубен", "треф", "пик"};

} // namespace

const std::vector<int> &CataloguePictures()
{
    static const std::vector<int> pictures = [] {
        std::vector<int> numbers;
        for (int n = 1; n <= ImageCount; ++n) {
            if (CarriesPicture(n))
                numbers.push_back(n);
        }
        return numbers;
    }();
    return pictures;
}

bool CarriesPicture(int imageNumber)
{
    return IsValidCardCode(imageNumber) || imageNumber == ConfirmImage || imageNumber == CardBackImage;
}

std::string PictureFileName(int imageNumber, int scale)
{
    const std::string stem = "image" + std::to_string(imageNumber);
    return scale == 1 ? stem + ".png" : stem + "@" + std::to_string(scale) + "x.png";
}

std::string PictureName(int imageNumber)
{
    if (imageNumber == ConfirmImage)
        return "Ок";
    if (imageNumber == CardBackImage)
        return "Рубашка";
    if (!IsValidCardCode(imageNumber))
        return {};
    const auto code = static_cast<CardCode>(imageNumber);
    std::string name(RankNames[IndexOf(RankOf(code))]);
    name += ' ';
    name += SuitNames[IndexOf(SuitOf(code))];
    return name;
}

} // namespace zarvel
