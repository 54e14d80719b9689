#include "Consigliere.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Probabilita.h"
#include "Punteggio.h"
#include "Saldo.h"
#include "StrategiaTabella.h"

namespace brivetta {

namespace {
constexpr int Umano = 1;
constexpr double Z95 = 1.96;
// Sampling stops once both figures are this close to their expected value, per unit of stake.
constexpr double MargineVoluto = 0.02;
constexpr int CampioniMinimi = 32;
constexpr int MassimiFili = 16;
constexpr std::size_t LavoroPerFilo = 2048; // stops sampled, each a few microseconds

// Quick to seed once per sample, so every hand of the human meets the same bluffs.
class Generatore : public FonteCasuale {
  public:
    explicit Generatore(std::uint64_t seme) : x_(seme) {}
    std::uint64_t Prossimo() { return SplitMix(x_); }
    double Numero() override { return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53; }
    void Riseme() override {} // the sample's own seed fixes its play
    int Fino(int n) { return static_cast<int>(Numero() * n); }

  private:
    std::uint64_t x_;
};

// Cards of one class score alike and play alike for everyone: aces to sevens by rank, the
// figures together, the matta alone. One card stands for its class.
constexpr int Classi = 9;
constexpr int ClasseFigure = 7;
constexpr int ClasseMatta = 8;

int Classe(int carta) {
    return carta == Matta ? ClasseMatta : std::min(ValoreCarta(carta), 8) - 1;
}
int Rappresentante(int classe) {
    return classe == ClasseMatta ? Matta : classe == ClasseFigure ? 18 : 11 + classe;
}

using Conte = std::array<std::int8_t, Classi>;

// Three bits for each rank (four cards at most), four for the figures, one for the matta.
constexpr std::array<int, Classi> Spostamento = {0, 3, 6, 9, 12, 15, 18, 21, 25};
constexpr int BitConte = 26;

std::uint64_t Impacca(const Conte& c) {
    std::uint64_t x = 0;
    for (int k = 0; k < Classi; ++k)
        x |= static_cast<std::uint64_t>(c[k]) << Spostamento[k];
    return x;
}
Conte Spacchetta(std::uint64_t x) {
    Conte c{};
    for (int k = 0; k < Classi; ++k) {
        const int bit = k == ClasseFigure ? 4 : k == ClasseMatta ? 1 : 3;
        c[k] = static_cast<std::int8_t>((x >> Spostamento[k]) & ((1u << bit) - 1));
    }
    return c;
}
int Somma(const Conte& c) {
    int n = 0;
    for (std::int8_t x : c)
        n += x;
    return n;
}

// The cards still to come as the human sees them.
struct Mucchio {
    Conte ignote{};  // cards he cannot see: the deck's and the other seats' covered ones
    Conte riserva{}; // put aside, back once the deck runs out
    int mazzo = 0;   // cards left in the deck, all of them among the unseen ones

    std::uint64_t Chiave() const {
        return Impacca(ignote) | Impacca(riserva) << BitConte |
               static_cast<std::uint64_t>(mazzo) << (2 * BitConte);
    }
    // Where the next card drawn comes from: the deck, then the cards put aside. The deck is
    // a random part of the unseen cards, so each unseen card is as likely as the rest.
    const Conte& Fonte() const { return mazzo > 0 ? ignote : riserva; }
    void Pesca(int k) {
        if (mazzo > 0) {
            --ignote[k];
            --mazzo;
        } else {
            --riserva[k];
        }
    }
};

// The class of the next card, drawn from `fonte` holding `totale` cards.
int Estrai(const Conte& fonte, int totale, Generatore& caso) {
    int x = caso.Fino(totale);
    for (int k = 0; k < Classi; ++k) {
        x -= fonte[k];
        if (x < 0) return k;
    }
    return Classi - 1;
}

// A hand at its stop as the settlement sees it: the score in halves (16 for any bust) and one,
// two, or more cards.
constexpr int Punti = 17;
constexpr int Esiti = Punti * 3;
int Esito(Singolo punti, int carte) {
    const int p = Sballato(punti) ? Punti - 1 : static_cast<int>(punti * 2);
    return p * 3 + std::clamp(carte, 1, 3) - 1;
}

// A seat's result for a stake of 1 against the dealer, each hand an outcome; the game's own
// settlement counts it.
class Saldi {
  public:
    explicit Saldi(bool vincitaDoppia) {
        s_.NumGiocatori = 2;
        s_.Mazziere = 2;
        s_.VincitaDoppia = vincitaDoppia;
        valori_.fill(std::numeric_limits<float>::quiet_NaN());
    }
    float operator()(int posto, int banco) {
        float& v = valori_[static_cast<std::size_t>(posto * Esiti + banco)];
        if (std::isnan(v)) {
            Imposta(1, posto);
            Imposta(2, banco);
            s_.Posta = {};
            s_.Posta[1] = 1;
            v = static_cast<float>(SaldaManche(s_)[1]);
        }
        return v;
    }

