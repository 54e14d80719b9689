#include "LettoreSuoni.h"

#include <QFileInfo>
#include <QThread>
#include <QTimerEvent>
#include <algorithm>

#include "RiproduttoreEffetti.h"
#include "Suono.h"

namespace brivetta {

namespace {
using std::chrono::milliseconds;
// Loading the file and opening the device; also how long the audio thread may leave a request
// unanswered before it is taken as stuck.
constexpr milliseconds MargineGuardia{1000};
// At exit, how long the audio thread gets to close its streams before it is left behind.
constexpr milliseconds TempoChiusura{500};
} // namespace

LettoreSuoni::LettoreSuoni(QObject* parent)
    : LettoreSuoni(std::make_unique<RiproduttoreEffetti>(), MargineGuardia, parent) {}

LettoreSuoni::LettoreSuoni(std::unique_ptr<Riproduttore> riproduttore, milliseconds margine,
                           QObject* parent)
    : QObject(parent), filo_(new QThread), riproduttore_(riproduttore.release()),
      margine_(margine) {
    filo_->setObjectName(QStringLiteral("Suoni"));
    riproduttore_->moveToThread(filo_);
    connect(filo_, &QThread::finished, riproduttore_, &QObject::deleteLater);
    connect(riproduttore_, &Riproduttore::risposta, this, &LettoreSuoni::Risposta,
            Qt::QueuedConnection);
    connect(riproduttore_, &Riproduttore::finito, this, &LettoreSuoni::Concludi,
            Qt::QueuedConnection);
    filo_->start();
    // Asked now, so the first sound already knows whether there is an output.
    Invia({}, 0, margine_);
}

LettoreSuoni::~LettoreSuoni() {
    filo_->quit();
    if (filo_->wait(QDeadlineTimer(TempoChiusura))) delete filo_;
    // Otherwise the audio system holds the thread: it is left behind rather than holding up the
    // exit, together with the objects it owns.
}

void LettoreSuoni::Suona(const QString& file) {
    const QString percorso = TrovaFileProgramma(file);
    const int durata = percorso.isEmpty() ? -1 : DurataWav(percorso);
    if (durata < 0 || uscita_ == Uscita::Assente || Bloccato()) {
        // Without an output ask again, so a sound server started later is heard.
        if (uscita_ == Uscita::Assente && senzaRisposta_.empty()) Invia({}, 0, margine_);
        QMetaObject::invokeMethod(this, &LettoreSuoni::finito, Qt::QueuedConnection);
        return;
    }
    const milliseconds attesa =
        milliseconds(std::min(durata, Riproduttore::DurataMassimaMs)) + margine_;
    const quint64 voce = Invia(QFileInfo(percorso).absoluteFilePath(), durata, attesa);
    guardie_[voce] = startTimer(attesa, Qt::PreciseTimer);
}

quint64 LettoreSuoni::Invia(const QString& percorso, int durataMs, milliseconds attesa) {
    const quint64 voce = ++ultima_;
    QElapsedTimer inviata;
    inviata.start();
    senzaRisposta_.emplace_back(voce, inviata);
    QMetaObject::invokeMethod(
        riproduttore_,
        [r = riproduttore_, voce, percorso, durataMs, scadenza = QDeadlineTimer(attesa)] {
            r->Richiesta(voce, percorso, durataMs, scadenza);
        },
        Qt::QueuedConnection);
    return voce;
}

void LettoreSuoni::Risposta(quint64 voce, bool uscita) {
    uscita_ = uscita ? Uscita::Presente : Uscita::Assente;
    while (!senzaRisposta_.empty() && senzaRisposta_.front().first <= voce)
        senzaRisposta_.pop_front();
}

void LettoreSuoni::Concludi(quint64 voce) {
    const auto guardia = guardie_.find(voce);
    if (guardia == guardie_.end()) return; // already told, by the other of the two ends
    killTimer(guardia->second);
    guardie_.erase(guardia);
    emit finito();
}

void LettoreSuoni::timerEvent(QTimerEvent* evento) {
    const auto guardia = std::find_if(guardie_.begin(), guardie_.end(), [evento](const auto& g) {
        return g.second == evento->timerId();
    });
    if (guardia == guardie_.end()) return QObject::timerEvent(evento);
    Concludi(guardia->first);
}

bool LettoreSuoni::Bloccato() const {
    // A healthy audio thread answers in milliseconds; one that does not is inside the audio
    // system (a server that never replies, a load that never ends), and the sounds are silent
    // until it answers again.
    return !senzaRisposta_.empty() && senzaRisposta_.front().second.hasExpired(margine_.count());
}

} // namespace brivetta
