#pragma once
// Loading a card image set into the table's pictures 0..40: 0 the back, 1..40 the faces.

#include <QByteArray>
#include <QCoreApplication>
#include <QPixmap>
#include <QSize>
#include <filesystem>
#include <functional>
#include <string>

namespace brivetta {

// Told in the player's language (context "CaricaCarte").
inline constexpr const char* MessaggioCartaMancante = QT_TRANSLATE_NOOP(
    "CaricaCarte", "Non trovato file di immagine per la carta, si ripristina il default.");
inline constexpr const char* MessaggioMazzoDanneggiato = QT_TRANSLATE_NOOP(
    "CaricaCarte", "Il mazzo di carte Piacentine è danneggiato o mancante: reinstallare il gioco.");

// Follows a GIF's blocks from the header to the trailer without decoding a pixel: true when
// its logical screen is `misura`, every image lies inside it and nothing is cut short.
bool GifIntegra(const QByteArray& byte, QSize misura);

// Picture `indice` (0..40) of the set in `cartellaInsieme`. A file that is missing, damaged,
// cut short, not a GIF or not of the table's card size (58 x 99) gives a null picture; its
// size is checked in the file's header, before any pixel is decoded. With `rapporto` above 1
// the sharper picture of the set's "2x" folder (116 x 198) is used when it is there and sound;
// it keeps the same logical size.
QPixmap LeggiImmagineCarta(const std::filesystem::path& cartellaInsieme, int indice,
                           qreal rapporto = 1.0);

struct DestinoCarte {
    std::function<void(int indice, const QPixmap& immagine)> Imposta;
    std::function<void(const std::string& testo)> Messaggio;
    qreal Rapporto = 1.0; // device pixels per logical pixel of the screen
};

// Loads the set named `carte` from the program's folder. At the first picture that cannot be
// read the user is told once, `carte` becomes "Piacentine" and the loading starts again from
// the back. A broken "Piacentine", whether asked for or fallen back to, gets the one message
// of a broken installation and leaves its unreadable slots empty: it is never retried.
void CaricaCarte(std::string& carte, const DestinoCarte& destino,
                 const std::filesystem::path& cartellaProgramma = ".");

} // namespace brivetta
