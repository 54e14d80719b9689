#pragma once
// What the game waits for: the window shows it, and tells the game when it is done.

#include <string>

#include "Effetto.h"
#include "StatoTavolo.h"
#include "Testi.h"

namespace brivetta {

enum class TipoEvento : std::uint8_t {
    Giocatore,   // the human's move, or a new game at the idle table
    Messaggio,   // a message box, OK only, until it is closed
    Suono,       // a sound effect played to its end
    Beep,        // the system's beep, answered at once
    Volo,        // a card travelling to its slot
    Riepilogo,   // the hand summary, until it is closed
    FinePartita, // the end-of-game window: answered only by "another game"
};

// A card's face travelling to a slot of the current seat's row: from the deck at the dealer's
// row, or from the seat's covered card being turned up.
struct Volo {
    Intero Carta = 0;
    Intero Posto = 0;
    Intero Casella = 0;
    bool DallaCoperta = false;
    Intero Mazziere = 0; // the row the deck lies at
};

struct Evento {
    TipoEvento Tipo = TipoEvento::Giocatore;
    Annuncio Testo;                                               // the message
    brivetta::Effetto Effetto = brivetta::Effetto::CartaScoperta; // the sound
    Volo Carta{};
};

// What is only shown, and does not wait for the player: a player without a screen sees none of it.
constexpr bool Presentazione(TipoEvento tipo) {
    return tipo == TipoEvento::Suono || tipo == TipoEvento::Beep || tipo == TipoEvento::Volo;
}

// What the player may ask at his move.
enum class Azione : std::uint8_t { NuovaPartita, CartaScoperta, CartaCoperta, Stop, Posta };

} // namespace brivetta
