#include "StatisticheInCronaca.h"

namespace brivetta {

void StatisticheInCronaca::PartitaIniziata(const StatoTavolo& s) {
    statistiche_.NuovaPartita(s.MalloppoIniziale);
}

void StatisticheInCronaca::MancheSaldata(const StatoTavolo& s) {
    statistiche_.FineManche(s.Soldi[1]);
}

void StatisticheInCronaca::PartitaFinita(const StatoTavolo& s) {
    statistiche_.FinePartita(s.Piazzamento == 1);
}

} // namespace brivetta
