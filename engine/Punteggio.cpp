#include <cmath>
#include <string>

#include "Gioco.h"

namespace brivetta {

namespace {
bool Tondo(Singolo x) { return x == std::floor(x); }
} // namespace

void Gioco::PunteggioMano() {
    const int t = s_.Turno;
    Singolo totale = 0;
    bool ultimaMatta = false;
    for (int k = 1; k <= s_.NumCarte[t]; ++k) {
        const int c = s_.Mano[t][k];
        const int rango = ValoreCarta(c);
        Singolo valore = rango > 7 ? 0.5f : static_cast<Singolo>(rango);
        ultimaMatta = c == Matta;
        if (ultimaMatta) {
            s_.GiocatoreMatta = static_cast<Intero>(t);
            valore = 0; // counted by the matta rule once the other cards are known
        }
        totale += valore;
    }
    if (s_.NumCarte[t] > 0 && s_.GiocatoreMatta == t) {
        // The matta is worth at least 1/2, and takes whatever completes 7 1/2 when it can.
        if (totale == 7.5f) totale = 8;
        if (Tondo(totale)) {
            if (totale == 7) totale = 7.5f;
            else if (!ultimaMatta && totale > 7.5f) totale += 0.5f;
        } else {
            totale = 7.5f;
        }
    }
    s_.Punteggio[t] = totale;
}

std::string Gioco::TestoPunteggio(Singolo punteggio) {
    if (punteggio > 7.5f) return "Out";
    const long intera = static_cast<long>(std::floor(punteggio));
    if (Tondo(punteggio)) return std::to_string(intera);
    if (punteggio > 1) return std::to_string(intera) + " 1/2";
    return "1/2";
}

} // namespace brivetta
