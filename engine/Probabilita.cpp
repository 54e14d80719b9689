#include "Probabilita.h"

#include <algorithm>

#include "Punteggio.h"

namespace brivetta {

namespace {
constexpr int Umano = 1;

// The hand plus one card, scored on a table of its own: the matta counts only when the hand
// itself holds it, whoever else holds it at the real table.
Singolo PunteggioCon(std::span<const Intero> mano, int carta) {
    StatoTavolo prova;
    std::copy(mano.begin(), mano.end(), prova.Mano[Umano].begin() + 1);
    prova.Mano[Umano][mano.size() + 1] = static_cast<Intero>(carta);
    prova.NumCarte[Umano] = static_cast<Intero>(mano.size() + 1);
    PunteggioMano(prova, Umano);
    return prova.Punteggio[Umano];
}
} // namespace

int Percento(int parte, int tutto) {
    if (tutto <= 0) return 0;
    return (200 * parte + tutto) / (2 * tutto);
}

int Probabilita::PercentoSballo() const {
    return Percento(Sballano, Candidate);
}

int Probabilita::PercentoSetteEMezzo() const {
    return Percento(FannoSetteEMezzo, Candidate);
}

CarteNote CarteConosciute(const StatoTavolo& s, const VistaTavolo& v) {
    const bool rifornimento = s.CarteUscite >= CarteNelMazzo;
    CarteNote note{};
    for (int c = 1; c <= CarteNelMazzo; ++c)
        note[c] = v.Carte[c].Posto != 0 || (s.Mazzo[c] == StatoCarta::Usata && !rifornimento);
    return note;
}

Probabilita ProbabilitaProssimaCarta(const CarteNote& note, std::span<const Intero> mano) {
    Probabilita p;
    if (mano.size() >= MaxCarteMano) return p; // no room for another card
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        // The player's own cards are never the next one, whatever the table shows.
        if (note[c] || std::find(mano.begin(), mano.end(), c) != mano.end()) continue;
        ++p.Candidate;
        const Singolo punti = PunteggioCon(mano, c);
        if (Sballato(punti)) ++p.Sballano;
        if (punti == SetteEMezzo) ++p.FannoSetteEMezzo;
    }
    return p;
}

Probabilita ProbabilitaUmano(const StatoTavolo& s, const VistaTavolo& v) {
    const int n = std::clamp<int>(s.NumCarte[Umano], 0, MaxCarteMano);
    return ProbabilitaProssimaCarta(CarteConosciute(s, v), std::span(s.Mano[Umano]).subspan(1, n));
}

} // namespace brivetta
