#include "FileWav.h"

#include <QFile>
#include <QtEndian>
#include <optional>

namespace brivetta {

namespace {
constexpr quint16 FormatoPcm = 1;
constexpr quint32 FrequenzaMinima = 8000;
constexpr quint32 FrequenzaMassima = 192000;
constexpr qint64 LunghezzaFmt = 16;
// The audio system loads a sound whole into memory before playing it.
constexpr qint64 DatiMassimi = 8 * 1024 * 1024;
// Real files carry a few chunks before the samples; a file of countless tiny chunks is not one.
constexpr int BlocchiMassimi = 32;

quint32 Leggi32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 Leggi16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

// Bytes of sound per second, or nothing when the format is not one the player takes.
std::optional<quint32> ByteAlSecondo(const QByteArray& fmt) {
    if (fmt.size() < LunghezzaFmt) return {}; // a read that came short
    const char* p = fmt.constData();
    const quint16 formato = Leggi16(p);
    const quint16 canali = Leggi16(p + 2);
    const quint32 frequenza = Leggi32(p + 4);
    const quint32 byteAlSecondo = Leggi32(p + 8);
    const quint16 blocco = Leggi16(p + 12);
    const quint16 bit = Leggi16(p + 14);
    const bool valido = formato == FormatoPcm && (canali == 1 || canali == 2) &&
                        (bit == 8 || bit == 16) && frequenza >= FrequenzaMinima &&
                        frequenza <= FrequenzaMassima && blocco == canali * bit / 8 &&
                        byteAlSecondo == frequenza * blocco;
    if (!valido) return {};
    return byteAlSecondo;
}
} // namespace

int DurataWav(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray testa = f.read(12);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE") return -1;
    std::optional<quint32> byteAlSecondo;
    // Walk the chunks: "fmt " gives the format, "data" the length.
    for (int n = 0; n < BlocchiMassimi; ++n) {
        const QByteArray blocco = f.read(8);
        if (blocco.size() < 8) return -1;
        const qint64 lunghezza = Leggi32(blocco.constData() + 4);
        const qint64 inizio = f.pos();
        // A chunk running past the end is a cut file: the player would wait for the rest.
        if (lunghezza > f.size() - inizio) return -1;
        if (blocco.startsWith("fmt ")) {
            if (lunghezza < LunghezzaFmt) return -1;
            byteAlSecondo = ByteAlSecondo(f.read(LunghezzaFmt));
            if (!byteAlSecondo) return -1;
        } else if (blocco.startsWith("data")) {
            if (!byteAlSecondo || lunghezza == 0 || lunghezza > DatiMassimi) return -1;
            return static_cast<int>(lunghezza * 1000 / *byteAlSecondo);
        }
        if (!f.seek(inizio + lunghezza + lunghezza % 2)) return -1;
    }
    return -1;
}

} // namespace brivetta
