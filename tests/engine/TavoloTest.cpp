#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

TEST(Avvio, NomiSemiEPostiDallAltezza) {
    for (const auto& [altezza, seggi] :
         std::vector<std::pair<int, int>>{{597, 6}, {596, 5}, {398, 3}, {-500, 2}, {32767, 6}})
        EXPECT_EQ(Gioco::GiocatoriPerAltezza(altezza), seggi) << altezza;

    test::Banco<> b(4, 0);
    EXPECT_EQ(b.s.Semi, (std::array<std::string, 5>{"", "Denare", "Coppe", "Bastoni", "Spade"}));
    // The leading blanks are part of the computer players' names.
    EXPECT_EQ(b.s.Nomi, (std::array<std::string, 7>{"", "Anonimo", "   Bruno", "  Sandro",
                                                    "   Elvira", "Leonardo", " Marisa"}));
    EXPECT_EQ(b.s.NumGiocatori, 4);
    // The human's name is centred on his panel (the test window gives 6 px a character), and a
    // long one sticks out on both sides.
    b.s.Nomi[1] = "Ugo Ugolino";
    b.g.DisegnaTavolo();
    EXPECT_EQ(b.v.Label4, (Etichetta{{36, AltoLabel4}, "Ugo Ugolino"}));
}

TEST(Cursore, IlCambioRiscriveLaPostaESuonaSoloPerLUmano) {
    struct Passo {
        int turno, valore;
        bool utente; // moved by the player rather than by the game
        bool suono;
        std::string label1;
        int barra; // width of the stake bar, 0 when hidden
    };
    const std::vector<Passo> passi = {
        {1, 3, true, true, "3€", 27},      {1, 3, false, false, "3€", 27}, // same value: nothing
        {2, 12, false, false, "12€", 108}, {1, 99, true, true, "15€", 135},
        {1, -4, true, true, "0€", 0},
    };
    test::Banco<> b(3, 3);
    for (const auto& p : passi) {
        SCOPED_TRACE(p.valore);
        b.ui.eventi.clear();
        b.s.Turno = static_cast<Intero>(p.turno);
        if (p.utente)
            b.g.CambiaCursore(p.valore);
        else
            b.g.ImpostaCursore(p.valore);
        EXPECT_EQ(b.ui.eventi, std::vector<std::string>(p.suono, "suono: dindin.wav"));
        EXPECT_EQ(b.v.Label1, p.label1);
        EXPECT_EQ(b.v.Picture4Visibile ? b.v.Picture4Larghezza : 0, p.barra);
    }
    // The player cannot move a hidden slider (his turn as dealer) or a locked one (a card moves).
    b.ui.eventi.clear();
    b.v.HScroll1Ctl.Visibile = false;
    b.g.CambiaCursore(5);
    b.v.HScroll1Ctl = {true, false};
    b.g.CambiaCursore(6);
    EXPECT_EQ(b.v.HScroll1, 0);
    EXPECT_TRUE(b.ui.eventi.empty());
}

// The controls a moving card locks: the four buttons, the slider and two menu entries.
int Abilitati(const VistaTavolo& v) {
    return v.Command3d1.Abilitato + v.Command3d2.Abilitato + v.Command3d3.Abilitato +
           v.Command3d4.Abilitato + v.HScroll1Ctl.Abilitato + v.FileNuovoAbilitato +
           v.MenuspeedAbilitato;
}

// Counts the controls left enabled while a card is on its way.
class Osservatore : public test::Registro {
  public:
    const VistaTavolo* v = nullptr;
    int abilitati = 0;
    void PassoAnimazione() override {
        Registro::PassoAnimazione();
        abilitati += Abilitati(*v);
    }
};

TEST(MuoviCarta, ArrivaEsattaAllaSuaVelocita) {
    struct Caso {
        int velocita;
        int posizione; // 0: from the deck (seat 4's row, top 320); k: turned up into slot k
        Posizione arrivo;
        int passiMinimi; // the longer leg divided by the step, rounded up
    };
    const std::vector<Caso> casi = {
        {100, 0, {217, 28}, 15},
        {0, 0, {217, 28}, 1460}, // an unset speed moves as the slowest
        {3, 1, {101, 28}, 44},   // starts 5 px above the slot
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.velocita);
        test::Banco<Osservatore> b(4, 4);
        b.ui.v = &b.v;
        b.s.VelocitaCarta = static_cast<Intero>(c.velocita);
        b.s.Turno = 1;
        b.s.NumCarte[1] = 3;
        b.v.Command3d4.Abilitato = false; // withdrawn for the dealer, back after any card
        b.g.MuoviCarta(c.posizione, 7);
        EXPECT_EQ(b.v.Picture1[7], c.arrivo);
        EXPECT_GE(b.ui.passi, c.passiMinimi);
        EXPECT_LE(b.ui.passi, c.passiMinimi + 1);
        EXPECT_EQ(b.ui.abilitati, 0);
        EXPECT_EQ(Abilitati(b.v), 7);
    }
}

} // namespace
} // namespace brivetta
