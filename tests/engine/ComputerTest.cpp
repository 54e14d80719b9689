#include <gtest/gtest.h>

#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

TEST(ScegliMossa, SegueLaTabella) {
    struct Caso {
        const char* nome;
        Singolo punti;
        int carte;
        bool matta, mazziere;
        int bluff;
        std::vector<double> numeri; // exactly those the decision must read
        int cursore;
        bool pesca;
    };
    const std::vector<Caso> casi = {
        {"MattaSola", 0, 1, true, false, 5, {}, 15, true},
        {"MezzoConMatta", 0.5f, 1, true, false, 5, {}, 15, true},
        {"MezzoPuntaDaUno", 0.5f, 1, false, false, 5, {0.0}, 1, true},
        {"MezzoPuntaFinoACinque", 0.5f, 1, false, false, 5, {0.99}, 5, true},
        {"SeiConMattaSolaCarta", 6, 1, true, false, 5, {}, 15, true},
        {"SeiPrimaCartaSiFerma", 6, 1, false, false, 5, {0.3}, 15, false},
        {"SettePrimaCartaSiFerma", 7, 1, false, false, 5, {0.99}, 15, false},
        {"CinqueEMezzoDueCarte", 5.5f, 2, false, false, 5, {}, 0, false},
        {"SetteConMattaTreCarte", 7, 3, true, false, 5, {}, 0, false},
        {"DueConMattaPesca", 2, 2, true, false, 5, {}, 15, true},
        {"UnoConMattaPesca", 1, 2, true, false, 5, {}, 15, true},
        {"TreConMattaSiFerma", 3, 2, true, false, 5, {}, 0, false},
        {"CinqueConMattaSiFerma", 5, 3, true, false, 5, {}, 0, false},
        {"MattaPrimaCartaAlmenoUno", 4, 1, true, false, 5, {}, 1, false},
        {"BluffCinque", 3, 1, false, false, 5, {0.55, 0.0}, 5, false},
        {"BluffQuindici", 3, 1, false, false, 5, {0.55, 0.7}, 15, false},
        {"BluffAlBordo", 2, 1, false, false, 5, {0.5, 0.4}, 10, false},
        {"NienteBluffSottoIlBordo", 3, 1, false, false, 5, {0.4999}, 1, true},
        {"NienteBluffSopra", 5, 1, false, false, 5, {0.65}, 1, true},
        {"AssoPuntaFinoACinque", 1, 1, false, false, 5, {0.0, 0.99}, 5, true},
        {"AssoPuntaZeroDiventaUno", 1, 1, false, false, 5, {0.0, 0.1}, 1, true},
        {"Bluff1", 4, 1, false, false, 1, {0.15, 0.4}, 10, false},
        {"Bluff10MaiFermo", 4, 1, false, false, 10, {0.99}, 1, true},
        {"MazziereNonBluffa", 3, 1, false, true, 5, {0.55}, 0, true},
        {"UnoEMezzoPunta", 1.5f, 2, false, false, 5, {0.99}, 5, true},
        {"UnoEMezzoPuntaZero", 1.5f, 2, false, false, 5, {0.1}, 0, true},
        {"QuattroDueCartePesca", 4, 2, false, false, 5, {}, 0, true},
        {"CinqueTreCartePesca", 5, 3, false, false, 5, {}, 0, true},
        {"MazziereConQuattroPesca", 4, 2, false, true, 5, {}, 0, true},
        {"MazziereConCinqueEMezzoSiFerma", 5.5f, 2, false, true, 5, {}, 0, false},
        {"MazziereSeiPrimaCarta", 6, 1, false, true, 5, {0.5}, 0, false},
        {"MazziereConMattaNonPunta", 2, 2, true, true, 5, {}, 0, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        test::Banco<> b(4, c.mazziere ? 3 : 2);
        b.s.Turno = 3;
        b.Metti(3, c.punti, c.carte);
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
}

} // namespace
} // namespace brivetta
