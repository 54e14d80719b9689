#include <gtest/gtest.h>

#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

struct Mano_ {
    Singolo punti;
    int carte;
};

// Sets scores and card counts straight away: the settlement reads nothing else.
template <class B> void Metti(B& b, int seat, Mano_ m, int posta) {
    b.s.Punteggio[seat] = m.punti;
    b.s.NumCarte[seat] = static_cast<Intero>(m.carte);
    b.s.Posta[seat] = static_cast<Intero>(posta);
}

struct CasoEsito {
    const char* nome;
    Mano_ giocatore;
    Mano_ mazziere;
    bool doppia;
    int atteso; // for a stake of 5
};

void PrintTo(const CasoEsito& c, std::ostream* os) {
    *os << c.nome;
}

class EsitoTest : public ::testing::TestWithParam<CasoEsito> {};

TEST_P(EsitoTest, ControIlMazziere) {
    const auto& c = GetParam();
    test::Banco<> b(2, 2);
    b.s.VincitaDoppia = c.doppia ? 1 : 0;
    Metti(b, 1, c.giocatore, 5);
    Metti(b, 2, c.mazziere, 0);
    b.g.SaldaManche();
    EXPECT_EQ(b.g.Importi()[1], c.atteso);
    EXPECT_EQ(b.g.Importi()[2], -c.atteso);
    EXPECT_EQ(b.s.Posta[1], c.atteso);
    EXPECT_EQ(b.s.Posta[2], -c.atteso);
    EXPECT_EQ(b.s.Soldi[1], 50 + c.atteso);
    EXPECT_EQ(b.s.Soldi[2], 50 - c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Esiti, EsitoTest,
    ::testing::Values(
        CasoEsito{"SballatoPerde", {8.5f, 3}, {5, 2}, false, -5},
        CasoEsito{"SballatiEntrambiVinceIlMazziere", {9, 3}, {8, 3}, false, -5},
        CasoEsito{"PiuAltoVince", {6, 2}, {5, 2}, false, 5},
        CasoEsito{"PariVaAlMazziere", {6.5f, 2}, {6.5f, 3}, false, -5},
        CasoEsito{"PiuBassoPerde", {4, 2}, {6, 2}, false, -5},
        CasoEsito{"MazziereSballatoPaga", {3, 1}, {10, 3}, false, 5},
        CasoEsito{"DueCarteControSetteEMezzoInTrePerdeDoppio", {7.5f, 2}, {7.5f, 3}, true, -10},
        CasoEsito{"DueCarteControSetteVinceDoppio", {7.5f, 2}, {7, 3}, true, 10},
        CasoEsito{"DueCarteSenzaRegolaVinceSemplice", {7.5f, 2}, {7, 3}, false, 5},
        CasoEsito{"DueCarteControMazziereAUnaCarta", {7.5f, 2}, {5, 1}, true, 5},
        CasoEsito{"DueCarteControMazziereSballato", {7.5f, 2}, {8.5f, 3}, true, 10},
        CasoEsito{"SetteEMezzoInTreNonRaddoppia", {7.5f, 3}, {7, 3}, true, 5},
        CasoEsito{"MazziereDoppioUnaCartaPerdeSemplice", {4, 1}, {7.5f, 2}, true, -5},
        CasoEsito{"MazziereDoppioSballatoPerdeSemplice", {9, 3}, {7.5f, 2}, true, -5},
        CasoEsito{"MazziereDoppioDueCartePerdeDoppio", {6, 2}, {7.5f, 2}, true, -10},
        CasoEsito{"MazziereDoppioSenzaRegola", {6, 2}, {7.5f, 2}, false, -5}),
    [](const auto& info) { return std::string(info.param.nome); });

// Worked examples on a table of four: the dealer's amount is minus everyone else's.
TEST(SaldaManche, RaddoppioPerChiFaSetteEMezzoInDue) {
    test::Banco<> b(4, 3);
    b.s.VincitaDoppia = 1;
    Metti(b, 1, {7.5f, 2}, 5);
    Metti(b, 2, {6, 2}, 3);
    Metti(b, 3, {7, 3}, 0);
    Metti(b, 4, {8, 3}, 2);
    b.g.SaldaManche();
    EXPECT_EQ(b.g.Importi()[1], 10);
    EXPECT_EQ(b.g.Importi()[2], -3);
    EXPECT_EQ(b.g.Importi()[4], -2);
    EXPECT_EQ(b.g.Importi()[3], -5);
    EXPECT_EQ(b.s.Soldi[3], 45);
}

// The dealer holds a two-card 7 1/2; stakes 5 (two cards, 6), 3 (three cards, bust) and
// 2 (one card, 4), wherever the dealer sits.
class MazziereDoppioTest : public ::testing::TestWithParam<int> {};

TEST_P(MazziereDoppioTest, IncassaQuindiciDaQualunquePosto) {
    const int d = GetParam();
    test::Banco<> b(4, d);
    b.s.VincitaDoppia = 1;
    const std::vector<std::pair<Mano_, int>> altri = {{{6, 2}, 5}, {{8.5f, 3}, 3}, {{4, 1}, 2}};
    std::vector<int> seats;
    for (int seat = 1, k = 0; seat <= 4; ++seat) {
        if (seat == d) {
            Metti(b, seat, {7.5f, 2}, 7); // whatever it held, the dealer's stake is not played
            continue;
        }
        Metti(b, seat, altri[k].first, altri[k].second);
        seats.push_back(seat);
        ++k;
    }
    b.g.SaldaManche();
    EXPECT_EQ(b.g.Importi()[d], 15);
    EXPECT_EQ(b.s.Posta[d], 15);
    EXPECT_EQ(b.g.Importi()[seats[0]], -10);
    EXPECT_EQ(b.g.Importi()[seats[1]], -3);
    EXPECT_EQ(b.g.Importi()[seats[2]], -2);
    EXPECT_EQ(b.s.Soldi[d], 65);
}

INSTANTIATE_TEST_SUITE_P(Posti, MazziereDoppioTest, ::testing::Values(1, 2, 4));

struct CasoClassifica {
    std::vector<int> soldi;
    std::vector<int> posti; // seat at each position
    int piazzamento;
};

TEST(Classifica, OrdinaPerSoldiConLUmanoDavantiAParita) {
    const std::vector<CasoClassifica> casi = {
        {{50, 50, 50, 50}, {1, 2, 3, 4}, 1},
        {{40, 60, 40, 60}, {2, 4, 1, 3}, 3},
        {{30, 70, 30, 20, 70, 10}, {2, 5, 1, 3, 4, 6}, 3},
        {{10, 20, 30}, {3, 2, 1}, 3},
        {{-4, 0, 104, 0, 0}, {3, 2, 4, 5, 1}, 5},
        {{60, 5}, {1, 2}, 1},
    };
    for (const auto& c : casi) {
        const int n = static_cast<int>(c.soldi.size());
        test::Banco<> b(n, 2);
        for (int seat = 1; seat <= n; ++seat)
            b.s.Soldi[seat] = static_cast<Intero>(c.soldi[seat - 1]);
        b.g.Classifica();
        std::vector<int> posti;
        for (int p = 1; p <= n; ++p)
            posti.push_back(b.g.PostiClassifica()[p]);
        EXPECT_EQ(posti, c.posti) << ::testing::PrintToString(c.soldi);
        EXPECT_EQ(b.s.Piazzamento, c.piazzamento) << ::testing::PrintToString(c.soldi);
    }
}

TEST(CaricaRiepilogo, RigheDelRiepilogo) {
    test::Banco<> b(4, 3);
    b.Mano(1, {4, 2});      // 6
    b.Mano(2, {27, 8, 30}); // 8, bust
    b.Mano(3, {5, 1});      // 6, the dealer
    b.Mano(4, {17, 19});    // 7 1/2
    b.s.Posta = {0, 3, 2, 0, 4, 0, 0};
    const Riepilogo r = b.g.CaricaRiepilogo();

    EXPECT_EQ(r.CarteMassime, 3);
    const std::vector<std::string> nomi = {"Anonimo", "Bruno", "Sandro (Mazziere)", "Elvira"};
    const std::vector<std::string> importi = {"- 3", "- 2", "+ 1", "+ 4"};
    const std::vector<std::string> punti = {"6", "Out", "6", "7 1/2"};
    const std::vector<int> facce = {1, 3, 4, 6};
    const std::vector<int> soldi = {47, 48, 51, 54};
    const std::vector<std::string> posizioni = {"4°", "3°", "2°", "1°"};
    for (int i = 1; i <= 4; ++i) {
        const auto& riga = r.Righe[i];
        EXPECT_TRUE(riga.Visibile) << i;
        EXPECT_EQ(riga.Nome, nomi[i - 1]);
        EXPECT_EQ(riga.Mazziere, i == 3);
        EXPECT_EQ(riga.Importo, importi[i - 1]);
        EXPECT_EQ(riga.Punti, punti[i - 1]);
        EXPECT_EQ(riga.Faccia, facce[i - 1]) << i;
        EXPECT_EQ(riga.Soldi, soldi[i - 1]);
        EXPECT_EQ(riga.Posizione, posizioni[i - 1]);
    }
    EXPECT_FALSE(r.Righe[5].Visibile);
    EXPECT_FALSE(r.Righe[6].Visibile);
    EXPECT_EQ(b.s.Piazzamento, 4);
    EXPECT_EQ(b.ui.eventi, std::vector<std::string>{"suono: oh_no.wav"});
}

struct CasoSuono {
    const char* nome;
    int mazziere;
    Mano_ umano;
    Mano_ altro;
    std::vector<std::string> eventi;
};

TEST(CaricaRiepilogo, SuonoDellaRigaDellUmano) {
    const std::vector<CasoSuono> casi = {
        {"VinceConSetteEMezzo", 2, {7.5f, 3}, {6, 2}, {}},
        {"PerdeSballando", 2, {9, 3}, {6, 2}, {}},
        {"PerdeConSei", 2, {6, 2}, {7, 2}, {"suono: oh_no.wav"}},
        {"VinceConCinque", 2, {5, 2}, {8, 3}, {"suono: risata.wav"}},
        {"PerdeAncheConSetteEMezzo", 2, {7.5f, 3}, {7.5f, 3}, {"suono: oh_no.wav"}},
        {"MazziereAZeroConQuattro", 1, {4, 2}, {9, 3}, {"suono: risata.wav"}},
    };
    for (const auto& c : casi) {
        test::Banco<> b(2, c.mazziere);
        // As dealer the human faces a nil stake: his amount is 0.
        const int posta = c.mazziere == 1 ? 0 : 3;
        Metti(b, 1, c.umano, posta);
        Metti(b, 2, c.altro, posta);
        const Riepilogo r = b.g.CaricaRiepilogo();
        EXPECT_EQ(b.ui.eventi, c.eventi) << c.nome;
        if (c.mazziere == 1) {
            EXPECT_EQ(r.Righe[1].Importo, "+ 0") << c.nome;
        }
    }
}

} // namespace
} // namespace brivetta
