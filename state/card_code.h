#pragma once

#include <cstdint>

namespace zarvel {

// One card of the 36-card deck as 10 × suit index + rank index.
// Suits: 0 hearts, 1 diamonds, 2 clubs, 3 spades.
// Ranks: 1 six … 5 ten, 6 jack, 7 queen, 8 king, 9 ace.
// 0 is "no card"; 10, 20 and 30 name no card and are never dealt.
using CardCode = std::int16_t;

inline constexpr CardCode NoCard = 0;
inline constexpr int SuitCount = 4;
inline constexpr int RankCount = 9;

constexpr CardCode MakeCardCode(int suit, int rank)
{
    return static_cast<CardCode>(10 * suit + rank);
}

constexpr int SuitOf(int code) { return code / 10; }
constexpr int RankOf(int code) { return code % 10; }

constexpr bool IsValidCardCode(int code)
{
    return code >= 1 && code <= 39 && code % 10 != 0;
}

} // namespace zarvel
