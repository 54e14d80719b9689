// The stop ends a seat's turn. The turn then goes to the next seat; the dealer plays last, and
// its stop closes the manche. Computer seats play on inside the same call until the human's
// turn comes back.
#include <cmath>

#include "Gioco.h"

namespace brivetta {

namespace {
bool Tondo(Singolo punti) {
    return punti == std::floor(punti);
}
} // namespace

void Gioco::Command3d3_Click() {
    if (!TurnoInCorso()) return;
    const unsigned partita = partita_;
    int t = s_.Turno;
    if (s_.Punteggio[t] > 7) ScopriCoperta(t); // a 7 1/2 or a bust is shown at once
    if (v_.HScroll1 > 0 && s_.NumCarte[t] >= 2) {
        AvvisoMazziere("Vuoi vincermi anche le mutande! - Quando un giocatore si ferma (premendo "
                       "il bottone <Stop>) può puntare solo con la prima carta. L'ultima puntata "
                       "non viene affatto accettata.");
        ImpostaCursore(0);
    }
    PuntataMinimaForzata();
    SuonaEffetto("SOUND112.wav");
    AggiornaPosta();
    // A matta still without a value takes whatever makes the hand 7.
    if (s_.GiocatoreMatta == t && Tondo(s_.Punteggio[t])) s_.Punteggio[t] = 7;
    ImpostaCursore(1);

    ++s_.TurniGiocati;
    t = t % s_.NumGiocatori + 1;
    s_.Turno = static_cast<Intero>(t);
    SegnaTurno();
    if (t == s_.Mazziere) {
        ScopriCoperta(t); // the dealer plays with its cards in sight
        v_.Picture4Visibile = false;
    }
    if (s_.TurniGiocati >= s_.NumGiocatori) {
        ChiudiManche();
        if (partita_ != partita) return; // the game ended there
        t = s_.Turno;
    }

    // A seat whose covered card is the matta starts its turn with the matta valued.
    if (s_.GiocatoreMatta == t) {
        const Singolo punti = s_.Punteggio[t];
        s_.Punteggio[t] = Tondo(punti) && punti != 7 ? 7.0f : 7.5f;
    }
    const bool mazziere = t == s_.Mazziere;
    // The dealer neither stakes nor takes covered cards.
    v_.HScroll1Ctl.Visibile = !mazziere;
    v_.Label1Visibile = !mazziere;
    v_.Label2Visibile = !mazziere;
    v_.Command3d4.Abilitato = !mazziere;
    SegnaTurno();
    if (t != 1) DecisioneComputer();
}

void Gioco::ChiudiManche() {
    FuoriVista(v_.Picture2);
    ui_.Cedi();
    for (int seat = 1; seat <= s_.NumGiocatori; ++seat)
        ScopriCoperta(seat);
    const Riepilogo riepilogo = CaricaRiepilogo();
    ui_.MostraRiepilogo(riepilogo);
    FineManche();
}

} // namespace brivetta
