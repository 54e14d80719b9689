// The advisor against the exact values at two seats, where every card can be counted: the human
// against the dealer (whose play never depends on chance) or dealing against a stopped seat,
// whose covered card is weighed by how likely its play was with it.
// Positions come from real games at the human's move with one, two or three cards.
//   brivetta_bench_consiglio_esatto [positions] [samples]
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <unordered_map>
#include <vector>

#include "Consigliere.h"
#include "Gioco.h"
#include "PartitaDiProva.h"
#include "Probabilita.h"
#include "Punteggio.h"
#include "Saldo.h"
#include "StrategiaTabella.h"

using namespace brivetta;

namespace {
constexpr int Classi = 9; // aces to sevens, the figures, the matta

int Classe(int carta) {
    return carta == Matta ? 8 : std::min(ValoreCarta(carta), 8) - 1;
}
// One card standing for its class: cards of a class score alike.
int Rappresentante(int classe) {
    return classe == 8 ? Matta : classe == 7 ? 18 : 11 + classe;
}

using Conte = std::array<int, Classi>;

class Esatto {
  public:
    Esatto(const StatoTavolo& s, const VistaTavolo& v) : s_(s), t_(s) {
        const CarteNote note = CarteConosciute(s, v);
        for (int k = 1; k <= s.NumCarte[1]; ++k)
            umano_.push_back(s.Mano[1][k]);
        for (int c = 1; c <= CarteNelMazzo; ++c)
            if (!note[c] && std::find(umano_.begin(), umano_.end(), c) == umano_.end())
                ++rimaste_[Classe(c)];
        for (int k = 1; k <= s.NumCarte[2]; ++k) {
            const int c = s.Mano[2][k];
            if (v.Carte[c].Posto != 0) altrui_.push_back(c);
        }
        coperta_ = static_cast<int>(altrui_.size()) < s.NumCarte[2];
    }

    // Per unit of the human's stake against the dealer, in money when he deals.
    std::pair<double, double> Valori() {
        t_.Punteggio[1] = s_.Punteggio[1];
        t_.GiocatoreMatta = s_.GiocatoreMatta == 1 ? 1 : 0;
        ValutaMattaAlloStop(t_, 1);
        const double stop = Ferma(umano_, t_.Punteggio[1], rimaste_);
        return {stop, Carta(umano_, rimaste_)};
    }

  private:
    // The mean of `valore` over the next card, each class as likely as its count.
    template <class F>
    static double ProssimaCarta(const std::vector<int>& mano, const Conte& rimaste, F valore) {
        double somma = 0;
        int tutte = 0;
        for (int k = 0; k < Classi; ++k) {
            if (rimaste[k] == 0) continue;
            std::vector<int> nuova = mano;
            nuova.push_back(Rappresentante(k));
            Conte dopo = rimaste;
            --dopo[k];
            somma += rimaste[k] * valore(nuova, dopo);
            tutte += rimaste[k];
        }
        return tutte ? somma / tutte : 0;
    }

    double Carta(const std::vector<int>& mano, const Conte& rimaste) {
        return ProssimaCarta(mano, rimaste,
                             [this](const std::vector<int>& nuova, const Conte& dopo) {
                                 return Migliore(nuova, dopo);
                             });
    }

    double Migliore(const std::vector<int>& mano, const Conte& rimaste) {
        Punteggia(t_, 1, mano);
        const bool fermo = SiFermaDaSolo(t_, 1);
        ValutaMattaAlloStop(t_, 1);
        const double stop = Ferma(mano, t_.Punteggio[1], rimaste);
        if (fermo || mano.size() >= MaxCarteMano) return stop;
        return std::max(stop, Carta(mano, rimaste));
    }

    static void Punteggia(StatoTavolo& t, int posto, std::span<const int> mano) {
        t.GiocatoreMatta = 0;
        t.NumCarte[posto] = static_cast<Intero>(mano.size());
        for (std::size_t k = 0; k < mano.size(); ++k)
            t.Mano[posto][k + 1] = static_cast<Intero>(mano[k]);
        PunteggioMano(t, posto);
    }

    // The other seat's covered card, each class as likely as its count.
    double Ferma(const std::vector<int>& mano, Singolo punti, const Conte& rimaste) {
        // The stop's value depends on the human's score, his card count and the cards left.
        std::uint64_t chiave =
            static_cast<std::uint64_t>(punti * 2) * 16 + std::min<std::size_t>(mano.size(), 15);
        for (int r : rimaste)
            chiave = chiave * 16 + static_cast<std::uint64_t>(r);
        if (const auto trovato = memoria_.find(chiave); trovato != memoria_.end())
            return trovato->second;
        const double x = FermaContata(mano, punti, rimaste);
        memoria_.emplace(chiave, x);
        return x;
    }

    double FermaContata(const std::vector<int>& mano, Singolo punti, const Conte& rimaste) {
        if (!coperta_) return Altrui(mano, punti, altrui_, rimaste);
        double somma = 0;
        double pesi = 0;
        for (int k = 0; k < Classi; ++k) {
            if (rimaste[k] == 0) continue;
            std::vector<int> altrui = {Rappresentante(k)};
            altrui.insert(altrui.end(), altrui_.begin(), altrui_.end());
            Conte dopo = rimaste;
            --dopo[k];
            // When the human deals, seat 2 has played: its play tells of its covered card.
            const double peso = rimaste[k] * (s_.Mazziere == 1 ? Verosimile(k) : 1.0);
            somma += peso * Altrui(mano, punti, altrui, dopo);
            pesi += peso;
        }
        return pesi > 0 ? somma / pesi : 0;
    }

