#pragma once
// The game's rules, working on the shared table state. Each operation keeps the game's own
// name; the window forwards input here and renders VistaTavolo.

#include <string>

#include "FonteCasuale.h"
#include "Interfaccia.h"
#include "Riepilogo.h"
#include "StatoTavolo.h"
#include "VistaTavolo.h"

namespace brivetta {

// Play actions the window may ask for; refused while another one runs.
enum class Azione { NuovaPartita, CartaScoperta, CartaCoperta, Stop };

class Gioco {
  public:
    Gioco(StatoTavolo& stato, VistaTavolo& vista, Interfaccia& ui, FonteCasuale& caso);

    StatoTavolo& Stato() { return s_; }
    VistaTavolo& Vista() { return v_; }

    // --- Window entry points -------------------------------------------------------------
    // Runs a play action and the chain it sets off (computer turns, end of manche...).
    // Returns false, changing nothing, when another action is still running.
    bool Esegui(Azione azione);
    bool Occupato() const { return occupato_; }
    // The player moved the stake slider (clamped to 0..15); runs HScroll1_Change when the
    // value differs. Ignored while the slider is hidden or locked and while an action runs.
    void CambiaCursore(int valore);
    // Tooltip of a seat label under the mouse.
    static std::string TooltipLabel5(int indice);

    // --- Start-up (state side) -----------------------------------------------------------
    // Suits, default names and sound on: done before the settings file is read.
    void AvvioIniziale();
    // After settings and pictures: everything out of sight, seats counted, table painted.
    void AvvioFinale();
    // Seats from the window's inner height: rows of 99 px, at most 6, never fewer than 2.
    static Intero GiocatoriPerAltezza(int altezzaInterna);

    // --- Deck ------------------------------------------------------------------------
    void PescaCarta();
    void ScartaCarteManche();
    void RimescolaMazzo();

    // --- Scores ----------------------------------------------------------------------
    void PunteggioMano();
    static std::string TestoPunteggio(Singolo punteggio);

    // --- New game ----------------------------------------------------------------------
    void NuovaPartita();

    // --- Betting -----------------------------------------------------------------------
    void HScroll1_Change();
    void AggiornaPosta();
    void ImpostaCursore(int valore); // program assignment to the slider

    // --- Drawing -----------------------------------------------------------------------
    void Command3d2_Click(); // face up
    void Command3d4_Click(); // face down
    void DaiPrimaCarta();
    void EsitoCarta();
    void MuoviCarta(int posizione, int picture);
    void ScopriCoperta(int seat);

    // --- Computer players --------------------------------------------------------------
    // One decision of the current computer seat: the slider value it plays and whether it
    // draws a card face up (true) or stops. Reads the random source; changes nothing else.
    struct MossaComputer {
        int Cursore = 0;   // the step staked, after the dealer's rules
        bool Pesca = false;
        int Tabella = 0;   // the step the decision table gave, shown before the corrections
    };
    MossaComputer ScegliMossa();
    void DecisioneComputer(); // ScegliMossa, then the slider and the chosen handler

    // --- Stop, settlement, succession and end of game -------------------------------
    void Command3d3_Click();     // stop
    void SaldaManche();          // fills importi_ and updates Soldi
    void Classifica();           // fills the ranking and sets Piazzamento
    Riepilogo CaricaRiepilogo(); // the summary's load: settlement, sounds, ranking
    void FineManche();           // after the summary closes
    bool PassaggioMazzo();
    std::string ComponiMessaggioFine(int seatSenzaSoldi) const;

    // --- Table drawing -----------------------------------------------------------------------
    void DisegnaTavolo();
    void SegnaTurno();

    // Amount won or lost by each seat in the last settlement (the dealer's net for the dealer).
    const std::array<Intero, MaxGiocatori + 1>& Importi() const { return importi_; }
    // Seat at each ranking position 1..NumGiocatori after the last Classifica.
    const std::array<Intero, MaxGiocatori + 1>& PostiClassifica() const { return posti_; }

    void SuonaEffetto(const std::string& file);

    // A seat holding exactly two cards worth 7 1/2.
    bool DueCarteSetteEMezzo(int seat) const;

  private:
    bool TurnoInCorso() const; // a seat of a running manche is to play
    void AvvisoMazziere(const std::string& testo);
    void PuntataMinimaForzata();
    void ChiudiManche(); // every seat has played: cards up, summary, next manche
    void FuoriVista(Posizione& p) const { p.Alto = v_.Altezza; }

    StatoTavolo& s_;
    VistaTavolo& v_;
    Interfaccia& ui_;
    FonteCasuale& caso_;
    bool occupato_ = false;
    // Counts games started or ended. A handler that sees it change across a nested call
    // stops there: the game it was playing no longer exists.
    unsigned partita_ = 0;
    std::array<Intero, MaxGiocatori + 1> importi_{};
    std::array<Intero, MaxGiocatori + 1> posti_{};
};

} // namespace brivetta
