#include <gtest/gtest.h>

#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

struct Seduta {
    Singolo punti;
    int carte;
};

struct CasoPassaggio {
    const char* nome;
    int mazziere;
    std::vector<Seduta> sedute; // seats 1..n
    int nuovoMazziere;
    std::string messaggio; // empty: the deck stays
};

void PrintTo(const CasoPassaggio& c, std::ostream* os) {
    *os << c.nome;
}

class PassaggioMazzoTest : public ::testing::TestWithParam<CasoPassaggio> {};

const std::string Prima = "D'ora in poi il mazzo passerà a: ";
const std::string Dopo = " perchè ha fatto Brivetta con due carte. Si inizia una nuova manche "
                         "dopo aver rimescolato il mazzo.";

TEST_P(PassaggioMazzoTest, IlMazzoPassaAlPrimoCheHaGiocato) {
    const auto& c = GetParam();
    const int n = static_cast<int>(c.sedute.size());
    test::Banco<> b(n, c.mazziere);
    for (int seat = 1; seat <= n; ++seat) {
        b.s.Punteggio[seat] = c.sedute[seat - 1].punti;
        b.s.NumCarte[seat] = static_cast<Intero>(c.sedute[seat - 1].carte);
        b.v.Label5[seat - 1].Testo = "€1/50";
    }
    b.s.GiocatoreMatta = 2;
    const bool passato = b.g.PassaggioMazzo();

    EXPECT_EQ(passato, !c.messaggio.empty());
    EXPECT_EQ(b.s.Mazziere, c.nuovoMazziere);
    if (c.messaggio.empty()) {
        EXPECT_TRUE(b.ui.eventi.empty());
        EXPECT_EQ(b.s.GiocatoreMatta, 2);
        EXPECT_EQ(b.v.Label5[0].Testo, "€1/50");
    } else {
        EXPECT_EQ(b.ui.Messaggi(), std::vector<std::string>{c.messaggio});
        EXPECT_EQ(b.s.GiocatoreMatta, MattaPassaggioMazzo);
        for (int r = 0; r < n; ++r)
            EXPECT_EQ(b.v.Label5[r].Testo, "") << r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, PassaggioMazzoTest,
    ::testing::Values(
        CasoPassaggio{"DueSeduteVinceChiHaGiocatoPrima",
                      4,
                      {{5, 2}, {7.5f, 2}, {6, 2}, {7, 3}, {7.5f, 2}, {4, 1}},
                      5,
                      Prima + "Leonardo (COMPUTER) " + Dopo},
        CasoPassaggio{"IlGiroRicominciaDallUno",
                      5,
                      {{5, 2}, {7.5f, 2}, {6, 2}, {7, 3}, {6, 3}, {7.5f, 2}},
                      6,
                      Prima + " Marisa (COMPUTER) " + Dopo},
        CasoPassaggio{
            "IlMazziereTieneIlSuoSetteEMezzo", 3, {{7.5f, 2}, {7.5f, 2}, {7.5f, 2}}, 3, ""},
        CasoPassaggio{
            "LUmanoPrendeIlMazzo", 3, {{7.5f, 2}, {6, 2}, {5, 3}}, 1, Prima + "Anonimo" + Dopo},
        CasoPassaggio{"InTreCarteNonBasta", 1, {{6, 2}, {7.5f, 3}, {7.5f, 1}}, 1, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ComponiMessaggioFine, TestoEsatto) {
    struct Caso {
        std::vector<int> soldi;
        int rotto;
        std::string atteso;
    };
    const std::vector<Caso> casi = {
        {{60, 0, 80, 60},
         2,
         "La partita è terminata perchè    Bruno ha finito i soldi. Tu sei arrivato al Secondo "
         "posto.\rTe la sei cavata abbastanza bene!. Se ti impegni puoi arrivare primo.\r"
         "Anonimo      60\rBruno      0\rSandro      80\rElvira      60\r"
         "Vuoi fare un'altra partitina?"},
        {{-3, 41, 50, 62},
         1,
         "La partita è terminata perchè Anonimo ha finito i soldi. Tu sei arrivato all'Ultimo "
         "posto.\rTi consiglio di non giocare con carte e soldi veri!\r"
         "Anonimo      -3\rBruno      41\rSandro      50\rElvira      62\r"
         "Vuoi fare un'altra partitina?"},
        {{70, 0, 10, 20, 30, 21},
         2,
         "La partita è terminata perchè    Bruno ha finito i soldi. Tu sei arrivato al Primo "
         "posto.\rSei proprio in gamba!. Stasera puoi sbancare il Casinò\r"
         "Anonimo      70\rBruno      0\rSandro      10\rElvira      20\rLeonardo      30\r"
         "Marisa      21\rVuoi fare un'altra partitina?"},
    };
    for (const auto& c : casi) {
        const int n = static_cast<int>(c.soldi.size());
        test::Banco<> b(n, 2);
        for (int seat = 1; seat <= n; ++seat)
            b.s.Soldi[seat] = static_cast<Intero>(c.soldi[seat - 1]);
        b.g.Classifica();
        EXPECT_EQ(b.g.ComponiMessaggioFine(c.rotto), c.atteso);
    }
}

TEST(FineManche, ConPiuSeduteSenzaSoldiNominaLaPrima) {
    test::Banco<> b(4, 1);
    b.Mano(1, {1});
    b.Mano(2, {2});
    b.Mano(3, {3});
    b.Mano(4, {4});
    b.s.Soldi = {0, 60, 81, 0, -1, 0, 0}; // seats 3 and 4 broke
    b.s.TurniGiocati = 4;
    b.g.Classifica();
    b.g.FineManche();
    EXPECT_EQ(b.s.MessaggioFine.rfind("La partita è terminata perchè   Sandro ha finito", 0), 0u);
    EXPECT_EQ(b.ui.eventi, std::vector<std::string>{"fine"});
    // Leaving: nothing more is dealt.
    EXPECT_EQ(b.s.NumCarte[1], 1);
    EXPECT_EQ(b.s.CarteUscite, 4);
    EXPECT_EQ(b.caso.letti, 0);
}

struct CasoChiusura {
    const char* nome;
    Intero matta;   // GiocatoreMatta at the end of the manche
    bool passaggio; // seat 3 made 7 1/2 with two cards
    std::vector<std::string> messaggi;
    bool rimescolato;
};

TEST(FineManche, RimescolaOMetteDaParte) {
    const std::string matta = "Il mazziere mescola le carte perchè è uscita la matta.";
    const std::vector<CasoChiusura> casi = {
        {"NienteDiNuovo", 0, false, {}, false},
        {"UscitaLaMatta", 2, false, {matta}, true},
        {"PassaggioSenzaMatta", 0, true, {Prima + "  Sandro (COMPUTER) " + Dopo}, true},
        {"PassaggioEMatta", 2, true, {Prima + "  Sandro (COMPUTER) " + Dopo}, true},
    };
    for (const auto& c : casi) {
        test::Banco<> b(3, 2);
        b.s.CarteUscite = 20; // earlier manches' cards, put aside
        for (int i = 21; i <= 40; ++i)
            b.s.Mazzo[i] = Usata;
        b.Mano(1, {4, 1});
        b.Mano(2, {10, 5});
        if (c.passaggio)
            b.Mano(3, {17, 8});
        else
            b.Mano(3, {16});
        b.s.GiocatoreMatta = c.matta;
        b.s.TurniGiocati = 3;
        b.s.Turno = 3;
        b.Carte({11, 12, 13});
        b.g.FineManche();

        EXPECT_EQ(b.ui.Messaggi(), c.messaggi) << c.nome;
        const int mazziere = c.passaggio ? 3 : 2;
        EXPECT_EQ(b.s.Mazziere, mazziere) << c.nome;
        EXPECT_EQ(b.s.Turno, mazziere % 3 + 1) << c.nome;
        EXPECT_EQ(b.s.TurniGiocati, 0);
        EXPECT_EQ(b.s.GiocatoreMatta, 0) << c.nome;
        const Intero dopo = c.rimescolato ? NelMazzo : Usata;
        EXPECT_EQ(b.s.Mazzo[4], dopo) << c.nome;
        EXPECT_EQ(b.s.Mazzo[10], dopo) << c.nome;
        EXPECT_EQ(b.s.Mazzo[30], dopo) << c.nome;
        const int manche = c.passaggio ? 6 : 5;
        EXPECT_EQ(b.s.CarteUscite, c.rimescolato ? 3 : 20 + manche + 3) << c.nome;
        for (int seat = 1; seat <= 3; ++seat) {
            EXPECT_EQ(b.s.NumCarte[seat], 1);
            EXPECT_EQ(b.s.Posta[seat], 0);
            EXPECT_EQ(b.s.Mano[seat][1], 10 + seat);
        }
        // The deck lies at the dealer's row; the old cards are gone from the table.
        EXPECT_EQ(b.v.Picture1[0], (Posizione{SinistraMazzo, 99 * (mazziere - 1) + 28}));
        EXPECT_EQ(b.v.Picture1[4].Alto, b.v.Altezza) << c.nome;
        EXPECT_EQ(b.v.Picture1[11], (Posizione{101, 28}));
        EXPECT_EQ(b.v.Picture1[42], (Posizione{101, 127}));
    }
}

} // namespace
} // namespace brivetta
