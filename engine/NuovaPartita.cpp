// A new game: the table cleared, everyone's money reset, the first dealer drawn at random and
// announced, the first manche dealt and, when a computer seat plays first, played up to the
// human's turn.
#include <algorithm>

#include "Gioco.h"

namespace brivetta {

void Gioco::NuovaPartita() {
    ++partita_; // whatever was being played is dropped
    ui_.RiempiSchermo();
    s_.Turno = 0;
    v_.Altezza = ui_.AltezzaInterna();
    s_.NumGiocatori = GiocatoriPerAltezza(v_.Altezza);
    const int n = s_.NumGiocatori;
    DisegnaTavolo();

    s_.CarteUscite = 0;
    s_.UltimaCarta = 0;
    s_.TurniGiocati = 0;
    s_.GiocatoreMatta = 0;
    for (int seat = 1; seat <= MaxGiocatori; ++seat) {
        // Seats beyond the table keep nothing of an earlier, larger game either.
        s_.NumCarte[seat] = 0;
        s_.Punteggio[seat] = 0;
        s_.Posta[seat] = 0;
        if (seat <= n) s_.Soldi[seat] = s_.MalloppoIniziale;
    }

    for (int r = 0; r < MaxGiocatori; ++r) {
        auto& etichetta = v_.Label5[r].Pos;
        if (r < n)
            etichetta = {(LarghezzaPannello - LarghezzaLabel5) / 2 + SinistraPannello,
                         AltoLabel5Riga + AltezzaRiga * r};
        else
            FuoriVista(etichetta);
    }

    for (auto* c : {&v_.Command3d2, &v_.Command3d3, &v_.Command3d4, &v_.HScroll1Ctl})
        *c = Controllo{true, true};
    v_.Label1Visibile = true;
    v_.Label2Visibile = true;
    ImpostaCursore(1);

    for (auto& carta : v_.Picture1)
        FuoriVista(carta);
    RimescolaMazzo();

    // Every seat, the human's included, has the same chance to hold the deck first.
    caso_.Riseme();
    s_.Mazziere = static_cast<Intero>(std::min(static_cast<int>(caso_.Numero() * n) + 1, n));
    v_.Picture1[0] = {SinistraMazzo, AltezzaRiga * (s_.Mazziere - 1) + MargineCartaRiga};
    ui_.Messaggio("Attenzione si inizia una nuova partita ora. " + s_.Nomi[s_.Mazziere] +
                  (s_.Mazziere != 1 ? " (COMPUTER) " : "") + " terrà il mazzo.");

    DaiPrimaCarta();
    s_.Turno = static_cast<Intero>(s_.Mazziere % n + 1);
    v_.Picture2.Sinistra = SinistraSegnaTurno;
    SegnaTurno();
    ui_.Cedi();
    v_.Picture4Visibile = true;
    if (s_.Turno != 1) DecisioneComputer();
}

} // namespace brivetta
