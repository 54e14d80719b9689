// The odds of the human's next card, from what he can see, against counts made by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <vector>

#include "Banco.h"
#include "Probabilita.h"

namespace brivetta {

void PrintTo(const Probabilita& p, std::ostream* os) {
    *os << p.Sballano << " and " << p.FannoSetteEMezzo << " of " << p.Candidate;
}

namespace {

using test::Banco;

// Cards: 1..7 Denare number cards, 8/9 fante/cavallo, 10 the matta; Coppe 11..20, Bastoni
// 21..30, Spade 31..40.
struct Tavola {
    const char* nome;
    int giocatori, mazziere;
    std::vector<std::vector<int>> mani; // seat 1 the human; the others' first card is covered
    std::vector<int> scoperte;          // seats whose covered card has been turned up
    std::vector<int> usate;             // put aside in earlier manches
    Probabilita attesa;                 // counted by hand
};

bool Contiene(const std::vector<int>& carte, int c) {
    return std::find(carte.begin(), carte.end(), c) != carte.end();
}

TEST(Probabilita, ProssimaCartaContataAMano) {
    const std::vector<int> quattroCinqueEDueFigure = {4, 14, 24, 34, 5, 15, 25, 35, 9, 19};
    std::vector<Tavola> tavole = {
        // Any 3, or the matta, makes 7 1/2; the covered cards stay possible.
        {"4 e fante", 3, 3, {{4, 18}, {22, 37}, {13}}, {}, {}, {37, 14, 5}},
        {"7, poi la matta", 2, 2, {{7}, {30}}, {}, {}, {39, 27, 12}},
        {"matta coperta altrui", 3, 3, {{3, 14}, {10, 26}, {40}}, {}, {}, {37, 25, 12}},
        {"matta scoperta altrui", 3, 3, {{7}, {33, 10}, {19}}, {}, {}, {38, 27, 11}},
        // The matta without a value yet: an ace or a figure makes 7 1/2.
        // With the matta and a figure, another figure makes the hand 1.
        {"matta e figura", 2, 2, {{10, 18}, {21}}, {}, {}, {38, 4, 24}},
        {"messe da parte", 2, 2, {{18, 2}, {21}}, {}, quattroCinqueEDueFigure, {28, 8, 1}},
        // Filled below: the deck's last card, or the other seat's covered one.
        {"ultima del mazzo", 2, 2, {{18, 2}, {21}}, {}, {}, {2, 1, 0}},
        // The deck is out: the dealer takes back the cards put aside before drawing.
        {"mazzo finito", 2, 2, {{18, 2}, {21}}, {}, {}, {38, 8, 5}},
        // The human deals last; seats that busted or made 7 1/2 showed their covered card.
        {"mazziere", 4, 1, {{8}, {12, 27, 36}, {23, 31}, {17, 20}}, {2, 4}, {}, {33, 0, 3}},
    };
    // Every card out but Spade 6 and the covered Bastoni ace; then all but the hands.
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        if (!Contiene({18, 2, 21, 36}, c)) tavole[6].usate.push_back(c);
        if (!Contiene({18, 2, 21}, c)) tavole[7].usate.push_back(c);
    }

    for (const Tavola& t : tavole) {
        SCOPED_TRACE(t.nome);
        Banco b(t.giocatori, t.mazziere);
        b.Mani(t.mani, 1);
        for (int posto : t.scoperte) {
            b.v.Dorso[posto] = false;
            b.v.Carte[t.mani[posto - 1].front()] = {static_cast<std::int8_t>(posto), 1};
        }
        for (int c : t.usate) {
            b.s.Mazzo[c] = StatoCarta::Usata;
            ++b.s.CarteUscite;
        }
        EXPECT_EQ(ProbabilitaUmano(b.s, b.v), t.attesa);
    }
}

TEST(Probabilita, PercentoArrotondatoAlPiuVicinoMetaInSu) {
    const std::vector<std::array<int, 3>> casi = {
        // part, whole, percent
        {0, 38, 0}, {38, 38, 100}, {1, 8, 13},  {1, 3, 33},   {2, 3, 67},
        {1, 40, 3}, {1, 200, 1},   {1, 201, 0}, {19, 38, 50}, {0, 0, 0}};
    for (const auto& [parte, tutto, percento] : casi)
        EXPECT_EQ(Percento(parte, tutto), percento) << parte << "/" << tutto;
}

} // namespace
} // namespace brivetta
