#include "CaricaCarte.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>

#include "CercaFile.h"
#include "FileImpostazioni.h"
#include "InsiemiCarte.h"

namespace brivetta {

namespace fs = std::filesystem;

namespace {
constexpr qreal RapportoDoppio = 2.0;

// A picture counts only when it decodes as a GIF, whatever its name says.
QPixmap LeggiGif(const fs::path& file) {
    if (file.empty()) return {};
    QImageReader lettore(QFile::decodeName(file.c_str()), "gif");
    lettore.setDecideFormatFromContent(false);
    const QImage immagine = lettore.read();
    return immagine.isNull() ? QPixmap() : QPixmap::fromImage(immagine);
}

fs::path CartellaDoppia(const fs::path& cartellaInsieme) {
    const fs::path doppia = CercaFile(cartellaInsieme, "2x");
    std::error_code ec;
    return !doppia.empty() && fs::is_directory(doppia, ec) ? doppia : fs::path();
}

// One pass over the set. Stops at the first unreadable picture unless `finoInFondo`, in which
// case that slot is emptied and the pass goes on. Returns whether every picture was read.
bool CaricaInsieme(const std::string& carte, const DestinoCarte& destino,
                   const fs::path& cartellaProgramma, bool finoInFondo) {
    const fs::path cartella = CartellaInsieme(cartellaProgramma, carte);
    bool completo = true;
    for (int i = PrimaImmagine; i <= UltimaImmagine; ++i) {
        const QPixmap immagine =
            cartella.empty() ? QPixmap() : LeggiImmagineCarta(cartella, i, destino.Rapporto);
        if (immagine.isNull()) {
            completo = false;
            if (!finoInFondo) return false;
        }
        destino.Imposta(i, immagine);
    }
    return completo;
}
} // namespace

QPixmap LeggiImmagineCarta(const fs::path& cartellaInsieme, int indice, qreal rapporto) {
    QPixmap immagine = LeggiGif(TrovaFileCarta(cartellaInsieme, indice));
    if (immagine.isNull() || rapporto <= 1.0) return immagine;
    const fs::path doppia = CartellaDoppia(cartellaInsieme);
    if (doppia.empty()) return immagine;
    QPixmap nitida = LeggiGif(TrovaFileCarta(doppia, indice));
    if (nitida.isNull()) return immagine;
    nitida.setDevicePixelRatio(RapportoDoppio);
    return nitida;
}

void CaricaCarte(std::string& carte, const DestinoCarte& destino,
                 const fs::path& cartellaProgramma) {
    if (CaricaInsieme(carte, destino, cartellaProgramma, false)) return;
    destino.Messaggio(MessaggioCartaMancante);
    carte = MazzoPredefinito;
    if (!CaricaInsieme(carte, destino, cartellaProgramma, true))
        destino.Messaggio(MessaggioMazzoDanneggiato);
}

} // namespace brivetta
