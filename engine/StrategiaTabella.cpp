#include "StrategiaTabella.h"

namespace brivetta {

namespace {
// Rounding down, negative numbers included (a conversion alone rounds towards zero).
int Int(double x) {
    const int i = static_cast<int>(x);
    return i - (x < i);
}

constexpr int Tutto = MassimoCursore;

// A step on the slider, then a face-up card or a stop.
Mossa Pesca(int passo) {
    return {passo, passo, Azione::CartaScoperta};
}
Mossa Ferma(int passo) {
    return {passo, passo, Azione::Stop};
}

// The decision table, before the dealer's stake rules.
Mossa Tabella(const StatoTavolo& s, FonteCasuale& caso) {
    const int t = s.Turno;
    const Singolo punti = s.Punteggio[t];
    const int carte = s.NumCarte[t];
    const bool matta = s.GiocatoreMatta == t;
    if (punti == 0) return Pesca(Tutto); // the matta alone
    if (punti < 1) return matta ? Pesca(Tutto) : Pesca(Int(5 * caso.Numero()) + 1);
    if (punti > 5) {
        if (carte >= 2) return Ferma(0);
        if (matta) return Pesca(Tutto);
        return Ferma(Int(caso.Numero() + 1) * 5 + 10); // always the full 15
    }
    if (matta) return punti < 3 ? Pesca(Tutto) : Ferma(0);
    if (carte == 1) {
        // One time in ten (never at Bluff 10) a first card of 1 to 5 is played as a strong one.
        int x = Int(10 * caso.Numero() - s.Bluff) + 1;
        if (t == s.Mazziere) x = 2;
        if (x == 1) return Ferma((Int(3 * caso.Numero()) + 1) * 5);
        if (punti >= 1.5f) return Pesca(0);
        return Pesca(Int(6 * caso.Numero()));
    }
    if (punti == 1.5f) return Pesca(Int(6 * caso.Numero()));
    return Pesca(0);
}
} // namespace

Mossa StrategiaTabella::Scegli(const StatoTavolo& s, FonteCasuale& caso) {
    caso.Riseme();
    const Mossa m = Tabella(s, caso);
    const int t = s.Turno;
    const int carte = s.NumCarte[t];
    // Keep to the dealer's rules: at least 1 with the first card, nothing more at a stop with
    // two or more cards, nothing at all for the dealer.
    int cursore = m.Cursore;
    if (carte == 1 && cursore == 0) cursore = 1;
    if (m.Gesto == Azione::Stop && carte > 1) cursore = 0;
    if (t == s.Mazziere) cursore = 0;
    return {m.Tabella, cursore, m.Gesto};
}

} // namespace brivetta
