#include "Simulatore.h"

#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <random>
#include <sstream>

#include <thread>
#include <vector>

#include "Consigliere.h"
#include "Gioco.h"
#include "Probabilita.h"

namespace brivetta::sim {

namespace {

// The table's invariants, described in words for the first one that fails.
std::string ControllaCarte(const StatoTavolo& s, const VistaTavolo& v) {
    std::array<int, CarteNelMazzo + 1> mani{};
    int inMano = 0;
    for (int posto = 1; posto <= s.NumGiocatori; ++posto) {
        if (s.NumCarte[posto] < 0 || s.NumCarte[posto] > MaxCarteMano)
            return "seat " + std::to_string(posto) + " holds " + std::to_string(s.NumCarte[posto]) +
                   " cards";
        for (int k = 1; k <= s.NumCarte[posto]; ++k) {
            const int c = s.Mano[posto][k];
            if (c < 1 || c > CarteNelMazzo)
                return "seat " + std::to_string(posto) + " slot " + std::to_string(k) +
                       " holds no card";
            if (++mani[c] > 1) return "card " + std::to_string(c) + " is in two places";
            if (s.Mazzo[c] != StatoCarta::InGioco)
                return "card " + std::to_string(c) + " is in a hand but not dealt";
            ++inMano;
            // Every card but a computer seat's covered one lies face up in its own slot.
            const bool coperta = k == 1 && posto != 1;
            const Luogo atteso{static_cast<std::int8_t>(posto), static_cast<std::int8_t>(k)};
            if (!coperta && !(v.Carte[c] == atteso))
                return "card " + std::to_string(c) + " of seat " + std::to_string(posto) +
                       " is not in slot " + std::to_string(k);
            // A covered card shows either its back or, once turned up, its face.
            if (coperta && (v.Carte[c] == atteso) == v.Dorso[posto])
                return "seat " + std::to_string(posto) + " shows its covered card wrongly";
        }
        const Singolo p = s.Punteggio[posto];
        if (p * 2 != std::floor(p * 2))
            return "seat " + std::to_string(posto) + " scores " + std::to_string(p);
    }
    int fuori = 0;
    int inGioco = 0;
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        if (s.Mazzo[c] != StatoCarta::NelMazzo) ++fuori;
        if (s.Mazzo[c] == StatoCarta::InGioco) ++inGioco;
        if (s.Mazzo[c] != StatoCarta::InGioco && v.Carte[c].Posto != 0)
            return "card " + std::to_string(c) + " is on the table but not in a hand";
    }
    if (fuori != s.CarteUscite)
        return "CarteUscite is " + std::to_string(s.CarteUscite) + " but " + std::to_string(fuori) +
               " cards are out of the deck";
    if (inGioco != inMano)
        return std::to_string(inGioco) + " cards are dealt but " + std::to_string(inMano) +
               " are in hands";
    if (s.Mazziere < 1 || s.Mazziere > s.NumGiocatori)
        return "dealer seat " + std::to_string(s.Mazziere);
    return {};
}

// The odds of the human's next card count exactly the cards the deck may yield and the computer
// seats' covered cards, which he cannot see.
std::string ControllaProbabilita(const StatoTavolo& s, const VistaTavolo& v) {
    const CarteNote note = CarteConosciute(s, v);
    const bool rifornimento = s.CarteUscite >= CarteNelMazzo;
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        const bool pescabile =
            s.Mazzo[c] == StatoCarta::NelMazzo || (rifornimento && s.Mazzo[c] == StatoCarta::Usata);
        const bool nascosta = s.Mazzo[c] == StatoCarta::InGioco && v.Carte[c].Posto == 0;
        if ((pescabile || nascosta) == note[c])
            return "card " + std::to_string(c) +
                   (note[c] ? " is unknown to the human, but the odds leave it out"
                            : " is out of the deck in sight, but the odds count it");
    }
    return {};
}

int SommaSoldi(const StatoTavolo& s) {
    int somma = 0;
    for (int posto = 1; posto <= s.NumGiocatori; ++posto)
        somma += s.Soldi[posto];
    return somma;
}

// The silent window: answers every event at once and checks the table after every settlement.
class Partite {
  public:
    Partite(const Opzioni& o, Gioco& g, Risultati& r) : o_(o), g_(g), s_(g.Stato()), r_(r) {}

    bool finito = false;

    void Messaggio(const Annuncio& annuncio) {
        switch (annuncio.Cosa) {
        case Frase::MazzoFinito:
            ++r_.rifornimenti;
            break;
        case Frase::MattaUscita:
            ++r_.rimescoliMatta;
            break;
        case Frase::PassaggioMazzoUmano:
        case Frase::PassaggioMazzoComputer:
            ++r_.passaggi;
            break;
        case Frase::MinimoForzato:
            ++r_.minimi;
            break;
        case Frase::RilancioRifiutato:
            ++r_.rifiuti;
            break;
        case Frase::NuovaPartitaUmano:
        case Frase::NuovaPartitaComputer:
            break;
        }
    }

