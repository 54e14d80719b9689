#include <gtest/gtest.h>

#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

TEST(FineManche, PassaggioDelMazzoERimescolo) {
    const std::string prima = "D'ora in poi il mazzo passerà a: ";
    const std::string dopo = " perchè ha fatto Brivetta con due carte. Si inizia una nuova "
                             "manche dopo aver rimescolato il mazzo.";
    const std::string matta = "Il mazziere mescola le carte perchè è uscita la matta.";
    struct Caso {
        const char* nome;
        int mazziere;
        std::vector<std::pair<Singolo, int>> sedute; // score and cards of seats 1..n
        Intero matta;                                // GiocatoreMatta at the end of the manche
        int nuovoMazziere;
        std::string messaggio; // empty: the cards are put aside
    };
    const std::vector<Caso> casi = {
        {"DueSeduteVinceChiHaGiocatoPrima",
         4,
         {{5, 2}, {7.5f, 2}, {6, 2}, {7, 3}, {7.5f, 2}, {4, 1}},
         0,
         5,
         prima + "Leonardo (COMPUTER) " + dopo},
        {"IlGiroRicominciaDallUno",
         5,
         {{5, 2}, {7.5f, 2}, {6, 2}, {7, 3}, {6, 3}, {7.5f, 2}},
         0,
         6,
         prima + " Marisa (COMPUTER) " + dopo},
        {"IlMazziereTieneIlSuoSetteEMezzo", 3, {{7.5f, 2}, {7.5f, 2}, {7.5f, 2}}, 0, 3, ""},
        {"LUmanoPrendeIlMazzo", 3, {{7.5f, 2}, {6, 2}, {5, 3}}, 0, 1, prima + "Anonimo" + dopo},
        {"InTreCarteNonBasta", 1, {{6, 2}, {7.5f, 3}, {7.5f, 1}}, 0, 1, ""},
        {"UscitaLaMatta", 2, {{6, 2}, {5, 2}, {7, 1}}, 2, 2, matta},
        // Only the deck's passing is announced, though the matta came out too.
        {"PassaggioEMatta",
         2,
         {{6, 2}, {5, 2}, {7.5f, 2}},
         2,
         3,
         prima + "  Sandro (COMPUTER) " + dopo},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const int n = static_cast<int>(c.sedute.size());
        test::Banco<> b(n, c.mazziere);
        b.s.CarteUscite = 20; // earlier manches' cards, put aside
        for (int i = 21; i <= 40; ++i)
            b.s.Mazzo[i] = Usata;
        for (int seat = 1; seat <= n; ++seat)
            b.Metti(seat, c.sedute[seat - 1].first, c.sedute[seat - 1].second);
        b.s.GiocatoreMatta = c.matta;
        b.s.TurniGiocati = static_cast<Intero>(n);
        for (int carta = 1; carta <= n; ++carta)
            b.caso.AggiungiCarta(carta);
        b.g.FineManche();

        const bool rimescolato = !c.messaggio.empty();
        EXPECT_EQ(b.ui.Messaggi(),
                  rimescolato ? std::vector<std::string>{c.messaggio} : std::vector<std::string>{});
        EXPECT_EQ(b.s.Mazziere, c.nuovoMazziere);
        EXPECT_EQ(b.s.Turno, c.nuovoMazziere % n + 1);
        EXPECT_EQ(b.s.GiocatoreMatta, 0);
        EXPECT_EQ(b.s.Mazzo[30], rimescolato ? NelMazzo : Usata);
        EXPECT_EQ(b.s.CarteUscite, (rimescolato ? 0 : 20) + n);
        // The deck lies at the dealer's row.
        EXPECT_EQ(b.v.Picture1[0], (Posizione{SinistraMazzo, 99 * (c.nuovoMazziere - 1) + 28}));
    }
}

TEST(FineManche, FinePartitaConMessaggioEsatto) {
    const std::vector<std::pair<std::vector<int>, std::string>> casi = {
        // Two seats broke: the first is named. The human ties with Elvira and ranks ahead.
        {{60, 0, 80, 60, 0},
         "La partita è terminata perchè    Bruno ha finito i soldi. Tu sei arrivato al Secondo "
         "posto.\rTe la sei cavata abbastanza bene!. Se ti impegni puoi arrivare primo.\r"
         "Anonimo      60\rBruno      0\rSandro      80\rElvira      60\rLeonardo      0\r"
         "Vuoi fare un'altra partitina?"},
        {{-3, 41, 50, 62},
         "La partita è terminata perchè Anonimo ha finito i soldi. Tu sei arrivato all'Ultimo "
         "posto.\rTi consiglio di non giocare con carte e soldi veri!\r"
         "Anonimo      -3\rBruno      41\rSandro      50\rElvira      62\r"
         "Vuoi fare un'altra partitina?"},
        {{70, 0, 10, 20, 30, 21},
         "La partita è terminata perchè    Bruno ha finito i soldi. Tu sei arrivato al Primo "
         "posto.\rSei proprio in gamba!. Stasera puoi sbancare il Casinò\r"
         "Anonimo      70\rBruno      0\rSandro      10\rElvira      20\rLeonardo      30\r"
         "Marisa      21\rVuoi fare un'altra partitina?"},
    };
    for (const auto& [soldi, messaggio] : casi) {
        const int n = static_cast<int>(soldi.size());
        test::Banco<> b(n, 2);
        for (int seat = 1; seat <= n; ++seat)
            b.Mano(seat, {seat});
        b.Soldi(soldi);
        b.s.TurniGiocati = static_cast<Intero>(n);
        b.g.Classifica(); // as the summary does
        b.g.FineManche();
        EXPECT_EQ(b.s.MessaggioFine, messaggio);
        EXPECT_EQ(b.ui.eventi, std::vector<std::string>{"fine"});
        EXPECT_EQ(b.s.CarteUscite, n); // leaving: nothing more is dealt
        EXPECT_EQ(b.caso.letti, 0);
    }
}

} // namespace
} // namespace brivetta
