#include "UscitaAudio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QTimer>
#include <algorithm>

namespace brivetta {

namespace {
// Off unless asked for (QT_LOGGING_RULES="brivetta.suono.debug=true"); warnings always show.
Q_LOGGING_CATEGORY(RegistroSuono, "brivetta.suono", QtWarningMsg)

} // namespace

QString UscitaProcesso::Programma() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(ProgrammaSuono);
}

UscitaProcesso::UscitaProcesso(QString programma, QStringList argomenti, Tempi tempi,
                               QObject* parent)
    : UscitaAudio(parent), programma_(std::move(programma)), argomenti_(std::move(argomenti)),
      tempi_(tempi), guardia_(new QTimer(this)) {
    guardia_->setSingleShot(true);
    // A coarse timer may fire early, and the deadlines are checked when it fires.
    guardia_->setTimerType(Qt::PreciseTimer);
    connect(guardia_, &QTimer::timeout, this, &UscitaProcesso::Sorveglia);
}

UscitaProcesso::~UscitaProcesso() {
    guardia_->stop();
    if (processo_) processo_->disconnect(this);
    // Killed, never asked to leave: the process holds nothing worth saving, and one the server
    // left stuck would neither read a request to leave nor get through its audio system's
    // teardown. A process killed earlier may not be reaped yet.
    for (QProcess* p : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        if (p->state() == QProcess::NotRunning) continue;
        p->kill();
        p->waitForFinished(static_cast<int>(tempi_.chiusura.count()));
    }
}

void UscitaProcesso::Richiesta(quint64 voce, const QString& percorso, int durataMs,
                               QDeadlineTimer scadenza) {
    // The audio system looks for a server once: one that comes later is seen by a new process.
    if (processo_ && rinnovo_.hasExpired()) Abbandona("saw no audio output");
    if (!processo_ && !Avvia()) {
        if (!percorso.isEmpty()) emit finito(voce);
        emit risposta(voce, false);
        return;
    }
    processo_->write(QByteArray::number(voce) + ' ' + QByteArray::number(durataMs) + ' ' +
                     QByteArray::number(scadenza.remainingTime()) + ' ' +
                     QFile::encodeName(percorso).toPercentEncoding() + '\n');
    senzaRisposta_.emplace_back(voce, QDeadlineTimer(tempi_.risposta));
    if (!percorso.isEmpty()) inCorso_[voce] = scadenza + tempi_.coda.count();
    qCDebug(RegistroSuono) << "request" << voce << percorso;
    Sorveglia();
}

bool UscitaProcesso::Avvia() {
    // A process that keeps failing is not started again at every sound.
    if (!prossimoAvvio_.hasExpired()) return false;
    prossimoAvvio_.setRemainingTime(tempi_.pausa);
    if (!QFileInfo(programma_).isExecutable()) {
        if (!std::exchange(avvisato_, true))
            qCWarning(RegistroSuono) << "no sound program" << programma_ << "- the game is silent";
        return false;
    }
    processo_ = new QProcess(this);
    processo_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(processo_, &QProcess::readyReadStandardOutput, this, &UscitaProcesso::Leggi);
    connect(processo_, &QProcess::finished, this, [this] { Abbandona("ended"); });
    connect(processo_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError errore) {
        if (errore == QProcess::FailedToStart) Abbandona("could not start");
    });
    rinnovo_ = QDeadlineTimer(QDeadlineTimer::Forever);
    processo_->start(programma_, argomenti_);
    qCInfo(RegistroSuono) << "sound process started";
    return processo_ != nullptr;
}

void UscitaProcesso::Abbandona(const char* perche) {
    qCInfo(RegistroSuono) << "sound process" << perche;
    if (processo_) {
        QProcess* p = std::exchange(processo_, nullptr);
        p->disconnect(this);
        if (p->state() != QProcess::NotRunning) {
            // Reaped from the event loop, so the window never waits for it.
            connect(p, &QProcess::finished, p, &QObject::deleteLater);
            p->kill();
        } else {
            p->deleteLater();
        }
    }
    rinnovo_ = QDeadlineTimer(QDeadlineTimer::Forever);
    guardia_->stop();
    // Whatever it had taken on is over.
    for (const auto& [voce, fine] : std::exchange(inCorso_, {}))
        emit finito(voce);
    if (!senzaRisposta_.empty()) {
        const quint64 ultima = senzaRisposta_.back().first;
        senzaRisposta_.clear();
        emit risposta(ultima, false);
    }
}

void UscitaProcesso::Leggi() {
    while (processo_ && processo_->canReadLine()) {
        const QList<QByteArray> parti = processo_->readLine().trimmed().split(' ');
        bool numero = false;
        const quint64 voce = parti.value(1).toULongLong(&numero);
        if (!numero) continue;
        if (parti[0] == "r" && parti.size() == 3) {
            const bool uscita = parti[2] == "1";
            while (!senzaRisposta_.empty() && senzaRisposta_.front().first <= voce)
                senzaRisposta_.pop_front();
            if (uscita)
                rinnovo_ = QDeadlineTimer(QDeadlineTimer::Forever);
            else if (rinnovo_.isForever())
                rinnovo_.setRemainingTime(tempi_.senzaUscita);
            qCDebug(RegistroSuono) << "answer" << voce << "output" << uscita;
            emit risposta(voce, uscita);
        } else if (parti[0] == "f" && parti.size() == 2) {
            qCDebug(RegistroSuono) << "ended" << voce;
            if (inCorso_.erase(voce)) emit finito(voce);
        }
    }
    Sorveglia();
}

void UscitaProcesso::Sorveglia() {
    QDeadlineTimer prossima(QDeadlineTimer::Forever);
    if (!senzaRisposta_.empty()) prossima = senzaRisposta_.front().second;
    for (const auto& [voce, fine] : inCorso_)
        prossima = std::min(prossima, fine);
    if (prossima.isForever()) return guardia_->stop();
    if (!prossima.hasExpired())
        return guardia_->start(static_cast<int>(std::max<qint64>(1, prossima.remainingTime())));
    // A healthy process answers in milliseconds and ends a sound soon after its length: this
    // one is inside the audio system (a server that stalls), maybe for good.
    qCWarning(RegistroSuono) << "the sound process is stuck: it is replaced";
    Abbandona("killed");
}

} // namespace brivetta