  private:
    void Imposta(int i, int esito) {
        const int p = esito / 3;
        s_.Punteggio[i] = p == Punti - 1 ? 8.0f : static_cast<Singolo>(p) * 0.5f;
        s_.NumCarte[i] = static_cast<Intero>(esito % 3 + 1);
    }
    StatoTavolo s_;
    std::array<float, Esiti * Esiti> valori_{};
};

// A seat's hand as the human sees it: card 0 where a card is covered to him.
std::vector<int> ManoVista(const StatoTavolo& s, const VistaTavolo& v, int posto) {
    std::vector<int> mano;
    for (int k = 1; k <= s.NumCarte[posto]; ++k) {
        const int c = s.Mano[posto][k];
        mano.push_back(v.Carte[c].Posto == 0 ? 0 : c);
    }
    return mano;
}

void Metti(StatoTavolo& t, int posto, const std::vector<int>& mano) {
    t.GiocatoreMatta = 0;
    t.NumCarte[posto] = static_cast<Intero>(mano.size());
    for (std::size_t k = 0; k < mano.size(); ++k)
        t.Mano[posto][k + 1] = static_cast<Intero>(mano[k]);
    PunteggioMano(t, posto);
}

// The outcome of a stop now, the matta valued.
int EsitoAlloStop(StatoTavolo& t, int posto) {
    const Singolo punti = t.Punteggio[posto];
    ValutaMattaAlloStop(t, posto);
    const int e = Esito(t.Punteggio[posto], t.NumCarte[posto]);
    t.Punteggio[posto] = punti;
    return e;
}

// The chance that the decision table stops at this hand: only a first card's bluff is left to
// chance, and it hangs on the first number drawn, so a grid of numbers counts it exactly.
double ProbabilitaStop(const StatoTavolo& t) {
    constexpr int Griglia = 20;
    StrategiaTabella tabella;
    int stop = 0;
    for (int j = 0; j < Griglia; ++j) {
        CasualeScriptato caso{(j + 0.5) / Griglia};
        stop += tabella.Scegli(t, caso).Gesto == Azione::Stop ? 1 : 0;
    }
    return static_cast<double>(stop) / Griglia;
}

// A table with what the decision table looks at besides the seat's own hand, the seat to play.
StatoTavolo TavoloDelPosto(const StatoTavolo& s, int posto) {
    StatoTavolo t;
    t.NumGiocatori = s.NumGiocatori;
    t.Mazziere = s.Mazziere;
    t.Bluff = s.Bluff;
    t.Turno = static_cast<Intero>(posto);
    return t;
}

// The seat after the dealer plays first: its matta is not valued as its turn begins.
bool PrimoAGiocare(const StatoTavolo& s, int posto) {
    return posto == s.Mazziere % s.NumGiocatori + 1;
}

// How likely a computer seat that has played was to play as it did, had its covered card been
// of class `classe`: a seat that stopped on its first card most likely holds a high one.
double Verosimiglianza(const StatoTavolo& s, int posto, std::vector<int> mano, int classe) {
    StatoTavolo t = TavoloDelPosto(s, posto);
    std::replace(mano.begin(), mano.end(), 0, Rappresentante(classe));
    const bool primo = PrimoAGiocare(s, posto);
    double p = 1;
    for (std::size_t n = 1; n <= mano.size() && p > 0; ++n) {
        Metti(t, posto, std::vector<int>(mano.begin(), mano.begin() + static_cast<long>(n)));
        if (n == 1) {
            if (!primo) ValutaMattaAInizioTurno(t, posto); // as its turn began
        } else if (SiFermaDaSolo(t, posto) || n == MaxCarteMano) {
            return n == mano.size() ? p : 0; // its turn ended by itself here
        }
        const double ferma = ProbabilitaStop(t);
        p *= n < mano.size() ? 1 - ferma : ferma;
    }
    return p;
}

// The dealer's play when the human does not deal. His decisions look at his own hand only, so
// his hands form one graph for the whole position; the odds of each card come from the cards
// left, hands of the same cards meet in one node, and the chance of each outcome is counted
// exactly.
class Banco {
  public:
    Banco(const StatoTavolo& s, const VistaTavolo& v) : mazziere_(s.Mazziere) {
        StatoTavolo t = TavoloDelPosto(s, mazziere_);
        const std::vector<int> vista = ManoVista(s, v, mazziere_);
        coperte_ = static_cast<int>(std::count(vista.begin(), vista.end(), 0));
        std::vector<std::vector<int>> mani;
        std::unordered_map<std::uint64_t, int> indice;
        auto aggiungi = [&](const Conte& prese, std::vector<int> mano, int pescate) {
            const std::uint64_t chiave = Impacca(prese) * 2 + (mano.back() == Matta ? 1 : 0);
            if (const auto trovato = indice.find(chiave); trovato != indice.end())
                return trovato->second;
            Nodo n;
            n.prese = prese;
            n.quante = static_cast<std::int8_t>(Somma(prese));
            n.pescate = static_cast<std::int8_t>(pescate);
            n.coperta = n.quante - pescate < coperte_;
            if (!n.coperta) {
                // His covered cards stand in their slots, the known ones beside them.
                std::vector<int> intera;
                int j = 0;
                for (int c : vista)
                    intera.push_back(c == 0 ? mano[static_cast<std::size_t>(j++)] : c);
                for (std::size_t k = static_cast<std::size_t>(coperte_); k < mano.size(); ++k)
                    intera.push_back(mano[k]);
                Metti(t, mazziere_, intera);
                bool fermo = false;
                if (pescate == 0)
                    ValutaMattaAInizioTurno(t, mazziere_); // his turn begins
                else
                    fermo = SiFermaDaSolo(t, mazziere_);
                n.esito = static_cast<std::int8_t>(EsitoAlloStop(t, mazziere_));
                n.pesca = !fermo && t.NumCarte[mazziere_] < MaxCarteMano &&
                          tabella_.Scegli(t, caso_).Gesto != Azione::Stop;
                pescateMassime_ = std::max(pescateMassime_, pescate + (n.pesca ? 1 : 0));
            }
            nodi_.push_back(n);
            mani.push_back(std::move(mano));
            indice.emplace(chiave, static_cast<int>(nodi_.size()) - 1);
            return static_cast<int>(nodi_.size()) - 1;
        };
        aggiungi(Conte{}, {0}, 0);
        // Breadth first: every node comes after those that lead to it.
        for (std::size_t i = 0; i < nodi_.size(); ++i) {
            if (!nodi_[i].coperta && !nodi_[i].pesca) continue;
            for (int k = 0; k < Classi; ++k) {
                Conte prese = nodi_[i].prese;
                if (++prese[k] > (k == ClasseFigure ? 12 : k == ClasseMatta ? 1 : 4)) continue;
                std::vector<int> mano = mani[i];
                if (mano.size() == 1 && mano[0] == 0) mano.clear();
                mano.push_back(Rappresentante(k));
                const int pescate = nodi_[i].pescate + (nodi_[i].coperta ? 0 : 1);
                const int figlio = aggiungi(prese, std::move(mano), pescate);
                nodi_[i].figli[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(figlio);
            }
        }
        probabilita_.resize(nodi_.size());
        rami_.resize(nodi_.size());
    }

    using Distribuzione = std::array<float, Esiti>;

    // The chance of each outcome of his hand at his stop, `m` being the cards left.
    const Distribuzione& Finali(const Mucchio& m) {
        const auto [posto, nuovo] = memoria_.try_emplace(m.Chiave());
        if (!nuovo) return posto->second;
        Distribuzione& d = posto->second;
        d.fill(0);
        if (m.mazzo >= pescateMassime_)
            SenzaRiserva(m, d);
        else
            ConRiserva(m, d);
        return d;
    }

  private:
    struct Nodo {
        Conte prese{};           // classes he took from the cards left, his covered ones first
        std::int8_t quante = 0;  // how many
        std::int8_t pescate = 0; // cards drawn from the deck
        bool coperta = false;    // the next class fills one of his covered cards
        bool pesca = false;      // he takes another card
        std::int8_t esito = 0;   // his outcome if he stops here
        std::array<std::int16_t, Classi> figli{};
    };

    // The deck cannot run out on him: every card he takes is one of the unseen ones.
    void SenzaRiserva(const Mucchio& m, Distribuzione& d) {
        std::fill(probabilita_.begin(), probabilita_.end(), 0.0);
        probabilita_[0] = 1;
        const int tutte = Somma(m.ignote);
        for (std::size_t i = 0; i < nodi_.size(); ++i) {
            const double p = probabilita_[i];
            if (p == 0) continue;
            const Nodo& n = nodi_[i];
            const int totale = tutte - n.quante;
            if ((!n.coperta && !n.pesca) || totale <= 0) {
                d[static_cast<std::size_t>(n.esito)] += static_cast<float>(p);
                continue;
            }
            const double q = p / totale;
            for (int k = 0; k < Classi; ++k) {
                const int resta = m.ignote[k] - n.prese[k];
                if (resta > 0) probabilita_[static_cast<std::size_t>(n.figli[k])] += q * resta;
            }
        }
    }

    // The deck may run out: the cards he then takes come from those put aside, so each node
    // keeps apart the ways he reached it by the classes he took from them.
    void ConRiserva(const Mucchio& m, Distribuzione& d) {
        for (auto& r : rami_)
            r.clear();
        rami_[0].push_back({0, 1.0});
        const int tutte = Somma(m.ignote);
        const int riserva = Somma(m.riserva);
        for (std::size_t i = 0; i < nodi_.size(); ++i) {
            const Nodo& n = nodi_[i];
            for (const auto& [chiave, p] : rami_[i]) {
                const Conte dopo = Spacchetta(chiave);
                const bool dalMazzo = n.coperta || n.pescate < m.mazzo;
                const int totale =
                    dalMazzo ? tutte - (n.quante - Somma(dopo)) : riserva - Somma(dopo);
                if ((!n.coperta && !n.pesca) || totale <= 0) {
                    d[static_cast<std::size_t>(n.esito)] += static_cast<float>(p);
                    continue;
                }
                for (int k = 0; k < Classi; ++k) {
                    const int resta =
                        dalMazzo ? m.ignote[k] - (n.prese[k] - dopo[k]) : m.riserva[k] - dopo[k];
                    if (resta <= 0) continue;
                    const std::uint32_t nuova = dalMazzo ? chiave : chiave + (1u << Spostamento[k]);
                    auto& r = rami_[static_cast<std::size_t>(n.figli[k])];
                    const double q = p * resta / totale;
                    const auto stesso = std::find_if(
                        r.begin(), r.end(), [nuova](const auto& x) { return x.first == nuova; });
                    if (stesso != r.end())
                        stesso->second += q;
                    else
                        r.push_back({nuova, q});
                }
            }
        }
    }

    int mazziere_;
    int coperte_ = 0;
    int pescateMassime_ = 0;
    std::vector<Nodo> nodi_;
    StrategiaTabella tabella_;
    Generatore caso_{0}; // the dealer's moves never depend on chance, only his slider does
    std::unordered_map<std::uint64_t, Distribuzione> memoria_;
    std::vector<double> probabilita_;
    std::vector<std::vector<std::pair<std::uint32_t, double>>> rami_;
};

// The seats between the human and the dealer, played by the decision table, bluffs included,
// one sample at a time: the cards they leave to the dealer.
class Intermedi {
  public:
    Intermedi(const StatoTavolo& s, const VistaTavolo& v, const std::vector<int>& posti)
        : posti_(posti), t_(TavoloDelPosto(s, 0)) {
        for (int posto : posti_)
            viste_.push_back(ManoVista(s, v, posto));
    }

