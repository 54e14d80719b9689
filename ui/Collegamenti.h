#pragma once
// The maker's addresses and the hand-over of documents and addresses to the desktop.

#include <QString>
#include <QUrl>
#include <filesystem>

namespace brivetta {

inline const QString SitoAutore = QStringLiteral("https://brivetta.example.org/");
inline const QString PostaAutore = QStringLiteral("brivetta@example.org");

// Hands a document or an address to the program the desktop associates with it, without
// waiting for it. False when the desktop has no program for it; the game goes on either way.
bool ApriDocumento(const QUrl& indirizzo);

enum class Lingua;

// The help document of `cartella` in the player's language: "Brivetta.en.htm" and
// "Brivetta.es.htm" beside the Italian "Brivetta.htm", which stands in for a missing one. Any
// letter case. Empty when there is none. (Not in folders of their own: every folder without a
// dot in the program's folder is a card set.)
std::filesystem::path CercaGuida(const std::filesystem::path& cartella, Lingua lingua);

// The help document of the program's folder, a mail to the maker, the maker's site. Each
// returns what to tell the player when it could not be done, or an empty text.
QString ApriGuida();
QString ScriviAllAutore();
QString VisitaIlSito();

} // namespace brivetta
