#include "CaricaCarte.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <array>

#include "CercaFile.h"
#include "FileImpostazioni.h"
#include "GeometriaTavolo.h"
#include "InsiemiCarte.h"

namespace brivetta {

namespace fs = std::filesystem;

namespace {
constexpr qreal RapportoDoppio = 2.0;
// A card picture takes a few kilobytes; a file this large is no card, and is not read in.
constexpr qint64 DimensioneMassimaGif = 1 << 20;
constexpr qsizetype TestataGif = 13; // signature, logical screen, flags, background, aspect
// The code sizes an LZW stream can start from and still fit codes of at most 12 bits.
constexpr int BitMinimiLzw = 1, BitMassimiLzw = 11;

// Counts the pixels an image's LZW data gives, without making them: only the length of each
// table entry is kept. Stops at the end code, at a code the table cannot have, or once
// `bastano` pixels are there.
class ContaPixel {
  public:
    ContaPixel(int bitMinimi, qint64 bastano)
        : pulisci_(1 << bitMinimi), fine_(pulisci_ + 1), bitMinimi_(bitMinimi), bastano_(bastano) {
        Ricomincia();
    }
    bool Finito() const { return finito_ || pixel_ >= bastano_; }
    qint64 Pixel() const { return pixel_; }

    void Aggiungi(unsigned char byte) {
        accumulo_ |= quint32(byte) << bit_;
        for (bit_ += 8; bit_ >= bitCodice_ && !Finito();) {
            const int codice = int(accumulo_ & ((1u << bitCodice_) - 1));
            accumulo_ >>= bitCodice_;
            bit_ -= bitCodice_;
            Codice(codice);
        }
    }

  private:
    static constexpr int BitMassimi = 12;
    static constexpr int Voci = 1 << BitMassimi;

    void Ricomincia() {
        prossima_ = fine_ + 1;
        bitCodice_ = bitMinimi_ + 1;
        precedente_ = -1;
    }
    void Codice(int codice) {
        if (codice == pulisci_) return Ricomincia();
        if (codice == fine_ || codice > prossima_ || (precedente_ < 0 && codice > pulisci_)) {
            finito_ = true; // the end, or data no decoder can follow: nothing more comes
            return;
        }
        const auto lunghezza = [this](int c) { return c < pulisci_ ? 1 : lunghezze_[c]; };
        if (precedente_ >= 0) {
            // The entry made now is the previous string and one more pixel; a code equal to it
            // is the one case where the data names an entry before the decoder has it.
            if (prossima_ < Voci) lunghezze_[prossima_++] = lunghezza(precedente_) + 1;
            if (prossima_ == (1 << bitCodice_) && bitCodice_ < BitMassimi) ++bitCodice_;
        }
        pixel_ += lunghezza(codice);
        precedente_ = codice;
    }

