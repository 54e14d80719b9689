#pragma once
// A window that answers every event at once and writes each one down, and a table set up card
// by card in the middle of a manche, with scripted random numbers.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "Gioco.h"
#include "Punteggio.h"

namespace brivetta {
inline void PrintTo(const Annuncio& a, std::ostream* os) {
    *os << "Frase " << static_cast<int>(a.Cosa) << ", seat " << a.Posto;
}
} // namespace brivetta

namespace brivetta::test {

// The controls a moving card locks: the four buttons, the slider and two menu entries.
inline int Abilitati(const VistaTavolo& v) {
    return v.NuovaPartita.Abilitato + v.CartaScoperta.Abilitato + v.Stop.Abilitato +
           v.CartaCoperta.Abilitato + v.Cursore.Abilitato + v.MenuNuovaAbilitato +
           v.MenuOpzioniAbilitato;
}

class Registro {
  public:
    explicit Registro(Gioco& g) : g_(g) {}
    // "messaggio", "suono: Stop", "beep", "volo", "riepilogo", "fine"
    std::vector<std::string> eventi;
    std::vector<Annuncio> messaggi;             // what the messages said, in order
    Riepilogo riepilogo;                        // the last summary shown
    bool altraPartita = false;                  // else the player leaves at the end of a game
    std::function<void(const Evento&)> osserva; // looks at the table at every event

    bool Gioca(Azione azione, int valore = 0) {
        eventi.clear();
        messaggi.clear();
        const bool accettata = g_.Gioca(azione, valore);
        for (bool volo = false;;) {
            const Evento& e = g_.Attesa();
            if (osserva) osserva(e);
            // Nothing moves while a card travels; everything is back once it has landed.
            if (volo || e.Tipo == TipoEvento::Volo) {
                EXPECT_EQ(Abilitati(g_.Vista()), e.Tipo == TipoEvento::Volo ? 0 : 7)
                    << eventi.back();
            }
            volo = e.Tipo == TipoEvento::Volo;
            if (e.Tipo == TipoEvento::Giocatore) return accettata;
            eventi.push_back(Testo(e));
            if (e.Tipo == TipoEvento::Messaggio) messaggi.push_back(e.Testo);
            if (e.Tipo == TipoEvento::Riepilogo) riepilogo = g_.RiepilogoManche();
            if (e.Tipo == TipoEvento::FinePartita && !altraPartita) return accettata;
            g_.Rispondi();
        }
    }
    static std::string Testo(const Evento& e) {
        if (e.Tipo == TipoEvento::Messaggio) return "messaggio";
        if (e.Tipo == TipoEvento::Suono) return std::string("suono: ") + Nome(e.Effetto);
        return std::array{"", "", "", "beep", "volo", "riepilogo", "fine"}[int(e.Tipo)];
    }
    static const char* Nome(Effetto e) { // in the order of the enumeration
        return std::array{"CartaScoperta", "CartaCoperta", "Stop",        "Posta",
                          "Sballato",      "SetteEMezzo",  "MancheVinta", "ManchePersa"}[int(e)];
    }

  private:
    Gioco& g_;
};

// Counts the numbers read, so a test knows how many a decision consumed. Past the script it
// walks through the cards, so a run that goes astray ends instead of drawing one card forever.
class CasualeContato : public CasualeScriptato {
  public:
    double Numero() override {
        if (Vuoto()) return (letti++ % CarteNelMazzo + 0.5) / CarteNelMazzo;
        ++letti;
        return CasualeScriptato::Numero();
    }
    int letti = 0;
};

struct Banco {
    CasualeContato caso;
    Gioco g{caso};
    StatoTavolo& s = g.Stato();
    VistaTavolo& v = g.Vista();
    Registro r{g};

    // Seats in play, the dealer and everyone's money, with the controls of a game in progress.
    Banco(int giocatori, int mazziere) {
        g.AvvioIniziale();
        s.VelocitaCarta = s.MalloppoIniziale = 50;
        s.Bluff = 5;
        g.AvvioFinale(99 * giocatori + 3);
        s.Mazziere = v.Mazzo = static_cast<Intero>(mazziere);
        std::fill_n(s.Soldi.begin() + 1, giocatori, 50);
        v.CartaScoperta = v.Stop = v.CartaCoperta = v.Cursore = Comando{true, true};
        v.DidascaliaVisibile = v.EtichettaPostaVisibile = v.MoneteVisibili = true;
        v.EtichetteInGioco = static_cast<Intero>(giocatori);
    }

    // The seat's hand in the order received, scored and on the table: the human sees all his
    // cards, a computer seat's first one lies covered.
    void Mano(int posto, const std::vector<int>& carte) {
        for (int k = 1; k <= static_cast<int>(carte.size()); ++k) {
            const int c = carte[k - 1];
            s.Mano[posto][k] = static_cast<Intero>(c);
            s.Mazzo[c] = StatoCarta::InGioco;
            ++s.CarteUscite;
            if (posto == 1 || k > 1)
                v.Carte[c] = {static_cast<std::int8_t>(posto), static_cast<std::int8_t>(k)};
        }
        v.Dorso[posto] = posto != 1;
        s.NumCarte[posto] = static_cast<Intero>(carte.size());
        PunteggioMano(s, posto);
        v.Volti[posto] = Sballato(s.Punteggio[posto]) ? Volto::Scontento : Volto::Contento;
        if (posto == 1) v.Etichette[1] = {EtichettaPosto::Tipo::Punteggio, s.Punteggio[1]};
    }
    void Mani(const std::vector<std::vector<int>>& mani, int turno) {
        for (int posto = 1; posto <= static_cast<int>(mani.size()); ++posto)
            Mano(posto, mani[posto - 1]);
        Tocca(turno);
    }
    // The seat to play, every seat from the one after the dealer up to it having played.
    void Tocca(int turno) {
        s.Turno = v.SegnaTurno = static_cast<Intero>(turno);
        const int n = s.NumGiocatori;
        s.TurniGiocati = static_cast<Intero>((turno - s.Mazziere - 1 + 2 * n) % n);
        if (turno != s.Mazziere) return;
        // The dealer plays with its cards in sight and stakes nothing.
        v.Dorso[turno] = false;
        v.Carte[s.Mano[turno][1]] = {static_cast<std::int8_t>(turno), 1};
        v.Cursore.Visibile = v.DidascaliaVisibile = v.EtichettaPostaVisibile = false;
        v.MoneteVisibili = v.CartaCoperta.Abilitato = false;
    }
    void Cursore(int valore) { v.Posta = v.Didascalia = v.Monete = valore; }

    void Carte(std::initializer_list<int> carte) {
        for (int c : carte)
            caso.AggiungiCarta(c);
    }
    void Numeri(std::initializer_list<double> numeri) {
        for (double x : numeri)
            caso.Aggiungi(x);
    }
};

} // namespace brivetta::test
