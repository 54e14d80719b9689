#pragma once
// Loading a card image set into the table's pictures 0..40: 0 the back, 1..40 the faces.

#include <QPixmap>
#include <filesystem>
#include <functional>
#include <string>


namespace brivetta {

inline constexpr const char* MessaggioCartaMancante =
    "Non trovato file di immagine per la carta, si ripristina il default.";
inline constexpr const char* MessaggioMazzoDanneggiato =
    "Il mazzo di carte Piacentine è danneggiato o mancante: reinstallare il gioco.";

// Picture `indice` (0..40) of the set in `cartellaInsieme`. A file that is missing, damaged or
// not a GIF gives a null picture. With `rapporto` above 1 the sharper picture of the set's
// "2x" folder is used when it is there and readable; it keeps the same logical size.
QPixmap LeggiImmagineCarta(const std::filesystem::path& cartellaInsieme, int indice,
                           qreal rapporto = 1.0);

struct DestinoCarte {
    std::function<void(int slot, const QPixmap& immagine)> Imposta;
    std::function<void(const std::string& testo)> Messaggio;
    qreal Rapporto = 1.0; // device pixels per logical pixel of the screen
};

// Loads the set named `carte` from the program's folder. At the first picture that cannot be
// read the user is told once, `carte` becomes "Piacentine" and the loading starts again from
// the back. A broken "Piacentine" gets one further message and leaves its unreadable slots
// empty: it is never retried.
void CaricaCarte(std::string& carte, const DestinoCarte& destino,
                 const std::filesystem::path& cartellaProgramma = ".");

} // namespace brivetta
