#pragma once
// The player's statistics as the game goes: read from statistiche.json at start-up, counted at
// the moments of the game they follow and saved after each, added to what other copies of the
// game sharing the folder have saved meanwhile. A folder that takes no file keeps the figures
// for this session only; the game goes on.

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

#include "Cronaca.h"
#include "Statistiche.h"
#include "StatisticheInCronaca.h"

namespace brivetta {

class FileStatistiche;

class StatisticheGiocatore : public Cronaca {
  public:
    // Seconds since 1970: when a game starts.
    using Orologio = std::function<qint64()>;

    StatisticheGiocatore();
    ~StatisticheGiocatore() override;

    // The system clock unless told; tests give their own.
    void ImpostaOrologio(Orologio orologio) { orologio_ = std::move(orologio); }
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
    void Fallito();

    Statistiche statistiche_;
    StatisticheInCronaca conteggio_{statistiche_};
    DatiStatistiche salvate_; // the figures as the file had them after the last read or save
    std::unique_ptr<FileStatistiche> file_;
    Orologio orologio_;
    bool salvataggioFallito_ = false; // told once, not after every manche
};

} // namespace brivetta
