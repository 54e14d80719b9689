#include <gtest/gtest.h>

#include <vector>

#include "Gioco.h"
#include "Registro.h"

namespace brivetta {
namespace {

struct CasoMano {
    const char* nome;
    std::vector<int> carte; // in the order received
    Singolo atteso;
    bool matta;
};

class PunteggioTest : public ::testing::TestWithParam<CasoMano> {};

void PrintTo(const CasoMano& c, std::ostream* os) { *os << c.nome; }

TEST_P(PunteggioTest, ValutaLaMano) {
    StatoTavolo s;
    VistaTavolo v;
    test::Registro ui;
    CasualeScriptato caso;
    Gioco g(s, v, ui, caso);
    s.NumGiocatori = 6;
    s.Turno = 3;
    const auto& c = GetParam();
    for (std::size_t k = 0; k < c.carte.size(); ++k) {
        s.Mano[3][k + 1] = static_cast<Intero>(c.carte[k]);
        s.NumCarte[3] = static_cast<Intero>(k + 1);
        g.PunteggioMano(); // recomputed after every card, as in play
    }
    EXPECT_EQ(s.Punteggio[3], c.atteso);
    EXPECT_EQ(s.GiocatoreMatta, c.matta ? 3 : 0);
}

// Cards: 1..7 Denare number cards, 8/9 fante/cavallo, 10 the matta, 20/30/40 the other kings.
INSTANTIATE_TEST_SUITE_P(
    Mani, PunteggioTest,
    ::testing::Values(CasoMano{"SetteEFigura", {17, 28}, 7.5f, false},
                      CasoMano{"DueFigure", {8, 39}, 1.0f, false},
                      CasoMano{"AssoSolo", {21}, 1.0f, false},
                      CasoMano{"ReNonDenareSonoFigure", {20, 30, 40}, 1.5f, false},
                      CasoMano{"Sballato", {6, 15, 2}, 13.0f, false},
                      CasoMano{"MattaSola", {10}, 0.0f, true},
                      CasoMano{"MattaEFigura", {10, 18}, 7.5f, true},
                      CasoMano{"MattaESette", {10, 7}, 7.5f, true},
                      CasoMano{"SettePoiMatta", {7, 10}, 7.5f, true},
                      CasoMano{"MattaESeiResta6", {10, 16}, 6.0f, true},
                      CasoMano{"MattaTreFigura", {10, 3, 9}, 7.5f, true},
                      CasoMano{"MattaCinqueTreSballa", {10, 5, 13}, 8.5f, true},
                      CasoMano{"MattaQuattroDueDue", {10, 4, 12, 22}, 8.5f, true},
                      CasoMano{"MattaUltimaSuOtto", {5, 13, 10}, 8.0f, true},
                      CasoMano{"MattaUltimaSuSetteEMezzo", {7, 8, 10}, 8.0f, true}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(TestoPunteggio, ScriveIPunti) {
    const std::vector<std::pair<Singolo, std::string>> casi = {
        {0, "0"},     {0.5f, "1/2"},     {1, "1"},     {1.5f, "1 1/2"},
        {7, "7"},     {7.5f, "7 1/2"},   {8, "Out"},   {8.5f, "Out"}, {3.5f, "3 1/2"}};
    for (const auto& [punti, testo] : casi) EXPECT_EQ(Gioco::TestoPunteggio(punti), testo) << punti;
}

} // namespace
} // namespace brivetta
