#include "Testi.h"

#include <algorithm>

namespace brivetta {

namespace {
constexpr int Umano = 1;
} // namespace

std::string SenzaSpaziIniziali(const std::string& testo) {
    const auto primo = testo.find_first_not_of(' ');
    return primo == std::string::npos ? std::string{} : testo.substr(primo);
}

// The computer seats are tagged wherever these messages name the seat.
Annuncio AnnuncioNuovaPartita(const StatoTavolo& s) {
    return {s.Mazziere == Umano ? Frase::NuovaPartitaUmano : Frase::NuovaPartitaComputer,
            s.Mazziere};
}

Annuncio AnnuncioPassaggioMazzo(int nuovoMazziere) {
    return {nuovoMazziere == Umano ? Frase::PassaggioMazzoUmano : Frase::PassaggioMazzoComputer,
            static_cast<Intero>(nuovoMazziere)};
}

Annuncio AvvisoMazziere(const StatoTavolo& s, Frase avviso) {
    return {avviso, s.Mazziere};
}

std::string NomeAnnunciato(const Annuncio& annuncio,
                           const std::array<std::string, MaxGiocatori + 1>& nomi) {
    if (annuncio.Posto < 1 || annuncio.Posto > MaxGiocatori) return {};
    const std::string& nome = nomi[static_cast<std::size_t>(annuncio.Posto)];
    const bool avviso =
        annuncio.Cosa == Frase::MinimoForzato || annuncio.Cosa == Frase::RilancioRifiutato;
    return avviso ? SenzaSpaziIniziali(nome) : nome;
}

FineDellaPartita DescriviFinePartita(const StatoTavolo& s) {
    FineDellaPartita f;
    if (s.SenzaSoldi >= 1 && s.SenzaSoldi <= MaxGiocatori) f.SenzaSoldi = s.Nomi[s.SenzaSoldi];
    // The last place is always "the last", however few seats are in play.
    f.Arrivo = std::clamp<int>(s.Piazzamento, 1, MaxGiocatori);
    if (f.Arrivo == s.NumGiocatori) f.Arrivo = Ultimo;
    f.Righe = std::clamp<int>(s.NumGiocatori, 0, MaxGiocatori);
    for (int j = 1; j <= f.Righe; ++j) {
        f.Nomi[j] = SenzaSpaziIniziali(s.Nomi[j]);
        f.Soldi[j] = s.Soldi[j];
    }
    return f;
}

} // namespace brivetta
