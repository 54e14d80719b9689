#pragma once
// The computer seats' play. Each decision looks at the current seat's own score, card count and
// matta only: the stake step on the slider and a face-up card or a stop. Computer seats never
// take covered cards; a computer dealer never bluffs and never stakes.

#include "FonteCasuale.h"
#include "StatoTavolo.h"

namespace brivetta {

constexpr int MassimoCursore = 15; // the largest step one action can add

struct MossaComputer {
    int Cursore = 0;    // the step staked, after the dealer's rules
    bool Pesca = false; // a face-up card; otherwise a stop
    int Tabella = 0;    // the step the decision table gave, shown before the corrections
};

// One decision for seat Turno. Reseeds the random source first; changes nothing else.
MossaComputer ScegliMossa(const StatoTavolo& s, FonteCasuale& caso);

} // namespace brivetta
