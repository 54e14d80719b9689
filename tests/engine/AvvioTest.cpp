#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Gioco.h"
#include "Registro.h"

namespace brivetta {
namespace {

TEST(GiocatoriPerAltezza, RigheDa99FinoASei) {
    const std::vector<std::pair<int, int>> casi = {
        {597, 6}, {596, 5}, {498, 5}, {497, 4}, {399, 4},  {398, 3},  {300, 3},  {299, 2},
        {201, 2}, {200, 2}, {102, 2}, {0, 2},   {-500, 2}, {2000, 6}, {32767, 6}};
    for (const auto& [altezza, seggi] : casi)
        EXPECT_EQ(Gioco::GiocatoriPerAltezza(altezza), seggi) << altezza;
}

// From the all-zero state to the idle table, as the table window's load does it.
TEST(Avvio, TavoloFermoSenzaNullaInVista) {
    for (const int altezza : {597, 400}) {
        SCOPED_TRACE(altezza);
        StatoTavolo s;
        VistaTavolo v;
        test::Registro ui;
        ui.altezza = altezza;
        CasualeScriptato caso;
        Gioco g(s, v, ui, caso);
        g.AvvioIniziale();
        g.AvvioFinale();

        EXPECT_EQ(s.Semi, (std::array<std::string, 5>{"", "Denare", "Coppe", "Bastoni", "Spade"}));
        // The leading blanks are part of the computer players' names.
        EXPECT_EQ(s.Nomi, (std::array<std::string, 7>{"", "Anonimo", "   Bruno", "  Sandro",
                                                      "   Elvira", "Leonardo", " Marisa"}));
        EXPECT_EQ(s.Suono, 1);
        EXPECT_EQ(s.NumGiocatori, altezza == 597 ? 6 : 4);

        // Nothing of a game runs yet.
        EXPECT_EQ(s.Turno, 0);
        EXPECT_EQ(s.Mazziere, 0);
        EXPECT_EQ(s.CarteUscite, 0);
        EXPECT_EQ(s.TurniGiocati, 0);
        for (int seat = 1; seat <= MaxGiocatori; ++seat) {
            EXPECT_EQ(s.NumCarte[seat], 0);
            EXPECT_EQ(s.Soldi[seat], 0);
            EXPECT_EQ(s.Posta[seat], 0);
            EXPECT_EQ(s.Punteggio[seat], 0.0f);
        }
        for (int c = 1; c <= CarteNelMazzo; ++c)
            EXPECT_EQ(s.Mazzo[c], NelMazzo);

        // Every card, face, seat label and the turn marker wait below the bottom edge.
        for (const auto& p : v.Picture1)
            EXPECT_EQ(p.Alto, altezza);
        for (int i = 0; i <= 19; ++i)
            EXPECT_EQ(v.Picture3[i].Alto, altezza) << i;
        for (const auto& l : v.Label5)
            EXPECT_EQ(l.Pos.Alto, altezza);
        EXPECT_EQ(v.Picture2.Alto, altezza);
        EXPECT_TRUE(ui.eventi.empty());
    }
}

} // namespace
} // namespace brivetta
