#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

using Eventi = std::vector<std::string>;

TEST(Cursore, IlCambioRiscriveLaPostaESuonaSoloPerLUmano) {
    struct Passo {
        int turno;
        int valore;
        bool utente; // moved by the player rather than by the game
        Eventi eventi;
        std::string label1;
        bool barra;
        int larghezza;
    };
    const std::vector<Passo> passi = {
        {1, 3, true, {"suono: dindin.wav"}, "3€", true, 27},
        {1, 3, false, {}, "3€", true, 27}, // the same value fires nothing
        {1, 0, false, {"suono: dindin.wav"}, "0€", false, 27},
        {2, 12, false, {}, "12€", true, 108},
        {1, 99, true, {"suono: dindin.wav"}, "15€", true, 135}, // nothing is wider than 15
        {1, -4, true, {"suono: dindin.wav"}, "0€", false, 135},
    };
    test::Banco<> b(3, 3);
    b.v.HScroll1 = 1;
    for (const auto& p : passi) {
        b.ui.eventi.clear();
        b.s.Turno = static_cast<Intero>(p.turno);
        if (p.utente)
            b.g.CambiaCursore(p.valore);
        else
            b.g.ImpostaCursore(p.valore);
        EXPECT_EQ(b.ui.eventi, p.eventi) << p.valore;
        EXPECT_EQ(b.v.Label1, p.label1);
        EXPECT_EQ(b.v.Picture4Visibile, p.barra) << p.valore;
        if (p.barra) {
            EXPECT_EQ(b.v.Picture4Larghezza, p.larghezza);
        }
    }
}

TEST(Cursore, IlGiocatoreNonMuoveUnCursoreNascostoOBloccato) {
    test::Banco<> b(3, 1);
    b.s.Turno = 1;
    b.v.HScroll1 = 1;
    b.v.HScroll1Ctl.Visibile = false; // the human's turn as dealer
    b.g.CambiaCursore(5);
    b.v.HScroll1Ctl = {true, false}; // a card is moving
    b.g.CambiaCursore(6);
    EXPECT_EQ(b.v.HScroll1, 1);
    EXPECT_TRUE(b.ui.eventi.empty());
}

TEST(AggiornaPosta, AggiungeIlPassoTranneAlMazziere) {
    test::Banco<> b(3, 3);
    b.s.Soldi[2] = 3;
    b.s.Posta[2] = 4;
    b.s.Turno = 2;
    b.v.HScroll1 = 15; // no rule ties the stake to the money
    b.g.AggiornaPosta();
    EXPECT_EQ(b.s.Posta[2], 19);
    EXPECT_EQ(b.v.Label5[1].Testo, "€19/3");

    b.s.Turno = 3;
    b.v.Label5[2].Testo = "x";
    b.g.AggiornaPosta();
    EXPECT_EQ(b.s.Posta[3], 0);
    EXPECT_EQ(b.v.Label5[2].Testo, "x");
}

// Watches the controls while the card is on its way.
class Osservatore : public test::Registro {
  public:
    const VistaTavolo* vista = nullptr;
    int picture = 0;
    bool sempreBloccati = true;
    std::vector<Posizione> percorso;
    void PassoAnimazione() override {
        Registro::PassoAnimazione();
        const auto& v = *vista;
        sempreBloccati &= !v.Command3d1.Abilitato && !v.Command3d2.Abilitato &&
                          !v.Command3d3.Abilitato && !v.Command3d4.Abilitato &&
                          !v.HScroll1Ctl.Abilitato && !v.FileNuovoAbilitato &&
                          !v.MenuspeedAbilitato;
        percorso.push_back(v.Picture1[picture]);
    }
};

struct CasoMovimento {
    int velocita;
    int posizione; // 0: from the deck; k: turned up into slot k
    int altoPartenza;
    Posizione arrivo;
    int passiMinimi; // the longer leg divided by the step, rounded up
};

TEST(MuoviCarta, ArrivaEsattaAllaSuaVelocita) {
    // The human (seat 1) holds 3 cards; the deck is at seat 4's row (start top 320).
    const std::vector<CasoMovimento> casi = {
        {100, 0, 320, {217, 28}, 15}, {5, 0, 320, {217, 28}, 292},  {7, 0, 320, {217, 28}, 209},
        {1, 0, 320, {217, 28}, 1460}, {0, 0, 320, {217, 28}, 1460}, // an unset speed moves as the
                                                                    // slowest
        {100, 2, 23, {159, 28}, 5},   {3, 1, 23, {101, 28}, 44},
    };
    for (const auto& c : casi) {
        test::Banco<Osservatore> b(4, 4);
        b.ui.vista = &b.v;
        b.ui.picture = 7;
        b.s.VelocitaCarta = static_cast<Intero>(c.velocita);
        b.s.Turno = 1;
        b.s.NumCarte[1] = 3;
        b.v.Command3d4.Abilitato = false; // withdrawn for the dealer, back after any card
        b.g.MuoviCarta(c.posizione, 7);
        EXPECT_EQ(b.v.Picture1[7], c.arrivo) << c.velocita;
        EXPECT_GE(b.ui.passi, c.passiMinimi) << c.velocita;
        EXPECT_LE(b.ui.passi, c.passiMinimi + 1) << c.velocita;
        EXPECT_TRUE(b.ui.sempreBloccati);
        for (auto* ctl :
             {&b.v.Command3d1, &b.v.Command3d2, &b.v.Command3d3, &b.v.Command3d4, &b.v.HScroll1Ctl})
            EXPECT_TRUE(ctl->Abilitato);
        EXPECT_TRUE(b.v.FileNuovoAbilitato && b.v.MenuspeedAbilitato);
        // Never past the slot on the way.
        for (const auto& p : b.ui.percorso) {
            EXPECT_LE(p.Sinistra, c.arrivo.Sinistra);
            EXPECT_GE(p.Alto, std::min(c.altoPartenza, c.arrivo.Alto));
            EXPECT_LE(p.Alto, std::max(c.altoPartenza, c.arrivo.Alto));
        }
    }
}

TEST(DisegnaTavolo, IlNomeDellUmanoECentratoSulPannello) {
    const std::vector<std::pair<std::string, int>> casi = {
        {"Anonimo", (58 - 42) / 2 + 40}, {"Bo", 63}, {"MASSIMOX", 45}, {"Ugo Ugolino", 36}};
    for (const auto& [nome, sinistra] : casi) {
        test::Banco<> b(4, 1);
        b.s.Nomi[1] = nome;
        b.g.DisegnaTavolo();
        EXPECT_EQ(b.v.Label4.Testo, nome);
        EXPECT_EQ(b.v.Label4.Pos, (Posizione{sinistra, AltoLabel4})) << nome;
        EXPECT_EQ(b.v.RigheDipinte, 4);
    }
}

} // namespace
} // namespace brivetta
