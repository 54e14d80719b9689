#pragma once
// The rules of the game as the help menu tells them.

#include <QString>

namespace brivetta {

QString TestoRegole();

} // namespace brivetta
