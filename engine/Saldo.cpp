// Settlement of a manche against the dealer, the ranking by money, and what the hand summary
// shows when it loads.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "Gioco.h"

namespace brivetta {

namespace {
constexpr Singolo Sballo = 8; // any score above 7 1/2
const std::array<const char*, MaxGiocatori + 1> NomiRiepilogo = {
    "", "", "Bruno", "Sandro", "Elvira", "Leonardo", "Marisa"};
} // namespace

bool Gioco::DueCarteSetteEMezzo(int seat) const {
    return s_.NumCarte[seat] == 2 && s_.Punteggio[seat] == 7.5f;
}

void Gioco::SaldaManche() {
    const int d = s_.Mazziere;
    const int n = s_.NumGiocatori;
    const Singolo punteggioMazziere = s_.Punteggio[d];
    int netto = 0; // the dealer banks every bet
    std::array<int, MaxGiocatori + 1> risultato{};
    for (int i = 1; i <= n; ++i) {
        if (i == d) continue;
        const int posta = s_.Posta[i];
        const Singolo punti = s_.Punteggio[i];
        // Ties go to the dealer, and so does a seat that busts, even against a bust dealer.
        int r = (punti <= punteggioMazziere || punti >= Sballo) ? -posta : posta;
        if (punteggioMazziere > 7.5f && punti < Sballo) r = std::abs(posta);
        risultato[i] = r;
        netto -= r;
    }
    if (s_.VincitaDoppia != 0) {
        // A two-card 7 1/2 doubles the stakes: a seat's amount, when the dealer has two cards
        // or more (a win, or a loss to the dealer's own 7 1/2); or, when the dealer holds it,
        // the loss of every seat that played on to two or more cards without busting.
        const bool mazziereDoppio = DueCarteSetteEMezzo(d);
        for (int i = 1; i <= n; ++i) {
            if (i == d) continue;
            const bool doppio = mazziereDoppio ? s_.NumCarte[i] >= 2 && s_.Punteggio[i] < Sballo
                                               : DueCarteSetteEMezzo(i) && s_.NumCarte[d] >= 2;
            if (!doppio) continue;
            netto -= risultato[i];
            risultato[i] *= 2;
        }
    }
    risultato[d] = netto;
    importi_.fill(0);
    for (int i = 1; i <= n; ++i) {
        importi_[i] = static_cast<Intero>(risultato[i]);
        s_.Posta[i] = importi_[i];
        s_.Soldi[i] = static_cast<Intero>(s_.Soldi[i] + risultato[i]);
    }
}

void Gioco::Classifica() {
    const int n = s_.NumGiocatori;
    posti_.fill(0);
    for (int p = 1; p <= n; ++p)
        posti_[p] = static_cast<Intero>(p);
    // Exchange sort on strictly less money: equal money keeps seat order, so the human ranks
    // ahead of the computer seats he ties with.
    for (int fine = n; fine > 1;) {
        int ultimoScambio = 1;
        for (int k = 1; k < fine; ++k) {
            if (s_.Soldi[posti_[k]] < s_.Soldi[posti_[k + 1]]) {
                std::swap(posti_[k], posti_[k + 1]);
                ultimoScambio = k;
            }
        }
        fine = ultimoScambio;
    }
    for (int p = 1; p <= n; ++p)
        if (posti_[p] == 1) s_.Piazzamento = static_cast<Intero>(p);
}

Riepilogo Gioco::CaricaRiepilogo() {
    Riepilogo r;
    const int n = s_.NumGiocatori;
    for (int i = 1; i <= n; ++i)
        r.CarteMassime = std::max(r.CarteMassime, static_cast<int>(s_.NumCarte[i]));
    for (int i = 1; i <= MaxGiocatori; ++i) {
        r.Righe[i].Visibile = i <= n;
        r.Righe[i].Nome = i == 1 ? s_.Nomi[1] : NomiRiepilogo[i];
    }
    if (s_.Mazziere >= 1 && s_.Mazziere <= n) {
        auto& riga = r.Righe[s_.Mazziere];
        riga.Mazziere = true;
        riga.Nome += " (Mazziere)";
    }

    SaldaManche();
    for (int i = 1; i <= n; ++i) {
        auto& riga = r.Righe[i];
        const int importo = importi_[i];
        const Singolo punti = s_.Punteggio[i];
        riga.Punti = TestoPunteggio(punti);
        riga.Importo =
            importo >= 0 ? "+ " + std::to_string(importo) : "- " + std::to_string(-importo);
        riga.Faccia = importo >= 0 ? 2 * i - 2 : 2 * i - 1;
        riga.Soldi = s_.Soldi[i];
        // The table already had its sound for a bust or a 7 1/2.
        if (i == 1) {
            if (importo < 0 && punti < Sballo)
                SuonaEffetto("oh_no.wav");
            else if (importo >= 0 && punti < 7.5f)
                SuonaEffetto("risata.wav");
        }
    }
    Classifica();
    for (int p = 1; p <= n; ++p)
        r.Righe[posti_[p]].Posizione = std::to_string(p) + "°";
    return r;
}

} // namespace brivetta