    bool Vuoti() const { return posti_.empty(); }

    Mucchio Gioca(Mucchio m, std::uint64_t seme) {
        Generatore caso(seme);
        for (std::size_t i = 0; i < posti_.size(); ++i) {
            const int posto = posti_[i];
            mano_.clear();
            for (int c : viste_[i]) {
                if (c == 0) {
                    const int k = Estrai(m.ignote, Somma(m.ignote), caso);
                    --m.ignote[k];
                    c = Rappresentante(k);
                }
                mano_.push_back(c);
            }
            Metti(t_, posto, mano_);
            t_.Turno = static_cast<Intero>(posto);
            ValutaMattaAInizioTurno(t_, posto);
            while (t_.NumCarte[posto] < MaxCarteMano &&
                   tabella_.Scegli(t_, caso).Gesto != Azione::Stop) {
                const Conte& fonte = m.Fonte();
                const int totale = Somma(fonte);
                if (totale == 0) break;
                const int k = Estrai(fonte, totale, caso);
                m.Pesca(k);
                t_.Mano[posto][++t_.NumCarte[posto]] = static_cast<Intero>(Rappresentante(k));
                PunteggioMano(t_, posto);
                if (SiFermaDaSolo(t_, posto)) break;
            }
        }
        return m;
    }

