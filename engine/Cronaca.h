#pragma once
// What happens to a game, told as it happens: the player's statistics follow it.

#include "StatoTavolo.h"

namespace brivetta {

class Cronaca {
  public:
    virtual ~Cronaca() = default;
    // The money just dealt: s.MalloppoIniziale each.
    virtual void PartitaIniziata(const StatoTavolo& s) = 0;
    // After the settlement: s.Soldi[1] is the human's money.
    virtual void MancheSaldata(const StatoTavolo& s) = 0;
    // The end-of-game window is about to show; s.Piazzamento is set.
    virtual void PartitaFinita(const StatoTavolo& s) = 0;
};

} // namespace brivetta
