#pragma once
// What the dealer and the table say, as identities with their arguments: the window turns each
// into a sentence of the player's language.

#include <array>
#include <cstdint>
#include <string>

#include "StatoTavolo.h"

namespace brivetta {

// The game's messages. The seat a message names is its one argument.
enum class Frase : std::uint8_t {
    NuovaPartitaUmano,      // a new game, the human holds the deck first
    NuovaPartitaComputer,   // a new game, a computer seat holds it
    PassaggioMazzoUmano,    // the deck passes to the human, who made 7 1/2 with two cards
    PassaggioMazzoComputer, // the deck passes to a computer seat
    MinimoForzato,          // the dealer staked the least for the player
    RilancioRifiutato,      // the dealer refuses a stake after the first card
    MazzoFinito,            // the deck ran out: the used cards are shuffled back
    MattaUscita,            // the matta came out: the whole deck is shuffled
};

// Plain values: a message is held across the game's waits.
struct Annuncio {
    Frase Cosa = Frase::MazzoFinito;
    Intero Posto = 0; // the seat it names; 0: none
    bool operator==(const Annuncio&) const = default;
};

std::string SenzaSpaziIniziali(const std::string& testo);

// The first dealer of a new game.
Annuncio AnnuncioNuovaPartita(const StatoTavolo& s);
// The deck passing to the seat that made 7 1/2 with two cards.
Annuncio AnnuncioPassaggioMazzo(int nuovoMazziere);
// A warning in the dealer's voice, whoever deals.
Annuncio AvvisoMazziere(const StatoTavolo& s, Frase avviso);
// The seat's name as the message says it: the announcements name it as the table does, the
// dealer's warnings without its leading blanks.
std::string NomeAnnunciato(const Annuncio& annuncio,
                           const std::array<std::string, MaxGiocatori + 1>& nomi);

// The end of the game: the broke seat, the human's place and everyone's money.
struct FineDellaPartita {
    std::string SenzaSoldi; // the seat whose money ran out, as the table names it
    int Arrivo = 1;         // the human's place, 1..5, or Ultimo however few seats play
    int Righe = 0;          // the seats in play
    std::array<std::string, MaxGiocatori + 1> Nomi{}; // 1..Righe, without leading blanks
    std::array<Intero, MaxGiocatori + 1> Soldi{};
    bool operator==(const FineDellaPartita&) const = default;
};
constexpr int Ultimo = MaxGiocatori;
FineDellaPartita DescriviFinePartita(const StatoTavolo& s);

} // namespace brivetta