  private:
    std::vector<int> posti_;
    std::vector<std::vector<int>> viste_;
    std::vector<int> mano_;
    StatoTavolo t_;
    StrategiaTabella tabella_;
};

using Valori = std::vector<float>; // one figure per sample

double Media(const Valori& x) {
    double somma = 0;
    for (float v : x)
        somma += v;
    return x.empty() ? 0 : somma / static_cast<double>(x.size());
}

double Margine(const Valori& x) {
    if (x.size() < 2) return 0;
    const double m = Media(x);
    double q = 0;
    for (float v : x)
        q += (v - m) * (v - m);
    return Z95 * std::sqrt(q / static_cast<double>(x.size() - 1) / static_cast<double>(x.size()));
}

// The human's hands from here on, each card of his counted exactly with the best choice at
// every later move made on what he would see then. Against the dealer, the dealer's hand is
// counted exactly too; only the seats between them, when there are any, are sampled. When he
// deals, every other seat has stopped and only their covered cards are unknown: all counted.
class Albero {
  public:
    Albero(const StatoTavolo& s, const VistaTavolo& v, const OpzioniConsiglio& o)
        : s_(s), saldi_(s.VincitaDoppia), massimo_(std::max(o.Campioni, 1)) {
        umanoMazziere_ = s.Mazziere == Umano;
        const CarteNote note = CarteConosciute(s, v);
        for (int k = 1; k <= s.NumCarte[Umano]; ++k)
            mano_.push_back(s.Mano[Umano][k]);
        int coperte = 0;
        for (int posto = 2; posto <= s.NumGiocatori; ++posto)
            for (int c : ManoVista(s, v, posto))
                coperte += c == 0;
        for (int c = 1; c <= CarteNelMazzo; ++c) {
            if (std::find(mano_.begin(), mano_.end(), c) != mano_.end()) continue;
            if (!note[c])
                ++radice_.ignote[static_cast<std::size_t>(Classe(c))];
            else if (s.Mazzo[c] == StatoCarta::Usata)
                ++radice_.riserva[static_cast<std::size_t>(Classe(c))];
        }
        radice_.mazzo = std::max(Somma(radice_.ignote) - coperte, 0);
        prova_ = s;
        if (umanoMazziere_) {
            Avversari(s, v);
        } else {
            banco_.emplace(s, v);
            // Seats from the human on, in playing order, up to the dealer.
            std::vector<int> posti;
            for (int j = Umano % s.NumGiocatori + 1; j != s.Mazziere; j = j % s.NumGiocatori + 1)
                posti.push_back(j);
            intermedi_.emplace(s, v, posti);
            if (!intermedi_->Vuoti()) {
                fili_ = o.Fili > 0 ? o.Fili : static_cast<int>(std::thread::hardware_concurrency());
                fili_ = std::clamp(fili_, 1, MassimiFili);
            }
        }
        Generatore caso(o.Seme);
        for (int w = 0; w < massimo_; ++w)
            semi_.push_back(caso.Prossimo());
    }

