#include "Mazzo.h"

#include "Punteggio.h"

namespace brivetta {

bool RiportaCarteUsate(StatoTavolo& s) {
    if (s.CarteUscite < CarteNelMazzo) return false;
    for (int i = 1; i <= CarteNelMazzo; ++i) {
        if (s.Mazzo[i] == StatoCarta::Usata) {
            s.Mazzo[i] = StatoCarta::NelMazzo;
            --s.CarteUscite;
        }
    }
    return true;
}

void ScartaCarteManche(StatoTavolo& s) {
    for (int posto = 1; posto <= s.NumGiocatori; ++posto)
        for (int k = 1; k <= s.NumCarte[posto]; ++k)
            s.Mazzo[s.Mano[posto][k]] = StatoCarta::Usata;
}

void RimescolaMazzo(StatoTavolo& s) {
    s.CarteUscite = 0;
    for (int i = 1; i <= CarteNelMazzo; ++i)
        s.Mazzo[i] = StatoCarta::NelMazzo;
}

int NuovoMazziere(const StatoTavolo& s) {
    if (DueCarteSetteEMezzo(s, s.Mazziere)) return 0;
    const int n = s.NumGiocatori;
    for (int k = 1; k < n; ++k) {
        const int posto = (s.Mazziere - 1 + k) % n + 1;
        if (DueCarteSetteEMezzo(s, posto)) return posto;
    }
    return 0;
}

} // namespace brivetta
