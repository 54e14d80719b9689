#pragma once
// The deck is never an ordered pile: it is the table of 40 card states, and each card is drawn
// by picking indexes at random until one is still in the deck.

#include "FonteCasuale.h"
#include "StatoTavolo.h"

namespace brivetta {

// An empty deck takes back the cards put aside in earlier manches (those on the table stay
// out). Returns true when it did, which the dealer announces.
bool RiportaCarteUsate(StatoTavolo& s);
// Draws the next card into UltimaCarta and marks it dealt. Cannot run forever: one manche never
// holds all 40 cards on the table. A template, so that the game's own source is called directly.
template <class Fonte> void EstraiCarta(StatoTavolo& s, Fonte& caso) {
    int i = 0;
    do {
        i = static_cast<int>(caso.Numero() * CarteNelMazzo) + 1;
    } while (s.Mazzo[i] != StatoCarta::NelMazzo);
    s.UltimaCarta = static_cast<Intero>(i);
    s.Mazzo[i] = StatoCarta::InGioco;
    ++s.CarteUscite;
}
// The manche's cards put aside as used.
void ScartaCarteManche(StatoTavolo& s);
// All 40 cards back in the deck.
void RimescolaMazzo(StatoTavolo& s);

// The seat that takes the deck at the end of the manche, or 0 when the dealer keeps it: the
// first seat after the dealer, in playing order, holding 7 1/2 with two cards, unless the
// dealer holds one too.
int NuovoMazziere(const StatoTavolo& s);

} // namespace brivetta