    ValoreMosse Valuta() {
        if (umanoMazziere_ || intermedi_->Vuoti()) return Una(1);
        // The seats between him and the dealer are sampled until both figures are close
        // enough, from a floor so that the margins themselves are trustworthy.
        int n = std::min(CampioniMinimi, massimo_);
        for (;;) {
            const ValoreMosse r = Una(n);
            const double margine = std::max(r.MargineStop, r.MargineCarta);
            if (margine <= MargineVoluto || n >= massimo_) return r;
            const double piu = std::pow(margine / MargineVoluto, 2) * 1.2;
            n = std::min(massimo_, std::max(2 * n, static_cast<int>(n * piu)));
        }
    }

  private:
    // His values with `n` samples of the seats between him and the dealer.
    ValoreMosse Una(int n) {
        campioni_ = n;
        if (fili_ > 1) {
            raccolta_ = true;
            richieste_.clear();
            indice_.clear();
            Radice();
            raccolta_ = false;
            CampionaInParallelo();
        }
        return Radice();
    }

    ValoreMosse Radice() {
        memoria_.clear();
        ValoreMosse r;
        r.PerUnita = !umanoMazziere_;
        // His score now, as the table shows it, valued at the stop.
        prova_.Punteggio[Umano] = s_.Punteggio[Umano];
        prova_.GiocatoreMatta = s_.GiocatoreMatta == Umano ? Umano : 0;
        prova_.NumCarte[Umano] = static_cast<Intero>(mano_.size());
        const Valori stop = Ferma(radice_, EsitoAlloStop(prova_, Umano));
        r.Stop = Media(stop);
        r.MargineStop = Margine(stop);
        r.CartaPossibile = PuoPescare(radice_, mano_);
        if (r.CartaPossibile) {
            const Valori carta = Pesca(radice_, mano_);
            r.Carta = Media(carta);
            r.MargineCarta = Margine(carta);
        }
        return r;
    }

