#include "Istantanea.h"

#include <cmath>
#include <limits>
#include <type_traits>

namespace brivetta {

namespace {

// 2: the end-of-game message is kept as the broke seat, not as its Italian text.
constexpr std::int64_t Versione = 2;
constexpr std::int64_t VersioneConTesto = 1;
constexpr std::int64_t MaxAltezza = 1 << 20;
constexpr std::size_t MaxTesto = 4096;

// Writes the fields in order.
struct Scrittore {
    Istantanea& i;
    void Numero(std::int64_t n, std::int64_t, std::int64_t) { i.Numeri.push_back(n); }
    void Testo(const std::string& t) { i.Testi.push_back(t); }
    bool ok = true;
};

// Reads them back in the same order, each within its range.
struct Lettore {
    const Istantanea& i;
    std::size_t numero = 0, testo = 0;
    bool ok = true;
    std::int64_t Prendi(std::int64_t min, std::int64_t max) {
        if (!ok || numero >= i.Numeri.size()) return ok = false, min;
        const std::int64_t n = i.Numeri[numero++];
        if (n < min || n > max) return ok = false, min;
        return n;
    }
    std::string PrendiTesto() {
        if (!ok || testo >= i.Testi.size() || i.Testi[testo].size() > MaxTesto)
            return ok = false, std::string();
        return i.Testi[testo++];
    }
};

// One field of any integral or enumerated type, written or read.
template <class T> void Campo(Scrittore& a, const T& x, std::int64_t min, std::int64_t max) {
    a.Numero(static_cast<std::int64_t>(x), min, max);
}
template <class T> void Campo(Lettore& a, T& x, std::int64_t min, std::int64_t max) {
    x = static_cast<T>(a.Prendi(min, max));
}
void Campo(Scrittore& a, const Singolo& x) { // scores are halves
    a.Numero(static_cast<std::int64_t>(std::lround(x * 2)), 0, 0);
}
void Campo(Lettore& a, Singolo& x) {
    x = static_cast<Singolo>(a.Prendi(0, 2 * 8 * 14)) / 2;
}
void Testo(Scrittore& a, const std::string& t) {
    a.Testo(t);
}
void Testo(Lettore& a, std::string& t) {
    t = a.PrendiTesto();
}

constexpr std::int64_t MinIntero = std::numeric_limits<Intero>::min();
constexpr std::int64_t MaxIntero = std::numeric_limits<Intero>::max();

template <class A, class S, class V> void Visita(A& a, S& s, V& v, int& altezza) {
    std::int64_t versione = Versione;
    Campo(a, versione, VersioneConTesto, Versione);
    Campo(a, altezza, 0, MaxAltezza);
    // The game.
    for (int p = 1; p <= MaxGiocatori; ++p) {
        Testo(a, s.Nomi[p]);
        Campo(a, s.Posta[p], MinIntero, MaxIntero);
        Campo(a, s.Soldi[p], MinIntero, MaxIntero);
        Campo(a, s.NumCarte[p], 0, MaxCarteMano);
        Campo(a, s.Punteggio[p]);
        for (int k = 1; k <= MaxCarteMano; ++k)
            Campo(a, s.Mano[p][k], 0, CarteNelMazzo);
    }
    Testo(a, s.NomeNelFile);
    Campo(a, s.NumGiocatori, 0, MaxGiocatori);
    for (int c = 1; c <= CarteNelMazzo; ++c)
        Campo(a, s.Mazzo[c], 0, static_cast<int>(StatoCarta::Usata));
    Campo(a, s.CarteUscite, 0, CarteNelMazzo);
    Campo(a, s.UltimaCarta, 0, CarteNelMazzo);
    Campo(a, s.Turno, 0, MaxGiocatori);
    Campo(a, s.GiocatoreMatta, 0, MaxGiocatori);
    Campo(a, s.Mazziere, 0, MaxGiocatori);
    Campo(a, s.VelocitaCarta, MinIntero, MaxIntero);
    Campo(a, s.TurniGiocati, 0, MaxGiocatori);
    Testo(a, s.Carte);
    Campo(a, s.Bluff, MinIntero, MaxIntero);
    Campo(a, s.VincitaDoppia, 0, 1);
    Campo(a, s.Personaggio, MinIntero, MaxIntero);
    Campo(a, s.MalloppoIniziale, MinIntero, MaxIntero);
    Campo(a, s.MalloppoPrecedente, MinIntero, MaxIntero);
    Campo(a, s.Piazzamento, 0, MaxGiocatori);
    Campo(a, s.Suono, 0, 1);
    Campo(a, s.SuonoNelFile, MinIntero, MaxIntero);
    if (versione == VersioneConTesto) {
        // The old message is written again whenever a game ends: its text is not needed.
        std::string messaggio;
        Testo(a, messaggio);
        if constexpr (!std::is_const_v<S>) s.SenzaSoldi = 0;
    } else {
        Campo(a, s.SenzaSoldi, 0, MaxGiocatori);
    }
    // The table.
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        Campo(a, v.Carte[c].Posto, 0, MaxGiocatori);
        Campo(a, v.Carte[c].Casella, 0, MaxCarteMano);
    }
    for (int p = 1; p <= MaxGiocatori; ++p) {
        Campo(a, v.Dorso[p], 0, 1);
        Campo(a, v.Volti[p], 0, static_cast<int>(Volto::Scontento));
        Campo(a, v.Etichette[p].Mostra, 0, static_cast<int>(EtichettaPosto::Tipo::Posta));
        Campo(a, v.Etichette[p].Punti);
        Campo(a, v.Etichette[p].Posta, MinIntero, MaxIntero);
        Campo(a, v.Etichette[p].Soldi, MinIntero, MaxIntero);
    }
    Campo(a, v.Mazzo, 0, MaxGiocatori);
    Campo(a, v.SegnaTurno, 0, MaxGiocatori);
    Campo(a, v.EtichetteInGioco, 0, MaxGiocatori);
    Campo(a, v.RigheDipinte, 0, MaxGiocatori);
    Campo(a, v.CopertaUmano, 0, 1);
    Campo(a, v.Situazione.Soldi, MinIntero, MaxIntero);
    Campo(a, v.Situazione.Mazziere, 0, MaxGiocatori);
    Testo(a, v.NomeUmano);
    Testo(a, v.NomeCentrato);
    Campo(a, v.Posta, 0, 15);
    Campo(a, v.Didascalia, 0, 15);
    Campo(a, v.MoneteVisibili, 0, 1);
    Campo(a, v.Monete, 0, 15);
    for (auto* c : {&v.NuovaPartita, &v.CartaScoperta, &v.Stop, &v.CartaCoperta, &v.Cursore}) {
        Campo(a, c->Visibile, 0, 1);
        Campo(a, c->Abilitato, 0, 1);
    }
    Campo(a, v.DidascaliaVisibile, 0, 1);
    Campo(a, v.EtichettaPostaVisibile, 0, 1);
    Campo(a, v.MenuNuovaAbilitato, 0, 1);
    Campo(a, v.MenuOpzioniAbilitato, 0, 1);
}

} // namespace

Istantanea Fotografa(const StatoTavolo& s, const VistaTavolo& v, int altezza) {
    Istantanea i;
    Scrittore a{i};
    Visita(a, s, v, altezza);
    return i;
}

bool Sviluppa(const Istantanea& i, StatoTavolo& s, VistaTavolo& v, int& altezza) {
    StatoTavolo nuovoStato = s;
    VistaTavolo nuovaVista = v;
    int nuovaAltezza = altezza;
    Lettore a{i};
    Visita(a, nuovoStato, nuovaVista, nuovaAltezza);
    if (!a.ok || a.numero != i.Numeri.size() || a.testo != i.Testi.size()) return false;
    s = std::move(nuovoStato);
    v = std::move(nuovaVista);
    altezza = nuovaAltezza;
    return true;
}

} // namespace brivetta