    void Riepilogo() {
        ++r_.manche;
        r_.sommaUmano += s_.Posta[1];
        r_.quadratiUmano += static_cast<double>(s_.Posta[1]) * s_.Posta[1];
        // Posta now holds each seat's result and the dealer's net: they cancel out, and the
        // money on the table is what the game started with.
        int somma = 0;
        for (int posto = 1; posto <= s_.NumGiocatori; ++posto) {
            somma += s_.Posta[posto];
            if (posto == s_.Mazziere) continue;
            ++r_.sfide;
            if (s_.Posta[posto] < 0) ++r_.vinteMazziere;
        }
        if (somma != 0) Errore("the settlement's amounts add up to " + std::to_string(somma));
        if (SommaSoldi(s_) != s_.NumGiocatori * o_.malloppo)
            Errore("money on the table is " + std::to_string(SommaSoldi(s_)));
        if (s_.TurniGiocati != s_.NumGiocatori)
            Errore("manche settled after " + std::to_string(s_.TurniGiocati) + " turns");
        if (o_.controlli) Errore(ControllaCarte(s_, g_.Vista()));
        if (o_.mancheMassime >= 0 && r_.manche >= o_.mancheMassime) finito = true;
    }

    void FinePartita() {
        ++r_.partite;
        r_.sommaPiazzamenti += s_.Piazzamento;
        bool rotto = false;
        for (int posto = 1; posto <= s_.NumGiocatori; ++posto)
            rotto |= s_.Soldi[posto] < 1;
        if (!rotto) Errore("the game ended with nobody broke");
        if (s_.Piazzamento < 1 || s_.Piazzamento > s_.NumGiocatori)
            Errore("the human's place is " + std::to_string(s_.Piazzamento));
        if (r_.partite >= o_.partite) finito = true;
    }

    // The human's move, checked first: it is always his turn in a manche in play.
    void Giocatore(std::mt19937_64& caso) {
        if (s_.Turno != 1 || s_.TurniGiocati >= s_.NumGiocatori) {
            Errore("control came back with seat " + std::to_string(s_.Turno) + " to play");
            return;
        }
        if (SommaSoldi(s_) != s_.NumGiocatori * o_.malloppo) {
            Errore("money on the table is " + std::to_string(SommaSoldi(s_)) + " mid-manche");
            return;
        }
        if (o_.controlli) Errore(ControllaCarte(s_, g_.Vista()));
        if (o_.controlli) Errore(ControllaProbabilita(s_, g_.Vista()));
        if (finito) return;
        if (r_.partite != partitaPrecedente_) {
            partitaPrecedente_ = r_.partite;
            mancheAllaPartita_ = r_.manche;
            azioni_ = 0;
        }
        if (++azioni_ > 100000 || r_.manche - mancheAllaPartita_ > 100000) {
            Errore("a game does not end");
            return;
        }
        MossaUmano(caso);
    }

    void Errore(const std::string& testo) {
        if (testo.empty() || !r_.errore.empty()) return;
        std::ostringstream os;
        os << testo << " (game " << r_.partite + 1 << ", manche " << r_.manche << ")";
        r_.errore = os.str();
        finito = true;
    }

  private:
    // The human: stakes 1..5 on the first card, draws while below 5, stops otherwise; one draw
    // in four is face down. The stake is set first, and the action follows at the next move.
    void MossaUmano(std::mt19937_64& caso) {
        auto tra = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(caso); };
        const bool mazziere = s_.Mazziere == 1;
        if (!postaScelta_) {
            postaScelta_ = true;
            // One time in ten the dealer has to step in: a first action without a stake, or a
            // raise with two cards or more.
            const bool sbaglia = tra(0, 9) == 0;
            if (!mazziere && g_.Gioca(Azione::Posta, s_.NumCarte[1] == 1 ? (sbaglia ? 0 : tra(1, 5))
                                                                         : (sbaglia ? 3 : 0)))
                return;
        }
        postaScelta_ = false;
        if (s_.Punteggio[1] >= 5)
            g_.Gioca(Azione::Stop);
        else if (!mazziere && tra(0, 3) == 0)
            g_.Gioca(Azione::CartaCoperta);
        else
            g_.Gioca(Azione::CartaScoperta);
    }

    const Opzioni& o_;
    Gioco& g_;
    StatoTavolo& s_;
    Risultati& r_;
    bool postaScelta_ = false;
    long azioni_ = 0;
    long mancheAllaPartita_ = 0;
    long partitaPrecedente_ = -1;
};

