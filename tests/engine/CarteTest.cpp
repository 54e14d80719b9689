// What a hand is worth, and the matta's value at the stop and when a turn begins.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Punteggio.h"

namespace brivetta {
namespace {

// Cards: 1..7 Denare number cards, 8/9 fante/cavallo, 10 the matta, 20/30/40 the other kings.
TEST(PunteggioMano, ValoreDellaManoEMatta) {
    const std::vector<std::pair<std::vector<int>, Singolo>> casi = {
        {{17, 28}, 7.5f},        {{8, 39}, 1},     {{21}, 1},          {{20, 30, 40}, 1.5f},
        {{6, 15, 2}, 13},        {{10}, 0},        {{10, 18}, 7.5f},   {{10, 7}, 7.5f},
        {{7, 10}, 7.5f},         {{10, 16}, 6},    {{10, 3, 9}, 7.5f}, {{10, 5, 13}, 8.5f},
        {{10, 4, 12, 22}, 8.5f}, {{5, 13, 10}, 8}, {{7, 8, 10}, 8},    {{3, 4, 10}, 7.5f}};
    for (const auto& [carte, punti] : casi) {
        SCOPED_TRACE(::testing::PrintToString(carte));
        StatoTavolo s;
        std::copy(carte.begin(), carte.end(), s.Mano[3].begin() + 1);
        s.NumCarte[3] = static_cast<Intero>(carte.size());
        PunteggioMano(s, 3);
        EXPECT_EQ(s.Punteggio[3], punti);
        EXPECT_EQ(s.GiocatoreMatta, std::count(carte.begin(), carte.end(), Matta) ? 3 : 0);
    }
}

// A matta still unvalued at the stop makes the hand 7; a half score is already complete. When a
// turn begins holding the matta, a whole score other than 7 is 7, anything else 7 1/2.
TEST(Matta, ValoreAlloStopEAInizioTurno) {
    struct Caso {
        Singolo punti, alloStop, aInizioTurno;
    };
    const std::vector<Caso> casi = {{0, 7, 7},          {3, 7, 7},          {6, 7, 7},
                                    {7, 7, 7.5f},       {7.5f, 7.5f, 7.5f}, {8, 7, 7},
                                    {8.5f, 8.5f, 7.5f}, {2.5f, 2.5f, 7.5f}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.punti);
        StatoTavolo s;
        s.GiocatoreMatta = 2;
        for (int posto : {2, 3}) // seat 3 holds no matta and keeps its score
            s.Punteggio[posto] = c.punti;
        ValutaMattaAlloStop(s, 2);
        ValutaMattaAlloStop(s, 3);
        EXPECT_EQ(s.Punteggio[2], c.alloStop);
        EXPECT_EQ(s.Punteggio[3], c.punti);
        s.Punteggio[2] = c.punti;
        ValutaMattaAInizioTurno(s, 2);
        ValutaMattaAInizioTurno(s, 3);
        EXPECT_EQ(s.Punteggio[2], c.aInizioTurno);
        EXPECT_EQ(s.Punteggio[3], c.punti);
    }
}

} // namespace
} // namespace brivetta
