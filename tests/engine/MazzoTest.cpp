#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <random>
#include <string>
#include <vector>

#include "Gioco.h"
#include "Registro.h"

namespace brivetta {
namespace {

const std::string Rimescolo =
    "Il mazziere ha finito le carte, ora rimescola le carte usate nelle precedenti manches.";

template <class Caso = CasualeScriptato> struct Mazzo {
    StatoTavolo s;
    VistaTavolo v;
    test::Registro ui;
    Caso caso;
    Gioco g{s, v, ui, caso};

    template <class... A> explicit Mazzo(A&&... a) : caso(std::forward<A>(a)...) {}

    void Stato(int da, int a, Intero stato) {
        for (int c = da; c <= a; ++c)
            s.Mazzo[c] = stato;
    }
    int Fuori() const {
        return static_cast<int>(std::count_if(s.Mazzo.begin() + 1, s.Mazzo.end(),
                                              [](Intero m) { return m != NelMazzo; }));
    }
};

TEST(PescaCarta, PrimaPescataDellaPartita) {
    Mazzo m;
    m.caso.AggiungiCarta(17);
    m.g.PescaCarta();
    EXPECT_EQ(m.s.UltimaCarta, 17);
    EXPECT_EQ(m.s.Mazzo[17], InGioco);
    EXPECT_EQ(m.s.CarteUscite, 1);
    EXPECT_EQ(m.Fuori(), 1);
    EXPECT_EQ(m.caso.Risemi(), 1);
    EXPECT_EQ(m.ui.cedi, 1);
    EXPECT_TRUE(m.ui.eventi.empty());
}

TEST(PescaCarta, CercaFinoAUnaCartaNelMazzo) {
    Mazzo m;
    m.s.Mazzo[5] = InGioco;
    m.s.Mazzo[7] = Usata;
    m.s.CarteUscite = 2;
    for (int c : {5, 7, 5, 9})
        m.caso.AggiungiCarta(c);
    m.caso.Aggiungi(0.0);          // the lowest number is card 1
    m.caso.Aggiungi(0.9999999999); // the highest, card 40
    m.g.PescaCarta();
    EXPECT_EQ(m.s.UltimaCarta, 9);
    EXPECT_EQ(m.ui.cedi, 4);          // one yield per attempt
    EXPECT_EQ(m.caso.Risemi(), 1);    // no reseed inside the search
    EXPECT_EQ(m.s.Mazzo[5], InGioco); // the cards met on the way stay where they are
    EXPECT_EQ(m.s.Mazzo[7], Usata);
    m.g.PescaCarta();
    m.g.PescaCarta();
    EXPECT_EQ(m.s.Mazzo[1], InGioco);
    EXPECT_EQ(m.s.Mazzo[40], InGioco);
    EXPECT_EQ(m.s.CarteUscite, 5);
    EXPECT_EQ(m.caso.Risemi(), 3);
}

TEST(PescaCarta, UltimaCartaPoiRimescoloDelleUsate) {
    Mazzo m;
    m.ui.registraCedi = true;
    m.Stato(1, 30, Usata);
    m.Stato(31, 39, InGioco); // on the table in this manche
    m.s.CarteUscite = 39;
    for (int c : {31, 40})
        m.caso.AggiungiCarta(c);
    m.g.PescaCarta();
    EXPECT_EQ(m.s.UltimaCarta, 40);
    EXPECT_EQ(m.s.CarteUscite, 40);
    EXPECT_TRUE(m.ui.Messaggi().empty());

    // The deck is empty: the used cards come back, those on the table do not.
    m.ui.eventi.clear();
    for (int c : {35, 40, 12})
        m.caso.AggiungiCarta(c);
    m.g.PescaCarta();
    EXPECT_EQ(m.s.UltimaCarta, 12);
    EXPECT_EQ(m.ui.eventi,
              (std::vector<std::string>{"messaggio: " + Rimescolo, "cedi", "cedi", "cedi"}));
    for (int c = 1; c <= 30; ++c)
        EXPECT_EQ(m.s.Mazzo[c], c == 12 ? InGioco : NelMazzo) << c;
    for (int c = 31; c <= 40; ++c)
        EXPECT_EQ(m.s.Mazzo[c], InGioco) << c;
    EXPECT_EQ(m.s.CarteUscite, 11); // exactly the cards on the table
    EXPECT_EQ(m.Fuori(), 11);

    m.caso.AggiungiCarta(13);
    m.g.PescaCarta();
    EXPECT_EQ(m.ui.Messaggi().size(), 1u);
    EXPECT_EQ(m.s.CarteUscite, 12);
}

// Many manches with the production source: within a manche no card comes twice, the count of
// cards out of the deck stays right, and each refill is announced once.
TEST(PescaCarta, NessunaCartaDueVolteInUnaManche) {
    std::uint64_t ora = 0;
    Mazzo<CasualeOrologio> m([&ora] { return ora; });
    std::mt19937 mani(7);
    m.s.NumGiocatori = MaxGiocatori;
    int rimescoliAttesi = 0;
    for (int manche = 0; manche < 400; ++manche) {
        std::bitset<CarteNelMazzo + 1> uscite;
        for (int seat = 1; seat <= m.s.NumGiocatori; ++seat) {
            const int carte = 1 + static_cast<int>(mani() % 5);
            for (int k = 1; k <= carte; ++k) {
                ora += manche % 3; // the clock often reads the same between draws
                rimescoliAttesi += m.s.CarteUscite >= CarteNelMazzo;
                m.g.PescaCarta();
                const int c = m.s.UltimaCarta;
                ASSERT_TRUE(c >= 1 && c <= CarteNelMazzo);
                ASSERT_FALSE(uscite[c]) << "manche " << manche << " carta " << c;
                uscite[c] = true;
                ASSERT_EQ(m.s.Mazzo[c], InGioco);
                ASSERT_EQ(m.s.CarteUscite, m.Fuori());
                m.s.Mano[seat][k] = static_cast<Intero>(c);
                m.s.NumCarte[seat] = static_cast<Intero>(k);
            }
        }
        if (manche % 9 == 8) {
            m.g.RimescolaMazzo();
            ASSERT_EQ(m.Fuori(), 0);
        } else {
            m.g.ScartaCarteManche();
            ASSERT_EQ(m.s.CarteUscite, m.Fuori());
            // Every card of the manche is put aside; nothing stays on the table.
            for (int c = 1; c <= CarteNelMazzo; ++c) {
                if (uscite[c]) {
                    ASSERT_EQ(m.s.Mazzo[c], Usata) << c;
                }
                ASSERT_NE(m.s.Mazzo[c], InGioco) << c;
            }
        }
        m.s.NumCarte.fill(0);
    }
    EXPECT_GT(rimescoliAttesi, 20);
    EXPECT_EQ(static_cast<int>(m.ui.Messaggi().size()), rimescoliAttesi);
}

std::vector<double> Sequenza(FonteCasuale& f, int n = 8) {
    std::vector<double> x(n);
    for (auto& v : x)
        v = f.Numero();
    return x;
}

TEST(CasualeOrologio, RisemeConLoStessoOrologioNonRipete) {
    CasualeOrologio fermo([] { return std::uint64_t{42}; });
    fermo.Riseme();
    const auto prima = Sequenza(fermo);
    fermo.Riseme();
    EXPECT_NE(Sequenza(fermo), prima);

    // The clock does count: two equal generators part when reseeded at different times.
    std::uint64_t ora = 1;
    CasualeOrologio a([&ora] { return ora; }), b([&ora] { return ora; });
    EXPECT_EQ(Sequenza(a), Sequenza(b));
    ora = 2;
    a.Riseme();
    ora = 3;
    b.Riseme();
    EXPECT_NE(Sequenza(a), Sequenza(b));
}

TEST(CasualeOrologio, UniformeInZeroUno) {
    for (const bool fermo : {true, false}) {
        SCOPED_TRACE(fermo);
        std::uint64_t ora = 123456789;
        CasualeOrologio f([&] { return fermo ? ora : ora++; });
        std::array<int, CarteNelMazzo> conteggi{};
        const int n = 400000;
        for (int i = 0; i < n; ++i) {
            if (i % 4 == 0) f.Riseme(); // as often as the game draws
            const double x = f.Numero();
            ASSERT_GE(x, 0.0);
            ASSERT_LT(x, 1.0);
            ++conteggi[static_cast<int>(x * CarteNelMazzo)];
        }
        // Each card's share within 5% of n/40 (about five standard deviations).
        for (int c = 0; c < CarteNelMazzo; ++c)
            EXPECT_NEAR(conteggi[c], n / 40, n / 800) << c;
    }
}

} // namespace
} // namespace brivetta
