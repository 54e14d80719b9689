#include "Simulatore.h"

#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <random>
#include <sstream>

#include "Gioco.h"

namespace brivetta::sim {

namespace {

// The table's invariants, described in words for the first one that fails.
std::string ControllaCarte(const StatoTavolo& s, const VistaTavolo& v) {
    std::array<int, CarteNelMazzo + 1> mani{};
    int inMano = 0;
    for (int seat = 1; seat <= s.NumGiocatori; ++seat) {
        if (s.NumCarte[seat] < 0 || s.NumCarte[seat] > MaxCarteMano)
            return "seat " + std::to_string(seat) + " holds " + std::to_string(s.NumCarte[seat]) +
                   " cards";
        for (int k = 1; k <= s.NumCarte[seat]; ++k) {
            const int c = s.Mano[seat][k];
            if (c < 1 || c > CarteNelMazzo)
                return "seat " + std::to_string(seat) + " slot " + std::to_string(k) +
                       " holds no card";
            if (++mani[c] > 1) return "card " + std::to_string(c) + " is in two places";
            if (s.Mazzo[c] != InGioco)
                return "card " + std::to_string(c) + " is in a hand but has deck state " +
                       std::to_string(s.Mazzo[c]);
            ++inMano;
            // Every card but the covered one lies in its own slot of the seat's row.
            if (k >= 2 || seat == 1) {
                const Posizione atteso{SinistraSlot1 + LarghezzaCarta * (k - 1),
                                       AltezzaRiga * (seat - 1) + MargineCartaRiga};
                if (!(v.Picture1[c] == atteso))
                    return "card " + std::to_string(c) + " of seat " + std::to_string(seat) +
                           " is not in slot " + std::to_string(k);
            }
        }
        const Singolo p = s.Punteggio[seat];
        if (p * 2 != std::floor(p * 2))
            return "seat " + std::to_string(seat) + " scores " + std::to_string(p);
    }
    int fuori = 0;
    int inGioco = 0;
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        if (s.Mazzo[c] != NelMazzo) ++fuori;
        if (s.Mazzo[c] == InGioco) ++inGioco;
        if (s.Mazzo[c] != NelMazzo && s.Mazzo[c] != InGioco && s.Mazzo[c] != Usata)
            return "card " + std::to_string(c) + " has deck state " + std::to_string(s.Mazzo[c]);
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

int SommaSoldi(const StatoTavolo& s) {
    int somma = 0;
    for (int seat = 1; seat <= s.NumGiocatori; ++seat)
        somma += s.Soldi[seat];
    return somma;
}

// A window that answers at once and checks the table after every settlement.
class FinestraMuta : public Interfaccia {
  public:
    FinestraMuta(const Opzioni& o, StatoTavolo& s, VistaTavolo& v, Risultati& r)
        : o_(o), s_(s), v_(v), r_(r) {}

    bool finito = false;

    void Messaggio(const std::string& testo) override {
        auto contiene = [&testo](const char* parte) {
            return testo.find(parte) != std::string::npos;
        };
        if (contiene("finito le carte"))
            ++r_.rifornimenti;
        else if (contiene("uscita la matta"))
            ++r_.rimescoliMatta;
        else if (contiene("il mazzo passer"))
            ++r_.passaggi;
        else if (contiene("Almeno un $"))
            ++r_.minimi;
        else if (contiene("mutande"))
            ++r_.rifiuti;
    }
    void Suona(const std::string&) override {}
    void Cedi() override {}
    void PassoAnimazione() override {}
    void Beep() override {}
    void MostraRiepilogo(const Riepilogo&) override {
        ++r_.manche;
        // Posta now holds each seat's result and the dealer's net: they cancel out, and the
        // money on the table is what the game started with.
        int somma = 0;
        for (int seat = 1; seat <= s_.NumGiocatori; ++seat) {
            somma += s_.Posta[seat];
            if (seat == s_.Mazziere) continue;
            ++r_.sfide;
            if (s_.Posta[seat] < 0) ++r_.vinteMazziere;
        }
        if (somma != 0) Errore("the settlement's amounts add up to " + std::to_string(somma));
        if (SommaSoldi(s_) != s_.NumGiocatori * o_.malloppo)
            Errore("money on the table is " + std::to_string(SommaSoldi(s_)));
        if (s_.TurniGiocati != s_.NumGiocatori)
            Errore("manche settled after " + std::to_string(s_.TurniGiocati) + " turns");
        if (o_.controlli) Errore(ControllaCarte(s_, v_));
        if (o_.mancheMassime >= 0 && r_.manche >= o_.mancheMassime) finito = true;
    }
    SceltaFine MostraFinePartita() override {
        ++r_.partite;
        r_.sommaPiazzamenti += s_.Piazzamento;
        bool rotto = false;
        for (int seat = 1; seat <= s_.NumGiocatori; ++seat)
            rotto |= s_.Soldi[seat] < 1;
        if (!rotto) Errore("the game ended with nobody broke");
        if (s_.Piazzamento < 1 || s_.Piazzamento > s_.NumGiocatori)
            Errore("the human's place is " + std::to_string(s_.Piazzamento));
        if (r_.partite >= o_.partite) {
            finito = true;
            return SceltaFine::FineGioco;
        }
        return SceltaFine::AltraPartita;
    }
    void RiempiSchermo() override {}
    int AltezzaInterna() override { return AltezzaRiga * o_.giocatori + 3; }
    int LarghezzaTesto(const std::string& testo) override {
        return 6 * static_cast<int>(testo.size());
    }

    void Errore(const std::string& testo) {
        if (testo.empty() || !r_.errore.empty()) return;
        std::ostringstream os;
        os << testo << " (game " << r_.partite + 1 << ", manche " << r_.manche << ")";
        r_.errore = os.str();
        finito = true;
    }

  private:
    const Opzioni& o_;
    StatoTavolo& s_;
    VistaTavolo& v_;
    Risultati& r_;
};

// The human: stakes 1..5 on the first card, draws while below 5, stops otherwise; one draw in
// four is face down.
void MossaUmano(Gioco& g, StatoTavolo& s, std::mt19937_64& caso) {
    auto tra = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(caso); };
    const bool mazziere = s.Mazziere == 1;
    const bool pesca = s.Punteggio[1] < 5;
    // One time in ten the dealer has to step in: a first action without a stake, or a raise
    // with two cards or more.
    const bool sbaglia = tra(0, 9) == 0;
    if (!mazziere)
        g.CambiaCursore(s.NumCarte[1] == 1 ? (sbaglia ? 0 : tra(1, 5)) : (sbaglia ? 3 : 0));
    if (!pesca)
        g.Esegui(Azione::Stop);
    else if (!mazziere && tra(0, 3) == 0)
        g.Esegui(Azione::CartaCoperta);
    else
        g.Esegui(Azione::CartaScoperta);
}

} // namespace

Risultati Simula(const Opzioni& o) {
    Risultati r;
    StatoTavolo s;
    VistaTavolo v;
    FinestraMuta ui(o, s, v, r);

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

    Gioco g(s, v, ui, caso);
    g.AvvioIniziale();
    s.VelocitaCarta = static_cast<Intero>(o.velocita);
    s.MalloppoIniziale = static_cast<Intero>(o.malloppo);
    s.Bluff = static_cast<Intero>(o.bluff);
    s.VincitaDoppia = o.vincitaDoppia ? 1 : 0;
    s.Suono = 1;
    g.AvvioFinale();

    const auto inizio = std::chrono::steady_clock::now();
    const std::clock_t inizioCpu = std::clock();
    g.Esegui(Azione::NuovaPartita);
    long azioni = 0;
    long mancheAllaPartita = 0;
    long partitaPrecedente = -1;
    while (!ui.finito) {
        if (s.Turno != 1 || s.TurniGiocati >= s.NumGiocatori) {
            ui.Errore("control came back with seat " + std::to_string(s.Turno) + " to play");
            break;
        }
        if (SommaSoldi(s) != s.NumGiocatori * o.malloppo) {
            ui.Errore("money on the table is " + std::to_string(SommaSoldi(s)) + " mid-manche");
            break;
        }
        if (o.controlli) ui.Errore(ControllaCarte(s, v));
        if (ui.finito) break;
        if (r.partite != partitaPrecedente) {
            partitaPrecedente = r.partite;
            mancheAllaPartita = r.manche;
            azioni = 0;
        }
        if (++azioni > 100000 || r.manche - mancheAllaPartita > 100000) {
            ui.Errore("a game does not end");
            break;
        }
        MossaUmano(g, s, casoUmano);
    }
    r.secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    r.secondiCpu = static_cast<double>(std::clock() - inizioCpu) / CLOCKS_PER_SEC;
    return r;
}

} // namespace brivetta::sim
