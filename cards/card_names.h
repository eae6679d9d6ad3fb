#pragma once

#include "state/card_code.h"

#include <string>

namespace zarvel {

// The card's name as a Russian player says it, rank and suit in the
// genitive ("Дама червей"); empty for a code that names no card. Screen
// readers announce the pictures by these names.
std::string CardName(int code);

} // namespace zarvel
