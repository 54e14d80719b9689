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
        Frase annunciato; // a computer dealer is tagged as one
        int mazziere;
    };
    const std::vector<Caso> casi = {
        {700, 2.5 / 6, 6, Frase::NuovaPartitaComputer, 3},
        {700, 0.0, 6, Frase::NuovaPartitaUmano, 1},
        {4 * 99 + 3, 0.9, 4, Frase::NuovaPartitaComputer, 4},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.mazziere);
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

        Eventi attesi{"messaggio"};
        attesi.insert(attesi.end(), primaDellUmano, "suono: Stop");
        EXPECT_EQ(b.r.eventi, attesi);
        const Annuncio annuncio{c.annunciato, static_cast<Intero>(c.mazziere)};
        EXPECT_EQ(b.r.messaggi, std::vector<Annuncio>{annuncio});
        // Named as the table names it, leading blanks and all.
        EXPECT_EQ(NomeAnnunciato(annuncio, b.s.Nomi), b.s.Nomi[c.mazziere]);
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
            const EtichettaPosto etichetta =
                giocato      ? EtichettaPosto{EtichettaPosto::Tipo::Posta, 0, 15, 60}
                : posto == 1 ? EtichettaPosto{EtichettaPosto::Tipo::Punteggio, 1}
                             : EtichettaPosto{};
            EXPECT_EQ(b.v.Etichette[posto], etichetta) << posto;
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
    const auto passa = [](int posto) {
        return Annuncio{Frase::PassaggioMazzoComputer, static_cast<Intero>(posto)};
    };
    const Annuncio matta{Frase::MattaUscita, 0};
    using Mani = std::vector<std::vector<int>>;
    struct Caso {
        const char* nome;
        int mazziere;
        Mani mani; // 7 1/2 in two: 7 and a figure, or the matta and a figure
        int nuovoMazziere;
        std::vector<Annuncio> messaggi; // none: the cards are put aside
    };
    const std::vector<Caso> casi = {
        // Two seats make 7 1/2 with two cards: the one that played first takes the deck.
        {"prima", 4, {{1, 4}, {7, 8}, {2, 14}, {21, 22, 24}, {17, 18}, {34}}, 5, {passa(5)}},
        // The round of seats starts again from seat 1.
        {"da 1", 5, {{1, 4}, {7, 8}, {2, 14}, {21, 22}, {31, 32}, {17, 18}}, 6, {passa(6)}},
        // The dealer keeps the deck with its own 7 1/2.
        {"mazziere", 3, {{7, 8}, {17, 18}, {27, 28}}, 3, {}},
        // The human, last to play before the dealer, takes the deck.
        {"umano", 2, {{7, 8}, {21, 22, 24}, {2, 14}}, 1, {{Frase::PassaggioMazzoUmano, 1}}},
        // 7 1/2 in three cards passes nothing.
        {"tre carte", 1, {{2, 14}, {1, 6, 18}, {7}}, 1, {}},
        {"matta", 2, {{2, 14}, {1, 4}, {16, 10}}, 2, {matta}},
        // Only the deck's passing is announced, though the matta came out too.
        {"passaggio e matta", 2, {{2, 14}, {1, 4}, {10, 18}}, 3, {passa(3)}},
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

        const bool rimescolato = !c.messaggi.empty();
        EXPECT_EQ(b.r.messaggi, c.messaggi);
        EXPECT_EQ(b.s.Mazziere, c.nuovoMazziere);
        EXPECT_EQ(b.v.Mazzo, c.nuovoMazziere);
        // The bar tells the money after the settlement and the dealer of the next manche.
        EXPECT_EQ(b.v.Situazione, (SituazioneUmano{b.s.Soldi[1], b.s.Mazziere}));
        EXPECT_EQ(b.s.Mano[1][1], rimescolato ? 39 : 35);
    }
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
TEST(FineManche, FinePartita) {
    // Two seats broke: the first is named, as on the table. The human ties with Elvira and
    // ranks ahead.
    Banco b(5, 2);
    for (int posto = 1; posto <= 5; ++posto)
        b.Mano(posto, {posto});
    b.Tocca(2);
    b.s.Soldi = {0, 60, 0, 80, 60, 0, 0};
    b.r.Gioca(Azione::Stop);
    EXPECT_EQ(b.s.SenzaSoldi, 2);
    EXPECT_EQ(DescriviFinePartita(b.s),
              (FineDellaPartita{"   Bruno",
                                2,
                                5,
                                {"", "Anonimo", "Bruno", "Sandro", "Elvira", "Leonardo", ""},
                                {0, 60, 0, 80, 60, 0, 0}}));
    EXPECT_EQ(b.r.eventi.back(), "fine");
    // The player leaves: nothing more is dealt, and the table takes no move.
    const StatoTavolo s = b.s;
    EXPECT_FALSE(b.r.Gioca(Azione::Stop));
    EXPECT_FALSE(b.r.Gioca(Azione::NuovaPartita));
    EXPECT_EQ(b.s, s);
    EXPECT_EQ(b.s.CarteUscite, 5);
}

// The last place is "the last" however few seats play; every other place is named by its
// number.
TEST(FineManche, LUltimoPostoAncheConMenoDiSeiPosti) {
    const std::vector<std::array<int, 3>> casi = {
        // seats, the human's place, the place named
        {2, 2, Ultimo}, {3, 3, Ultimo}, {5, 5, Ultimo}, {6, 6, Ultimo},
        {2, 1, 1},      {6, 5, 5},      {4, 3, 3},
    };
    for (const auto& [giocatori, piazzamento, arrivo] : casi) {
        Banco b(giocatori, 1);
        b.s.Piazzamento = static_cast<Intero>(piazzamento);
        EXPECT_EQ(DescriviFinePartita(b.s).Arrivo, arrivo) << piazzamento << " of " << giocatori;
    }
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
