#include "Suono.h"

#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <algorithm>

namespace brivetta {

namespace {
constexpr int DurataMassimaMs = 3000; // our effects are short; longer files are cut here
constexpr int MargineAvvioMs = 1000;  // loading the file and opening the device
constexpr int MargineCodaMs = 150;    // the server's buffer still sounding after the length

quint32 Leggi32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 Leggi16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
} // namespace

QString TrovaFileProgramma(const QString& nome) {
    if (nome.isEmpty() || nome.contains(QLatin1Char('/'))) return {};
    const QDir cartella = QDir::current();
    const auto voci = cartella.entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& voce : voci)
        if (voce.fileName().compare(nome, Qt::CaseInsensitive) == 0) return voce.filePath();
    return {};
}

int DurataWav(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray testa = f.read(12);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE") return -1;
    quint32 byteAlSecondo = 0;
    quint16 formato = 0;
    // Walk the chunks: "fmt " gives the rate, "data" the length.
    while (!f.atEnd()) {
        const QByteArray blocco = f.read(8);
        if (blocco.size() < 8) return -1;
        const quint32 lunghezza = Leggi32(blocco.constData() + 4);
        if (blocco.startsWith("fmt ")) {
            if (lunghezza < 16) return -1;
            const QByteArray fmt = f.read(lunghezza);
            if (fmt.size() < 16) return -1;
            formato = Leggi16(fmt.constData());
            byteAlSecondo = Leggi32(fmt.constData() + 8);
            if (lunghezza % 2) f.read(1);
        } else if (blocco.startsWith("data")) {
            if (formato != 1 || byteAlSecondo == 0) return -1;
            const qint64 disponibili = f.size() - f.pos();
            const qint64 byte = std::min<qint64>(lunghezza, disponibili);
            return static_cast<int>(byte * 1000 / byteAlSecondo);
        } else {
            if (!f.seek(f.pos() + lunghezza + (lunghezza % 2))) return -1;
        }
    }
    return -1;
}

void SuonaEffetto(const std::string& file) {
    const QString percorso = TrovaFileProgramma(QString::fromStdString(file));
    if (percorso.isEmpty()) return;
    const int durata = DurataWav(percorso);
    if (durata < 0) return;
    if (QMediaDevices::audioOutputs().isEmpty()) return;

    // The effect outlives the wait: the sound server may still be playing its last
    // milliseconds when the game goes on, and reports the end well after it.
    auto* effetto = new QSoundEffect;
    effetto->setAudioDevice(QMediaDevices::defaultAudioOutput());
    const int lunghezza = std::min(durata, DurataMassimaMs);
    QEventLoop attesa;
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, &attesa, &QEventLoop::quit);
    bool partito = false;
    QObject::connect(effetto, &QSoundEffect::statusChanged, &attesa, [&] {
        if (effetto->status() == QSoundEffect::Error) {
            attesa.quit();
        } else if (effetto->status() == QSoundEffect::Ready && !partito) {
            partito = true;
            effetto->play();
        }
    });
    QElapsedTimer suonato;
    QObject::connect(effetto, &QSoundEffect::playingChanged, &attesa, [&] {
        if (effetto->isPlaying()) {
            suonato.start();
            guardia.start(lunghezza + MargineCodaMs); // from the real start
        } else if (partito) {
            // The end may be reported while the server still holds the last part: the wait
            // lasts at least the sound's own length.
            const qint64 resto = lunghezza - (suonato.isValid() ? suonato.elapsed() : lunghezza);
            if (resto > 0)
                guardia.start(static_cast<int>(resto));
            else
                attesa.quit();
        }
    });
    guardia.start(lunghezza + MargineAvvioMs);

    effetto->setSource(QUrl::fromLocalFile(QFileInfo(percorso).absoluteFilePath()));
    if (effetto->status() == QSoundEffect::Ready && !partito) {
        partito = true;
        effetto->play();
    }
    if (effetto->status() != QSoundEffect::Error)
        // Like a synchronous player: the table repaints, but takes no input meanwhile.
        attesa.exec(QEventLoop::ExcludeUserInputEvents);

    // Closing the stream at once could cut what the server still has to play.
    QTimer::singleShot(lunghezza + MargineAvvioMs, effetto, &QObject::deleteLater);
}

} // namespace brivetta
