#include <gtest/gtest.h>

#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

struct CasoMossa {
    const char* nome;
    Singolo punti;
    int carte;
    bool matta;
    bool mazziere;
    int bluff;
    std::vector<double> numeri; // exactly those the decision must read
    int cursore;
    bool pesca;
};

void PrintTo(const CasoMossa& c, std::ostream* os) {
    *os << c.nome;
}

class MossaComputerTest : public ::testing::TestWithParam<CasoMossa> {};

TEST_P(MossaComputerTest, SegueLaTabella) {
    const auto& c = GetParam();
    test::Banco<> b(4, c.mazziere ? 3 : 2);
    b.s.Turno = 3;
    b.s.Punteggio[3] = c.punti;
    b.s.NumCarte[3] = static_cast<Intero>(c.carte);
    b.s.GiocatoreMatta = c.matta ? 3 : 0;
    b.s.Bluff = static_cast<Intero>(c.bluff);
    for (double r : c.numeri)
        b.caso.Aggiungi(r);

    const auto m = b.g.ScegliMossa();
    EXPECT_EQ(m.Cursore, c.cursore);
    EXPECT_EQ(m.Pesca, c.pesca);
    EXPECT_EQ(b.caso.letti, static_cast<int>(c.numeri.size()));
    EXPECT_EQ(b.caso.Risemi(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Righe, MossaComputerTest,
    ::testing::Values(
        CasoMossa{"MattaSola", 0, 1, true, false, 5, {}, 15, true},
        CasoMossa{"MezzoConMatta", 0.5f, 1, true, false, 5, {}, 15, true},
        CasoMossa{"MezzoPuntaDaUno", 0.5f, 1, false, false, 5, {0.0}, 1, true},
        CasoMossa{"MezzoPuntaFinoACinque", 0.5f, 1, false, false, 5, {0.99}, 5, true},
        CasoMossa{"SeiConMattaSolaCarta", 6, 1, true, false, 5, {}, 15, true},
        CasoMossa{"SeiPrimaCartaSiFerma", 6, 1, false, false, 5, {0.3}, 15, false},
        CasoMossa{"SettePrimaCartaSiFerma", 7, 1, false, false, 5, {0.99}, 15, false},
        CasoMossa{"CinqueEMezzoDueCarte", 5.5f, 2, false, false, 5, {}, 0, false},
        CasoMossa{"SetteConMattaTreCarte", 7, 3, true, false, 5, {}, 0, false},
        CasoMossa{"DueConMattaPesca", 2, 2, true, false, 5, {}, 15, true},
        CasoMossa{"UnoConMattaPesca", 1, 2, true, false, 5, {}, 15, true},
        CasoMossa{"TreConMattaSiFerma", 3, 2, true, false, 5, {}, 0, false},
        CasoMossa{"CinqueConMattaSiFerma", 5, 3, true, false, 5, {}, 0, false},
        CasoMossa{"MattaPrimaCartaAlmenoUno", 4, 1, true, false, 5, {}, 1, false},
        CasoMossa{"BluffCinque", 3, 1, false, false, 5, {0.55, 0.0}, 5, false},
        CasoMossa{"BluffQuindici", 3, 1, false, false, 5, {0.55, 0.7}, 15, false},
        CasoMossa{"BluffAlBordo", 2, 1, false, false, 5, {0.5, 0.4}, 10, false},
        CasoMossa{"NienteBluffSottoIlBordo", 3, 1, false, false, 5, {0.4999}, 1, true},
        CasoMossa{"NienteBluffSopra", 5, 1, false, false, 5, {0.65}, 1, true},
        CasoMossa{"AssoPuntaFinoACinque", 1, 1, false, false, 5, {0.0, 0.99}, 5, true},
        CasoMossa{"AssoPuntaZeroDiventaUno", 1, 1, false, false, 5, {0.0, 0.1}, 1, true},
        CasoMossa{"Bluff1", 4, 1, false, false, 1, {0.15, 0.4}, 10, false},
        CasoMossa{"Bluff10MaiFermo", 4, 1, false, false, 10, {0.99}, 1, true},
        CasoMossa{"MazziereNonBluffa", 3, 1, false, true, 5, {0.55}, 0, true},
        CasoMossa{"UnoEMezzoPunta", 1.5f, 2, false, false, 5, {0.99}, 5, true},
        CasoMossa{"UnoEMezzoPuntaZero", 1.5f, 2, false, false, 5, {0.1}, 0, true},
        CasoMossa{"QuattroDueCartePesca", 4, 2, false, false, 5, {}, 0, true},
        CasoMossa{"CinqueTreCartePesca", 5, 3, false, false, 5, {}, 0, true},
        CasoMossa{"MazziereConQuattroPesca", 4, 2, false, true, 5, {}, 0, true},
        CasoMossa{"MazziereConCinqueEMezzoSiFerma", 5.5f, 2, false, true, 5, {}, 0, false},
        CasoMossa{"MazziereSeiPrimaCarta", 6, 1, false, true, 5, {0.5}, 0, false},
        CasoMossa{"MazziereConMattaNonPunta", 2, 2, true, true, 5, {}, 0, true}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(DecisioneComputer, IlTurnoDellUmanoNonToccaAlComputer) {
    test::Banco<> b(3, 3);
    b.Mano(1, {4});
    b.Tocca(1);
    const StatoTavolo prima = b.s;
    b.g.DecisioneComputer();
    EXPECT_EQ(b.s, prima);
    EXPECT_EQ(b.caso.Risemi(), 0);
    EXPECT_TRUE(b.ui.eventi.empty());
}

TEST(DecisioneComputer, UnSeiDiPrimaCartaPuntaQuindiciESiFerma) {
    // The human holds the deck; seat 2 plays first and its stop hands the turn to the dealer.
    test::Banco<> b(2, 1);
    b.Mano(1, {5});
    b.Mano(2, {16});
    b.Tocca(2);
    b.Numeri({0.3});
    b.g.DecisioneComputer();
    EXPECT_EQ(b.s.Posta[2], 15);
    EXPECT_EQ(b.v.Label5[1].Testo, "€15/50");
    EXPECT_EQ(b.s.NumCarte[2], 1);
    EXPECT_EQ(b.s.Turno, 1);
    // The human dealer's turn: no stake, no covered cards.
    EXPECT_FALSE(b.v.HScroll1Ctl.Visibile);
    EXPECT_FALSE(b.v.Command3d4.Abilitato);
    EXPECT_EQ(b.ui.eventi, std::vector<std::string>{"suono: SOUND112.wav"});
}

} // namespace
} // namespace brivetta
