// A new game, the end of a manche with the deck passing and the reshuffle, the end of a game.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Banco.h"
#include "Testi.h"

namespace brivetta {
namespace {

using Eventi = std::vector<std::string>;
using test::Banco;

// Started in the middle of a manche: nothing of it may stay on the table.
TEST(NuovaPartita, AnnunciaIlMazziereEGiocaFinoAllUmano) {
    struct Caso {
        int altezza;
        double numero; // draws the dealer
        int seggi;
        std::string annunciato;
        int mazziere;
    };
    const std::vector<Caso> casi = {
        {700, 2.5 / 6, 6, "  Sandro (COMPUTER) ", 3},
        {700, 0.0, 6, "Anonimo", 1},
        {4 * 99 + 3, 0.9, 4, "   Elvira (COMPUTER) ", 4},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.annunciato);
        Banco b(6, 1);
        b.s.MalloppoIniziale = 60;
        b.Mani({{10, 4}, {33, 8, 9}}, 2);
        b.s.Posta = {0, 3, 5, 0, 0, 0, 0};
        b.Cursore(4);
        b.g.ImpostaAltezza(c.altezza);
        b.Numeri({c.numero});
        // Seat 1 an ace, the others a 6 or a 7: those that play before the human stop at once.
        for (int posto = 1; posto <= c.seggi; ++posto)
            b.caso.AggiungiCarta(std::array{1, 6, 16, 26, 36, 7}[posto - 1]);
        const int primaDellUmano = c.mazziere == 1 ? c.seggi - 1 : c.seggi - c.mazziere;
        for (int k = 0; k < primaDellUmano; ++k)
            b.Numeri({0.5});
        b.r.Gioca(Azione::NuovaPartita);

        Eventi attesi{"messaggio: Attenzione si inizia una nuova partita ora. " + c.annunciato +
                      " terrà il mazzo."};
        attesi.insert(attesi.end(), primaDellUmano, "suono: Stop");
        EXPECT_EQ(b.r.eventi, attesi);
        EXPECT_TRUE(b.caso.Vuoto());
        EXPECT_EQ(b.v.Mazzo, c.mazziere);
        EXPECT_EQ(b.v.Situazione, (SituazioneUmano{60, static_cast<Intero>(c.mazziere)}));
        // The human's ace is his covered card, face up in his first slot; a dealer's is in sight.
        EXPECT_EQ(b.v.Carte[1], (Luogo{1, 1}));
        EXPECT_EQ(b.v.CopertaUmano, c.mazziere != 1);
        EXPECT_EQ(b.s.Turno, 1);
        EXPECT_EQ(b.s.CarteUscite, c.seggi);
        EXPECT_EQ(b.v.EtichetteInGioco, c.seggi);
        for (int posto = 1; posto <= c.seggi; ++posto) {
            EXPECT_EQ(b.s.Soldi[posto], 60);
            const bool giocato = posto > c.mazziere && posto != 1; // before the human
            EXPECT_EQ(b.s.Posta[posto], giocato ? 15 : 0) << posto;
            EXPECT_EQ(TestoEtichetta(b.v.Etichette[posto]), giocato      ? "€15/60"
                                                            : posto == 1 ? "1"
                                                                         : "");
        }
        EXPECT_EQ(b.s.GiocatoreMatta, 0);
        for (int carta : {10, 4, 33, 8, 9})
            EXPECT_EQ(b.v.Carte[carta], Luogo{}) << carta;
        // The human dealer plays last, without the slider and the coin bar.
        EXPECT_EQ(b.v.Cursore.Visibile && b.v.MoneteVisibili, c.mazziere != 1);
    }
}

// The dealer stops last and the manche closes. The next deal tries card 39 first, a card put
// aside in an earlier manche: only a full reshuffle gives it back.
TEST(FineManche, PassaggioDelMazzoERimescolo) {
    const std::string prima = "D'ora in poi il mazzo passerà a: ";
    const std::string dopo = " perchè ha fatto Brivetta con due carte. Si inizia una nuova "
                             "manche dopo aver rimescolato il mazzo.";
    const std::string matta = "Il mazziere mescola le carte perchè è uscita la matta.";
    using Mani = std::vector<std::vector<int>>;
    struct Caso {
        const char* nome;
        int mazziere;
        Mani mani; // 7 1/2 in two: 7 and a figure, or the matta and a figure
        int nuovoMazziere;
        std::string messaggio; // empty: the cards are put aside
    };
    const std::vector<Caso> casi = {
        {"DueSeduteVinceChiHaGiocatoPrima", 4,
         Mani{{1, 4}, {7, 8}, {2, 14}, {21, 22, 24}, {17, 18}, {34}}, 5,
         prima + "Leonardo (COMPUTER) " + dopo},
        {"IlGiroRicominciaDallUno", 5, Mani{{1, 4}, {7, 8}, {2, 14}, {21, 22}, {31, 32}, {17, 18}},
         6, prima + " Marisa (COMPUTER) " + dopo},
        {"IlMazziereTieneIlSuoSetteEMezzo", 3, Mani{{7, 8}, {17, 18}, {27, 28}}, 3, ""},
        // The human, last to play before the dealer, takes the deck.
        {"LUmanoPrendeIlMazzo", 2, Mani{{7, 8}, {21, 22, 24}, {2, 14}}, 1,
         prima + "Anonimo" + dopo},
        {"InTreCarteNonBasta", 1, Mani{{2, 14}, {1, 6, 18}, {7}}, 1, ""},
        {"UscitaLaMatta", 2, Mani{{2, 14}, {1, 4}, {16, 10}}, 2, matta},
        // Only the deck's passing is announced, though the matta came out too.
        {"PassaggioEMatta", 2, Mani{{2, 14}, {1, 4}, {10, 18}}, 3,
         prima + "  Sandro (COMPUTER) " + dopo},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const int n = static_cast<int>(c.mani.size());
        Banco b(n, c.mazziere);
        b.Mani(c.mani, c.mazziere);
        for (int carta : {39, 29, 19, 9}) // earlier manches' cards, put aside
            b.s.Mazzo[carta] = StatoCarta::Usata, ++b.s.CarteUscite;
        b.Cursore(0);
        b.Carte({39, 35});
        b.r.Gioca(Azione::Stop);

        const bool rimescolato = !c.messaggio.empty();
        EXPECT_EQ(b.r.Messaggi(), rimescolato ? Eventi{c.messaggio} : Eventi{});
        EXPECT_EQ(b.s.Mazziere, c.nuovoMazziere);
        EXPECT_EQ(b.v.Mazzo, c.nuovoMazziere);
        // The bar tells the money after the settlement and the dealer of the next manche.
        EXPECT_EQ(b.v.Situazione, (SituazioneUmano{b.s.Soldi[1], b.s.Mazziere}));
        EXPECT_EQ(b.s.Mano[1][1], rimescolato ? 39 : 35);
    }
}

// The bar's text: the money as it is, the dealer without its leading blanks; nothing before the
// first game.
TEST(FineManche, TestoDellaSituazione) {
    Banco b(6, 1);
    struct Caso {
        SituazioneUmano situazione;
        std::string atteso;
    };
    const std::vector<Caso> casi = {
        {{50, 1}, "Denaro: 50€ · Mazziere: Anonimo"},
        {{-3, 4}, "Denaro: -3€ · Mazziere: Elvira"},
        {{120, 6}, "Denaro: 120€ · Mazziere: Marisa"},
        {{50, 0}, ""},
        {{50, 7}, ""},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(TestoSituazione(c.situazione, b.s.Nomi), c.atteso) << c.atteso;
}

// The money the bar tells changes at the settlement, not with the stakes of the manche; the
// human's covered card is his until the cards are turned up.
TEST(FineManche, SituazioneECopertaDurante) {
    Banco b(2, 2);
    b.s.Soldi = {0, 40, 60, 0, 0, 0, 0};
    b.Mani({{4}, {16}}, 1);
    b.v.Situazione = {40, 2};
    b.v.CopertaUmano = true;
    b.Cursore(5);
    std::vector<SituazioneUmano> viste;
    std::vector<bool> coperte;
    b.r.osserva = [&](const Evento&) {
        viste.push_back(b.v.Situazione);
        coperte.push_back(b.v.CopertaUmano);
    };
    b.Numeri({0.3}); // the dealer stops on its 6
    b.r.Gioca(Azione::Stop);
    // Stopped on 4 for 5 against a 6: lost, told from the summary on.
    ASSERT_FALSE(viste.empty());
    const auto riepilogo = std::find(b.r.eventi.begin(), b.r.eventi.end(), "riepilogo");
    ASSERT_NE(riepilogo, b.r.eventi.end());
    const auto k = static_cast<std::size_t>(riepilogo - b.r.eventi.begin());
    EXPECT_EQ(viste[0], (SituazioneUmano{40, 2}));
    EXPECT_TRUE(coperte[0]);
    EXPECT_EQ(viste[k], (SituazioneUmano{35, 2}));
    EXPECT_FALSE(coperte[k]);
    EXPECT_EQ(b.v.Situazione, (SituazioneUmano{35, 2}));
}

// Nobody stakes, so the money below stays as it is: a seat with less than 1 ends the game.
TEST(FineManche, FinePartitaConMessaggioEsatto) {
    // Two seats broke: the first is named. The human ties with Elvira and ranks ahead.
    Banco b(5, 2);
    for (int posto = 1; posto <= 5; ++posto)
        b.Mano(posto, {posto});
    b.Tocca(2);
    b.s.Soldi = {0, 60, 0, 80, 60, 0, 0};
    b.r.Gioca(Azione::Stop);
    EXPECT_EQ(
        b.s.MessaggioFine,
        "La partita è terminata perchè    Bruno ha finito i soldi. Tu sei arrivato al "
        "Secondo posto.\rTe la sei cavata abbastanza bene!. Se ti impegni puoi arrivare "
        "primo.\rAnonimo      60\rBruno      0\rSandro      80\rElvira      60\rLeonardo      "
        "0\rVuoi fare un'altra partitina?");
    EXPECT_EQ(b.r.eventi.back(), "fine");
    // The player leaves: nothing more is dealt, and the table takes no move.
    const StatoTavolo s = b.s;
    EXPECT_FALSE(b.r.Gioca(Azione::Stop));
    EXPECT_FALSE(b.r.Gioca(Azione::NuovaPartita));
    EXPECT_EQ(b.s, s);
    EXPECT_EQ(b.s.CarteUscite, 5);
}

// The last place is "the last" however few seats play; every other place is named by its
// number. Seat 2 is the broke one.
TEST(FineManche, LUltimoPostoAncheConMenoDiSeiPosti) {
    const std::string ultimo = "all'Ultimo posto.\rTi consiglio di non giocare con carte e soldi "
                               "veri!\r";
    struct Caso {
        int giocatori, piazzamento;
        std::string atteso; // the place and its comment
    };
    const std::vector<Caso> casi = {
        {2, 2, ultimo},
        {3, 3, ultimo},
        {5, 5, ultimo},
        {6, 6, ultimo},
        {2, 1, "al Primo posto.\rSei proprio in gamba!. Stasera puoi sbancare il Casinò\r"},
        {6, 5, "al Quinto posto.\rSei un bel disastro!. Vedi di fare meglio la prossima volta.\r"},
        {4, 3, "al Terzo posto.\rNon sei proprio uno schianto, ma neanche un disastro!\r"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(::testing::Message() << c.piazzamento << " of " << c.giocatori);
        Banco b(c.giocatori, 1);
        b.s.Piazzamento = static_cast<Intero>(c.piazzamento);
        const std::string testo = MessaggioFinePartita(b.s, 2);
        const std::string inizio = "La partita è terminata perchè    Bruno ha finito i soldi. Tu "
                                   "sei arrivato ";
        ASSERT_EQ(testo.substr(0, inizio.size()), inizio);
        EXPECT_EQ(testo.substr(inizio.size(), c.atteso.size()), c.atteso);
    }
    // All of it, with three seats.
    Banco b(3, 1);
    b.s.Piazzamento = 3;
    b.s.Soldi = {0, 4, 0, 146, 0, 0, 0};
    EXPECT_EQ(MessaggioFinePartita(b.s, 2),
              "La partita è terminata perchè    Bruno ha finito i soldi. Tu sei arrivato "
              "all'Ultimo posto.\rTi consiglio di non giocare con carte e soldi veri!\rAnonimo   "
              "   4\rBruno      0\rSandro      146\rVuoi fare un'altra partitina?");
}

TEST(FineManche, AltraPartitaInterrompeLoStopDellaVecchia) {
    // The human stakes his last coin and loses it to the dealer's 6; another game starts,
    // where the human plays first holding the matta: the old stop must not value it.
    Banco b(2, 2);
    b.s.Soldi = {0, 1, 99, 0, 0, 0, 0};
    b.Mani({{4}, {16}}, 1);
    b.r.altraPartita = true;
    b.Numeri({0.3});  // the dealer stops on its 6
    b.Numeri({0.99}); // the new game's dealer: seat 2
    b.Carte({10, 5});
    b.r.Gioca(Azione::Stop);

    ASSERT_GE(b.r.eventi.size(), 2u);
    EXPECT_EQ(b.r.eventi.end()[-2], "fine");
    EXPECT_EQ(b.s.Punteggio[1], 0);
    EXPECT_EQ(b.s.GiocatoreMatta, 1);
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 50, 50, 0, 0, 0, 0}));
    EXPECT_EQ(b.s.Turno, 1);
}

} // namespace
} // namespace brivetta
