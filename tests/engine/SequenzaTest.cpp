// Whole sequences of play, read off the recording window in the order the player meets them.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

using Eventi = std::vector<std::string>;

// Keeps a copy of the table the first time the stop sound plays. With `prova` set it also
// tries every play action, and a move of the slider, from inside each yield.
class Finestra : public test::Registro {
  public:
    Gioco* g = nullptr;
    bool prova = false;
    int accettate = 0, tentate = 0;
    std::optional<StatoTavolo> s;
    std::optional<VistaTavolo> v;
    void Suona(const std::string& file) override {
        Registro::Suona(file);
        if (file == "SOUND112.wav" && !s) s = g->Stato(), v = g->Vista();
    }
    void Cedi() override { Registro::Cedi(), Prova(); }
    void PassoAnimazione() override { Registro::PassoAnimazione(), Prova(); }
    void Prova() {
        if (!prova) return;
        prova = false; // one level deep, so a missing guard fails rather than recursing
        for (auto a :
             {Azione::NuovaPartita, Azione::CartaScoperta, Azione::CartaCoperta, Azione::Stop})
            accettate += g->Esegui(a), ++tentate;
        g->CambiaCursore(7);
        prova = true;
    }
};

struct Tavolo : test::Banco<Finestra> {
    Tavolo(int giocatori, int mazziere) : Banco(giocatori, mazziere) { ui.g = &g; }
};

TEST(Sequenza, PescaScopertaConCursoreAZeroForzaIlMinimo) {
    test::Banco<> b(2, 2);
    b.Mani({{3}, {16}});
    b.v.HScroll1 = 0;
    b.Carte({4});
    b.g.Command3d2_Click();

    EXPECT_EQ(b.ui.eventi,
              (Eventi{"messaggio: Avviso dal mazziere (Bruno) - 'Se hai paura di perdere non "
                      "giocare! Almeno un $ sei costretto a puntarlo, per questa volta l'ho "
                      "fatto io.'",
                      "suono: dindin.wav", "suono: SOUND112.wav", "suono: dindin.wav"}));
    EXPECT_EQ(b.s.Posta[1], 1);
    EXPECT_EQ(b.v.Label5[0].Testo, "7"); // the human's label shows his score after a card
    EXPECT_EQ(b.v.Label1, "0€");
    EXPECT_EQ(b.s.Turno, 1); // 7 is not above 7: the turn goes on
}

TEST(Sequenza, IlMazziereNonPrendeCarteCoperte) {
    test::Banco<> b(3, 1);
    b.Mani({{3, 12}, {5}, {6}});
    const StatoTavolo s = b.s;
    const VistaTavolo v = b.v;
    b.g.Command3d4_Click();
    EXPECT_EQ(b.ui.eventi, Eventi{"beep"});
    EXPECT_EQ(b.s, s);
    EXPECT_EQ(b.v, v);
    EXPECT_EQ(b.caso.letti, 0);
}

TEST(Sequenza, CopertaTrePoiCinqueSballaEFerma) {
    // Once in a window that keeps still, once in one that tries every action inside each
    // yield: the busy guard refuses them all and both play out the same.
    Tavolo quieto(2, 2), b(2, 2);
    b.ui.prova = true;
    for (Tavolo* t : {&quieto, &b}) {
        t->Mani({{3}, {16}});
        t->Carte({5});      // the human's covered card
        t->Numeri({0.3});   // the dealer stops on its 6
        t->Carte({21, 12}); // next manche
        EXPECT_TRUE(t->g.Esegui(Azione::CartaCoperta));
        EXPECT_FALSE(t->g.Occupato());
    }
    EXPECT_GT(b.ui.tentate, 0);
    EXPECT_EQ(b.ui.accettate, 0);
    EXPECT_EQ(b.s, quieto.s);
    EXPECT_EQ(b.v, quieto.v);
    EXPECT_EQ(quieto.ui.eventi, b.ui.eventi);
    EXPECT_EQ(b.ui.eventi, (Eventi{"suono: laser.wav", "suono: oh_no.wav", "suono: dindin.wav",
                                   "suono: SOUND112.wav", "suono: dindin.wav",
                                   "suono: SOUND112.wav", "riepilogo"}));
    // At the stop: the 3 turned up into slot 2, the 5 face up in slot 1, frowning face, bust.
    ASSERT_TRUE(b.ui.s.has_value());
    EXPECT_EQ(b.ui.s->Mano[1][1], 5);
    EXPECT_EQ(b.ui.s->Mano[1][2], 3);
    EXPECT_EQ(b.ui.v->Picture1[3], (Posizione{159, 28}));
    EXPECT_EQ(b.ui.v->Picture1[5], (Posizione{101, 28}));
    EXPECT_EQ(b.ui.v->Picture3[1], (Posizione{SinistraFaccia, 36}));
    EXPECT_EQ(b.ui.v->Label5[0].Testo, "Out");
    // The bust cost the stake of 1; the next manche waits for the human.
    EXPECT_EQ(b.s.Soldi[1], 49);
    EXPECT_EQ(b.s.Turno, 1);
    EXPECT_EQ(b.s.CarteUscite, 5);
}