    // The other seats, all stopped: each one's outcome for each class of its covered card.
    void Avversari(const StatoTavolo& s, const VistaTavolo& v) {
        StatoTavolo t = s;
        for (int posto = 2; posto <= s.NumGiocatori; ++posto) {
            const std::vector<int> vista = ManoVista(s, v, posto);
            std::vector<int> mano = vista;
            Avversario a;
            a.posta = s.Posta[posto];
            const auto coperta = std::find(mano.begin(), mano.end(), 0);
            a.coperta = coperta != mano.end();
            for (int k = 0; k < (a.coperta ? Classi : 1); ++k) {
                if (a.coperta) {
                    a.peso[static_cast<std::size_t>(k)] = Verosimiglianza(s, posto, vista, k);
                    *coperta = Rappresentante(k);
                }
                Metti(t, posto, mano);
                // A seat that stopped on its first card valued its matta as its turn began.
                if (t.NumCarte[posto] == 1 && !PrimoAGiocare(s, posto))
                    ValutaMattaAInizioTurno(t, posto);
                a.esiti[static_cast<std::size_t>(k)] = EsitoAlloStop(t, posto);
            }
            avversari_.push_back(a);
        }
    }

    bool PuoPescare(const Mucchio& m, const std::vector<int>& carte) const {
        return carte.size() < MaxCarteMano && Somma(m.Fonte()) > 0;
    }

    // His stop with outcome `esito`, the cards left being `m`.
    Valori Ferma(const Mucchio& m, int esito) {
        if (umanoMazziere_) {
            // Each seat's covered card is any of the unseen ones; the dealer banks every bet.
            double somma = 0;
            for (const Avversario& a : avversari_) {
                double x = 0;
                if (!a.coperta) {
                    x = saldi_(a.esiti[0], esito);
                } else {
                    // Each unseen card weighed by how likely the seat's play was with it.
                    double pesi = 0;
                    for (int k = 0; k < Classi; ++k) {
                        if (m.ignote[k] == 0) continue;
                        const double peso = m.ignote[k] * a.peso[static_cast<std::size_t>(k)];
                        x += peso * saldi_(a.esiti[k], esito);
                        pesi += peso;
                    }
                    x = pesi > 0 ? x / pesi : 0;
                }
                somma -= a.posta * x;
            }
            return Valori(1, static_cast<float>(somma));
        }
        // A bust loses the stake whatever the others hold.
        if (esito / 3 == Punti - 1) return Valori(static_cast<std::size_t>(campioni_), -1.0f);
        if (fili_ > 1) {
            // First the hands he may reach are gathered, then their stops sampled in parallel.
            const std::uint64_t chiave = m.Chiave() * 64 + static_cast<std::uint64_t>(esito);
            if (raccolta_) {
                if (indice_.try_emplace(chiave, richieste_.size()).second)
                    richieste_.push_back({m, esito});
                return Valori(static_cast<std::size_t>(campioni_), 0.0f);
            }
            return calcolati_[indice_.at(chiave)];
        }
        Valori x(static_cast<std::size_t>(campioni_));
        Campiona(m, esito, *banco_, *intermedi_, saldi_, x);
        return x;
    }