// Stakes the least and stops at the first score of 5 or more.
class FermaACinque : public Strategia {
  public:
    Mossa Scegli(const StatoTavolo& s, FonteCasuale&) override {
        const int posta = s.NumCarte[1] == 1 && s.Mazziere != 1 ? 1 : 0;
        return {posta, posta, s.Punteggio[1] >= 5 ? Azione::Stop : Azione::CartaScoperta};
    }
};

} // namespace

Risultati Simula(const Opzioni& o) {
    Risultati r;
    std::uint64_t seme = o.seme;
    if (o.orologio)
        seme = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // A seeded run replays exactly: the generator's "clock" is a counter.
    std::uint64_t battito = seme;
    CasualeOrologio caso =
        o.orologio ? CasualeOrologio()
                   : CasualeOrologio([&battito] { return battito += 0x9E3779B97F4A7C15ull; });
    std::mt19937_64 casoUmano(seme);

    Gioco g(caso);
    StatoTavolo& s = g.Stato();
    g.AvvioIniziale();
    s.VelocitaCarta = static_cast<Intero>(o.velocita);
    s.MalloppoIniziale = static_cast<Intero>(o.malloppo);
    s.Bluff = static_cast<Intero>(o.bluff);
    s.VincitaDoppia = o.vincitaDoppia;
    s.Suono = o.suono;
    constexpr int AltezzaRiga = 99;
    g.AvvioFinale(AltezzaRiga * o.giocatori + 3);
    g.MostraPresentazione(o.schermo);
    Partite partite(o, g, r);
    StrategiaTabella tabella;
    StrategiaConsiglio consiglio(g.Vista(), o.campioni);
    FermaACinque cinque;
    switch (o.umano) {
    case Umano::Semplice:
        break;
    case Umano::Tabella:
        g.ImpostaStrategia(1, &tabella);
        break;
    case Umano::Consiglio:
        g.ImpostaStrategia(1, &consiglio);
        break;
    case Umano::Cinque:
        g.ImpostaStrategia(1, &cinque);
        break;
    }

    const auto inizio = std::chrono::steady_clock::now();
    const std::clock_t inizioCpu = std::clock();
    g.Gioca(Azione::NuovaPartita);
    while (!partite.finito) {
        const Evento& e = g.Attesa();
        switch (e.Tipo) {
        case TipoEvento::Giocatore:
            partite.Giocatore(casoUmano);
            continue;
        case TipoEvento::Messaggio:
            partite.Messaggio(e.Testo);
            break;
        case TipoEvento::Riepilogo:
            partite.Riepilogo();
            break;
        case TipoEvento::FinePartita:
            partite.FinePartita();
            break;
        case TipoEvento::Suono:
        case TipoEvento::Beep:
        case TipoEvento::Volo:
            break;
        }
        if (!partite.finito) g.Rispondi();
    }
    r.secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    r.secondiCpu = static_cast<double>(std::clock() - inizioCpu) / CLOCKS_PER_SEC;
    return r;
}

Risultati SimulaInParallelo(const Opzioni& o, int fili) {
    if (fili <= 1) return Simula(o);
    // Each thread plays its own share of the games from a seed of its own, so a run with the
    // same seed and thread count replays exactly.
    std::vector<Risultati> parziali(static_cast<std::size_t>(fili));
    std::vector<std::thread> lavoratori;
    const auto inizio = std::chrono::steady_clock::now();
    for (int i = 0; i < fili; ++i) {
        Opzioni parte = o;
        parte.partite = o.partite / fili + (i < o.partite % fili ? 1 : 0);
        if (o.mancheMassime >= 0)
            parte.mancheMassime = o.mancheMassime / fili + (i < o.mancheMassime % fili ? 1 : 0);
        parte.seme = o.seme * 1000003u + static_cast<std::uint64_t>(i);
        lavoratori.emplace_back(
            [parte, &parziali, i] { parziali[static_cast<std::size_t>(i)] = Simula(parte); });
    }
    for (auto& l : lavoratori)
        l.join();
    Risultati r;
    for (const Risultati& p : parziali) {
        r.partite += p.partite;
        r.manche += p.manche;
        r.sfide += p.sfide;
        r.vinteMazziere += p.vinteMazziere;
        r.sommaPiazzamenti += p.sommaPiazzamenti;
        r.sommaUmano += p.sommaUmano;
        r.quadratiUmano += p.quadratiUmano;
        r.rifornimenti += p.rifornimenti;
        r.rimescoliMatta += p.rimescoliMatta;
        r.passaggi += p.passaggi;
        r.minimi += p.minimi;
        r.rifiuti += p.rifiuti;
        r.secondiCpu += p.secondiCpu;
        if (r.errore.empty()) r.errore = p.errore;
    }
    r.secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    return r;
}

} // namespace brivetta::sim
