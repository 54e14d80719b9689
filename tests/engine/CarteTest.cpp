#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <random>
#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

// Cards: 1..7 Denare number cards, 8/9 fante/cavallo, 10 the matta, 20/30/40 the other kings.
TEST(PunteggioMano, ValoreDellaManoEMatta) {
    const std::vector<std::pair<std::vector<int>, Singolo>> casi = {
        {{17, 28}, 7.5f},        {{8, 39}, 1},     {{21}, 1},          {{20, 30, 40}, 1.5f},
        {{6, 15, 2}, 13},        {{10}, 0},        {{10, 18}, 7.5f},   {{10, 7}, 7.5f},
        {{7, 10}, 7.5f},         {{10, 16}, 6},    {{10, 3, 9}, 7.5f}, {{10, 5, 13}, 8.5f},
        {{10, 4, 12, 22}, 8.5f}, {{5, 13, 10}, 8}, {{7, 8, 10}, 8}};
    for (const auto& [carte, punti] : casi) {
        SCOPED_TRACE(::testing::PrintToString(carte));
        test::Banco<> b(6, 1);
        b.Mano(3, carte);
        EXPECT_EQ(b.s.Punteggio[3], punti);
        EXPECT_EQ(b.s.GiocatoreMatta, std::count(carte.begin(), carte.end(), Matta) ? 3 : 0);
    }
    const std::vector<std::pair<Singolo, std::string>> testi = {
        {0, "0"}, {0.5f, "1/2"},   {1, "1"},   {1.5f, "1 1/2"}, {3.5f, "3 1/2"},
        {7, "7"}, {7.5f, "7 1/2"}, {8, "Out"}, {8.5f, "Out"}};
    for (const auto& [punti, testo] : testi)
        EXPECT_EQ(Gioco::TestoPunteggio(punti), testo) << punti;
}

TEST(PescaCarta, CercaFinoAUnaCartaNelMazzo) {
    test::Banco<> b(6, 1);
    b.s.Mazzo[5] = InGioco;
    b.s.Mazzo[7] = Usata;
    b.s.CarteUscite = 2;
    b.Carte({5, 7, 5, 9});
    b.Numeri({0.0, 0.9999999999}); // the lowest number is card 1, the highest card 40
    b.g.PescaCarta();
    EXPECT_EQ(b.s.UltimaCarta, 9);
    EXPECT_EQ(b.ui.cedi, 4);       // one yield per attempt
    EXPECT_EQ(b.caso.Risemi(), 1); // no reseed inside the search
    b.g.PescaCarta();
    b.g.PescaCarta();
    for (int c : {1, 5, 9, 40})
        EXPECT_EQ(b.s.Mazzo[c], InGioco) << c;
    EXPECT_EQ(b.s.Mazzo[7], Usata); // a card met on the way stays where it is
    EXPECT_EQ(b.s.CarteUscite, 5);
    EXPECT_TRUE(b.ui.eventi.empty());
}

TEST(PescaCarta, UltimaCartaPoiRimescoloDelleUsate) {
    test::Banco<> b(6, 1);
    for (int c = 1; c <= 39; ++c)
        b.s.Mazzo[c] = c <= 30 ? Usata : InGioco; // 31..39 on the table in this manche
    b.s.CarteUscite = 39;
    b.Carte({31, 40, 35, 40, 12, 13});
    b.g.PescaCarta();
    EXPECT_EQ(b.s.UltimaCarta, 40);
    EXPECT_TRUE(b.ui.eventi.empty());

    // The deck is empty: the used cards come back, those on the table do not.
    b.g.PescaCarta();
    EXPECT_EQ(b.s.UltimaCarta, 12);
    EXPECT_EQ(b.ui.Messaggi(), std::vector<std::string>{"Il mazziere ha finito le carte, ora "
                                                        "rimescola le carte usate nelle "
                                                        "precedenti manches."});
    for (int c = 1; c <= 40; ++c)
        EXPECT_EQ(b.s.Mazzo[c], c == 12 || c > 30 ? InGioco : NelMazzo) << c;
    EXPECT_EQ(b.s.CarteUscite, 11); // exactly the cards on the table

    b.g.PescaCarta();
    EXPECT_EQ(b.ui.Messaggi().size(), 1u);
    EXPECT_EQ(b.s.CarteUscite, 12);
}

