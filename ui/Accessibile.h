#pragma once
// What a screen reader says for the table's pictures and labels.

#include <QString>
#include <string>

namespace brivetta {

// "Bruno: €3/47": the seat's name without its leading blanks, then the label's text.
QString NomeEtichettaPosto(const std::string& nome, const QString& testo);

} // namespace brivetta
