#include "UscitaAudio.h"

#include <QAudioDevice>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "FileWav.h"

namespace brivetta {

namespace {
constexpr int MargineCodaMs = 150; // the server's buffer still sounding after the length
} // namespace

void UscitaAudio::Richiesta(quint64 voce, const QString& percorso, int durataMs,
                            QDeadlineTimer scadenza) {
    const bool uscita = UscitaPresente();
    if (!percorso.isEmpty()) {
        // A request that waited past its end in the queue is not played late.
        if (uscita && !scadenza.hasExpired())
            Riproduci(voce, percorso, durataMs, scadenza);
        else
            emit finito(voce);
    }
    emit risposta(voce, uscita);
}

struct UscitaEffetti::Effetto {
    // A dying effect may still report; nobody listens by then.
    ~Effetto() { suono->disconnect(); }

    // Kept for the file's whole life: releasing a sample can make the audio system wait for its
    // loading thread, so an effect is replaced only when its file has changed.
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

UscitaEffetti::UscitaEffetti(QObject* parent) : UscitaAudio(parent) {}
UscitaEffetti::~UscitaEffetti() = default;

bool UscitaEffetti::UscitaPresente() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void UscitaEffetti::Riproduci(quint64 voce, const QString& percorso, int durataMs,
                              QDeadlineTimer scadenza) {
    // Checked again: the file may have changed since the window looked at it.
    if (DurataWav(percorso) != durataMs) {
        emit finito(voce);
        return;
    }
    Effetto& e = Prepara(percorso);
    Termina(e); // a sound played again starts over; the earlier request ends here
    e.voce = voce;
    e.durataMs = std::min(durataMs, DurataMassimaMs);
    e.tagliato = durataMs > DurataMassimaMs;
    e.scadenza = scadenza;
    if (e.suono->status() == QSoundEffect::Ready)
        Avvia(e);
    else if (e.suono->status() == QSoundEffect::Error)
        Termina(e);
    // While loading, statusChanged starts it.
}

UscitaEffetti::Effetto& UscitaEffetti::Prepara(const QString& percorso) {
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

void UscitaEffetti::Avvia(Effetto& e) {
    // Loaded too late: the player has already told the end.
    if (e.scadenza.hasExpired()) return Termina(e);
    // The effect reports its end well after the sound; played again while it still counts
    // as playing, it would stay silent.
    if (e.suono->isPlaying()) e.suono->stop();
    e.inizio.start();
    e.fine.start(e.durataMs + MargineCodaMs);
    e.suono->play();
}

void UscitaEffetti::Termina(Effetto& e) {
    if (!e.voce) return;
    const quint64 voce = e.voce;
    e.voce = 0;
    e.inizio.invalidate();
    e.fine.stop();
    // The server may still be sounding the last part: only a sound past the cut is stopped.
    if (e.tagliato && e.suono->isPlaying()) e.suono->stop();
    emit finito(voce);
}

} // namespace brivetta
