#include "Computer.h"

#include <cmath>

namespace brivetta {

namespace {
int Int(double x) {
    return static_cast<int>(std::floor(x));
}

constexpr int Tutto = MassimoCursore;

// The decision table, before the dealer's stake rules.
MossaComputer Tabella(const StatoTavolo& s, FonteCasuale& caso) {
    const int t = s.Turno;
    const Singolo punti = s.Punteggio[t];
    const int carte = s.NumCarte[t];
    const bool matta = s.GiocatoreMatta == t;
    if (punti == 0) return {Tutto, true}; // the matta alone
    if (punti < 1)
        return matta ? MossaComputer{Tutto, true} : MossaComputer{Int(5 * caso.Numero()) + 1, true};
    if (punti > 5) {
        if (carte >= 2) return {0, false};
        if (matta) return {Tutto, true};
        return {Int(caso.Numero() + 1) * 5 + 10, false}; // always the full 15
    }
    if (matta) return punti < 3 ? MossaComputer{Tutto, true} : MossaComputer{0, false};
    if (carte == 1) {
        // One time in ten (never at Bluff 10) a first card of 1 to 5 is played as a strong one.
        int x = Int(10 * caso.Numero() - s.Bluff) + 1;
        if (t == s.Mazziere) x = 2;
        if (x == 1) return {(Int(3 * caso.Numero()) + 1) * 5, false};
        if (punti >= 1.5f) return {0, true};
        return {Int(6 * caso.Numero()), true};
    }
    if (punti == 1.5f) return {Int(6 * caso.Numero()), true};
    return {0, true};
}
} // namespace

MossaComputer ScegliMossa(const StatoTavolo& s, FonteCasuale& caso) {
    caso.Riseme();
    MossaComputer m = Tabella(s, caso);
    m.Tabella = m.Cursore;
    const int t = s.Turno;
    const int carte = s.NumCarte[t];
    // Keep to the dealer's rules: at least 1 with the first card, nothing more at a stop with
    // two or more cards, nothing at all for the dealer.
    if (carte == 1 && m.Cursore == 0) m.Cursore = 1;
    if (!m.Pesca && carte > 1 && m.Cursore > 0) m.Cursore = 0;
    if (t == s.Mazziere) m.Cursore = 0;
    return m;
}

} // namespace brivetta
