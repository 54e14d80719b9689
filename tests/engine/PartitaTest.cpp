// Two whole games through the real engine, the second one chosen at the end of the first, on a
// clock that ticks by a fixed step so the run replays.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "Banco.h"

namespace brivetta {
namespace {

// No money is made or lost at the table, and every card is in one place: in at most one hand,
// dealt exactly when it is in a hand, on the table only then, and counted out of the deck.
void Invarianti(const StatoTavolo& s, const VistaTavolo& v) {
    ASSERT_EQ(std::accumulate(s.Soldi.begin(), s.Soldi.end(), 0), 6 * 40);
    std::array<int, CarteNelMazzo + 1> mani{};
    for (int seat = 1; seat <= s.NumGiocatori; ++seat)
        for (int k = 1; k <= s.NumCarte[seat]; ++k)
            ++mani[s.Mano[seat][k]];
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        ASSERT_EQ(s.Mazzo[c] == InGioco, mani[c] == 1) << c;
        ASSERT_TRUE(mani[c] == 1 || v.Carte[c] == Luogo{}) << c;
    }
    ASSERT_EQ(s.CarteUscite, 40 - std::count(s.Mazzo.begin() + 1, s.Mazzo.end(), NelMazzo));
}

TEST(Partita, DallaNuovaPartitaAllaFineEAncora) {
    std::uint64_t battito = 11;
    CasualeOrologio caso([&battito] { return battito += 0x9E3779B97F4A7C15ull; });
    Gioco g(caso);
    StatoTavolo& s = g.Stato();
    g.AvvioIniziale();
    s.MalloppoIniziale = 40;
    s.Bluff = 5;
    s.VincitaDoppia = 1;
    g.AvvioFinale(700);
    test::Registro r(g);
    int fini = 0, manche = 0;
    r.altraPartita = true;
    r.osserva = [&](const Evento& e) {
        if (e.Tipo == TipoEvento::Riepilogo) {
            ++manche;
            EXPECT_EQ(std::accumulate(s.Posta.begin(), s.Posta.end(), 0), 0);
            ASSERT_NO_FATAL_FAILURE(Invarianti(s, g.Vista()));
        }
        if (e.Tipo == TipoEvento::FinePartita) {
            EXPECT_LT(*std::min_element(s.Soldi.begin() + 1, s.Soldi.begin() + 7), 1);
            r.altraPartita = ++fini < 2;
        }
    };
    ASSERT_TRUE(r.Gioca(Azione::NuovaPartita));
    // The human stakes 2 on his first card, draws below 5 (face down below 2) and stops from 5.
    for (int mosse = 0; fini < 2 && mosse < 20000; ++mosse) {
        ASSERT_EQ(s.Turno, 1);
        ASSERT_NO_FATAL_FAILURE(Invarianti(s, g.Vista()));
        const bool puntata = g.Vista().Cursore.Visibile; // not as the dealer
        if (s.NumCarte[1] == 1 && puntata && g.Vista().Posta != 2)
            r.Gioca(Azione::Posta, 2);
        else if (s.Punteggio[1] >= 5)
            r.Gioca(Azione::Stop);
        else
            r.Gioca(s.Punteggio[1] < 2 && puntata ? Azione::CartaCoperta : Azione::CartaScoperta);
    }
    EXPECT_EQ(fini, 2);
    EXPECT_GT(manche, 10);
}

} // namespace
} // namespace brivetta
