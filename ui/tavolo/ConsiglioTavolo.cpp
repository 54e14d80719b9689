#include "ConsiglioTavolo.h"

#include <QFutureWatcher>
#include <QLoggingCategory>
#include <QtConcurrent/QtConcurrentRun>

namespace brivetta {

namespace {
// QT_LOGGING_RULES="brivetta.consiglio.info=true" tells how long each reckoning took.
Q_LOGGING_CATEGORY(registro, "brivetta.consiglio", QtWarningMsg)

ValoreMosse CalcoloNormale(const StatoTavolo& s, const VistaTavolo& v) {
    return ValutaMosse(s, v, OpzioniConsiglio{});
}
} // namespace

ConsiglioTavolo::ConsiglioTavolo(QObject* parent)
    : QObject(parent), calcolo_(CalcoloNormale),
      osservatore_(new QFutureWatcher<ValoreMosse>(this)) {
    connect(osservatore_, &QFutureWatcher<ValoreMosse>::finished, this, &ConsiglioTavolo::Arrivato);
}

// A reckoning still running works on its own copies and ends by itself: nothing here waits
// for it. The application waits for it as it ends (a second and a half at most).
ConsiglioTavolo::~ConsiglioTavolo() = default;

void ConsiglioTavolo::Chiedi(const StatoTavolo& s, const VistaTavolo& v) {
    if (chiesta_ && chiesta_->Uguale(s, v)) return;
    ++generazione_;
    chiesta_ = Posizione{s, v};
    valori_.reset();
    tempo_.start();
    // One reckoning at a time: the table asked last waits for the one running, whose result
    // will be dropped.
    if (!inCorso_) Avvia();
}

const ValoreMosse* ConsiglioTavolo::Valori(const StatoTavolo& s, const VistaTavolo& v) const {
    return valori_ && chiesta_ && chiesta_->Uguale(s, v) ? &*valori_ : nullptr;
}

void ConsiglioTavolo::Dimentica() {
    ++generazione_;
    chiesta_.reset();
    valori_.reset();
}

void ConsiglioTavolo::Avvia() {
    inCorso_ = true;
    generazioneInCorso_ = generazione_;
    osservatore_->setFuture(QtConcurrent::run(
        [calcolo = calcolo_, s = chiesta_->s, v = chiesta_->v] { return calcolo(s, v); }));
}

void ConsiglioTavolo::Arrivato() {
    inCorso_ = false;
    if (generazioneInCorso_ == generazione_ && chiesta_) {
        valori_ = osservatore_->result();
        qCInfo(registro, "advice ready after %lld ms at %d seats", tempo_.elapsed(),
               int(chiesta_->s.NumGiocatori));
        emit pronti();
    } else if (chiesta_) { // a newer table was asked meanwhile
        Avvia();
    }
}

} // namespace brivetta