TEST(Sequenza, DalloStopDellUmanoAlSuoTurnoSeguente) {
    // Seat 3 deals. The human stops on three cards with the slider at 4: too late to raise.
    Tavolo b(3, 3);
    b.Mani({{1, 2, 22}, {16}, {25}});
    b.s.Posta[1] = 2;
    b.v.HScroll1 = 4;
    b.Numeri({0.5});  // seat 2: a 6 on the first card stakes 15 and stops
    b.Numeri({0.55}); // the dealer's 5: it would bluff, but a dealer never does
    b.Carte({32});    // the dealer draws a 2: 7, and stops
    b.Carte({11, 12, 13});
    b.g.Command3d3_Click();

    EXPECT_EQ(b.ui.eventi,
              (Eventi{"messaggio: Avviso dal mazziere (Sandro) - 'Vuoi vincermi anche le "
                      "mutande! - Quando un giocatore si ferma (premendo il bottone <Stop>) può "
                      "puntare solo con la prima carta. L'ultima puntata non viene affatto "
                      "accettata.'",
                      "suono: dindin.wav", "suono: SOUND112.wav", "suono: dindin.wav",
                      "suono: SOUND112.wav", "suono: SOUND112.wav", "suono: SOUND112.wav",
                      "suono: oh_no.wav", "riepilogo"}));
    EXPECT_EQ(b.ui.v->HScroll1, 0); // at the stop
    // Nothing added: the human lost his 2 to the dealer's 7.
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 48, 35, 67, 0, 0, 0}));
    EXPECT_TRUE(b.caso.Vuoto());
    EXPECT_EQ(b.caso.Risemi(), 7); // four draws, three decisions

    // The next manche: the human to play, the controls back, nothing staked.
    EXPECT_EQ(b.s.Turno, 1);
    EXPECT_EQ(b.s.TurniGiocati, 0);
    EXPECT_EQ(b.s.Posta, (std::array<Intero, 7>{}));
    EXPECT_EQ(b.s.CarteUscite, 9);
    EXPECT_EQ(b.v.Picture1[43], (Posizione{101, 226}));
    EXPECT_EQ(b.v.Picture1[32].Alto, b.v.Altezza);
    EXPECT_EQ(b.v.Picture1[0], (Posizione{SinistraMazzo, 226}));
    EXPECT_EQ(b.v.Label5[0].Testo, "1");
    EXPECT_EQ(b.v.Label5[1].Testo, "");
    EXPECT_TRUE(b.v.HScroll1Ctl.Visibile && b.v.Command3d4.Abilitato);
    EXPECT_EQ(b.v.HScroll1, 1);
}

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
        {150, 0.99, 2, "   Bruno (COMPUTER) ", 2},
        {4 * 99 + 3, 0.9, 4, "   Elvira (COMPUTER) ", 4},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.annunciato);
        test::Banco<> b(6, 1);
        b.s.MalloppoIniziale = 60;
        b.Mani({{10, 4}, {33, 8, 9}});
        b.s.GiocatoreMatta = 1;
        b.s.Posta = {0, 3, 5, 0, 0, 0, 0};
        for (int carta : {10, 4, 33, 8, 9})
            b.v.Picture1[carta] = {200, 28};
        b.ui.altezza = c.altezza;
        b.Numeri({c.numero});
        // Seat 1 an ace, the others a 6 or a 7: those that play before the human stop at once.
        for (int seat = 1; seat <= c.seggi; ++seat)
            b.caso.AggiungiCarta(std::array{1, 6, 16, 26, 36, 7}[seat - 1]);
        const int primaDellUmano = c.mazziere == 1 ? c.seggi - 1 : c.seggi - c.mazziere;
        for (int k = 0; k < primaDellUmano; ++k)
            b.Numeri({0.5});
        b.g.NuovaPartita();

        Eventi attesi{"messaggio: Attenzione si inizia una nuova partita ora. " + c.annunciato +
                      " terrà il mazzo."};
        attesi.insert(attesi.end(), primaDellUmano, "suono: SOUND112.wav");
        EXPECT_EQ(b.ui.eventi, attesi);
        EXPECT_TRUE(b.caso.Vuoto());
        EXPECT_EQ(b.s.Mazziere, c.mazziere);
        EXPECT_EQ(b.s.Turno, 1);
        EXPECT_EQ(b.s.CarteUscite, c.seggi);
        EXPECT_EQ(b.v.Picture1[0], (Posizione{SinistraMazzo, 99 * (c.mazziere - 1) + 28}));
        for (int seat = 1; seat <= c.seggi; ++seat) {
            EXPECT_EQ(b.s.Soldi[seat], 60);
            EXPECT_EQ(b.s.NumCarte[seat], 1);
            const bool giocato = seat > c.mazziere && seat != 1; // before the human
            EXPECT_EQ(b.s.Posta[seat], giocato ? 15 : 0) << seat;
            EXPECT_EQ(b.v.Label5[seat - 1].Testo, giocato ? "€15/60" : seat == 1 ? "1" : "");
        }
        EXPECT_EQ(b.s.GiocatoreMatta, 0);
        for (int carta : {10, 4, 33, 8, 9}) {
            EXPECT_EQ(b.v.Picture1[carta].Alto, c.altezza) << carta;
            EXPECT_EQ(b.s.Mazzo[carta], NelMazzo) << carta;
        }
        for (int r = c.seggi; r < MaxGiocatori; ++r) // the labels of seats not in play
            EXPECT_EQ(b.v.Label5[r].Pos.Alto, c.altezza);
        // The human dealer plays last, without the slider and the stake bar.
        EXPECT_EQ(b.v.HScroll1Ctl.Visibile, c.mazziere != 1);
        EXPECT_EQ(b.v.Picture4Visibile, c.mazziere != 1);
    }
}

