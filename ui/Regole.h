#pragma once
// The rules of the game as the help menu tells them.

#include <string>

namespace brivetta {

std::string TestoRegole();

} // namespace brivetta