    // The stop's value in each sample: the seats between him and the dealer play, the dealer's
    // outcomes are counted. Every sample on its own, so that threads share them out freely.
    void Campiona(const Mucchio& m, int esito, Banco& banco, Intermedi& intermedi, Saldi& saldi,
                  Valori& x) const {
        for (std::size_t w = 0; w < x.size(); ++w) {
            const Mucchio resto = intermedi.Vuoti() ? m : intermedi.Gioca(m, semi_[w]);
            const Banco::Distribuzione& d = banco.Finali(resto);
            double somma = 0;
            for (int b = 0; b < Esiti; ++b)
                if (d[static_cast<std::size_t>(b)] > 0)
                    somma += d[static_cast<std::size_t>(b)] * saldi(esito, b);
            x[w] = static_cast<float>(somma);
        }
    }

    // The gathered stops, shared out among the threads, each with its own dealer and seats.
    void CampionaInParallelo() {
        calcolati_.assign(richieste_.size(), Valori(static_cast<std::size_t>(campioni_)));
        // A thread is worth starting only for a few milliseconds of work.
        const bool poco = richieste_.size() * static_cast<std::size_t>(campioni_) < LavoroPerFilo;
        const int fili = poco ? 1 : std::min<int>(fili_, static_cast<int>(richieste_.size()));
        std::vector<std::thread> lavoratori;
        auto lavora = [this, fili](int f) {
            Banco banco = *banco_;
            Intermedi intermedi = *intermedi_;
            Saldi saldi = saldi_;
            for (std::size_t i = static_cast<std::size_t>(f); i < richieste_.size();
                 i += static_cast<std::size_t>(fili))
                Campiona(richieste_[i].m, richieste_[i].esito, banco, intermedi, saldi,
                         calcolati_[i]);
        };
        for (int f = 1; f < fili; ++f)
            lavoratori.emplace_back(lavora, f);
        lavora(0);
        for (std::thread& l : lavoratori)
            l.join();
    }

    // Another card: each class as likely as its cards left, then the better of stopping and
    // going on, chosen on the mean, as he would choose seeing only his own hand.
    Valori Pesca(const Mucchio& m, const std::vector<int>& carte) {
        Valori somma(static_cast<std::size_t>(umanoMazziere_ ? 1 : campioni_), 0.0f);
        const Conte& fonte = m.Fonte();
        const int totale = Somma(fonte);
        std::vector<int> nuove = carte;
        nuove.push_back(0);
        for (int k = 0; k < Classi; ++k) {
            if (fonte[k] == 0) continue;
            Mucchio dopo = m;
            dopo.Pesca(k);
            nuove.back() = Rappresentante(k);
            const Valori& x = Dopo(dopo, nuove);
            const float peso = static_cast<float>(fonte[k]) / static_cast<float>(totale);
            for (std::size_t w = 0; w < somma.size(); ++w)
                somma[w] += peso * x[w];
        }
        return somma;
    }

    // The hand just grown by a card: the stop it forces, or his better choice.
    const Valori& Dopo(const Mucchio& m, const std::vector<int>& carte) {
        // The same cards in another order score alike unless the matta came last.
        const std::uint64_t chiave = m.Chiave() * 2 + (carte.back() == Matta ? 1 : 0);
        if (const auto trovato = memoria_.find(chiave); trovato != memoria_.end())
            return trovato->second;
        Metti(prova_, Umano, carte);
        const bool siFerma = SiFermaDaSolo(prova_, Umano);
        Valori stop = Ferma(m, EsitoAlloStop(prova_, Umano));
        if (!siFerma && PuoPescare(m, carte)) {
            Valori carta = Pesca(m, carte);
            if (Media(carta) > Media(stop)) stop = std::move(carta);
        }
        return memoria_.emplace(chiave, std::move(stop)).first->second;
    }

