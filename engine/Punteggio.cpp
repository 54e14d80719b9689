#include "Punteggio.h"

#include <array>

namespace brivetta {

namespace {
// Whole: scores are small, so the conversion is exact (and cheaper than a call to floor).
bool Tondo(Singolo x) {
    return x == static_cast<Singolo>(static_cast<int>(x));
}

// Each card's value in halves: a figure is worth 1/2, any other card its rank.
constexpr std::array<int, CarteNelMazzo + 1> MezziCarta = [] {
    std::array<int, CarteNelMazzo + 1> mezzi{};
    for (int c = 1; c <= CarteNelMazzo; ++c)
        mezzi[static_cast<std::size_t>(c)] = ValoreCarta(c) > 7 ? 1 : 2 * ValoreCarta(c);
    return mezzi;
}();
} // namespace

void PunteggioMano(StatoTavolo& s, int posto) {
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

void ValutaMattaAlloStop(StatoTavolo& s, int posto) {
    if (s.GiocatoreMatta == posto && Tondo(s.Punteggio[posto])) s.Punteggio[posto] = 7;
}

void ValutaMattaAInizioTurno(StatoTavolo& s, int posto) {
    if (s.GiocatoreMatta != posto) return;
    const Singolo punti = s.Punteggio[posto];
    s.Punteggio[posto] = Tondo(punti) && punti != 7 ? 7.0f : SetteEMezzo;
}

} // namespace brivetta
