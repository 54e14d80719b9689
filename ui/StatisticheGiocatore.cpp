#include "StatisticheGiocatore.h"

#include <QDateTime>
#include <QRandomGenerator>

#include "FileStatistiche.h"

namespace brivetta {

namespace {
// Tells this game from the games of other copies saving into the same file; a JSON number
// keeps 53 bits exactly.
constexpr quint64 BitsId = (quint64{1} << 53) - 1;
} // namespace

StatisticheGiocatore::StatisticheGiocatore()
    : orologio_([] { return QDateTime::currentSecsSinceEpoch(); }) {}
StatisticheGiocatore::~StatisticheGiocatore() = default;

void StatisticheGiocatore::Carica(const QString& cartella) {
    file_ = std::make_unique<FileStatistiche>(cartella);
    salvate_ = file_->Leggi();
    file_->TogliTemporanei();
    statistiche_ = Statistiche(salvate_);
    salvate_ = statistiche_.Dati();
}

void StatisticheGiocatore::Azzera() {
    statistiche_.Azzera();
    // A reset is not added to the file: it replaces it.
    if (!file_) return;
    if (file_->Scrivi(statistiche_.Dati()))
        salvate_ = statistiche_.Dati();
    else
        Fallito();
}

void StatisticheGiocatore::PartitaIniziata(const StatoTavolo& s) {
    const quint64 id = QRandomGenerator::global()->generate64() & BitsId;
    statistiche_.NuovaPartita(s.MalloppoIniziale, orologio_(), id);
    Salva();
}

void StatisticheGiocatore::MancheSaldata(const StatoTavolo& s) {
    conteggio_.MancheSaldata(s);
    Salva();
}

void StatisticheGiocatore::PartitaFinita(const StatoTavolo& s) {
    conteggio_.PartitaFinita(s);
    Salva();
}

void StatisticheGiocatore::Salva() {
    if (!file_) return;
    if (auto unite = file_->Salva(salvate_, statistiche_.Dati())) {
        salvate_ = *unite;
        statistiche_.Adotta(std::move(*unite));
    } else {
        Fallito();
    }
}

void StatisticheGiocatore::Fallito() {
    if (salvataggioFallito_) return;
    salvataggioFallito_ = true;
    qWarning("Impossibile salvare %s", qPrintable(file_->Percorso()));
}

} // namespace brivetta
