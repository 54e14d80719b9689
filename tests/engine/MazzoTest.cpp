// The deck as 40 card states, drawn by random picks, and the random sources behind it.
#include <gtest/gtest.h>

#include "Banco.h"
#include "Mazzo.h"

namespace brivetta {
namespace {

// The human draws from an empty deck: the used cards come back, those on the table do not, and
// the dealer says so before the card comes. One card short of empty, nothing comes back.
TEST(PescaCarta, AMazzoFinitoTornanoLeUsate) {
    for (const int fuori : {39, 40}) {
        test::Banco b(2, 2);
        b.Mani({{3}, {16}}, 1);
        for (int c = 1; c <= CarteNelMazzo; ++c)
            if (b.s.Mazzo[c] == StatoCarta::NelMazzo && (c != 4 || fuori == 40))
                b.s.Mazzo[c] = StatoCarta::Usata;
        b.s.CarteUscite = static_cast<Intero>(fuori);
        b.Carte({16, 4});
        b.r.Gioca(Azione::CartaScoperta);
        const std::vector<Annuncio> rifornito = {{Frase::MazzoFinito, 0}};
        EXPECT_EQ(b.r.messaggi, fuori == 40 ? rifornito : std::vector<Annuncio>{});
        EXPECT_EQ(b.s.Mano[1][2], 4);
        EXPECT_EQ(b.s.CarteUscite, fuori == 40 ? 3 : 40);
        EXPECT_EQ(b.s.Mazzo[1], fuori == 40 ? StatoCarta::NelMazzo : StatoCarta::Usata);
    }
}

// Reseeding happens at every draw, often within one clock tick. From one state, two clock
// readings give two different next numbers, and the same reading twice does not replay.
TEST(CasualeOrologio, RisemeNonRipete) {
    std::uint64_t ora = 1;
    CasualeOrologio a([&ora] { return ora; }), b([&ora] { return ora; });
    EXPECT_EQ(a.Numero(), b.Numero());
    ora = 2;
    a.Riseme();
    ora = 3;
    b.Riseme();
    EXPECT_NE(a.Numero(), b.Numero()) << "the draw right after a reseed ignores the clock";
    a.Riseme();
    const double prima = a.Numero();
    a.Riseme();
    EXPECT_NE(a.Numero(), prima);
}

} // namespace
} // namespace brivetta
