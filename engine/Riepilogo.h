#pragma once
// What the hand summary shows, compiled when the manche has been settled.

#include <array>
#include <optional>
#include <string>

#include "Effetto.h"
#include "Saldo.h"
#include "StatoTavolo.h"
#include "VistaTavolo.h"

namespace brivetta {

struct RigaRiepilogo {
    bool Visibile = false;
    std::string Nome;              // without leading blanks
    bool Mazziere = false;         // named as the dealer, dark blue, italic, larger
    Singolo Punti = 0;             // the hand's score
    int Importo = 0;               // won (+) or lost (-) in this manche
    Volto Faccia = Volto::Nessuno; // smiling unless the seat lost
    Intero Soldi = 0;              // money after the settlement
    int Posizione = 0;             // place in the ranking, 1..6
};

struct Riepilogo {
    std::array<RigaRiepilogo, MaxGiocatori + 1> Righe{}; // 1..6
    int CarteMassime = 1; // the longest hand on the table, for the window's placement
};

// The summary of a settled manche: each seat's amount and its place in the ranking.
Riepilogo CompilaRiepilogo(const StatoTavolo& s, const PerPosto& importi, const PerPosto& posti);

// The human's sound as the summary opens: a win laughs, a loss groans. A bust or a 7 1/2 had its
// sound on the table already.
std::optional<Effetto> SuonoRiepilogo(const StatoTavolo& s, const PerPosto& importi);

} // namespace brivetta
