#include "Statistiche.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace brivetta {

namespace {
// Counts stop at the largest int rather than wrapping to a negative figure.
void Conta(int& n) {
    if (n < std::numeric_limits<int>::max()) ++n;
}

// The start stays, the oldest manches after it go.
void Limita(std::vector<int>& serie) {
    if (serie.size() <= Statistiche::MaxValoriSerie) return;
    const auto troppi = static_cast<std::ptrdiff_t>(serie.size() - Statistiche::MaxValoriSerie);
    serie.erase(serie.begin() + 1, serie.begin() + 1 + troppi);
}
} // namespace

Statistiche::Statistiche(DatiStatistiche dati) : d_(std::move(dati)) {
    if (!d_.PartitaInCorso.empty()) d_.UltimaPartita = std::exchange(d_.PartitaInCorso, {});
    Limita(d_.UltimaPartita);
}

const std::vector<int>& Statistiche::Andamento() const {
    return d_.PartitaInCorso.empty() ? d_.UltimaPartita : d_.PartitaInCorso;
}

void Statistiche::Registra(std::vector<int>& serie, int denaro) {
    serie.push_back(denaro);
    Limita(serie);
    d_.MassimoDenaro = std::max(d_.MassimoDenaro, denaro);
}

void Statistiche::NuovaPartita(int denaro) {
    Conta(d_.PartiteIniziate);
    // A game left for a new one is the last game all the same.
    if (!d_.PartitaInCorso.empty()) d_.UltimaPartita = std::exchange(d_.PartitaInCorso, {});
    Registra(d_.PartitaInCorso, denaro);
}

void Statistiche::FineManche(int denaro) {
    Conta(d_.MancheGiocate);
    // Measured against the money before this manche: the game's start for its first one. A
    // dealer who breaks even neither wins nor loses.
    if (!d_.PartitaInCorso.empty()) {
        const int prima = d_.PartitaInCorso.back();
        if (denaro > prima) Conta(d_.MancheVinte);
        if (denaro < prima) Conta(d_.ManchePerse);
    }
    Registra(d_.PartitaInCorso, denaro);
}

void Statistiche::FinePartita(bool primo) {
    Conta(d_.PartiteFinite);
    if (primo) Conta(d_.PartiteVinte);
    d_.UltimaPartita = std::exchange(d_.PartitaInCorso, {});
}

void Statistiche::Azzera() {
    std::vector<int> inCorso;
    if (!d_.PartitaInCorso.empty()) inCorso.push_back(d_.PartitaInCorso.back());
    d_ = {};
    for (int denaro : inCorso)
        Registra(d_.PartitaInCorso, denaro);
}

} // namespace brivetta
