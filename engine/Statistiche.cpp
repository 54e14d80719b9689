#include "Statistiche.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace brivetta {

namespace {
constexpr long long MassimoConteggio = std::numeric_limits<int>::max();

// Counts stop at the largest int rather than wrapping to a negative figure.
void Conta(int& n) {
    if (n < MassimoConteggio) ++n;
}

// The start stays, the oldest manches after it go.
void Limita(std::vector<int>& serie) {
    if (serie.size() <= Statistiche::MaxValoriSerie) return;
    const auto troppi = static_cast<std::ptrdiff_t>(serie.size() - Statistiche::MaxValoriSerie);
    serie.erase(serie.begin() + 1, serie.begin() + 1 + troppi);
}

// Games in the order they started; the oldest go past the limit.
void Ordina(std::vector<PartitaRegistrata>& partite) {
    std::ranges::stable_sort(partite, {}, &PartitaRegistrata::Inizio);
    if (partite.size() > Statistiche::MaxPartite)
        partite.erase(partite.begin(),
                      partite.end() - static_cast<std::ptrdiff_t>(Statistiche::MaxPartite));
    for (PartitaRegistrata& p : partite)
        Limita(p.Denaro);
}

int Somma(int file, int base, int mie) {
    const long long n = static_cast<long long>(file) + mie - base;
    return static_cast<int>(std::clamp(n, 0LL, MassimoConteggio));
}

// A record this copy has not changed since it last saved is the file's; one it has changed is
// the better of the two.
template <typename Migliore>
std::optional<int> Record(std::optional<int> file, std::optional<int> base, std::optional<int> mie,
                          Migliore migliore) {
    if (mie == base || !mie) return file;
    if (!file) return mie;
    return migliore(*file, *mie);
}
} // namespace

Statistiche::Statistiche(DatiStatistiche dati) : d_(std::move(dati)) {
    Ordina(d_.Partite);
}

PartitaRegistrata* Statistiche::InCorsoModificabile() {
    if (!inCorso_) return nullptr;
    const auto p = std::ranges::find(d_.Partite, *inCorso_, &PartitaRegistrata::Id);
    return p == d_.Partite.end() ? nullptr : &*p;
}

const PartitaRegistrata* Statistiche::InCorso() const {
    return const_cast<Statistiche*>(this)->InCorsoModificabile();
}

const std::vector<int>& Statistiche::Andamento() const {
    static const std::vector<int> nessuna;
    if (const PartitaRegistrata* p = InCorso()) return p->Denaro;
    return d_.Partite.empty() ? nessuna : d_.Partite.back().Denaro;
}

void Statistiche::Registra(int denaro) {
    PartitaRegistrata* p = InCorsoModificabile();
    if (!p) return;
    p->Denaro.push_back(denaro);
    Limita(p->Denaro);
    d_.MassimoDenaro = std::max(d_.MassimoDenaro, denaro);
}

void Statistiche::NuovaPartita(int denaro, std::int64_t inizio, std::uint64_t id) {
    Conta(d_.PartiteIniziate);
    // Without a given identity (or with one already taken) the game takes the next free one.
    const auto presa = std::ranges::find(d_.Partite, id, &PartitaRegistrata::Id);
    if (id == 0 || presa != d_.Partite.end()) {
        id = 0;
        for (const PartitaRegistrata& p : d_.Partite)
            id = std::max(id, p.Id);
        ++id;
    }
    d_.Partite.push_back({id, inizio, {}});
    inCorso_ = id;
    Registra(denaro);
    Ordina(d_.Partite);
}

void Statistiche::FineManche(int denaro) {
    Conta(d_.MancheGiocate);
    // Measured against the money before this manche: the game's start for its first one. A
    // dealer who breaks even neither wins nor loses, and a manche not won ends a series.
    if (const PartitaRegistrata* p = InCorso()) {
        const int prima = p->Denaro.back();
        if (denaro > prima) {
            Conta(d_.MancheVinte);
            Conta(d_.SerieVinte);
            d_.SerieVintePiuLunga = std::max(d_.SerieVintePiuLunga, d_.SerieVinte);
        } else {
            d_.SerieVinte = 0;
        }
        if (denaro < prima) Conta(d_.ManchePerse);
    }
    Registra(denaro);
}

void Statistiche::FinePartita(bool primo) {
    Conta(d_.PartiteFinite);
    if (primo) Conta(d_.PartiteVinte);
    if (const PartitaRegistrata* p = InCorso()) {
        const int finale = p->Denaro.back();
        d_.MigliorFinale = std::max(d_.MigliorFinale.value_or(finale), finale);
        d_.PeggiorFinale = std::min(d_.PeggiorFinale.value_or(finale), finale);
    }
    inCorso_.reset();
}

void Statistiche::Azzera() {
    std::optional<PartitaRegistrata> inCorso;
    if (const PartitaRegistrata* p = InCorso()) inCorso = PartitaRegistrata{p->Id, p->Inizio, {}};
    const int denaro = InCorso() ? InCorso()->Denaro.back() : 0;
    d_ = {};
    if (inCorso) {
        d_.Partite.push_back(*inCorso);
        Registra(denaro);
    }
}

void Statistiche::Adotta(DatiStatistiche dati) {
    d_ = std::move(dati);
    Ordina(d_.Partite);
}

DatiStatistiche Statistiche::Unisci(const DatiStatistiche& file, const DatiStatistiche& base,
                                    const DatiStatistiche& mie) {
    DatiStatistiche u = file;
    for (int DatiStatistiche::*c :
         {&DatiStatistiche::PartiteIniziate, &DatiStatistiche::PartiteFinite,
          &DatiStatistiche::PartiteVinte, &DatiStatistiche::MancheGiocate,
          &DatiStatistiche::MancheVinte, &DatiStatistiche::ManchePerse})
        u.*c = Somma(file.*c, base.*c, mie.*c);
    const auto piu = [](int a, int b) { return std::max(a, b); };
    const auto meno = [](int a, int b) { return std::min(a, b); };
    u.MassimoDenaro = *Record(file.MassimoDenaro, base.MassimoDenaro, mie.MassimoDenaro, piu);
    u.SerieVintePiuLunga =
        *Record(file.SerieVintePiuLunga, base.SerieVintePiuLunga, mie.SerieVintePiuLunga, piu);
    // The series going on is the one of the copy that played last.
    if (mie.SerieVinte != base.SerieVinte) u.SerieVinte = mie.SerieVinte;
    u.MigliorFinale = Record(file.MigliorFinale, base.MigliorFinale, mie.MigliorFinale, piu);
    u.PeggiorFinale = Record(file.PeggiorFinale, base.PeggiorFinale, mie.PeggiorFinale, meno);

    for (const PartitaRegistrata& p : mie.Partite) {
        const auto prima = std::ranges::find(base.Partite, p.Id, &PartitaRegistrata::Id);
        if (prima != base.Partite.end() && *prima == p) continue;
        const auto nelFile = std::ranges::find(u.Partite, p.Id, &PartitaRegistrata::Id);
        if (nelFile == u.Partite.end())
            u.Partite.push_back(p);
        else
            *nelFile = p;
    }
    Ordina(u.Partite);
    return u;
}

} // namespace brivetta
