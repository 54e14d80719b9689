#pragma once
// The player's statistics as the game goes: read from statistiche.json at start-up, counted at
// the moments of the game they follow and saved after each. A folder that takes no file keeps
// the figures for this session only; the game goes on.

#include <QString>
#include <memory>

#include "Cronaca.h"
#include "Statistiche.h"
#include "StatisticheInCronaca.h"

namespace brivetta {

class FileStatistiche;

class StatisticheGiocatore : public Cronaca {
  public:
    StatisticheGiocatore();
    ~StatisticheGiocatore() override;

    // The figures kept in `cartella`, the program's folder.
    void Carica(const QString& cartella);
    const Statistiche& Figure() const { return statistiche_; }
    // Everything from zero, saved at once.
    void Azzera();

    // The game tells what happens; each moment is counted and saved at once.
    void PartitaIniziata(const StatoTavolo& s) override;
    void MancheSaldata(const StatoTavolo& s) override;
    void PartitaFinita(const StatoTavolo& s) override;

  private:
    void Salva();

    Statistiche statistiche_;
    StatisticheInCronaca conteggio_{statistiche_};
    std::unique_ptr<FileStatistiche> file_;
    bool salvataggioFallito_ = false; // told once, not after every manche
};

} // namespace brivetta
