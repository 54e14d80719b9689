// After the summary: the end of the game when a seat is broke, the deck passing to a seat that
// made 7 1/2 with two cards, the table cleared, the deck reshuffled or the cards put aside, and
// the next manche dealt.
#include <algorithm>
#include <string>

#include "Gioco.h"

namespace brivetta {

namespace {
constexpr char CR = '\r';

struct Piazzamento {
    const char* posto;
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

std::string SenzaSpaziIniziali(const std::string& testo) {
    const auto primo = testo.find_first_not_of(' ');
    return primo == std::string::npos ? std::string{} : testo.substr(primo);
}
} // namespace

std::string Gioco::ComponiMessaggioFine(int seatSenzaSoldi) const {
    // The last place is always "the last", however few seats are in play.
    int posto = std::clamp<int>(s_.Piazzamento, 1, MaxGiocatori);
    if (posto == s_.NumGiocatori) posto = MaxGiocatori;
    std::string testo = "La partita è terminata perchè " + s_.Nomi[seatSenzaSoldi] +
                        " ha finito i soldi. Tu sei arrivato " + Piazzamenti[posto].posto +
                        " posto." + CR + Piazzamenti[posto].commento + CR;
    for (int j = 1; j <= s_.NumGiocatori; ++j)
        testo += SenzaSpaziIniziali(s_.Nomi[j]) + "      " + std::to_string(s_.Soldi[j]) + CR;
    return testo + "Vuoi fare un'altra partitina?";
}

bool Gioco::PassaggioMazzo() {
    const int n = s_.NumGiocatori;
    if (DueCarteSetteEMezzo(s_.Mazziere)) return false; // the dealer keeps its deck
    // Among several, the deck goes to the first of them to have played.
    for (int k = 1; k < n; ++k) {
        const int seat = (s_.Mazziere - 1 + k) % n + 1;
        if (!DueCarteSetteEMezzo(seat)) continue;
        ui_.Messaggio("D'ora in poi il mazzo passerà a: " + s_.Nomi[seat] +
                      (seat != 1 ? " (COMPUTER) " : "") +
                      " perchè ha fatto Brivetta con due carte. Si inizia una nuova manche dopo "
                      "aver rimescolato il mazzo.");
        for (int r = 0; r < n; ++r)
            v_.Label5[r].Testo.clear();
        s_.Mazziere = static_cast<Intero>(seat);
        s_.GiocatoreMatta = MattaPassaggioMazzo;
        return true;
    }
    return false;
}

void Gioco::FineManche() {
    const int n = s_.NumGiocatori;
    for (int seat = 1; seat <= n; ++seat) {
        if (s_.Soldi[seat] >= 1) continue;
        s_.MessaggioFine = ComponiMessaggioFine(seat);
        ++partita_; // whatever called us belongs to a finished game
        // Leaving ends the program in the window; another game starts afresh here.
        if (ui_.MostraFinePartita() == SceltaFine::AltraPartita) NuovaPartita();
        return;
    }

    PassaggioMazzo();

    v_.Picture1[0] = {SinistraMazzo, AltezzaRiga * (s_.Mazziere - 1) + MargineCartaRiga};
    for (int i = 1; i < NumPicture1; ++i)
        FuoriVista(v_.Picture1[i]);

    if (s_.GiocatoreMatta != 0) {
        if (s_.GiocatoreMatta != MattaPassaggioMazzo)
            ui_.Messaggio("Il mazziere mescola le carte perchè è uscita la matta.");
        s_.GiocatoreMatta = 0;
        SegnaTurno();
        ui_.Cedi();
        RimescolaMazzo();
    } else {
        ScartaCarteManche();
    }
    s_.TurniGiocati = 0;
    for (int seat = 1; seat <= MaxGiocatori; ++seat) {
        s_.NumCarte[seat] = 0;
        s_.Punteggio[seat] = 0;
    }

    DaiPrimaCarta();
    s_.Turno = static_cast<Intero>(s_.Mazziere % n + 1);
}

} // namespace brivetta
