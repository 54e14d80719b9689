#pragma once
// The computer seats' play. Each decision looks at the current seat's own score, card count and
// matta only: the stake step on the slider and a face-up card or a stop. Computer seats never
// take covered cards; a computer dealer never bluffs and never stakes.

#include "Strategia.h"

namespace brivetta {

class StrategiaTabella : public Strategia {
  public:
    // Reseeds the random source first.
    Mossa Scegli(const StatoTavolo& s, FonteCasuale& caso) override;
};

} // namespace brivetta
