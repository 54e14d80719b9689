#pragma once
// What a screen reader says for the table's pictures and labels.

#include <QString>
#include <string>

namespace brivetta {

// "7 di Coppe", "Re di Denare"...; the back pictures are "carta coperta", picture 0 the deck.
QString NomeCarta(int indice);
// "Bruno: €3/47": the seat's name without its leading blanks, then the label's text.
QString NomeEtichettaPosto(const std::string& nome, const QString& testo);

} // namespace brivetta
