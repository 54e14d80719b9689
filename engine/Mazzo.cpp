#include "Mazzo.h"

#include "Punteggio.h"

namespace brivetta {

bool RiportaCarteUsate(StatoTavolo& s) {
    if (s.CarteUscite < CarteNelMazzo) return false;
    for (int i = 1; i <= CarteNelMazzo; ++i) {
        if (s.Mazzo[i] == Usata) {
            s.Mazzo[i] = NelMazzo;
            --s.CarteUscite;
        }
    }
    return true;
}

void EstraiCarta(StatoTavolo& s, FonteCasuale& caso) {
    int i = 0;
    do {
        i = static_cast<int>(caso.Numero() * CarteNelMazzo) + 1;
    } while (s.Mazzo[i] != NelMazzo);
    s.UltimaCarta = static_cast<Intero>(i);
    s.Mazzo[i] = InGioco;
    ++s.CarteUscite;
}

void ScartaCarteManche(StatoTavolo& s) {
    for (int seat = 1; seat <= s.NumGiocatori; ++seat)
        for (int k = 1; k <= s.NumCarte[seat]; ++k)
            s.Mazzo[s.Mano[seat][k]] = Usata;
}

void RimescolaMazzo(StatoTavolo& s) {
    s.CarteUscite = 0;
    for (int i = 1; i <= CarteNelMazzo; ++i)
        s.Mazzo[i] = NelMazzo;
}

int NuovoMazziere(const StatoTavolo& s) {
    if (DueCarteSetteEMezzo(s, s.Mazziere)) return 0;
    const int n = s.NumGiocatori;
    for (int k = 1; k < n; ++k) {
        const int seat = (s.Mazziere - 1 + k) % n + 1;
        if (DueCarteSetteEMezzo(s, seat)) return seat;
    }
    return 0;
}

} // namespace brivetta
