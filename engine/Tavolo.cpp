// The table's painted rows and the turn marker. The window paints the panels, separators and
// computer names of the first RigheDipinte rows; the engine places what moves.
#include "Gioco.h"

namespace brivetta {

void Gioco::DisegnaTavolo() {
    v_.RigheDipinte = s_.NumGiocatori;
    // The human's name is centred on his panel, and may stick out of it when long.
    v_.Label4.Testo = s_.Nomi[1];
    v_.Label4.Pos = {(LarghezzaPannello - ui_.LarghezzaTesto(s_.Nomi[1])) / 2 + SinistraPannello,
                     AltoLabel4};
}

void Gioco::SegnaTurno() {
    v_.Picture2.Alto = AltezzaRiga * (s_.Turno - 1) + AltoSegnaTurnoRiga;
}

} // namespace brivetta