    struct Avversario {
        int posta = 0;
        bool coperta = false;
        std::array<int, Classi> esiti{};   // by the class of its covered card
        std::array<double, Classi> peso{}; // how likely its play was with it
    };

    const StatoTavolo& s_;
    Saldi saldi_;
    int massimo_;
    bool umanoMazziere_ = false;
    std::vector<int> mano_;
    Mucchio radice_;
    StatoTavolo prova_;
    std::optional<Banco> banco_;
    std::optional<Intermedi> intermedi_;
    std::vector<Avversario> avversari_;
    std::vector<std::uint64_t> semi_;
    int campioni_ = 1;
    std::unordered_map<std::uint64_t, Valori> memoria_;
    struct Richiesta {
        Mucchio m;
        int esito = 0;
    };
    int fili_ = 1;
    bool raccolta_ = false;
    std::vector<Richiesta> richieste_;
    std::unordered_map<std::uint64_t, std::size_t> indice_;
    std::vector<Valori> calcolati_;
};
} // namespace

ValoreMosse ValutaMosse(const StatoTavolo& s, const VistaTavolo& v, const OpzioniConsiglio& o) {
    // Only at the human's move in a manche in play.
    if (s.Turno != Umano || s.NumCarte[Umano] < 1 || s.NumGiocatori < 2 || s.Mazziere < 1 ||
        s.Mazziere > s.NumGiocatori) {
        ValoreMosse nulla;
        nulla.CartaPossibile = false;
        return nulla;
    }
    return Albero(s, v, o).Valuta();
}

namespace {
// The stake a stop adds, and the one a card adds, with the slider at `cursore`.
int PostaStop(const StatoTavolo& s, int cursore) {
    return s.NumCarte[Umano] == 1 ? std::max(cursore, 1) : 0;
}
int PostaCarta(const StatoTavolo& s, int cursore) {
    return s.NumCarte[Umano] == 1 ? std::max(cursore, 1) : cursore;
}
} // namespace

Consiglio Consiglia(const StatoTavolo& s, const VistaTavolo& v, int cursore,
                    const OpzioniConsiglio& o) {
    return ConPosta(s, ValutaMosse(s, v, o), cursore);
}

Consiglio ConPosta(const StatoTavolo& s, const ValoreMosse& m, int cursore) {
    Consiglio c{m.Stop, m.Carta, m.MargineStop, m.MargineCarta, m.CartaPossibile};
    if (!m.PerUnita) return c;
    cursore = std::clamp(cursore, 0, MassimoCursore);
    const double stop = s.Posta[Umano] + PostaStop(s, cursore);
    const double carta = s.Posta[Umano] + PostaCarta(s, cursore);
    c.Stop *= stop;
    c.MargineStop *= stop;
    c.Carta *= carta;
    c.MargineCarta *= carta;
    return c;
}

Mossa MossaMigliore(const StatoTavolo& s, const ValoreMosse& m) {
    if (!m.PerUnita) {
        const Azione gesto =
            m.CartaPossibile && m.Carta > m.Stop ? Azione::CartaScoperta : Azione::Stop;
        return {0, 0, gesto};
    }
    const int minimo = s.NumCarte[Umano] == 1 ? 1 : 0;
    const int cursoreStop = m.Stop > 0 ? MassimoCursore : minimo;
    const int cursoreCarta = m.Carta > 0 ? MassimoCursore : minimo;
    const double stop = (s.Posta[Umano] + PostaStop(s, cursoreStop)) * m.Stop;
    const double carta = (s.Posta[Umano] + PostaCarta(s, cursoreCarta)) * m.Carta;
    if (m.CartaPossibile && carta > stop)
        return {cursoreCarta, cursoreCarta, Azione::CartaScoperta};
    // A stop with two cards or more takes no raise.
    const int c = s.NumCarte[Umano] == 1 ? cursoreStop : 0;
    return {c, c, Azione::Stop};
}

Mossa StrategiaConsiglio::Scegli(const StatoTavolo& s, FonteCasuale& caso) {
    OpzioniConsiglio o;
    o.Campioni = campioni_;
    o.Seme = static_cast<std::uint64_t>(caso.Numero() * 0x1.0p53);
    return MossaMigliore(s, ValutaMosse(s, vista_, o));
}

} // namespace brivetta
