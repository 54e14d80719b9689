#pragma once
// A player for a seat: the move it makes when its turn comes, read off the table. The computer
// seats play by a table of decisions; other players (an advisor playing for the human) plug in
// the same way.

#include "Evento.h"
#include "FonteCasuale.h"
#include "StatoTavolo.h"

namespace brivetta {

constexpr int MassimoCursore = 15; // the largest step one action can add

struct Mossa {
    int Tabella = 0;             // the step first shown on the slider
    int Cursore = 0;             // the step staked
    Azione Gesto = Azione::Stop; // CartaScoperta, CartaCoperta or Stop
};

class Strategia {
  public:
    virtual ~Strategia() = default;
    // The move of seat s.Turno. It may read the random source; it changes nothing else.
    virtual Mossa Scegli(const StatoTavolo& s, FonteCasuale& caso) = 0;
};

} // namespace brivetta
