#include "Punteggio.h"

#include <cmath>

namespace brivetta {

namespace {
bool Tondo(Singolo x) {
    return x == std::floor(x);
}
} // namespace

void PunteggioMano(StatoTavolo& s, int posto) {
    Singolo totale = 0;
    bool ultimaMatta = false;
    for (int k = 1; k <= s.NumCarte[posto]; ++k) {
        const int c = s.Mano[posto][k];
        const int rango = ValoreCarta(c);
        Singolo valore = rango > 7 ? 0.5f : static_cast<Singolo>(rango);
        ultimaMatta = c == Matta;
        if (ultimaMatta) {
            s.GiocatoreMatta = static_cast<Intero>(posto);
            valore = 0; // counted once the other cards are known
        }
        totale += valore;
    }
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

bool Sballato(Singolo punteggio) {
    return punteggio > SetteEMezzo;
}

bool DueCarteSetteEMezzo(const StatoTavolo& s, int posto) {
    return s.NumCarte[posto] == 2 && s.Punteggio[posto] == SetteEMezzo;
}

void ValutaMattaAlloStop(StatoTavolo& s, int posto) {
    if (s.GiocatoreMatta == posto && Tondo(s.Punteggio[posto])) s.Punteggio[posto] = 7;
}

void ValutaMattaAInizioTurno(StatoTavolo& s, int posto) {
    if (s.GiocatoreMatta != posto) return;
    const Singolo punti = s.Punteggio[posto];
    s.Punteggio[posto] = Tondo(punti) && punti != 7 ? 7.0f : SetteEMezzo;
}

bool SiFermaDaSolo(const StatoTavolo& s, int posto) {
    const Singolo punti = s.Punteggio[posto];
    if (posto == 1) return punti > 7;
    return punti > 7 || (punti > 5 && s.GiocatoreMatta == posto);
}

} // namespace brivetta
