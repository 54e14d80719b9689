#include "Testi.h"

#include <algorithm>
#include <array>

#include "Punteggio.h"
#include "VistaTavolo.h"

namespace brivetta {

namespace {
constexpr char CR = '\r';

struct Piazzamento {
    const char* dove; // "al Primo"
    const char* commento;
};
const std::array<Piazzamento, MaxGiocatori + 1> Piazzamenti = {{
    {"", ""},
    {"al Primo", "Sei proprio in gamba!. Stasera puoi sbancare il Casinò"},
    {"al Secondo", "Te la sei cavata abbastanza bene!. Se ti impegni puoi arrivare primo."},
    {"al Terzo", "Non sei proprio uno schianto, ma neanche un disastro!"},
    {"al Quarto", "Cerca di sforzarti di più. Con più impegno ce la puoi fare!"},
    {"al Quinto", "Sei un bel disastro!. Vedi di fare meglio la prossima volta."},
    {"all'Ultimo", "Ti consiglio di non giocare con carte e soldi veri!"},
}};

// The computer seats are tagged wherever a message names the seat.
std::string Etichetta(int posto) {
    return posto != 1 ? " (COMPUTER) " : "";
}
} // namespace

std::string SenzaSpaziIniziali(const std::string& testo) {
    const auto primo = testo.find_first_not_of(' ');
    return primo == std::string::npos ? std::string{} : testo.substr(primo);
}

std::string AvvisoMazziere(const StatoTavolo& s, const std::string& testo) {
    return "Avviso dal mazziere (" + SenzaSpaziIniziali(s.Nomi[s.Mazziere]) + ") - '" + testo + "'";
}

std::string AnnuncioNuovaPartita(const StatoTavolo& s) {
    return "Attenzione si inizia una nuova partita ora. " + s.Nomi[s.Mazziere] +
           Etichetta(s.Mazziere) + " terrà il mazzo.";
}

std::string AnnuncioPassaggioMazzo(const StatoTavolo& s, int nuovoMazziere) {
    return "D'ora in poi il mazzo passerà a: " + s.Nomi[nuovoMazziere] + Etichetta(nuovoMazziere) +
           " perchè ha fatto Brivetta con due carte. Si inizia una nuova manche dopo aver "
           "rimescolato il mazzo.";
}

std::string MessaggioFinePartita(const StatoTavolo& s, int postoSenzaSoldi) {
    // The last place is always "the last", however few seats are in play.
    int arrivo = std::clamp<int>(s.Piazzamento, 1, MaxGiocatori);
    if (arrivo == s.NumGiocatori) arrivo = MaxGiocatori;
    std::string testo = "La partita è terminata perchè " + s.Nomi[postoSenzaSoldi] +
                        " ha finito i soldi. Tu sei arrivato " + Piazzamenti[arrivo].dove +
                        " posto." + CR + Piazzamenti[arrivo].commento + CR;
    for (int j = 1; j <= s.NumGiocatori; ++j)
        testo += SenzaSpaziIniziali(s.Nomi[j]) + "      " + std::to_string(s.Soldi[j]) + CR;
    return testo + "Vuoi fare un'altra partitina?";
}

std::string TestoEtichetta(const EtichettaPosto& e) {
    switch (e.Mostra) {
    case EtichettaPosto::Tipo::Punteggio:
        return TestoPunteggio(e.Punti);
    case EtichettaPosto::Tipo::Posta:
        return "€" + std::to_string(e.Posta) + "/" + std::to_string(e.Soldi);
    case EtichettaPosto::Tipo::Vuota:
        break;
    }
    return {};
}

std::string TestoPosta(int valore) {
    return std::to_string(valore) + "€";
}

std::string TestoSituazione(const SituazioneUmano& situazione,
                            const std::array<std::string, MaxGiocatori + 1>& nomi) {
    if (situazione.Mazziere < 1 || situazione.Mazziere > MaxGiocatori) return {};
    return "Denaro: " + std::to_string(situazione.Soldi) +
           "€ · Mazziere: " + SenzaSpaziIniziali(nomi[situazione.Mazziere]);
}

std::string SuggerimentoEtichetta(int posto) {
    return posto == 1 ? "Giocatore umano (tu)" : "Giocatore virtuale";
}

} // namespace brivetta
