#pragma once
// The table as a player would describe it: which card lies in which seat and slot, face up or
// covered; where the deck and the turn marker are; each seat's face and label; the stake slider
// and which controls are shown or enabled. The engine writes it; the window draws it.

#include <array>
#include <cstdint>
#include <string>

#include "StatoTavolo.h"

namespace brivetta {

enum class Volto : std::uint8_t { Nessuno, Contento, Scontento };

// Where a card's face lies: slot 1..14 of a seat's row. Seat 0 is out of sight.
struct Luogo {
    std::int8_t Posto = 0;
    std::int8_t Casella = 0;
    bool operator==(const Luogo&) const = default;
};

// A seat label: empty, the human's score, or a seat's stake over its money.
struct EtichettaPosto {
    enum class Tipo : std::uint8_t { Vuota, Punteggio, Posta };
    Tipo Mostra = Tipo::Vuota;
    Singolo Punti = 0;
    Intero Posta = 0;
    Intero Soldi = 0;
    bool operator==(const EtichettaPosto&) const = default;
};

// What the bar tells the human between summaries: his money after the last settlement and the
// dealer. Dealer 0: no game on the table yet.
struct SituazioneUmano {
    Intero Soldi = 0;
    Intero Mazziere = 0;
    bool operator==(const SituazioneUmano&) const = default;
};

struct Comando {
    bool Visibile = true;
    bool Abilitato = true;
    bool operator==(const Comando&) const = default;
};

struct VistaTavolo {
    std::array<Luogo, CarteNelMazzo + 1> Carte{}; // card faces 1..40
    std::array<bool, MaxGiocatori + 1> Dorso{};   // a back over the seat's covered card
    Intero Mazzo = 0;                             // the deck lies beside this seat's row
    Intero SegnaTurno = 0;                        // the turn marker points at this seat
    std::array<Volto, MaxGiocatori + 1> Volti{};  // 1..6
    std::array<EtichettaPosto, MaxGiocatori + 1> Etichette{}; // seat labels 1..6
    Intero EtichetteInGioco = 0; // seats 1..this have their labels at their rows

    Intero RigheDipinte = 0;   // rows painted on the cloth (panels, separators, names)
    std::string NomeUmano;     // the human's name under his panel
    std::string NomeCentrato;  // the name the label was centred for when the table was drawn
    bool CopertaUmano = false; // the human's slot 1 holds his covered card, hidden from the others
    SituazioneUmano Situazione{};

    int Posta = 1;               // the stake slider, 0..15
    int Didascalia = 0;          // the stake caption: the slider's value at its last change
    bool MoneteVisibili = false; // the coin bar
    int Monete = 0;              // its length in coins; 0: as many as the slider says

    Comando NuovaPartita{};
    Comando CartaScoperta{false, true};
    Comando Stop{false, true};
    Comando CartaCoperta{false, true};
    Comando Cursore{false, true};
    bool DidascaliaVisibile = false;
    bool EtichettaPostaVisibile = false; // "Posta:"
    bool MenuNuovaAbilitato = true;
    bool MenuOpzioniAbilitato = true;

    bool operator==(const VistaTavolo&) const = default;
};

} // namespace brivetta
