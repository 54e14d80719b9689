// The deck is never an ordered pile: it is the table of 40 card states, and each card is
// drawn by picking indexes at random until one is still in the deck.
#include "Gioco.h"

namespace brivetta {

void Gioco::PescaCarta() {
    caso_.Riseme();
    if (s_.CarteUscite >= CarteNelMazzo) {
        // Only the cards of earlier manches come back; those on the table stay out.
        for (int i = 1; i <= CarteNelMazzo; ++i) {
            if (s_.Mazzo[i] == Usata) {
                s_.Mazzo[i] = NelMazzo;
                --s_.CarteUscite;
            }
        }
        ui_.Messaggio("Il mazziere ha finito le carte, ora rimescola le carte usate nelle "
                      "precedenti manches.");
    }
    // Cannot run forever: one manche never holds all 40 cards on the table.
    int i = 0;
    do {
        i = static_cast<int>(caso_.Numero() * CarteNelMazzo) + 1;
        s_.UltimaCarta = static_cast<Intero>(i);
        ui_.Cedi();
    } while (s_.Mazzo[i] != NelMazzo);
    s_.Mazzo[i] = InGioco;
    ++s_.CarteUscite;
}

void Gioco::ScartaCarteManche() {
    for (int seat = 1; seat <= s_.NumGiocatori; ++seat)
        for (int k = 1; k <= s_.NumCarte[seat]; ++k) s_.Mazzo[s_.Mano[seat][k]] = Usata;
}

void Gioco::RimescolaMazzo() {
    s_.CarteUscite = 0;
    for (int i = 1; i <= CarteNelMazzo; ++i) s_.Mazzo[i] = NelMazzo;
}

} // namespace brivetta