// Many manches with the production source: within a manche no card comes twice, the count of
// cards out of the deck stays right, and each refill is announced once.
TEST(PescaCarta, NessunaCartaDueVolteInUnaManche) {
    std::uint64_t ora = 0;
    test::Banco<test::Registro, CasualeOrologio> b(6, 1);
    b.caso = CasualeOrologio([&ora] { return ora; });
    const auto fuori = [&b] {
        return std::count_if(b.s.Mazzo.begin() + 1, b.s.Mazzo.end(),
                             [](Intero m) { return m != NelMazzo; });
    };
    std::mt19937 mani(7);
    int rimescoliAttesi = 0;
    for (int manche = 0; manche < 400; ++manche) {
        std::bitset<CarteNelMazzo + 1> uscite;
        for (int seat = 1; seat <= MaxGiocatori; ++seat) {
            b.s.NumCarte[seat] = static_cast<Intero>(1 + mani() % 5);
            for (int k = 1; k <= b.s.NumCarte[seat]; ++k) {
                ora += manche % 3; // the clock often reads the same between draws
                rimescoliAttesi += b.s.CarteUscite >= CarteNelMazzo;
                b.g.PescaCarta();
                const int c = b.s.UltimaCarta;
                ASSERT_TRUE(c >= 1 && c <= CarteNelMazzo && !uscite[c]) << manche << " " << c;
                uscite[c] = true;
                ASSERT_EQ(b.s.CarteUscite, fuori());
                b.s.Mano[seat][k] = static_cast<Intero>(c);
            }
        }
        b.g.ScartaCarteManche(); // every card of the manche is put aside
        ASSERT_EQ(b.s.CarteUscite, fuori());
        for (int c = 1; c <= CarteNelMazzo; ++c)
            ASSERT_TRUE(b.s.Mazzo[c] != InGioco && (!uscite[c] || b.s.Mazzo[c] == Usata));
    }
    EXPECT_GT(rimescoliAttesi, 20);
    EXPECT_EQ(static_cast<int>(b.ui.Messaggi().size()), rimescoliAttesi);
}

// Reseeding happens at every draw, often within one clock tick.
TEST(CasualeOrologio, RisemeNonRipeteEUniforme) {
    std::uint64_t ora = 1;
    CasualeOrologio a([&ora] { return ora; }), b([&ora] { return ora; });
    EXPECT_EQ(a.Numero(), b.Numero());
    ora = 2;
    a.Riseme();
    ora = 3;
    b.Riseme();
    EXPECT_NE(a.Numero(), b.Numero()); // the clock counts
    a.Riseme();
    const double prima = a.Numero();
    a.Riseme();
    EXPECT_NE(a.Numero(), prima); // and the same reading twice does not replay a sequence

    std::array<int, CarteNelMazzo> conteggi{};
    const int n = 400000;
    for (int i = 0; i < n; ++i) {
        if (i % 4 == 0) a.Riseme(); // as often as the game draws, the clock standing still
        const double x = a.Numero();
        ASSERT_TRUE(x >= 0.0 && x < 1.0) << x;
        ++conteggi[static_cast<int>(x * CarteNelMazzo)];
    }
    // Each card's share within 5% of n/40 (about five standard deviations).
    for (int c = 0; c < CarteNelMazzo; ++c)
        EXPECT_NEAR(conteggi[c], n / 40, n / 800) << c;
}

} // namespace
} // namespace brivetta