    const int pulisci_, fine_, bitMinimi_;
    const qint64 bastano_;
    std::array<int, Voci> lunghezze_{};
    int prossima_ = 0, bitCodice_ = 0, precedente_ = -1;
    quint32 accumulo_ = 0;
    int bit_ = 0;
    qint64 pixel_ = 0;
    bool finito_ = false;
};

} // namespace

// The decoder would make a picture as large as the screen claims (QImageReader::size() reports
// the first image, which may be small) and fills a cut picture with a colour of its own, or
// leaves pixels its data never reached transparent: every image's data must cover the image.
bool GifIntegra(const QByteArray& b, QSize misura) {
    if (b.size() < TestataGif || (!b.startsWith("GIF87a") && !b.startsWith("GIF89a"))) return false;
    const auto byte = [&b](qsizetype i) { return static_cast<unsigned char>(b[i]); };
    const auto le16 = [&byte](qsizetype i) { return byte(i) | byte(i + 1) << 8; };
    if (le16(6) != misura.width() || le16(8) != misura.height()) return false;
    qsizetype i = TestataGif;
    const auto tavolozza = [&i](unsigned flag) {
        if (flag & 0x80) i += qsizetype(3) << ((flag & 7) + 1);
    };
    // Walks data blocks up to the empty one that ends them, handing their bytes to `dati`.
    const auto sottoblocchi = [&](const std::function<void(unsigned char)>& dati) {
        while (i < b.size() && byte(i) != 0) {
            const qsizetype fine = std::min(b.size(), i + 1 + byte(i));
            if (dati)
                for (qsizetype j = i + 1; j < fine; ++j)
                    dati(byte(j));
            i += byte(i) + 1;
        }
        ++i;
    };
    tavolozza(byte(10));
    bool conImmagine = false;
    while (i < b.size()) {
        switch (byte(i++)) {
        case 0x3B: // trailer; whatever follows it is not the picture's
            return conImmagine;
        case 0x21: // extension: its label, then data blocks
            ++i;
            sottoblocchi({});
            break;
        case 0x2C: { // image: position and size, flags, palette, code size, data blocks
            constexpr qsizetype Descrittore = 9;
            if (i + Descrittore > b.size()) return false;
            const int larghezza = le16(i + 4), altezza = le16(i + 6);
            if (le16(i) + larghezza > misura.width() || le16(i + 2) + altezza > misura.height())
                return false;
            const unsigned flag = byte(i + 8);
            i += Descrittore;
            tavolozza(flag);
            if (i >= b.size()) return false;
            const int bitMinimi = byte(i++);
            if (bitMinimi < BitMinimiLzw || bitMinimi > BitMassimiLzw) return false;
            const qint64 area = qint64(larghezza) * altezza;
            ContaPixel conta(bitMinimi, area);
            sottoblocchi([&conta](unsigned char d) {
                if (!conta.Finito()) conta.Aggiungi(d);
            });
            if (conta.Pixel() < area) return false;
            conImmagine = true;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

namespace {

// A picture counts only when it is a whole GIF of exactly `misura`, whatever its name says.
// The bytes checked are the bytes decoded.
QPixmap LeggiGif(const fs::path& file, QSize misura) {
    if (file.empty()) return {};
    QFile f(QFile::decodeName(file.c_str()));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray byte = f.read(DimensioneMassimaGif + 1);
    if (byte.size() > DimensioneMassimaGif || !GifIntegra(byte, misura)) return {};
    QBuffer dati(&byte);
    dati.open(QIODevice::ReadOnly);
    QImageReader lettore(&dati, "gif");
    lettore.setDecideFormatFromContent(false);
    const QImage immagine = lettore.read();
    return immagine.size() == misura ? QPixmap::fromImage(immagine) : QPixmap();
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
    QPixmap immagine = LeggiGif(TrovaFileCarta(cartellaInsieme, indice), geometria::Carta);
    if (immagine.isNull() || rapporto <= 1.0) return immagine;
    const fs::path doppia = CartellaDoppia(cartellaInsieme);
    if (doppia.empty()) return immagine;
    QPixmap nitida = LeggiGif(TrovaFileCarta(doppia, indice), geometria::Carta * RapportoDoppio);
    if (nitida.isNull()) return immagine;
    nitida.setDevicePixelRatio(RapportoDoppio);
    return nitida;
}

void CaricaCarte(std::string& carte, const DestinoCarte& destino,
                 const fs::path& cartellaProgramma) {
    // A broken default is reported as a broken installation, never as a set to be replaced by
    // itself.
    const fs::path predefinito = CartellaInsieme(cartellaProgramma, MazzoPredefinito);
    const bool ePredefinito =
        carte == MazzoPredefinito ||
        (!predefinito.empty() && CartellaInsieme(cartellaProgramma, carte) == predefinito);
    if (!ePredefinito) {
        if (CaricaInsieme(carte, destino, cartellaProgramma, false)) return;
        destino.Messaggio(
            QCoreApplication::translate("CaricaCarte", MessaggioCartaMancante).toStdString());
    }
    carte = MazzoPredefinito;
    if (!CaricaInsieme(carte, destino, cartellaProgramma, true))
        destino.Messaggio(
            QCoreApplication::translate("CaricaCarte", MessaggioMazzoDanneggiato).toStdString());
}

} // namespace brivetta
