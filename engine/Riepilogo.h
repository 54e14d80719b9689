#pragma once
// What the hand summary shows, computed by the engine when the summary loads.

#include <array>
#include <string>

#include "StatoTavolo.h"

namespace brivetta {

struct RigaRiepilogo {
    bool Visibile = false;
    std::string Nome;      // the dealer's carries " (Mazziere)"
    bool Mazziere = false; // shown dark blue, italic, larger
    std::string Punti;     // score text
    std::string Importo;   // "+ N" / "- N"
    int Faccia = 0;        // element of the table's face pictures (smiling or frowning)
    Intero Soldi = 0;      // money after the settlement
    std::string Posizione; // "N°"
};

struct Riepilogo {
    std::array<RigaRiepilogo, MaxGiocatori + 1> Righe{}; // 1..6
    int CarteMassime = 1; // the longest hand on the table, for the window's placement
};

} // namespace brivetta
