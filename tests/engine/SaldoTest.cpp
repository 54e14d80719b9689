#include <gtest/gtest.h>

#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

TEST(CaricaRiepilogo, EsitoControIlMazziereESuono) {
    struct Caso {
        const char* nome;
        Singolo punti;
        int carte;
        Singolo puntiMazziere;
        int carteMazziere;
        bool doppia;
        int atteso;        // for a stake of 5
        std::string suono; // the human's, when the summary loads: none for a bust or a 7 1/2
    };
    const std::vector<Caso> casi = {
        {"SballatoPerde", 8.5f, 3, 5, 2, false, -5, ""},
        {"SballatiEntrambiVinceIlMazziere", 9, 3, 8, 3, false, -5, ""},
        {"PiuAltoVince", 6, 2, 5, 2, false, 5, "risata"},
        {"PariVaAlMazziere", 6.5f, 2, 6.5f, 3, false, -5, "oh_no"},
        {"PiuBassoPerde", 4, 2, 6, 2, false, -5, "oh_no"},
        {"MazziereSballatoPaga", 3, 1, 10, 3, false, 5, "risata"},
        {"DueCarteControSetteEMezzoInTrePerdeDoppio", 7.5f, 2, 7.5f, 3, true, -10, "oh_no"},
        {"DueCarteControSetteVinceDoppio", 7.5f, 2, 7, 3, true, 10, ""},
        {"DueCarteSenzaRegolaVinceSemplice", 7.5f, 2, 7, 3, false, 5, ""},
        {"DueCarteControMazziereAUnaCarta", 7.5f, 2, 5, 1, true, 5, ""},
        {"DueCarteControMazziereSballato", 7.5f, 2, 8.5f, 3, true, 10, ""},
        {"SetteEMezzoInTreNonRaddoppia", 7.5f, 3, 7, 3, true, 5, ""},
        {"MazziereDoppioUnaCartaPerdeSemplice", 4, 1, 7.5f, 2, true, -5, "oh_no"},
        {"MazziereDoppioSballatoPerdeSemplice", 9, 3, 7.5f, 2, true, -5, ""},
        {"MazziereDoppioDueCartePerdeDoppio", 6, 2, 7.5f, 2, true, -10, "oh_no"},
        {"MazziereDoppioSenzaRegola", 6, 2, 7.5f, 2, false, -5, "oh_no"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        test::Banco<> b(2, 2);
        b.s.VincitaDoppia = c.doppia ? 1 : 0;
        b.Metti(1, c.punti, c.carte, 5);
        b.Metti(2, c.puntiMazziere, c.carteMazziere);
        b.g.CaricaRiepilogo();
        EXPECT_EQ(b.ui.eventi,
                  std::vector<std::string>(!c.suono.empty(), "suono: " + c.suono + ".wav"));
        EXPECT_EQ(b.g.Importi()[1], c.atteso);
        EXPECT_EQ(b.s.Posta[2], -c.atteso);
        EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, Intero(50 + c.atteso), Intero(50 - c.atteso),
                                                    0, 0, 0, 0}));
    }
}

// A two-card 7 1/2 against a dealer (seat 3) with three cards: the dealer's amount is minus
// everyone else's.
TEST(SaldaManche, RaddoppioPerChiFaSetteEMezzoInDue) {
    test::Banco<> b(4, 3);
    b.s.VincitaDoppia = 1;
    b.Metti(1, 7.5f, 2, 5);
    b.Metti(2, 6, 2, 3);
    b.Metti(3, 7, 3);
    b.Metti(4, 8, 3, 2);
    b.g.SaldaManche();
    EXPECT_EQ(b.s.Posta, (std::array<Intero, 7>{0, 10, -3, -5, -2, 0, 0}));
    EXPECT_EQ(b.s.Soldi[3], 45);
}

