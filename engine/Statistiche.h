#pragma once
// The player's statistics: games and manches counted as they are played, the records a player
// looks for, and the human's money manche by manche for the latest games.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace brivetta {

struct PartitaRegistrata {
    // Tells one game from another when several copies of the game save into one file.
    std::uint64_t Id = 0;
    std::int64_t Inizio = 0; // seconds since 1970 (UTC); 0 when not known
    // The human's money at the start, then after each manche's settlement.
    std::vector<int> Denaro;

    bool operator==(const PartitaRegistrata&) const = default;
};

struct DatiStatistiche {
    int PartiteIniziate = 0;
    int PartiteFinite = 0;
    int PartiteVinte = 0; // finished with the human first in the ranking
    int MancheGiocate = 0;
    int MancheVinte = 0; // the human's money went up
    int ManchePerse = 0; // the human's money went down
    int MassimoDenaro = 0;
    int SerieVinte = 0; // manches won in a row up to the latest one
    int SerieVintePiuLunga = 0;
    // The human's money when a game finished: only once one has.
    std::optional<int> MigliorFinale;
    std::optional<int> PeggiorFinale;
    // Oldest first; a game still being played is among them.
    std::vector<PartitaRegistrata> Partite;

    bool operator==(const DatiStatistiche&) const = default;
};

class Statistiche {
  public:
    // A series never grows past this: an endless game keeps its start and its latest manches.
    static constexpr std::size_t MaxValoriSerie = 4000;
    // The games whose money is kept; older ones go.
    static constexpr std::size_t MaxPartite = 50;

    Statistiche() = default;
    // Figures read back at start-up: no game is in progress then, as none can go on after a
    // restart.
    explicit Statistiche(DatiStatistiche dati);

    const DatiStatistiche& Dati() const { return d_; }
    // The game being played, if any.
    const PartitaRegistrata* InCorso() const;
    // The money series to show: the game in progress, or the latest one when none is.
    const std::vector<int>& Andamento() const;

    // A game starts with the human holding `denaro`, at `inizio` (seconds since 1970).
    void NuovaPartita(int denaro, std::int64_t inizio = 0, std::uint64_t id = 0);
    // A manche's summary shows the human holding `denaro` after the settlement.
    void FineManche(int denaro);
    // The end-of-game window appears; `primo` when the human leads the ranking.
    void FinePartita(bool primo);
    // Everything from zero. A game in progress goes on from the money held now.
    void Azzera();
    // Takes the figures another copy of the game has added to, keeping the game in progress.
    void Adotta(DatiStatistiche dati);

    // What `mie` added to `base`, applied to `file`: counts add up, records keep the better,
    // games are matched by their Id. Two copies sharing a file each count their own manches.
    static DatiStatistiche Unisci(const DatiStatistiche& file, const DatiStatistiche& base,
                                  const DatiStatistiche& mie);

  private:
    void Registra(int denaro);
    PartitaRegistrata* InCorsoModificabile();

    DatiStatistiche d_;
    std::optional<std::uint64_t> inCorso_;
};

} // namespace brivetta
