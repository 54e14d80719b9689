#pragma once
// The settlement of a manche against the dealer, and the ranking of the seats by money.

#include <array>

#include "StatoTavolo.h"

namespace brivetta {

using PerPosto = std::array<Intero, MaxGiocatori + 1>; // 1..6

// One seat's result against the dealer for its stake: ties go to the dealer, and so does a seat
// that busts, even against a bust dealer.
int RisultatoControMazziere(Singolo punti, Singolo punteggioMazziere, int posta);

// Settles every seat with the dealer, the double-win rule included, and moves the money.
// Returns each seat's amount and, for the dealer, its net; Posta takes the same amounts.
PerPosto SaldaManche(StatoTavolo& s);

// The seat at each position 1..NumGiocatori, richest first; equal money keeps seat order, so
// the human ranks ahead of the computer seats he ties with.
PerPosto Classifica(const StatoTavolo& s);
// The human's place in that ranking: one after every seat with more money than his.
Intero PiazzamentoUmano(const StatoTavolo& s);

} // namespace brivetta
