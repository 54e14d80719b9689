#pragma once
// How the game's moments sound: the one table of wave files.

#include <QString>

#include "Effetto.h"

namespace brivetta {

// The wave file of the program's folder that plays for the effect.
QString FileEffetto(Effetto effetto);

} // namespace brivetta
