// The computer seats' play. Each call makes one decision for the current seat from its own
// score, card count and matta only: the stake step on the slider and a face-up card or a stop.
// Computer seats never take covered cards; a computer dealer never bluffs and never stakes.
#include <cmath>

#include "Gioco.h"

namespace brivetta {

namespace {
int Int(double x) {
    return static_cast<int>(std::floor(x));
}
} // namespace

Gioco::MossaComputer Gioco::ScegliMossa() {
    caso_.Riseme();
    const int t = s_.Turno;
    const Singolo punti = s_.Punteggio[t];
    const int carte = s_.NumCarte[t];
    const bool matta = s_.GiocatoreMatta == t;
    const bool mazziere = t == s_.Mazziere;
    constexpr int Tutto = MassimoCursore;

    MossaComputer m;
    if (punti == 0) {
        m = {Tutto, true}; // the matta alone
    } else if (punti < 1) {
        m = matta ? MossaComputer{Tutto, true} : MossaComputer{Int(5 * caso_.Numero()) + 1, true};
    } else if (punti > 5) {
        if (carte >= 2)
            m = {0, false};
        else if (matta)
            m = {Tutto, true};
        else
            m = {Int(caso_.Numero() + 1) * 5 + 10, false}; // always the full 15
    } else if (matta) {
        m = punti < 3 ? MossaComputer{Tutto, true} : MossaComputer{0, false};
    } else if (carte == 1) {
        // One time in ten (never at Bluff 10) a first card of 1 to 5 is played as a strong one.
        int x = Int(10 * caso_.Numero() - s_.Bluff) + 1;
        if (mazziere) x = 2;
        if (x == 1)
            m = {(Int(3 * caso_.Numero()) + 1) * 5, false};
        else if (punti >= 1.5f)
            m = {0, true};
        else
            m = {Int(6 * caso_.Numero()), true};
    } else if (punti == 1.5f) {
        m = {Int(6 * caso_.Numero()), true};
    } else {
        m = {0, true};
    }

    m.Tabella = m.Cursore;
    // Keep to the dealer's rules: at least 1 with the first card, nothing more at a stop with
    // two or more cards, nothing at all for the dealer.
    if (carte == 1 && m.Cursore == 0) m.Cursore = 1;
    if (!m.Pesca && carte > 1 && m.Cursore > 0) m.Cursore = 0;
    if (mazziere) m.Cursore = 0;
    return m;
}

void Gioco::DecisioneComputer() {
    if (s_.Turno == 1 || !TurnoInCorso()) return; // the human decides with the buttons
    const MossaComputer m = ScegliMossa();
    // The slider shows the table's step first, then the corrected one, as a player moving it
    // would: the stake display is rewritten whenever the value changes.
    ImpostaCursore(m.Tabella);
    ImpostaCursore(m.Cursore);
    if (m.Pesca)
        Command3d2_Click();
    else
        Command3d3_Click();
}

} // namespace brivetta
