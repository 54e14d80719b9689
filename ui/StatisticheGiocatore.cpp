#include "StatisticheGiocatore.h"

#include <QtGlobal>

#include "FileStatistiche.h"

namespace brivetta {

StatisticheGiocatore::StatisticheGiocatore() = default;
StatisticheGiocatore::~StatisticheGiocatore() = default;

void StatisticheGiocatore::Carica(const QString& cartella) {
    file_ = std::make_unique<FileStatistiche>(cartella);
    statistiche_ = Statistiche(file_->Leggi());
}

void StatisticheGiocatore::Azzera() {
    statistiche_.Azzera();
    Salva();
}

void StatisticheGiocatore::PartitaIniziata(const StatoTavolo& s) {
    conteggio_.PartitaIniziata(s);
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
    if (file_ && !file_->Scrivi(statistiche_.Dati()) && !salvataggioFallito_) {
        salvataggioFallito_ = true;
        qWarning("Impossibile salvare %s", qPrintable(file_->Percorso()));
    }
}

} // namespace brivetta