    // How likely seat 2, the first to play, was to play as it did with a covered card of class
    // k: each of its decisions replayed through the table, whose only chance is a first card's
    // bluff, decided by the first number drawn.
    double Verosimile(int k) {
        std::vector<int> mano = {Rappresentante(k)};
        mano.insert(mano.end(), altrui_.begin(), altrui_.end());
        StatoTavolo t = s_;
        t.Turno = 2;
        double p = 1;
        for (std::size_t n = 1; n <= mano.size(); ++n) {
            Punteggia(t, 2, std::span<const int>(mano).first(n));
            if (n > 1 && (SiFermaDaSolo(t, 2) || n == MaxCarteMano))
                return n == mano.size() ? p : 0;
            int ferma = 0;
            constexpr int Numeri = 100;
            for (int j = 0; j < Numeri; ++j) {
                CasualeScriptato u{(j + 0.5) / Numeri};
                ferma += tabella_.Scegli(t, u).Gesto == Azione::Stop;
            }
            const double q = static_cast<double>(ferma) / Numeri;
            p *= n < mano.size() ? 1 - q : q;
        }
        return p;
    }

    // The other seat's hand: stopped when the human deals, else the dealer's turn to play.
    double Altrui(const std::vector<int>& mano, Singolo punti, const std::vector<int>& altrui,
                  const Conte& rimaste) {
        Punteggia(t_, 2, altrui);
        if (s_.Mazziere == 1) {
            ValutaMattaAlloStop(t_, 2);
            return Salda(mano, punti, altrui, t_.Punteggio[2]);
        }
        if (altrui.size() == 1) ValutaMattaAInizioTurno(t_, 2);
        return Mazziere(mano, punti, altrui, rimaste);
    }

    double Mazziere(const std::vector<int>& mano, Singolo punti, const std::vector<int>& banco,
                    const Conte& rimaste) {
        // Scored by the caller.
        t_.Turno = 2;
        const Mossa m = tabella_.Scegli(t_, zero_);
        if (m.Gesto == Azione::Stop) {
            ValutaMattaAlloStop(t_, 2);
            return Salda(mano, punti, banco, t_.Punteggio[2]);
        }
        return ProssimaCarta(banco, rimaste, [&](const std::vector<int>& nuovo, const Conte& dopo) {
            Punteggia(t_, 2, nuovo);
            if (!SiFermaDaSolo(t_, 2)) return Mazziere(mano, punti, nuovo, dopo);
            ValutaMattaAlloStop(t_, 2);
            return Salda(mano, punti, nuovo, t_.Punteggio[2]);
        });
    }

    double Salda(const std::vector<int>& mano, Singolo punti, const std::vector<int>& altrui,
                 Singolo puntiAltrui) {
        t_.NumCarte[1] = static_cast<Intero>(mano.size());
        t_.NumCarte[2] = static_cast<Intero>(altrui.size());
        t_.Punteggio[1] = punti;
        t_.Punteggio[2] = puntiAltrui;
        t_.Posta[1] = s_.Mazziere == 1 ? 0 : 1;
        t_.Posta[2] = s_.Mazziere == 1 ? s_.Posta[2] : 0;
        return SaldaManche(t_)[1];
    }

    const StatoTavolo& s_;
    StatoTavolo t_;
    std::vector<int> umano_, altrui_;
    Conte rimaste_{};
    bool coperta_ = false;
    StrategiaTabella tabella_;
    CasualeScriptato zero_;
    std::unordered_map<std::uint64_t, double> memoria_;
};
} // namespace

int main(int argc, char** argv) {
    const int posizioni = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    OpzioniConsiglio o;
    if (argc > 2) o.Campioni = std::max(1, std::atoi(argv[2]));

    PartitaDiProva partita(777, 2);
    Gioco& g = partita.g;
    StatoTavolo& s = g.Stato();

    int contate = 0, fuori = 0, scelteDiverse = 0;
    double peggiore = 0;
    std::array<int, 4> perCarte{};
    while (contate < posizioni) {
        if (g.Attesa().Tipo != TipoEvento::Giocatore) {
            g.Rispondi();
            continue;
        }
        // A deck about to run out brings back cards in an order nobody counts here.
        int ignote = 0;
        for (int c = 1; c <= CarteNelMazzo; ++c)
            ignote += s.Mazzo[c] == StatoCarta::NelMazzo;
        if (s.NumCarte[1] <= 3 && ignote >= 15) {
            o.Seme = static_cast<std::uint64_t>(contate) + 1;
            const ValoreMosse a = ValutaMosse(s, g.Vista(), o);
            const auto [stop, carta] = Esatto(s, g.Vista()).Valori();
            // Per unit of stake, or of the other seat's stake when the human deals.
            const double unita = a.PerUnita ? 1.0 : std::max<int>(s.Posta[2], 1);
            const double scarto =
                std::max(std::abs(a.Stop - stop), std::abs(a.Carta - carta)) / unita;
            peggiore = std::max(peggiore, scarto);
            if (scarto > 0.02) ++fuori;
            if ((a.Carta > a.Stop) != (carta > stop) && std::abs(carta - stop) / unita > 0.02)
                ++scelteDiverse;
            ++perCarte[static_cast<std::size_t>(s.NumCarte[1])];
            ++contate;
        }
        // Plays on with the least stake, stopping from 5.
        g.Gioca(s.Punteggio[1] >= 5 ? Azione::Stop : Azione::CartaScoperta);
    }
    std::printf("%d positions at two seats (%d, %d, %d with one, two, three cards), %d samples: "
                "largest error %.4f of the stake, %d above 0.02, %d choices that differ by more "
                "than 0.02\n",
                contate, perCarte[1], perCarte[2], perCarte[3], o.Campioni, peggiore, fuori,
                scelteDiverse);
    return 0;
}