TEST(FineManche, AltraPartitaInterrompeLoStopDellaVecchia) {
    // The human stakes his last coin and loses it to the dealer's 6; another game starts,
    // where the human plays first holding the matta: the old stop must not value it.
    test::Banco<> b(2, 2);
    b.Soldi({1, 99});
    b.Mani({{4}, {16}});
    b.v.HScroll1 = 1;
    b.ui.scelta = SceltaFine::AltraPartita;
    b.Numeri({0.3});  // the dealer stops on its 6
    b.Numeri({0.99}); // the new game's dealer: seat 2
    b.Carte({10, 5});
    b.g.Command3d3_Click();

    ASSERT_GE(b.ui.eventi.size(), 2u);
    EXPECT_EQ(Eventi(b.ui.eventi.end() - 2, b.ui.eventi.end()),
              (Eventi{"fine", "messaggio: Attenzione si inizia una nuova partita ora.    Bruno "
                              "(COMPUTER)  terrà il mazzo."}));
    EXPECT_EQ(b.s.Punteggio[1], 0);
    EXPECT_EQ(b.s.GiocatoreMatta, 1);
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 50, 50, 0, 0, 0, 0}));
    EXPECT_EQ(b.s.Turno, 1);
}

TEST(FineManche, FineGiocoFermaTuttaLaCatena) {
    // Seat 3 has played; the human stops; the dealer (seat 2) draws, busts, pays both and is
    // broke. Seat 3 would be next in turn order, but the game is over.
    test::Banco<> b(3, 2);
    b.Soldi({50, 2, 50});
    b.Mani({{4}, {13}, {5}});
    b.s.Posta[3] = 1;
    b.v.HScroll1 = 1;
    b.Numeri({0.3}); // the dealer's 3: draw
    b.Carte({37});   // a 7: 10, bust
    b.g.Command3d3_Click();

    ASSERT_FALSE(b.ui.eventi.empty());
    EXPECT_EQ(b.ui.eventi.back(), "fine");
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 51, 0, 51, 0, 0, 0}));
    EXPECT_EQ(b.caso.Risemi(), 2); // the dealer's decision and its draw; seat 3 never decides
    const StatoTavolo s = b.s;
    const auto eventi = b.ui.eventi.size();
    EXPECT_TRUE(b.g.Esegui(Azione::Stop));
    EXPECT_TRUE(b.g.Esegui(Azione::CartaScoperta));
    EXPECT_EQ(b.s, s);
    EXPECT_EQ(b.ui.eventi.size(), eventi);
}

} // namespace
} // namespace brivetta
