#include "LettoreSuoni.h"

#include <QFile>
#include <QFileInfo>
#include <QTimerEvent>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "CercaFile.h"
#include "FileWav.h"
#include "UscitaAudio.h"

namespace brivetta {

QString FileEffetto(Effetto effetto) {
    switch (effetto) {
    case Effetto::CartaScoperta:
    case Effetto::Stop:
        return QStringLiteral("SOUND112.wav");
    case Effetto::CartaCoperta:
        return QStringLiteral("laser.wav");
    case Effetto::Posta:
        return QStringLiteral("dindin.wav");
    case Effetto::Sballato:
    case Effetto::ManchePersa:
        return QStringLiteral("oh_no.wav");
    case Effetto::SetteEMezzo:
    case Effetto::MancheVinta:
        return QStringLiteral("Risata.wav");
    }
    return {};
}

namespace {
using std::chrono::milliseconds;
// Loading the file and opening the device; also how long the audio side may leave a request
// unanswered before the sounds go silent.
constexpr milliseconds MargineGuardia{1000};

// The file of the current folder named `file` ignoring letter case, as an absolute path; empty
// unless it is a regular file (or a link to one): a folder or a dangling link of that name is
// silent, and a pipe would hold the header's read forever.
QString FileDaSuonare(const QString& file) {
    const QByteArray nome = QFile::encodeName(file);
    const std::filesystem::path trovato =
        CercaFile(".", {nome.constData(), std::size_t(nome.size())});
    std::error_code errore;
    if (trovato.empty() || !std::filesystem::is_regular_file(trovato, errore)) return {};
    return QFileInfo(QFile::decodeName(trovato.c_str())).absoluteFilePath();
}
} // namespace

LettoreSuoni::LettoreSuoni(QObject* parent)
    : LettoreSuoni(std::make_unique<UscitaProcesso>(), MargineGuardia, parent) {}

LettoreSuoni::LettoreSuoni(std::unique_ptr<UscitaAudio> audio, milliseconds margine,
                           QObject* parent)
    : QObject(parent), audio_(audio.release()), margine_(margine) {
    audio_->setParent(this);
    // Queued: the audio side may answer inside a request.
    connect(audio_, &UscitaAudio::risposta, this, &LettoreSuoni::Risposta, Qt::QueuedConnection);
    connect(audio_, &UscitaAudio::finito, this, &LettoreSuoni::Concludi, Qt::QueuedConnection);
    // Asked now, so the first sound already knows whether there is an output.
    Invia({}, 0, margine_);
}

LettoreSuoni::~LettoreSuoni() = default;

void LettoreSuoni::Suona(const QString& file) {
    const QString percorso = FileDaSuonare(file);
    const int durata = percorso.isEmpty() ? -1 : DurataWav(percorso);
    if (durata < 0 || uscita_ == Uscita::Assente || Bloccato()) {
        // Without an output ask again, so a sound server started later is heard.
        if (uscita_ == Uscita::Assente && senzaRisposta_.empty()) Invia({}, 0, margine_);
        return FinisciDopo();
    }
    const milliseconds attesa =
        milliseconds(std::min(durata, UscitaAudio::DurataMassimaMs)) + margine_;
    const quint64 voce = Invia(percorso, durata, attesa);
    guardie_[voce] = startTimer(attesa, Qt::PreciseTimer);
}

void LettoreSuoni::FinisciDopo() {
    QMetaObject::invokeMethod(this, &LettoreSuoni::finito, Qt::QueuedConnection);
}

quint64 LettoreSuoni::Invia(const QString& percorso, int durataMs, milliseconds attesa) {
    const quint64 voce = ++ultima_;
    QElapsedTimer inviata;
    inviata.start();
    senzaRisposta_.emplace_back(voce, inviata);
    audio_->Richiesta(voce, percorso, durataMs, QDeadlineTimer(attesa));
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
    // A healthy audio side answers in milliseconds; one that does not is inside the audio
    // system (a server that never replies, a load that never ends), and the sounds are silent
    // until it answers again or is replaced.
    return !senzaRisposta_.empty() && senzaRisposta_.front().second.hasExpired(margine_.count());
}

} // namespace brivetta
