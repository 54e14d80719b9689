// The game's sound process: plays the wave files the game asks for through the system's sound
// server and tells when each has ended. It is the only process of the game that speaks to the
// server, so a server that stalls can hold it for good and the game simply starts another.
// Requests come one a line on the standard input, answers go to the standard output (the format
// is the game's, in UscitaAudio.h); the end of the input ends the process.

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSocketNotifier>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

#include "FileWav.h"
#include "UscitaAudio.h"

namespace brivetta {
namespace {

constexpr int MargineCodaMs = 150;           // the server's buffer still sounding after the length
constexpr qsizetype RigaMassima = 64 * 1024; // a longer line is not the game's

void Scrivi(const QByteArray& riga) {
    std::fwrite(riga.constData(), 1, std::size_t(riga.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// One long-lived effect per file.
class Altoparlante : public QObject {
  public:
    void Richiesta(quint64 voce, const QString& percorso, int durataMs, QDeadlineTimer scadenza);

  private:
    struct Effetto {
        // A dying effect may still report; nobody listens by then.
        ~Effetto() { suono->disconnect(); }

        // Kept for the file's whole life: releasing a sample can make the audio system wait for
        // its loading thread, so an effect is replaced only when its file has changed.
        std::unique_ptr<QSoundEffect> suono;
        qint64 dimensione = -1;
        QDateTime modifica;
        QByteArray dispositivo;
        quint64 voce = 0; // the request playing now; 0 when none
        int durataMs = 0; // up to the cut
        bool tagliato = false;
        QDeadlineTimer scadenza;
        QElapsedTimer inizio; // valid once play() was called
        QTimer fine;          // the end: length and the server's tail, or the rest of the length
    };

    void Finito(quint64 voce) { Scrivi("f " + QByteArray::number(voce)); }
    void Riproduci(quint64 voce, const QString& percorso, int durataMs, QDeadlineTimer scadenza);
    Effetto& Prepara(const QString& percorso);
    void Avvia(Effetto& e);
    void Termina(Effetto& e);

    std::map<QString, std::unique_ptr<Effetto>> effetti_;
};

void Altoparlante::Richiesta(quint64 voce, const QString& percorso, int durataMs,
                             QDeadlineTimer scadenza) {
    const bool uscita = !QMediaDevices::audioOutputs().isEmpty();
    if (!percorso.isEmpty()) {
        // A request that waited past its end is not played late.
        if (uscita && !scadenza.hasExpired())
            Riproduci(voce, percorso, durataMs, scadenza);
        else
            Finito(voce);
    }
    Scrivi("r " + QByteArray::number(voce) + (uscita ? " 1" : " 0"));
}

void Altoparlante::Riproduci(quint64 voce, const QString& percorso, int durataMs,
                             QDeadlineTimer scadenza) {
    // Checked again: the file may have changed since the game looked at it.
    if (DurataWav(percorso) != durataMs) return Finito(voce);
    Effetto& e = Prepara(percorso);
    Termina(e); // a sound played again starts over; the earlier request ends here
    e.voce = voce;
    e.durataMs = std::min(durataMs, UscitaAudio::DurataMassimaMs);
    e.tagliato = durataMs > UscitaAudio::DurataMassimaMs;
    e.scadenza = scadenza;
    if (e.suono->status() == QSoundEffect::Ready)
        Avvia(e);
    else if (e.suono->status() == QSoundEffect::Error)
        Termina(e);
    // While loading, statusChanged starts it.
}

Altoparlante::Effetto& Altoparlante::Prepara(const QString& percorso) {
    const QFileInfo info(percorso);
    const QAudioDevice uscita = QMediaDevices::defaultAudioOutput();
    auto& e = effetti_[percorso];
    if (e && e->dimensione == info.size() && e->modifica == info.lastModified() &&
        e->dispositivo == uscita.id())
        return *e;

    if (e) Termina(*e);
    e = std::make_unique<Effetto>();
    e->dimensione = info.size();
    e->modifica = info.lastModified();
    e->dispositivo = uscita.id();
    e->suono = std::make_unique<QSoundEffect>(uscita);
    e->fine.setSingleShot(true);
    e->fine.setTimerType(Qt::PreciseTimer);
    Effetto* p = e.get();
    connect(&p->fine, &QTimer::timeout, this, [this, p] { Termina(*p); });
    connect(p->suono.get(), &QSoundEffect::statusChanged, this, [this, p] {
        if (!p->voce) return;
        if (p->suono->status() == QSoundEffect::Error)
            Termina(*p);
        else if (p->suono->status() == QSoundEffect::Ready && !p->inizio.isValid())
            Avvia(*p);
    });
    connect(p->suono.get(), &QSoundEffect::playingChanged, this, [this, p] {
        if (!p->voce || !p->inizio.isValid() || p->suono->isPlaying()) return;
        // The end may be reported while the server still holds the last part: the sound
        // lasts at least its own length.
        const qint64 resto = p->durataMs - p->inizio.elapsed();
        if (resto > 0)
            p->fine.start(static_cast<int>(resto));
        else
            Termina(*p);
    });
    e->suono->setSource(QUrl::fromLocalFile(percorso));
    return *e;
}

void Altoparlante::Avvia(Effetto& e) {
    // Loaded too late: the game has already told the end.
    if (e.scadenza.hasExpired()) return Termina(e);
    // The effect reports its end well after the sound; played again while it still counts
    // as playing, it would stay silent.
    if (e.suono->isPlaying()) e.suono->stop();
    e.inizio.start();
    e.fine.start(e.durataMs + MargineCodaMs);
    e.suono->play();
}

void Altoparlante::Termina(Effetto& e) {
    if (!e.voce) return;
    const quint64 voce = e.voce;
    e.voce = 0;
    e.inizio.invalidate();
    e.fine.stop();
    // The server may still be sounding the last part: only a sound past the cut is stopped.
    if (e.tagliato && e.suono->isPlaying()) e.suono->stop();
    Finito(voce);
}

// "<voce> <durataMs> <attesaMs> <percorso>"; a line that is not one is ignored.
void Esegui(Altoparlante& altoparlante, const QByteArray& riga) {
    const QList<QByteArray> parti = riga.split(' ');
    if (parti.size() != 4) return;
    bool ok[3] = {};
    const quint64 voce = parti[0].toULongLong(&ok[0]);
    const int durataMs = parti[1].toInt(&ok[1]);
    const qint64 attesaMs = parti[2].toLongLong(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2]) return;
    const QDeadlineTimer scadenza =
        attesaMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(attesaMs);
    altoparlante.Richiesta(voce, QFile::decodeName(QByteArray::fromPercentEncoding(parti[3])),
                           durataMs, scadenza);
}

} // namespace
} // namespace brivetta

int main(int argc, char** argv) {
#ifdef __linux__
    // Gone with the game, even while the audio system holds this process inside a call.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    QCoreApplication app(argc, argv);
    brivetta::Altoparlante altoparlante;
    QByteArray arrivato;
    QSocketNotifier ingresso(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&ingresso, &QSocketNotifier::activated, &app, [&] {
        char blocco[4096];
        const ssize_t letti = ::read(STDIN_FILENO, blocco, sizeof blocco);
        if (letti < 0 && (errno == EINTR || errno == EAGAIN)) return;
        if (letti <= 0) {
            // The game has gone.
            ingresso.setEnabled(false);
            return QCoreApplication::quit();
        }
        arrivato.append(blocco, letti);
        for (qsizetype fine; (fine = arrivato.indexOf('\n')) >= 0; arrivato.remove(0, fine + 1))
            brivetta::Esegui(altoparlante, arrivato.left(fine));
        if (arrivato.size() > brivetta::RigaMassima) arrivato.clear();
    });
    return app.exec();
}
