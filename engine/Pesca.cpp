// Taking cards: the first covered card of every seat, the face-up and face-down draws, what
// follows every card, and the sliding of a card picture into its slot.
#include <algorithm>

#include "Gioco.h"

namespace brivetta {

namespace {
int AltoRiga(int seat) {
    return AltezzaRiga * (seat - 1);
}
int SinistraSlot(int slot) {
    return SinistraSlot1 + LarghezzaCarta * (slot - 1);
}
constexpr int DorsoCoperta = 40;   // Picture1(40 + s) is the back over seat s's covered card
constexpr int FacceDelTavolo = 18; // Picture3(0..17): the seats' faces and the first characters
constexpr int VelocitaMinima = 1;
constexpr int VelocitaMassima = 100;

// Nearest pixel. Steps are multiples of 1/5 px, so no position ever lies halfway.
int Pixel(float x) {
    const int i = static_cast<int>(x);
    const float resto = x - static_cast<float>(i);
    return resto >= 0.5f ? i + 1 : resto <= -0.5f ? i - 1 : i;
}
} // namespace

void Gioco::DaiPrimaCarta() {
    for (int i = 0; i < FacceDelTavolo; ++i)
        FuoriVista(v_.Picture3[i]);
    for (int seat = 1; seat <= s_.NumGiocatori; ++seat) {
        v_.Label5[seat - 1].Testo.clear();
        s_.Turno = static_cast<Intero>(seat);
        PescaCarta();
        s_.Mano[seat][1] = s_.UltimaCarta;
        s_.NumCarte[seat] = 1;
        s_.Posta[seat] = 0;
        EsitoCarta(); // one card can never stop a seat
        // The human sees his own covered card; the others show a back.
        const int picture = seat == 1 ? s_.UltimaCarta : DorsoCoperta + seat;
        v_.Picture1[picture] = {SinistraSlot1, AltoRiga(seat) + MargineCartaRiga};
    }
}

bool Gioco::TurnoInCorso() const {
    return s_.Turno >= 1 && s_.Turno <= s_.NumGiocatori && s_.TurniGiocati < s_.NumGiocatori;
}

namespace {
// A seat stops as soon as it passes 7, so a fourteenth card is always its last.
bool ManoPiena(const StatoTavolo& s) {
    return s.NumCarte[s.Turno] >= MaxCarteMano;
}
} // namespace

void Gioco::Command3d2_Click() {
    // No game, or a finished one: nobody to give a card to.
    if (!TurnoInCorso() || ManoPiena(s_)) return;
    const unsigned partita = partita_;
    const int t = s_.Turno;
    PescaCarta();
    PuntataMinimaForzata();
    SuonaEffetto("SOUND112.wav");
    const int n = ++s_.NumCarte[t];
    MuoviCarta(0, s_.UltimaCarta);
    s_.Mano[t][n] = s_.UltimaCarta;
    AggiornaPosta();
    ImpostaCursore(0);
    EsitoCarta();
    // EsitoCarta may have stopped the seat and played every turn up to the human's, or ended
    // the game: Turno is read again, and nothing is left to do for a game that is over.
    if (partita_ != partita) return;
    if (s_.Turno == 1) {
        if (s_.Punteggio[1] > 7) Command3d3_Click();
    } else {
        DecisioneComputer();
    }
}

void Gioco::Command3d4_Click() {
    if (!TurnoInCorso() || ManoPiena(s_)) return;
    const int t = s_.Turno;
    if (t == s_.Mazziere) {
        ui_.Beep(); // the dealer never takes a covered card
        return;
    }
    const unsigned partita = partita_;
    PuntataMinimaForzata();
    PescaCarta();
    const int n = ++s_.NumCarte[t];
    SuonaEffetto("laser.wav");
    AggiornaPosta();
    // The card covered until now is turned up into the new slot; the new one takes its place.
    const Intero coperta = s_.Mano[t][1];
    MuoviCarta(n, coperta);
    s_.Mano[t][n] = coperta;
    s_.Mano[t][1] = s_.UltimaCarta;
    EsitoCarta();
    // A turn that ended inside EsitoCarta has already been followed by the next ones.
    if (partita_ != partita || s_.Turno != t) return;
    if (t == 1) MuoviCarta(1, s_.UltimaCarta); // the human always sees his covered card
    ImpostaCursore(0);
    if (t == 1) {
        if (s_.Punteggio[1] > 7) Command3d3_Click();
    } else {
        DecisioneComputer();
    }
}

void Gioco::EsitoCarta() {
    const int t = s_.Turno;
    PunteggioMano();
    const bool sballato = s_.Punteggio[t] > 7.5f;
    if (sballato && t == 1) SuonaEffetto("oh_no.wav");
    auto& felice = v_.Picture3[2 * t - 2];
    auto& triste = v_.Picture3[2 * t - 1];
    auto& mostrata = sballato ? triste : felice;
    auto& nascosta = sballato ? felice : triste;
    mostrata = {SinistraFaccia, AltoRiga(t) + AltoFacciaRiga};
    nascosta.Sinistra = SinistraFacciaNascosta;
    if (t == 1) {
        v_.Label5[0].Testo = TestoPunteggio(s_.Punteggio[1]);
        if (s_.Punteggio[1] == 7.5f) SuonaEffetto("Risata.wav");
    }
    ui_.Cedi();
    // A computer seat stops by itself above 7, or above 5 while it holds the matta.
    if (t != 1 && (s_.Punteggio[t] > 7 || (s_.Punteggio[t] > 5 && s_.GiocatoreMatta == t)))
        Command3d3_Click();
}

void Gioco::MuoviCarta(int posizione, int picture) {
    if (picture < 0 || picture >= NumPicture1 || posizione < 0 || posizione > MaxCarteMano) return;
    v_.HScroll1Ctl.Abilitato = false;
    const int t = s_.Turno;
    const float altoArrivo = static_cast<float>(AltoRiga(t) + MargineCartaRiga);
    float sinistra = 0;
    float alto = 0;
    float sinistraArrivo = 0;
    if (posizione > 0) {
        // Turned up from the seat's own covered card.
        sinistra = SinistraPartenzaCoperta;
        alto = static_cast<float>(AltoRiga(t) + RialzoPartenza);
        sinistraArrivo = static_cast<float>(SinistraSlot(posizione));
    } else {
        // Dealt from the deck at the dealer's row.
        sinistra = SinistraPartenzaScoperta;
        alto = static_cast<float>(AltoRiga(s_.Mazziere) + RialzoPartenza);
        sinistraArrivo = static_cast<float>(SinistraSlot(s_.NumCarte[t]));
    }
    const float verso = alto > altoArrivo ? -1.0f : 1.0f;
    for (auto* c : {&v_.Command3d1, &v_.Command3d2, &v_.Command3d3, &v_.Command3d4})
        c->Abilitato = false;
    v_.FileNuovoAbilitato = false;
    v_.MenuspeedAbilitato = false;

    // A speed outside the settings' range would never arrive or jump past the slot.
    const float passo =
        static_cast<float>(std::clamp<int>(s_.VelocitaCarta, VelocitaMinima, VelocitaMassima)) /
        5.0f;
    auto& carta = v_.Picture1[picture];
    do {
        sinistra = std::min(sinistra + passo, sinistraArrivo);
        alto += passo * verso;
        if ((verso > 0 && alto > altoArrivo) || (verso < 0 && alto < altoArrivo)) alto = altoArrivo;
        carta = {Pixel(sinistra), Pixel(alto)};
        ui_.PassoAnimazione();
    } while (sinistra != sinistraArrivo || alto != altoArrivo);

    for (auto* c : {&v_.Command3d1, &v_.Command3d2, &v_.Command3d3, &v_.Command3d4})
        c->Abilitato = true;
    v_.FileNuovoAbilitato = true;
    v_.MenuspeedAbilitato = true;
    v_.HScroll1Ctl.Abilitato = true;
}

void Gioco::ScopriCoperta(int seat) {
    FuoriVista(v_.Picture1[DorsoCoperta + seat]);
    const int carta = s_.Mano[seat][1];
    if (carta < 1 || carta > CarteNelMazzo) return; // no hand, nothing to turn up
    v_.Picture1[carta] = {SinistraSlot1, AltoRiga(seat) + MargineCartaRiga};
}

} // namespace brivetta
