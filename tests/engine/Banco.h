#pragma once
// A table in the middle of a game, set up card by card, with a recording window and scripted
// random numbers.

#include <initializer_list>
#include <vector>

#include "Gioco.h"
#include "Registro.h"

namespace brivetta::test {

// Counts the numbers read, so a test knows how many a decision consumed. Past the script it
// walks through the cards, so a run that goes astray ends instead of drawing one card forever.
class CasualeContato : public CasualeScriptato {
  public:
    using CasualeScriptato::CasualeScriptato;
    double Numero() override {
        if (Vuoto()) return (letti++ % CarteNelMazzo + 0.5) / CarteNelMazzo;
        ++letti;
        return CasualeScriptato::Numero();
    }
    int letti = 0;
};

template <class Finestra = Registro, class Caso = CasualeContato> struct Banco {
    StatoTavolo s;
    VistaTavolo v;
    Finestra ui;
    Caso caso;
    Gioco g{s, v, ui, caso};

    // Seats in play, the dealer, and everyone's money; the game's controls on the table.
    Banco(int giocatori, int mazziere, int soldi = 50) {
        ui.altezza = AltezzaRiga * giocatori + 3;
        g.AvvioIniziale();
        s.VelocitaCarta = 100;
        s.Bluff = 5;
        s.MalloppoIniziale = 50;
        g.AvvioFinale();
        s.Mazziere = static_cast<Intero>(mazziere);
        for (int seat = 1; seat <= giocatori; ++seat)
            s.Soldi[seat] = static_cast<Intero>(soldi);
        v.Command3d2.Visibile = v.Command3d3.Visibile = v.Command3d4.Visibile = true;
        v.HScroll1Ctl.Visibile = v.Label1Visibile = v.Label2Visibile = true;
    }

    // The seat's hand, in the order received, out of the deck and scored.
    void Mano(int seat, const std::vector<int>& carte) {
        int k = 0;
        for (int c : carte) {
            s.Mano[seat][++k] = static_cast<Intero>(c);
            s.Mazzo[c] = InGioco;
            ++s.CarteUscite;
        }
        s.NumCarte[seat] = static_cast<Intero>(k);
        const Intero turno = s.Turno;
        s.Turno = static_cast<Intero>(seat);
        g.PunteggioMano();
        s.Turno = turno;
    }

    // Hands of seats 1, 2... and the seat to play.
    void Mani(const std::vector<std::vector<int>>& mani, int turno = 1) {
        for (std::size_t i = 0; i < mani.size(); ++i)
            Mano(static_cast<int>(i + 1), mani[i]);
        Tocca(turno);
    }

    // Score, card count and stake straight away, for steps that read nothing else.
    void Metti(int seat, Singolo punti, int carte, int posta = 0) {
        s.Punteggio[seat] = punti;
        s.NumCarte[seat] = static_cast<Intero>(carte);
        s.Posta[seat] = static_cast<Intero>(posta);
    }

    void Soldi(const std::vector<int>& soldi) {
        for (std::size_t i = 0; i < soldi.size(); ++i)
            s.Soldi[i + 1] = static_cast<Intero>(soldi[i]);
    }

    // The seat to play, with every seat from the one after the dealer up to it already played.
    void Tocca(int seat) {
        s.Turno = static_cast<Intero>(seat);
        s.TurniGiocati = 0;
        for (int t = s.Mazziere % s.NumGiocatori + 1; t != seat; t = t % s.NumGiocatori + 1)
            ++s.TurniGiocati;
    }

    void Carte(std::initializer_list<int> carte) {
        for (int c : carte)
            caso.AggiungiCarta(c);
    }
    void Numeri(std::initializer_list<double> numeri) {
        for (double r : numeri)
            caso.Aggiungi(r);
    }
};

} // namespace brivetta::test
