#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace zarvel {

// One card of the 36-card deck, packed as 10 × suit + rank: 9 is the ace of
// hearts, 17 the queen of diamonds, 38 the king of spades. The valid codes
// are 1–9, 11–19, 21–29 and 31–39; 0 is "no card" (an empty deal slot);
// 10, 20 and 30 name no card and are never dealt. A card face is carried by
// the picture control of the same number, so Image17 shows the queen of
// diamonds.
using CardCode = std::int16_t;

inline constexpr CardCode NoCard = 0;

// The suits in the order of their codes; the figure row, the picture tool
// and the card names all take the order from here.
enum class Suit : std::int16_t { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };
inline constexpr std::array<Suit, 4> AllSuits = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

enum class Rank : std::int16_t { Six = 1, Seven, Eight, Nine, Ten, Jack, Queen, King, Ace };
inline constexpr std::array<Rank, 9> AllRanks
    = {Rank::Six, Rank::Seven, Rank::Eight, Rank::Nine, Rank::Ten, Rank::Jack, Rank::Queen, Rank::King, Rank::Ace};

constexpr bool IsValidCardCode(int code) { return code >= 1 && code <= 39 && code % 10 != 0; }

// The one place where a suit and a rank are packed into a code.
constexpr CardCode MakeCardCode(Suit suit, Rank rank)
{
    const int code = 10 * static_cast<int>(suit) + static_cast<int>(rank);
    assert(IsValidCardCode(code));
    return static_cast<CardCode>(code);
}

// Precondition for both: IsValidCardCode(code).
constexpr Suit SuitOf(CardCode code)
{
    assert(IsValidCardCode(code));
    return static_cast<Suit>(code / 10);
}
constexpr Rank RankOf(CardCode code)
{
    assert(IsValidCardCode(code));
    return static_cast<Rank>(code % 10);
}

// Position of a suit or rank in AllSuits / AllRanks, for indexing tables.
constexpr std::size_t IndexOf(Suit suit) { return static_cast<std::size_t>(suit); }
constexpr std::size_t IndexOf(Rank rank) { return static_cast<std::size_t>(rank) - 1; }

} // namespace zarvel
