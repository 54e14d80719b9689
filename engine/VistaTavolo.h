#pragma once
// The table as the player sees it: where every picture and label stands, their captions and
// which controls are shown or enabled. The engine writes it; the table window only renders it.

#include <array>
#include <string>

namespace brivetta {

// Geometry of the table, in pixels of the window's inner area.
constexpr int AltezzaRiga = 99; // one seat row
constexpr int LarghezzaCarta = 58;
constexpr int AltezzaCarta = 99;
constexpr int SinistraSlot1 = 101;   // slot k starts at 101 + 58 (k - 1)
constexpr int MargineCartaRiga = 28; // card top within its row
constexpr int SinistraMazzo = -20;   // the deck, beside the dealer's row
constexpr int SinistraPartenzaScoperta = -10;
constexpr int SinistraPartenzaCoperta = 75;
constexpr int RialzoPartenza = 23; // start top of a moving card within its row
constexpr int SinistraFaccia = 52;
constexpr int SinistraFacciaNascosta = -40;
constexpr int LatoFaccia = 34;
constexpr int SinistraSegnaTurno = -22;
constexpr int LarghezzaSegnaTurno = LarghezzaCarta - 10;
constexpr int AltezzaSegnaTurno = AltezzaCarta - 34;
constexpr int LarghezzaMonetaPosta = 9; // the stake bar grows 9 px per unit
constexpr int MassimoCursore = 15;
constexpr int SinistraPannello = 40; // the seat's coloured column, 58 px wide from here
constexpr int LarghezzaPannello = 58;
constexpr int LarghezzaLabel5 = 50;    // seat labels have a fixed width; their text is centred
constexpr int AltoLabel5Riga = 70;     // seat label top within its row
constexpr int AltoLabel4 = 105;        // the human's name, below the first row's label
constexpr int AltoFacciaRiga = 36;     // face marker top within its row
constexpr int AltoSegnaTurnoRiga = 45; // turn marker top within its row

constexpr int NumPicture1 = 47; // 0 back/deck, 1..40 faces, 41..46 covered-card backs
constexpr int NumPicture3 = 28; // 0..11 seat faces, 12..27 the eight characters' pairs

struct Posizione {
    int Sinistra = 0;
    int Alto = 0;
    bool operator==(const Posizione&) const = default;
};

struct Etichetta {
    Posizione Pos;
    std::string Testo;
    bool operator==(const Etichetta&) const = default;
};

struct Controllo {
    bool Visibile = true;
    bool Abilitato = true;
    bool operator==(const Controllo&) const = default;
};

struct VistaTavolo {
    int Altezza = 0;   // inner height of the window: "below the bottom edge" means top = Altezza
    int Larghezza = 0; // inner width, for the separator lines

    std::array<Posizione, NumPicture1> Picture1{}; // card pictures
    std::array<Posizione, NumPicture3> Picture3{}; // face pictures
    Posizione Picture2{};                          // turn marker
    std::array<Etichetta, 6> Label5{};             // seat labels (seat = index + 1)
    Etichetta Label4{};                            // the human's name

    int HScroll1 = 1;          // stake slider value, 0..15
    std::string Label1 = "0€"; // slider value and "€"
    bool Picture4Visibile = false;
    int Picture4Larghezza = 0;

    // The button bar and the two menu entries locked while a card moves.
    Controllo Command3d1{};            // Nuova partita
    Controllo Command3d2{false, true}; // Altra carta scoperta
    Controllo Command3d3{false, true}; // OK mi basta e mi fermo.
    Controllo Command3d4{false, true}; // Altra carta coperta
    Controllo HScroll1Ctl{false, true};
    bool Label1Visibile = false;
    bool Label2Visibile = false; // "Posta:"
    bool FileNuovoAbilitato = true;
    bool MenuspeedAbilitato = true;

    int RigheDipinte = 0; // rows painted by DisegnaTavolo (panels, separators, names)

    bool operator==(const VistaTavolo&) const = default;
};

} // namespace brivetta
