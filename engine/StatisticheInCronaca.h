#pragma once
// The player's statistics counted from the game's own account of itself.

#include "Cronaca.h"
#include "Statistiche.h"

namespace brivetta {

class StatisticheInCronaca : public Cronaca {
  public:
    explicit StatisticheInCronaca(Statistiche& statistiche) : statistiche_(statistiche) {}

    void PartitaIniziata(const StatoTavolo& s) override;
    void MancheSaldata(const StatoTavolo& s) override;
    void PartitaFinita(const StatoTavolo& s) override;

  private:
    Statistiche& statistiche_;
};

} // namespace brivetta
