#pragma once
// The player's statistics: games and manches counted as they are played, the most money held,
// and the human's money manche by manche for the game in progress and the one before it.

#include <cstddef>
#include <vector>

namespace brivetta {

struct DatiStatistiche {
    int PartiteIniziate = 0;
    int PartiteFinite = 0;
    int PartiteVinte = 0; // finished with the human first in the ranking
    int MancheGiocate = 0;
    int MancheVinte = 0; // the human's money went up
    int ManchePerse = 0; // the human's money went down
    int MassimoDenaro = 0;
    // The human's money at the start, then after each manche's settlement.
    std::vector<int> PartitaInCorso; // empty when no game is being played
    std::vector<int> UltimaPartita;  // the game before, finished or left

    bool operator==(const DatiStatistiche&) const = default;
};

class Statistiche {
  public:
    // A series never grows past this: an endless game keeps its start and its latest manches.
    static constexpr std::size_t MaxValoriSerie = 10000;

    Statistiche() = default;
    // Figures read back at start-up. A game recorded as in progress cannot go on after a
    // restart: it becomes the last game.
    explicit Statistiche(DatiStatistiche dati);

    const DatiStatistiche& Dati() const { return d_; }
    // The money series to show: the game in progress, or the last one when none is.
    const std::vector<int>& Andamento() const;

    // A game starts with the human holding `denaro`.
    void NuovaPartita(int denaro);
    // A manche's summary shows the human holding `denaro` after the settlement.
    void FineManche(int denaro);
    // The end-of-game window appears; `primo` when the human leads the ranking.
    void FinePartita(bool primo);
    // Everything from zero. A game in progress goes on from the money held now.
    void Azzera();

  private:
    void Registra(std::vector<int>& serie, int denaro);
    DatiStatistiche d_;
};

} // namespace brivetta
