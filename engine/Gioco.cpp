#include "Gioco.h"

#include <algorithm>

#include "Istantanea.h"
#include "Mazzo.h"
#include "Punteggio.h"
#include "Saldo.h"
#include "Testi.h"

namespace brivetta {

namespace {
constexpr int AltezzaRiga = 99; // a seat's row in the window, for counting the seats
} // namespace

// The session runs at once up to its first wait: the idle table.
Gioco::Gioco(FonteCasuale& caso) : caso_(caso), sessione_([this] { Sessione(); }) {
    sessione_.Entra();
}

// --- Waiting ---------------------------------------------------------------------------------

void Gioco::Annuncia(TipoEvento tipo) {
    // What the player is about to see is on record before he sees it.
    if (testimone_ && caso_.HaPresi()) Registra(PassaggioDi(Passaggio::Tipo::Attesa));
    evento_.Tipo = tipo;
}

void Gioco::Sospendi() {
    inAttesa_ = true;
    sessione_.Esci();
}

Azione Gioco::AttendiGiocatore() {
    Annuncia(TipoEvento::Giocatore);
    // Whatever was recorded up to here is in this table: the record starts again from it.
    if (testimone_) {
        caso_.Prendi();
        testimone_->NuovaBase(Fotografa(s_, v_, altezza_), s_.Mazziere != 0);
    }
    Sospendi();
    return azione_;
}

void Gioco::Messaggio(Annuncio testo) {
    evento_.Testo = testo;
    Attendi(TipoEvento::Messaggio);
}

void Gioco::Suona(Effetto effetto) {
    if (!s_.Suono) return; // sound off: not even a look-up
    evento_.Effetto = effetto;
    Attendi(TipoEvento::Suono);
}

void Gioco::Riprendi() {
    if (!std::exchange(inAttesa_, false)) return;
    sessione_.Entra();
}

bool Gioco::Gioca(Azione azione, int valore) {
    if (evento_.Tipo != TipoEvento::Giocatore || !inAttesa_) return false;
    // The player moves only a slider he sees and that no moving card locks.
    if (azione == Azione::Posta && !(v_.Cursore.Visibile && v_.Cursore.Abilitato)) return false;
    if (testimone_) {
        Passaggio mossa = PassaggioDi(Passaggio::Tipo::Gioca, valore);
        mossa.Mossa = azione;
        Registra(std::move(mossa));
    }
    azione_ = azione;
    valore_ = valore;
    Riprendi();
    return true;
}

void Gioco::Rispondi() {
    if (evento_.Tipo == TipoEvento::Giocatore || !inAttesa_) return;
    if (testimone_) Registra(PassaggioDi(Passaggio::Tipo::Rispondi));
    Riprendi();
}

void Gioco::ImpostaAltezza(int altezzaInterna) {
    Registra(PassaggioDi(Passaggio::Tipo::Altezza, altezzaInterna));
    altezza_ = altezzaInterna;
}

void Gioco::ImpostaTestimone(Testimone* testimone) {
    testimone_ = testimone;
    caso_.Registra(testimone != nullptr);
    caso_.Prendi();
    // Already at the human's move: the record starts from this table.
    if (testimone_ && evento_.Tipo == TipoEvento::Giocatore && inAttesa_)
        testimone_->NuovaBase(Fotografa(s_, v_, altezza_), s_.Mazziere != 0);
}

void Gioco::Registra(Passaggio passaggio) {
    if (!testimone_) return;
    passaggio.Numeri = caso_.Prendi();
    testimone_->Aggiungi(passaggio);
}

// The moment is on record before the chronicle hears of it, with everything drawn up to it: a
// game played again from the record reaches it the same way.
void Gioco::Racconta(Conteggio conteggio) {
    if (testimone_) Registra(PassaggioDi(Passaggio::Tipo::Conteggio, static_cast<int>(conteggio)));
    if (!cronaca_) return;
    switch (conteggio) {
    case Conteggio::PartitaIniziata:
        return cronaca_->PartitaIniziata(s_);
    case Conteggio::MancheSaldata:
        return cronaca_->MancheSaldata(s_);
    case Conteggio::PartitaFinita:
        return cronaca_->PartitaFinita(s_);
    }
}

namespace {
// A passage that marks a point of the game, not an input: its numbers are drawn while the game
// takes the input before it.
bool Segno(const Passaggio& p) {
    return p.Cosa == Passaggio::Tipo::Conteggio || p.Cosa == Passaggio::Tipo::Attesa;
}
} // namespace

bool Gioco::Rigioca(const RegistroPartita& registro, Cronaca* cronaca) {
    if (evento_.Tipo != TipoEvento::Giocatore || !inAttesa_) return false;
    if (!Sviluppa(registro.Base, s_, v_, altezza_)) return false;
    Testimone* const testimone = std::exchange(testimone_, nullptr);
    Cronaca* const propria = std::exchange(cronaca_, cronaca);
    const std::vector<Passaggio>& passi = registro.Passaggi;
    // The game waited for a move at the base: nothing can be drawn before the first input.
    bool riuscito = passi.empty() || passi.front().Numeri.empty();
    for (std::size_t k = 0; k < passi.size() && riuscito; ++k) {
        const Passaggio& p = passi[k];
        if (Segno(p)) continue;
        // What the game drew after this input, up to the next one, is drawn while it takes it.
        std::size_t dopo = k + 1;
        for (; dopo < passi.size(); ++dopo) {
            caso_.Ripeti(passi[dopo].Numeri);
            if (!Segno(passi[dopo])) break;
        }
        caso_.AzzeraVeri();
        switch (p.Cosa) {
        case Passaggio::Tipo::Gioca:
            riuscito = Gioca(p.Mossa, p.Valore);
            break;
        case Passaggio::Tipo::Rispondi:
            riuscito = evento_.Tipo != TipoEvento::Giocatore;
            Rispondi();
            break;
        case Passaggio::Tipo::Impostazioni:
            CambiaImpostazioni(p.Scelte);
            break;
        case Passaggio::Tipo::Altezza:
            ImpostaAltezza(p.Valore);
            break;
        case Passaggio::Tipo::Conteggio:
        case Passaggio::Tipo::Attesa:
            break;
        }
        // Each number on record is drawn exactly where it was; past the last input the game
        // draws afresh.
        const bool ultimo = dopo >= passi.size();
        riuscito = riuscito && caso_.DaRipetere() == 0 && (ultimo || caso_.Veri() == 0);
    }
    caso_.Dimentica();
    cronaca_ = propria;
    testimone_ = testimone;
    return riuscito;
}

// --- Start-up --------------------------------------------------------------------------------

void Gioco::AvvioIniziale() {
    // The leading blanks belong to the computer names and are shown as they are.
    s_.Nomi = {"", "Anonimo", "   Bruno", "  Sandro", "   Elvira", "Leonardo", " Marisa"};
    s_.Suono = true; // a settings file without the key leaves sound on
}

Intero Gioco::GiocatoriPerAltezza(int altezzaInterna) {
    // A game needs the human and at least one opponent, however low the window.
    const int righe = (altezzaInterna - 3) / AltezzaRiga;
    return static_cast<Intero>(std::clamp(righe, 2, MaxGiocatori));
}

void Gioco::AvvioFinale(int altezzaInterna) {
    altezza_ = altezzaInterna;
    s_.NumGiocatori = GiocatoriPerAltezza(altezza_);
    DisegnaTavolo();
}

void Gioco::CambiaImpostazioni(const Impostazioni& impostazioni) {
    Passaggio scelte = PassaggioDi(Passaggio::Tipo::Impostazioni);
    scelte.Scelte = impostazioni;
    Registra(std::move(scelte));
    ApplicaImpostazioni(s_, impostazioni);
    // The label takes the new name now; it is centred again when the table is next drawn.
    v_.NomeUmano = s_.Nomi[1];
}

void Gioco::ImpostaStrategia(int posto, Strategia* strategia) {
    if (posto < 1 || posto > MaxGiocatori) return;
    // The decision table keeps nothing between decisions: every seat it plays shares the game's
    // own, which the game calls directly.
    if (dynamic_cast<StrategiaTabella*>(strategia)) strategia = &tabella_;
    strategie_[posto] = strategia;
}

void Gioco::DisegnaTavolo() {
    v_.RigheDipinte = s_.NumGiocatori;
    v_.NomeUmano = v_.NomeCentrato = s_.Nomi[1];
}

// --- What waits once -------------------------------------------------------------------------

// Like a scroll bar, assigning the value it already has changes nothing. At the human's turn
// the coin bar follows once the slider's sound has played.
void Gioco::ImpostaCursore(int valore) {
    valore = std::clamp(valore, 0, MassimoCursore);
    if (valore == v_.Posta) return;
    v_.Posta = valore;
    v_.Didascalia = valore;
    if (s_.Turno == 1) Suona(Effetto::Posta);
    MostraMonete();
}

// A card's face travels to a slot of the current seat (0: the next one); nothing else moves
// meanwhile, and the controls are back when it has landed.
void Gioco::MuoviCarta(int posizione, int carta) {
    if (carta < 1 || carta > CarteNelMazzo || posizione < 0 || posizione > MaxCarteMano) return;
    const int t = s_.Turno;
    const int casella = posizione > 0 ? posizione : s_.NumCarte[t];
    v_.Cursore.Abilitato = false;
    v_.NuovaPartita.Abilitato = v_.CartaScoperta.Abilitato = v_.Stop.Abilitato =
        v_.CartaCoperta.Abilitato = false;
    v_.MenuNuovaAbilitato = v_.MenuOpzioniAbilitato = false;
    v_.Carte[carta] = {static_cast<std::int8_t>(t), static_cast<std::int8_t>(casella)};
    evento_.Carta = {static_cast<Intero>(carta), static_cast<Intero>(t),
                     static_cast<Intero>(casella), posizione > 0, s_.Mazziere};
    Attendi(TipoEvento::Volo);
    Atterra();
}

void Gioco::Atterra() {
    v_.NuovaPartita.Abilitato = v_.CartaScoperta.Abilitato = v_.Stop.Abilitato =
        v_.CartaCoperta.Abilitato = true;
    v_.MenuNuovaAbilitato = v_.MenuOpzioniAbilitato = true;
    v_.Cursore.Abilitato = true;
}

// A card from the deck, after putting the used cards back when it has run out.
void Gioco::PescaCarta() {
    caso_.Riseme();
    const bool rifornito = RiportaCarteUsate(s_);
    EstraiCarta(s_, caso_);
    if (rifornito) Messaggio({Frase::MazzoFinito, 0});
}

// After every card: the score, the seat's face, and for the human his score and its sounds.
// A bust groans before the frowning face shows; a 7 1/2 laughs once the table shows it.
void Gioco::EsitoCarta() {
    const int t = s_.Turno;
    PunteggioMano(s_, t);
    if (t == 1 && Sballato(s_.Punteggio[1])) Suona(Effetto::Sballato);
    MostraEsito();
    if (t == 1 && s_.Punteggio[1] == SetteEMezzo) Suona(Effetto::SetteEMezzo);
}

// --- The sequence ------------------------------------------------------------------------------

void Gioco::Sessione() {
    for (;;) {
        const Azione azione = AttendiGiocatore();
        Esegui(azione, valore_);
    }
}

// The move, then the seats whose strategies play, until a seat the human plays has the turn or
// the game is over.
void Gioco::Esegui(Azione azione, int valore) {
    Agisci(azione, valore);
    while (TurnoInCorso()) {
        Strategia* giocatore = strategie_[s_.Turno];
        if (giocatore == nullptr) break;
        const Mossa m = giocatore == &tabella_ ? StrategiaTabella::Decidi(s_, caso_)
                                               : giocatore->Scegli(s_, caso_);
        // The slider shows the table's step first, then the corrected one, as a player moving
        // it would: the stake display is rewritten whenever the value changes.
        ImpostaCursore(m.Tabella);
        ImpostaCursore(m.Cursore);
        Agisci(m.Gesto, 0);
    }
}

void Gioco::Agisci(Azione azione, int valore) {
    switch (azione) {
    case Azione::NuovaPartita:
        return NuovaPartita();
    case Azione::CartaScoperta:
        return CartaScoperta();
    case Azione::CartaCoperta:
        return CartaCoperta();
    case Azione::Stop:
        return Stop();
    case Azione::Posta:
        return ImpostaCursore(valore); // the human moves it
    }
}

bool Gioco::TurnoInCorso() const {
    return s_.Turno >= 1 && s_.Turno <= s_.NumGiocatori && s_.TurniGiocati < s_.NumGiocatori;
}

// A new game: the table cleared, everyone's money reset, the first dealer drawn at random and
// announced, the first manche dealt.
void Gioco::NuovaPartita() {
    s_.Turno = 0;
    s_.NumGiocatori = GiocatoriPerAltezza(altezza_);
    const int n = s_.NumGiocatori;
    DisegnaTavolo();

    s_.CarteUscite = 0;
    s_.UltimaCarta = 0;
    s_.TurniGiocati = 0;
    s_.GiocatoreMatta = 0;
    for (int posto = 1; posto <= MaxGiocatori; ++posto) {
        // Seats beyond the table keep nothing of an earlier, larger game either.
        s_.NumCarte[posto] = 0;
        s_.Punteggio[posto] = 0;
        s_.Posta[posto] = 0;
        if (posto <= n) s_.Soldi[posto] = s_.MalloppoIniziale;
    }
    Racconta(Conteggio::PartitaIniziata);
    v_.EtichetteInGioco = static_cast<Intero>(n);
    v_.CartaScoperta = v_.Stop = v_.CartaCoperta = v_.Cursore = Comando{true, true};
    v_.DidascaliaVisibile = v_.EtichettaPostaVisibile = true;
    ImpostaCursore(1);

    v_.Carte.fill({});
    v_.Dorso.fill(false);
    v_.CopertaUmano = false;
    RimescolaMazzo(s_);

    // Every seat, the human's included, has the same chance to hold the deck first.
    caso_.Riseme();
    s_.Mazziere = static_cast<Intero>(std::min(static_cast<int>(caso_.Numero() * n) + 1, n));
    v_.Mazzo = s_.Mazziere;
    v_.Situazione = {s_.Soldi[1], s_.Mazziere};
    Messaggio(AnnuncioNuovaPartita(s_));

    DaiPrimaCarta();
    s_.Turno = static_cast<Intero>(s_.Mazziere % n + 1);
    SegnaTurno();
    v_.MoneteVisibili = true;
}

// Every seat gets its first card covered; the human sees his own.
void Gioco::DaiPrimaCarta() {
    v_.Volti.fill(Volto::Nessuno);
    for (int posto = 1; posto <= s_.NumGiocatori; ++posto) {
        v_.Etichette[posto] = {};
        s_.Turno = static_cast<Intero>(posto);
        PescaCarta();
        s_.Mano[posto][1] = s_.UltimaCarta;
        s_.NumCarte[posto] = 1;
        s_.Posta[posto] = 0;
        EsitoCarta(); // one card can never stop a seat
        if (posto == 1) {
            v_.Carte[s_.UltimaCarta] = {1, 1};
            v_.CopertaUmano = true;
        } else {
            v_.Dorso[posto] = true;
        }
    }
}

namespace {
// A seat stops as soon as it passes 7, so a fourteenth card is always its last.
bool ManoPiena(const StatoTavolo& s) {
    return s.NumCarte[s.Turno] >= MaxCarteMano;
}
} // namespace

void Gioco::CartaScoperta() {
    // No game, or a finished one: nobody to give a card to.
    if (!TurnoInCorso() || ManoPiena(s_)) return;
    const int t = s_.Turno;
    PescaCarta();
    if (MinimoForzato()) PuntataMinimaForzata();
    Suona(Effetto::CartaScoperta);
    const int n = ++s_.NumCarte[t];
    MuoviCarta(0, s_.UltimaCarta);
    s_.Mano[t][n] = s_.UltimaCarta;
    AggiornaPosta();
    ImpostaCursore(0);
    EsitoCarta();
    if (SiFermaDaSolo(s_, t)) Stop();
}

void Gioco::CartaCoperta() {
    if (!TurnoInCorso() || ManoPiena(s_)) return;
    const int t = s_.Turno;
    if (t == s_.Mazziere) {
        // The dealer never takes a covered card.
        Attendi(TipoEvento::Beep);
        return;
    }
    if (MinimoForzato()) PuntataMinimaForzata();
    PescaCarta();
    const int n = ++s_.NumCarte[t];
    Suona(Effetto::CartaCoperta);
    AggiornaPosta();
    // The card covered until now is turned up into the new slot; the new one takes its place.
    const Intero coperta = s_.Mano[t][1];
    MuoviCarta(n, coperta);
    s_.Mano[t][n] = coperta;
    s_.Mano[t][1] = s_.UltimaCarta;
    EsitoCarta();
    // A computer seat stops at once; the human first sees his new covered card.
    if (t != 1 && SiFermaDaSolo(s_, t)) {
        Stop();
        return;
    }
    if (t == 1) MuoviCarta(1, s_.UltimaCarta);
    ImpostaCursore(0);
    if (t == 1 && SiFermaDaSolo(s_, 1)) Stop();
}

void Gioco::MostraEsito() {
    const int t = s_.Turno;
    v_.Volti[t] = Sballato(s_.Punteggio[t]) ? Volto::Scontento : Volto::Contento;
    if (t == 1) v_.Etichette[1] = {EtichettaPosto::Tipo::Punteggio, s_.Punteggio[1]};
}

void Gioco::ScopriCoperta(int posto) {
    v_.Dorso[posto] = false;
    if (posto == 1) v_.CopertaUmano = false;
    const int carta = s_.Mano[posto][1];
    if (carta < 1 || carta > CarteNelMazzo) return; // no hand, nothing to turn up
    v_.Carte[carta] = {static_cast<std::int8_t>(posto), 1};
}

// --- The stake ---------------------------------------------------------------------------------

void Gioco::MostraMonete() {
    v_.MoneteVisibili = v_.Posta != 0;
    if (v_.Posta != 0) v_.Monete = v_.Posta;
}

void Gioco::AggiornaPosta() {
    const int t = s_.Turno;
    if (t < 1 || t > MaxGiocatori || t == s_.Mazziere) return; // the dealer never stakes
    s_.Posta[t] = static_cast<Intero>(s_.Posta[t] + v_.Posta);
    v_.Etichette[t] = {EtichettaPosto::Tipo::Posta, 0, s_.Posta[t], s_.Soldi[t]};
}

// Whoever plays against the dealer stakes at least 1 with the first card.
bool Gioco::MinimoForzato() const {
    const int t = s_.Turno;
    return v_.Posta == 0 && t != s_.Mazziere && s_.NumCarte[t] == 1;
}

void Gioco::PuntataMinimaForzata() {
    Messaggio(AvvisoMazziere(s_, Frase::MinimoForzato));
    ImpostaCursore(1);
}

// --- Stop, end of the manche ---------------------------------------------------------------------

// The stop ends a seat's turn. The turn goes to the next seat; the dealer plays last, and its
// stop closes the manche.
void Gioco::Stop() {
    if (!TurnoInCorso()) return;
    int t = s_.Turno;
    if (s_.Punteggio[t] > 7) ScopriCoperta(t); // a 7 1/2 or a bust is shown at once
    if (v_.Posta > 0 && s_.NumCarte[t] >= 2) {
        Messaggio(AvvisoMazziere(s_, Frase::RilancioRifiutato));
        ImpostaCursore(0);
    }
    if (MinimoForzato()) PuntataMinimaForzata();
    Suona(Effetto::Stop);
    AggiornaPosta();
    ValutaMattaAlloStop(s_, t);
    ImpostaCursore(1);

    ++s_.TurniGiocati;
    t = t % s_.NumGiocatori + 1;
    s_.Turno = static_cast<Intero>(t);
    SegnaTurno();
    if (t == s_.Mazziere) {
        ScopriCoperta(t); // the dealer plays with its cards in sight
        v_.MoneteVisibili = false;
    }
    if (s_.TurniGiocati >= s_.NumGiocatori) {
        if (ChiudiManche()) return; // another game has set up its own turn
        t = s_.Turno;
    }

    ValutaMattaAInizioTurno(s_, t);
    const bool mazziere = t == s_.Mazziere;
    // The dealer neither stakes nor takes covered cards.
    v_.Cursore.Visibile = !mazziere;
    v_.DidascaliaVisibile = !mazziere;
    v_.EtichettaPostaVisibile = !mazziere;
    v_.CartaCoperta.Abilitato = !mazziere;
    SegnaTurno();
}

// Every seat has played: cards up, settlement and summary, then the next manche, or another
// game when this one has ended (true).
bool Gioco::ChiudiManche() {
    v_.SegnaTurno = 0;
    for (int posto = 1; posto <= s_.NumGiocatori; ++posto)
        ScopriCoperta(posto);
    importi_ = SaldaManche(s_);
    v_.Situazione.Soldi = s_.Soldi[1];
    s_.Piazzamento = PiazzamentoUmano(s_);
    if (const auto effetto = SuonoRiepilogo(s_, importi_)) Suona(*effetto);
    Racconta(Conteggio::MancheSaldata);
    Attendi(TipoEvento::Riepilogo);
    return FineManche();
}

// After the summary: the end of the game when a seat is broke, the deck passing to a seat that
// made 7 1/2 with two cards, the table cleared, the deck reshuffled or the cards put aside, and
// the next manche dealt. True when the game ended and another has started.
bool Gioco::FineManche() {
    const int n = s_.NumGiocatori;
    for (int posto = 1; posto <= n; ++posto) {
        if (s_.Soldi[posto] >= 1) continue;
        s_.SenzaSoldi = static_cast<Intero>(posto);
        Racconta(Conteggio::PartitaFinita);
        // Leaving ends the program in the window; another game starts afresh here.
        Attendi(TipoEvento::FinePartita);
        NuovaPartita();
        return true;
    }

    // The deck passing reshuffles it whole, and says nothing of the matta.
    bool passato = false;
    if (const int nuovo = NuovoMazziere(s_)) {
        Messaggio(AnnuncioPassaggioMazzo(nuovo));
        v_.Etichette.fill({});
        s_.Mazziere = static_cast<Intero>(nuovo);
        passato = true;
    }

    v_.Mazzo = s_.Mazziere;
    v_.Situazione.Mazziere = s_.Mazziere;
    v_.Carte.fill({});
    v_.Dorso.fill(false);

    if (passato || s_.GiocatoreMatta != 0) {
        if (!passato) Messaggio({Frase::MattaUscita, 0});
        s_.GiocatoreMatta = 0;
        SegnaTurno();
        RimescolaMazzo(s_);
    } else {
        ScartaCarteManche(s_);
    }
    s_.TurniGiocati = 0;
    for (int posto = 1; posto <= MaxGiocatori; ++posto) {
        s_.NumCarte[posto] = 0;
        s_.Punteggio[posto] = 0;
    }

    DaiPrimaCarta();
    s_.Turno = static_cast<Intero>(s_.Mazziere % n + 1);
    return false;
}

} // namespace brivetta
