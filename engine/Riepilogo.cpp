#include "Riepilogo.h"

#include <algorithm>

#include "Punteggio.h"
#include "Testi.h"

namespace brivetta {

Riepilogo CompilaRiepilogo(const StatoTavolo& s, const PerPosto& importi, const PerPosto& posti) {
    Riepilogo r;
    const int n = s.NumGiocatori;
    for (int i = 1; i <= n; ++i)
        r.CarteMassime = std::max(r.CarteMassime, static_cast<int>(s.NumCarte[i]));
    for (int i = 1; i <= MaxGiocatori; ++i) {
        auto& riga = r.Righe[i];
        riga.Visibile = i <= n;
        // The computer seats are named without the blanks they carry on the table.
        riga.Nome = i == 1 ? s.Nomi[1] : SenzaSpaziIniziali(s.Nomi[i]);
        riga.Mazziere = i == s.Mazziere && i <= n;
        if (i > n) continue;
        const int importo = importi[i];
        riga.Punti = s.Punteggio[i];
        riga.Importo = importo;
        riga.Faccia = importo >= 0 ? Volto::Contento : Volto::Scontento;
        riga.Soldi = s.Soldi[i];
    }
    for (int p = 1; p <= n; ++p)
        r.Righe[posti[p]].Posizione = p;
    return r;
}

std::optional<Effetto> SuonoRiepilogo(const StatoTavolo& s, const PerPosto& importi) {
    const Singolo punti = s.Punteggio[1];
    if (importi[1] < 0 && !Sballato(punti)) return Effetto::ManchePersa;
    if (importi[1] >= 0 && punti < SetteEMezzo) return Effetto::MancheVinta;
    return std::nullopt;
}

} // namespace brivetta
