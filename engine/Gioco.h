#pragma once
// The game's sequence as a step machine: a new game, the deal, each seat's turn, the computer
// seats' decisions, the stops, the dealer, the settlement and summary, the deck passing and the
// end of the game. Wherever the rules wait, the game stops at an Evento; the window shows it and
// answers with Rispondi(), or, at the human's move, with Gioca(). The sequence is written as
// plain calls in the order of play and runs on a stack of its own, which a wait leaves and an
// answer enters again: nothing runs inside anything else, and no step that goes through without
// waiting costs more than a call.

#include <array>

#include "Cronaca.h"
#include "Evento.h"
#include "Fibra.h"
#include "FonteCasuale.h"
#include "Impostazioni.h"
#include "Registro.h"
#include "Riepilogo.h"
#include "Saldo.h"
#include "StatoTavolo.h"
#include "Strategia.h"
#include "StrategiaTabella.h"
#include "VistaTavolo.h"

namespace brivetta {

class Gioco {
  public:
    explicit Gioco(FonteCasuale& caso);
    Gioco(const Gioco&) = delete;
    Gioco& operator=(const Gioco&) = delete;

    StatoTavolo& Stato() { return s_; }
    const StatoTavolo& Stato() const { return s_; }
    const VistaTavolo& Vista() const { return v_; }
    VistaTavolo& Vista() { return v_; } // for setting up a table in the middle of a manche

    // --- Start-up -----------------------------------------------------------------------
    // Default names and sound on: before the settings are read.
    void AvvioIniziale();
    // After settings and pictures: seats counted from the window's inner height, table drawn.
    void AvvioFinale(int altezzaInterna);
    // Seats from the window's inner height: rows of 99 px, at most 6, never fewer than 2.
    static Intero GiocatoriPerAltezza(int altezzaInterna);
    // The window's inner height, read again by every new game.
    void ImpostaAltezza(int altezzaInterna);
    // New settings from the options: the name label shows the new name at once; the starting
    // money counts from the next game.
    void CambiaImpostazioni(const Impostazioni& impostazioni);

    // The player of a seat, not owned; nullptr: the human, through Gioca(). Seats 2 to 6 play
    // by the decision table until given another, which takes its turns from the next move on.
    void ImpostaStrategia(int posto, Strategia* strategia);

    // Told of every game started, manche settled and game ended; not owned, nullptr: none.
    void ImpostaCronaca(Cronaca* cronaca) { cronaca_ = cronaca; }

    // Told of the record of the game as it is made; not owned, nullptr: nobody keeps it.
    void ImpostaTestimone(Testimone* testimone);
    // Plays a kept game again over this one, which waits at its idle table: the table of the
    // record's base, then each of its inputs with its random numbers, telling `cronaca` of the
    // moments it passes. The game then goes on from where the record ends, drawing fresh
    // numbers. False when the record does not hold together; the game is then as it would be
    // after the same inputs from an empty table, and is best thrown away.
    bool Rigioca(const RegistroPartita& registro, Cronaca* cronaca);

    // A player without a screen (the simulator, a play-out) sees nothing of the sounds, the
    // flying cards and the beep: with false the game goes on through them without stopping.
    // Messages, summaries, the end of a game and the human's moves still wait.
    void MostraPresentazione(bool mostra) { presentazione_ = mostra; }

    // --- The wait in progress -----------------------------------------------------------------
    const Evento& Attesa() const { return evento_; }
    // The human's move or a new game, taken only while the game waits for one; a move the
    // table does not allow now (a slider that is hidden or locked) is refused.
    bool Gioca(Azione azione, int valore = 0);
    // The window is done with the event: the card arrived, the sound ended, the message or the
    // summary was closed, another game was chosen.
    void Rispondi();
    // The hand summary, while the Riepilogo event waits.
    Riepilogo RiepilogoManche() const { return CompilaRiepilogo(s_, importi_, Classifica(s_)); }

  private:
    // The one wait: the event is set, and the sequence stops here until the window answers
    // with Rispondi() or, for the player's move, Gioca(). A player without a screen is not
    // stopped by what is only shown.
    void Attendi(TipoEvento tipo) {
        if (!presentazione_ && Presentazione(tipo)) return;
        Annuncia(tipo);
        Sospendi();
    }
    void Annuncia(TipoEvento tipo); // the event the window is to show
    void Sospendi();
    Azione AttendiGiocatore();
    void ImpostaCursore(int valore); // the stake slider moved, by the program or the human
    void MuoviCarta(int posizione, int carta);
    void EsitoCarta();
    void Messaggio(Annuncio testo);
    void Suona(Effetto effetto); // nothing to wait for with the sound off
    void PescaCarta();
    void Riprendi();
    void Registra(Passaggio passaggio);
    void Racconta(Conteggio conteggio);

    // The sequence, on a stack of its own.
    void Sessione();
    void Esegui(Azione azione, int valore);
    void Agisci(Azione azione, int valore);
    void NuovaPartita();
    void DaiPrimaCarta();
    void CartaScoperta();
    void CartaCoperta();
    void Stop();
    void PuntataMinimaForzata();
    [[nodiscard]] bool ChiudiManche(); // true: the game ended and another has started
    [[nodiscard]] bool FineManche();

    // What changes on the table, without waiting.
    void MostraEsito();
    void MostraMonete();
    void Atterra();
    void AggiornaPosta();
    void ScopriCoperta(int posto);
    void SegnaTurno() { v_.SegnaTurno = s_.Turno; }
    void DisegnaTavolo();
    bool TurnoInCorso() const;
    bool MinimoForzato() const;

    StatoTavolo s_;
    VistaTavolo v_;
    CasualeRegistrato caso_;
    Testimone* testimone_ = nullptr;
    StrategiaTabella tabella_;
    std::array<Strategia*, MaxGiocatori + 1> strategie_{nullptr,   nullptr,   &tabella_, &tabella_,
                                                        &tabella_, &tabella_, &tabella_};
    Cronaca* cronaca_ = nullptr;
    int altezza_ = 0;
    bool presentazione_ = true;
    PerPosto importi_{}; // the last settlement's amounts
    Evento evento_;
    Azione azione_ = Azione::NuovaPartita;
    int valore_ = 0;
    bool inAttesa_ = false; // the sequence stopped at a wait, for the window's answer
    Fibra sessione_;        // last: its stack is unwound before the rest goes
};

} // namespace brivetta
