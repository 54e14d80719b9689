#pragma once
// The player's statistics as the game goes: read from statistiche.json at start-up, counted at
// the moments of the game they follow and saved after each. A folder that takes no file keeps
// the figures for this session only; the game goes on.

#include <QString>
#include <memory>

#include "Statistiche.h"
#include "StatoTavolo.h"

namespace brivetta {

class FileStatistiche;

class StatisticheGiocatore {
  public:
    StatisticheGiocatore();
    ~StatisticheGiocatore();

    // The figures kept in `cartella`, the program's folder.
    void Carica(const QString& cartella);
    const Statistiche& Figure() const { return statistiche_; }
    // Everything from zero, saved at once.
    void Azzera();

    // A game starts: every seat holds the starting money.
    void NuovaPartita(const StatoTavolo& s);
    // A manche has been settled: the human's money is the one after it.
    void MancheSaldata(const StatoTavolo& s);
    // The game has ended, with the human's place in the ranking.
    void PartitaFinita(const StatoTavolo& s);

  private:
    void Salva();

    Statistiche statistiche_;
    std::unique_ptr<FileStatistiche> file_;
    bool salvataggioFallito_ = false; // told once, not after every manche
};

} // namespace brivetta