// The dealer holds a two-card 7 1/2, wherever it sits; the others stake 5 (two cards, 6),
// 3 (three cards, bust) and 2 (one card, 4).
TEST(SaldaManche, IlMazziereDoppioIncassaQuindiciDaQualunquePosto) {
    for (const int d : {1, 2, 4}) {
        SCOPED_TRACE(d);
        test::Banco<> b(4, d);
        b.s.VincitaDoppia = 1;
        b.Metti(d, 7.5f, 2, 7); // the dealer's own stake is not played
        std::vector<int> altri;
        for (int seat = 1; seat <= 4; ++seat)
            if (seat != d) altri.push_back(seat);
        b.Metti(altri[0], 6, 2, 5);
        b.Metti(altri[1], 8.5f, 3, 3);
        b.Metti(altri[2], 4, 1, 2);
        b.g.SaldaManche();
        std::array<Intero, 7> importi{};
        importi[d] = 15, importi[altri[0]] = -10, importi[altri[1]] = -3, importi[altri[2]] = -2;
        EXPECT_EQ(b.s.Posta, importi);
        EXPECT_EQ(b.s.Soldi[d], 65);
    }
}

TEST(Classifica, OrdinaPerSoldiConLUmanoDavantiAParita) {
    struct Caso {
        std::vector<int> soldi;
        std::vector<int> posti; // seat at each position
        int piazzamento;
    };
    const std::vector<Caso> casi = {
        {{50, 50, 50, 50}, {1, 2, 3, 4}, 1},
        {{40, 60, 40, 60}, {2, 4, 1, 3}, 3},
        {{30, 70, 30, 20, 70, 10}, {2, 5, 1, 3, 4, 6}, 3},
        {{10, 20, 30}, {3, 2, 1}, 3},
        {{-4, 0, 104, 0, 0}, {3, 2, 4, 5, 1}, 5},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(::testing::PrintToString(c.soldi));
        const int n = static_cast<int>(c.soldi.size());
        test::Banco<> b(n, 2);
        b.Soldi(c.soldi);
        b.g.Classifica();
        const auto& p = b.g.PostiClassifica();
        EXPECT_EQ(std::vector<int>(p.begin() + 1, p.begin() + 1 + n), c.posti);
        EXPECT_EQ(b.s.Piazzamento, c.piazzamento);
    }
}

TEST(CaricaRiepilogo, RigheDelRiepilogo) {
    test::Banco<> b(4, 3);
    b.Mani({{4, 2}, {27, 8, 30}, {5, 1}, {17, 19}}); // 6, 8 (bust), 6 (the dealer), 7 1/2
    b.s.Posta = {0, 3, 2, 0, 4, 0, 0};
    const Riepilogo r = b.g.CaricaRiepilogo();

    // Name, amount, score, money, ranking and face (smiling 2i-2, frowning 2i-1) of each row.
    std::vector<std::string> righe;
    for (const auto& x : r.Righe)
        if (x.Visibile)
            righe.push_back(x.Nome + (x.Mazziere ? "*|" : "|") + x.Importo + "|" + x.Punti + "|" +
                            std::to_string(x.Soldi) + "|" + x.Posizione + "|" +
                            std::to_string(x.Faccia));
    EXPECT_EQ(righe, (std::vector<std::string>{"Anonimo|- 3|6|47|4°|1", "Bruno|- 2|Out|48|3°|3",
                                               "Sandro (Mazziere)*|+ 1|6|51|2°|4",
                                               "Elvira|+ 4|7 1/2|54|1°|6"}));
    EXPECT_EQ(r.CarteMassime, 3);
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 47, 48, 51, 54, 0, 0}));
    EXPECT_EQ(b.s.Piazzamento, 4);
    EXPECT_EQ(b.ui.eventi, std::vector<std::string>{"suono: oh_no.wav"});
}

// As dealer the human has no stake of his own: his amount is 0, and he laughs.
TEST(CaricaRiepilogo, LUmanoMazziere) {
    test::Banco<> b(2, 1);
    b.Metti(1, 4, 2);
    b.Metti(2, 9, 3);
    EXPECT_EQ(b.g.CaricaRiepilogo().Righe[1].Importo, "+ 0");
    EXPECT_EQ(b.ui.eventi, std::vector<std::string>{"suono: risata.wav"});
}

} // namespace
} // namespace brivetta
