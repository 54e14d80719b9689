#pragma once
// The computer seats' play. Each decision looks at the current seat's own score, card count and
// matta only: the stake step on the slider and a face-up card or a stop. Computer seats never
// take covered cards; a computer dealer never bluffs and never stakes.

#include "Strategia.h"

namespace brivetta {

class StrategiaTabella final : public Strategia {
  public:
    // Reseeds the random source first.
    Mossa Scegli(const StatoTavolo& s, FonteCasuale& caso) override { return Decidi(s, caso); }
    // The same for any source; the game calls it with its own, directly.
    template <class Fonte> static Mossa Decidi(const StatoTavolo& s, Fonte& caso);
};

namespace tabella {
// Rounding down, negative numbers included (a conversion alone rounds towards zero).
inline int Int(double x) {
    const int i = static_cast<int>(x);
    return i - (x < i);
}

inline constexpr int Tutto = MassimoCursore;

// A step on the slider, then a face-up card or a stop.
inline Mossa Pesca(int passo) {
    return {passo, passo, Azione::CartaScoperta};
}
inline Mossa Ferma(int passo) {
    return {passo, passo, Azione::Stop};
}

// The decision table, before the dealer's stake rules.
// Inlined: returning a move from a call costs more than the decision itself.
template <class Fonte>
[[gnu::always_inline]] inline Mossa Tabella(const StatoTavolo& s, Fonte& caso) {
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
} // namespace tabella

template <class Fonte>
[[gnu::always_inline]] inline Mossa StrategiaTabella::Decidi(const StatoTavolo& s, Fonte& caso) {
    caso.Riseme();
    const Mossa m = tabella::Tabella(s, caso);
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
