#pragma once
// A hand's score, with the rule of the matta.

#include "StatoTavolo.h"

namespace brivetta {

constexpr Singolo SetteEMezzo = 7.5f;

// Scores the seat's hand into Punteggio and notes the seat in GiocatoreMatta when the hand
// holds the matta. The matta is worth at least 1/2 and whatever completes 7 1/2 when it can;
// while the rest makes a whole score below 7 it stays unvalued, and the stop values it.
void PunteggioMano(StatoTavolo& s, int posto);

inline bool Sballato(Singolo punteggio) {
    return punteggio > SetteEMezzo;
}
inline bool DueCarteSetteEMezzo(const StatoTavolo& s, int posto) {
    return s.NumCarte[posto] == 2 && s.Punteggio[posto] == SetteEMezzo;
}

// A matta still without a value at the stop takes whatever makes the hand 7.
void ValutaMattaAlloStop(StatoTavolo& s, int posto);
// A seat whose turn begins holding the matta: a whole score other than 7 becomes 7, anything
// else 7 1/2.
void ValutaMattaAInizioTurno(StatoTavolo& s, int posto);

// The seat's turn ends by itself after a card: the human's above 7, a computer seat's above 7
// or above 5 while it holds the matta.
inline bool SiFermaDaSolo(const StatoTavolo& s, int posto) {
    const Singolo punti = s.Punteggio[posto];
    if (posto == 1) return punti > 7;
    return punti > 7 || (punti > 5 && s.GiocatoreMatta == posto);
}

} // namespace brivetta
