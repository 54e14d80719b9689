#pragma once
// A hand's score, with the rule of the matta.

#include <array>

#include "StatoTavolo.h"

namespace brivetta {

constexpr Singolo SetteEMezzo = 7.5f;

// Scores are counted inline: the simulator and the advisor score millions of hands.
namespace dettaglio {
// Whole: scores are small, so the conversion is exact (and cheaper than a call to floor).
inline bool Tondo(Singolo x) {
    return x == static_cast<Singolo>(static_cast<int>(x));
}

// Each card's value in halves: a figure is worth 1/2, any other card its rank.
constexpr std::array<int, CarteNelMazzo + 1> MezziCarta = [] {
    std::array<int, CarteNelMazzo + 1> mezzi{};
    for (int c = 1; c <= CarteNelMazzo; ++c)
        mezzi[static_cast<std::size_t>(c)] = ValoreCarta(c) > 7 ? 1 : 2 * ValoreCarta(c);
    return mezzi;
}();
} // namespace dettaglio

// Scores the seat's hand into Punteggio and notes the seat in GiocatoreMatta when the hand
// holds the matta. The matta is worth at least 1/2 and whatever completes 7 1/2 when it can;
// while the rest makes a whole score below 7 it stays unvalued, and the stop values it.
inline void PunteggioMano(StatoTavolo& s, int posto) {
    using dettaglio::MezziCarta;
    using dettaglio::Tondo;
    int mezzi = 0;
    bool ultimaMatta = false;
    for (int k = 1; k <= s.NumCarte[posto]; ++k) {
        const int c = s.Mano[posto][k];
        ultimaMatta = c == Matta;
        if (ultimaMatta)
            s.GiocatoreMatta = static_cast<Intero>(posto); // counted once the other cards are known
        else if (c >= 1 && c <= CarteNelMazzo)
            mezzi += MezziCarta[static_cast<std::size_t>(c)];
    }
    Singolo totale = static_cast<Singolo>(mezzi) * 0.5f;
    if (s.NumCarte[posto] > 0 && s.GiocatoreMatta == posto) {
        if (totale == SetteEMezzo) totale = 8; // the matta's least value, 1/2, breaks it
        if (Tondo(totale)) {
            if (totale == 7)
                totale = SetteEMezzo;
            else if (!ultimaMatta && totale > SetteEMezzo)
                totale += 0.5f;
        } else {
            totale = SetteEMezzo;
        }
    }
    s.Punteggio[posto] = totale;
}

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
