#pragma once
// Headless games through the real engine: a silent window that answers every question at once,
// a simple policy for the human's seat, and the table's invariants checked after every manche.

#include <cstdint>
#include <string>

namespace brivetta::sim {

// Who plays the human's seat: the simple policy below, the computer seats' decision table, the
// advisor, or a stop at the first score of 5 or more with the least stake.
enum class Umano { Semplice, Tabella, Consiglio, Cinque };

struct Opzioni {
    long partite = 100;      // complete games to play
    long mancheMassime = -1; // stop once this many manches are settled (-1: no limit)
    std::uint64_t seme = 1;  // seeds the engine's generator and the human's policy
    bool orologio = false;   // seed from the real clock instead
    int velocita = 100;      // VelocitaCarta
    int giocatori = 6;       // seats at the table, 2..6
    int malloppo = 50;       // starting money
    int bluff = 5;
    bool vincitaDoppia = true;
    bool controlli = true; // the card and slot checks (the money checks always run)
    bool suono = true;     // sound on: every sound is an event the silent window answers
    // false: a player without a screen, for whom the game does not stop at sounds and cards
    bool schermo = true;
    Umano umano = Umano::Semplice;
    int campioni = 1500; // the advisor's samples per decision
};

struct Risultati {
    long partite = 0;
    long manche = 0;
    long sfide = 0;         // seat-against-dealer contests settled
    long vinteMazziere = 0; // of which the dealer won
    long sommaPiazzamenti = 0;
    // The human's money change over the manches settled, and the sum of its squares.
    double sommaUmano = 0, quadratiUmano = 0;
    // The dealer's messages met on the way: refills, matta reshuffles, deck passings, forced
    // minimum stakes, refused raises.
    long rifornimenti = 0, rimescoliMatta = 0, passaggi = 0, minimi = 0, rifiuti = 0;
    double secondi = 0;    // wall clock
    double secondiCpu = 0; // processor time, steadier on a busy machine
    std::string errore;    // first invariant broken; empty when all held
};

Risultati Simula(const Opzioni& opzioni);
// The games shared among `fili` threads, each with a seed of its own; the sums of their results.
Risultati SimulaInParallelo(const Opzioni& opzioni, int fili);

} // namespace brivetta::sim
