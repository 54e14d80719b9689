#pragma once
// Where everything lies on the table, in pixels of its inner area: the one place that turns the
// game's seats and slots into coordinates. A seat's row is 99 px high, and slot k of a row
// starts at 101 + 58 (k - 1).

#include <QPoint>
#include <QSize>

namespace brivetta::geometria {

constexpr int AltezzaRiga = 99;
constexpr QSize Carta(58, 99);
constexpr QSize LatoFaccia(34, 34);
constexpr QSize SegnaTurno(48, 65);
constexpr int LarghezzaEtichetta = 50; // seat labels have a fixed width; their text is centred
constexpr int LarghezzaMoneta = 9;     // the coin bar grows 9 px per unit of stake

// The coloured panel of each row and the column it is centred in.
constexpr int SinistraPannello = 40;
constexpr int LarghezzaPannello = 58;

constexpr int Riga(int posto) {
    return AltezzaRiga * (posto - 1);
}
constexpr QPoint Casella(int posto, int casella) {
    return {101 + Carta.width() * (casella - 1), Riga(posto) + 28};
}
// The deck, beside the dealer's row, and where a card drawn from it sets off.
constexpr QPoint Mazzo(int posto) {
    return {-20, Riga(posto) + 28};
}
constexpr QPoint PartenzaDalMazzo(int mazziere) {
    return {-10, Riga(mazziere) + 23};
}
// Where a covered card sets off when a face-down draw turns it up.
constexpr QPoint PartenzaDallaCoperta(int posto) {
    return {75, Riga(posto) + 23};
}
constexpr QPoint Faccia(int posto) {
    return {52, Riga(posto) + 36};
}
constexpr QPoint Turno(int posto) {
    return {-22, Riga(posto) + 45};
}
constexpr QPoint Etichetta(int posto) {
    return {SinistraPannello + (LarghezzaPannello - LarghezzaEtichetta) / 2, Riga(posto) + 70};
}
// The human's name, centred on his panel under the first row's label; a long one sticks out.
constexpr QPoint NomeUmano(int larghezza) {
    return {SinistraPannello + (LarghezzaPannello - larghezza) / 2, 105};
}

// A card's path: both coordinates advance together until one has arrived, then the other goes
// on alone. `percorsi` pixels along it, the point reached (rounded to whole pixels).
QPoint LungoIlPercorso(QPoint da, QPoint a, double percorsi);
// The path's length in that measure: the larger of the two distances.
int LunghezzaPercorso(QPoint da, QPoint a);

} // namespace brivetta::geometria
