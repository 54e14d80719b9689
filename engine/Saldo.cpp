#include "Saldo.h"

#include <cstdlib>
#include <utility>

#include "Punteggio.h"

namespace brivetta {

int RisultatoControMazziere(Singolo punti, Singolo punteggioMazziere, int posta) {
    if (Sballato(punti)) return -posta;
    if (Sballato(punteggioMazziere)) return std::abs(posta);
    return punti > punteggioMazziere ? posta : -posta;
}

namespace {
// With the double-win rule a two-card 7 1/2 doubles the stakes: a seat's amount, when the dealer
// has two cards or more (a win, or a loss to the dealer's own 7 1/2); or, when the dealer holds
// it, the loss of every seat that played on to two or more cards without busting.
bool Raddoppiato(const StatoTavolo& s, int posto) {
    const int d = s.Mazziere;
    if (DueCarteSetteEMezzo(s, d)) return s.NumCarte[posto] >= 2 && !Sballato(s.Punteggio[posto]);
    return DueCarteSetteEMezzo(s, posto) && s.NumCarte[d] >= 2;
}
} // namespace

PerPosto SaldaManche(StatoTavolo& s) {
    const int d = s.Mazziere;
    const int n = s.NumGiocatori;
    PerPosto importi{};
    int netto = 0; // the dealer banks every bet
    for (int i = 1; i <= n; ++i) {
        if (i == d) continue;
        int r = RisultatoControMazziere(s.Punteggio[i], s.Punteggio[d], s.Posta[i]);
        if (s.VincitaDoppia && Raddoppiato(s, i)) r *= 2;
        netto -= r;
        importi[i] = static_cast<Intero>(r);
    }
    importi[d] = static_cast<Intero>(netto);
    for (int i = 1; i <= n; ++i) {
        s.Posta[i] = importi[i];
        s.Soldi[i] = static_cast<Intero>(s.Soldi[i] + importi[i]);
    }
    return importi;
}

PerPosto Classifica(const StatoTavolo& s) {
    const int n = s.NumGiocatori;
    PerPosto posti{};
    for (int p = 1; p <= n; ++p)
        posti[p] = static_cast<Intero>(p);
    // Exchange sort on strictly less money, each pass ending where the last one exchanged.
    for (int fine = n; fine > 1;) {
        int ultimoScambio = 1;
        for (int k = 1; k < fine; ++k) {
            if (s.Soldi[posti[k]] < s.Soldi[posti[k + 1]]) {
                std::swap(posti[k], posti[k + 1]);
                ultimoScambio = k;
            }
        }
        fine = ultimoScambio;
    }
    return posti;
}

Intero PiazzamentoUmano(const StatoTavolo& s) {
    int piazzamento = 1;
    for (int p = 2; p <= s.NumGiocatori; ++p)
        piazzamento += s.Soldi[p] > s.Soldi[1];
    return static_cast<Intero>(piazzamento);
}

} // namespace brivetta
