#pragma once
// The whole state of the table: every window and every game step reads and writes it.
// Seats, card slots and cards are 1-based; element 0 of the per-seat tables is unused.

#include <array>
#include <cstdint>
#include <string>

namespace brivetta {

using Intero = std::int16_t; // money, stakes, counts and settings
using Singolo = float;       // scores, always multiples of 1/2

constexpr int MaxGiocatori = 6;
constexpr int MaxCarteMano = 14;
constexpr int CarteNelMazzo = 40;
constexpr int Matta = 10; // the king of Denare

// Where a card of the deck is: still to be drawn, in a hand on the table, or put aside in an
// earlier manche until the deck runs out.
enum class StatoCarta : std::uint8_t { NelMazzo, InGioco, Usata };

struct StatoTavolo {
    std::array<std::string, MaxGiocatori + 1> Nomi{}; // 1..6
    std::string NomeNelFile; // the human's name as the settings file held it
    std::array<Intero, MaxGiocatori + 1> Posta{};
    std::array<Intero, MaxGiocatori + 1> Soldi{};
    std::array<Intero, MaxGiocatori + 1> NumCarte{};
    Intero NumGiocatori = 0;
    std::array<StatoCarta, CarteNelMazzo + 1> Mazzo{}; // 1..40
    Intero CarteUscite = 0;
    Intero UltimaCarta = 0;
    Intero Turno = 0;
    std::array<Singolo, MaxGiocatori + 1> Punteggio{};
    Intero GiocatoreMatta = 0;
    Intero Mazziere = 0;
    Intero VelocitaCarta = 0;
    Intero TurniGiocati = 0;
    std::string Carte;
    Intero Bluff = 0;
    bool VincitaDoppia = false;
    Intero Personaggio = 0;
    Intero MalloppoIniziale = 0;
    Intero MalloppoPrecedente = 0;
    Intero Piazzamento = 0;
    std::array<std::array<Intero, MaxCarteMano + 1>, MaxGiocatori + 1> Mano{}; // (posto, 1..14)
    bool Suono = false;
    Intero SuonoNelFile = 1; // the settings file's number for sound on, see Impostazioni
    Intero SenzaSoldi = 0;   // the seat whose money ended the game, named by its message

    bool operator==(const StatoTavolo&) const = default;
};

// Card encoding: suit 1..4 (Denare, Coppe, Bastoni, Spade), rank 1..10 (8..10 the figures).
constexpr int SemeCarta(int carta) {
    return (carta - 1) / 10 + 1;
}
constexpr int ValoreCarta(int carta) {
    return (carta - 1) % 10 + 1;
}

} // namespace brivetta
