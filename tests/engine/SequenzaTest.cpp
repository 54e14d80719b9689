// Draws and stops, read off the recording window in the order the player meets them.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

using Eventi = std::vector<std::string>;
using Messaggi = std::vector<Annuncio>;
using test::Banco;
using test::Registro;

TEST(Sequenza, IlMazziereNonPrendeCarteCoperte) {
    Banco b(3, 1);
    b.Mani({{3, 12}, {5}, {6}}, 1);
    const StatoTavolo s = b.s;
    const VistaTavolo v = b.v;
    b.r.Gioca(Azione::CartaCoperta);
    EXPECT_EQ(b.r.eventi, Eventi{"beep"});
    EXPECT_EQ(b.s, s);
    EXPECT_EQ(b.v, v);
    EXPECT_EQ(b.caso.letti, 0);
}

// The human's turn ends by itself above 7, after a card face up or face down; at 7 it goes on,
// with the stake of 0 forced up to 1. A covered draw turns the covered card up into the new slot
// and shows the new one in slot 1. A bust groans and frowns, a 7 1/2 laughs. The dealer (seat 2)
// then stops on its 6.
TEST(Sequenza, LUmanoSiFermaDaSoloSopraSette) {
    const Annuncio minimo{Frase::MinimoForzato, 2};
    const std::vector<std::tuple<int, Azione, int, Singolo, const char*>> casi = {
        // first card, the draw, the card drawn, the score as the turn ends, the sound (if it ends)
        {3, Azione::CartaScoperta, 4, 7, nullptr},
        {7, Azione::CartaScoperta, 18, 7.5f, "SetteEMezzo"},
        {3, Azione::CartaCoperta, 24, 7, nullptr},
        {3, Azione::CartaCoperta, 25, 8, "Sballato"}};
    for (const auto& [prima, azione, carta, punti, suono] : casi) {
        SCOPED_TRACE(::testing::Message() << prima << " " << carta);
        Banco b(2, 2);
        b.Mani({{prima}, {16}}, 1);
        b.Cursore(0);
        b.Carte({carta});
        VistaTavolo fine; // the table as the turn ends: at the stop's sound, after the card
        bool volata = false, fermata = false;
        b.r.osserva = [&](const Evento& e) {
            if (fermata) return;
            fine = b.v;
            volata |= e.Tipo == TipoEvento::Volo;
            fermata = volata && Registro::Testo(e) == "suono: Stop";
        };
        b.r.Gioca(azione);
        const auto volte = [&](const std::string& e) {
            return std::count(b.r.eventi.begin(), b.r.eventi.end(), e);
        };
        const bool ferma = suono != nullptr;
        EXPECT_EQ(volte("riepilogo"), ferma);
        EXPECT_EQ(volte(std::string("suono: ") + (ferma ? suono : "Sballato")), ferma);
        const bool coperta = azione == Azione::CartaCoperta;
        EXPECT_EQ(fine.Carte[prima], (Luogo{1, std::int8_t(coperta ? 2 : 1)}));
        EXPECT_EQ(fine.Carte[carta], (Luogo{1, std::int8_t(coperta ? 1 : 2)}));
        EXPECT_EQ(fine.Etichette[1], (EtichettaPosto{EtichettaPosto::Tipo::Punteggio, punti}));
        EXPECT_EQ(fine.Volti[1], volte("suono: Sballato") ? Volto::Scontento : Volto::Contento);
        EXPECT_EQ(b.s.Turno, 1);
        if (!ferma) {
            EXPECT_EQ(b.r.messaggi, Messaggi{minimo});
            EXPECT_EQ(b.s.Posta[1], 1);
        }
    }
}

// The stake rules at the stop, and the matta valued there. The dealer (seat 2) stops on its 6.
TEST(Sequenza, LoStopDellUmano) {
    const Annuncio minimo{Frase::MinimoForzato, 2};
    const Annuncio rifiuto{Frase::RilancioRifiutato, 2};
    const Annuncio matta{Frase::MattaUscita, 0};
    struct Caso {
        std::vector<int> mano;
        int posta, cursore;
        Messaggi messaggi;
        Singolo punti;
        int importo;
    };
    const std::vector<Caso> casi = {
        {{1}, 0, 0, {minimo}, 1, -1},      {{1}, 0, 7, {}, 1, -7},
        {{1, 2}, 2, 3, {rifiuto}, 3, -2}, // no raise from the second card on
        {{1, 2, 3}, 2, 0, {}, 6, -2},     // a tie goes to the dealer
        {{10, 4, 2}, 2, 0, {matta}, 7, 2}, {{10, 3, 8}, 2, 0, {matta}, 7.5f, 2},
        {{10}, 0, 5, {matta}, 7, 5},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(::testing::PrintToString(c.mano));
        Banco b(2, 2);
        b.Mani({c.mano, {16}}, 1);
        b.s.Posta[1] = static_cast<Intero>(c.posta);
        b.Cursore(c.cursore);
        b.r.Gioca(Azione::Stop);
        EXPECT_EQ(b.r.messaggi, c.messaggi);
        EXPECT_EQ(b.r.riepilogo.Righe[1].Punti, c.punti);
        EXPECT_EQ(b.r.riepilogo.Righe[1].Importo, c.importo);
    }
}

TEST(Sequenza, DalloStopDellUmanoAlSuoTurnoSeguente) {
    // Seat 3 deals. The human stops on two cards with the slider at 4: too late to raise.
    Banco b(3, 3);
    b.Mani({{1, 2}, {16}, {25}}, 1);
    b.s.Posta[1] = 2;
    b.Cursore(4);
    b.Numeri({0.5});  // seat 2: a 6 on the first card stakes 15 and stops
    b.Numeri({0.55}); // the dealer's 5: it would bluff, but a dealer never does
    b.Carte({32});    // the dealer draws a 2: 7, and stops
    b.Carte({11, 12, 13});
    // The dealer plays with its covered card turned up and without the stake controls.
    int voli = 0;
    b.r.osserva = [&](const Evento& e) {
        if (e.Tipo != TipoEvento::Volo) return;
        ++voli;
        EXPECT_FALSE(b.v.Dorso[3]);
        EXPECT_EQ(b.v.Carte[25], (Luogo{3, 1}));
        EXPECT_FALSE(b.v.Cursore.Visibile || b.v.DidascaliaVisibile || b.v.MoneteVisibili);
        EXPECT_EQ(e.Carta.Mazziere, 3);
    };
    b.r.Gioca(Azione::Stop);
    EXPECT_EQ(voli, 1);
    EXPECT_EQ(b.r.messaggi, (Messaggi{{Frase::RilancioRifiutato, 3}}));
    // Nothing added: the human lost his 2 to the dealer's 7.
    EXPECT_EQ(b.r.riepilogo.Righe[1].Importo, -2);
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 48, 35, 67, 0, 0, 0}));
    EXPECT_TRUE(b.caso.Vuoto());
    EXPECT_EQ(b.caso.Risemi(), 7); // four draws, three decisions

    // The next manche: the human to play, the controls back, nothing staked.
    EXPECT_EQ(b.s.Turno, 1);
    EXPECT_EQ(b.s.TurniGiocati, 0);
    EXPECT_EQ(b.s.Posta, (std::array<Intero, 7>{}));
    EXPECT_TRUE(b.v.Dorso[3]);
    EXPECT_EQ(b.v.Etichette[1], (EtichettaPosto{EtichettaPosto::Tipo::Punteggio, 1}));
    EXPECT_EQ(b.v.Etichette[2], EtichettaPosto{});
    EXPECT_TRUE(b.v.Cursore.Visibile && b.v.CartaCoperta.Abilitato && b.v.MoneteVisibili);
    EXPECT_EQ(b.v.Posta, 1);
}

// The human deals and holds the matta alone: when his turn begins after seat 2's stop, it makes
// his hand 7.
TEST(Sequenza, LaMattaAllInizioDelTurno) {
    Banco b(2, 1);
    b.Mani({{10}, {16}}, 2);
    b.r.Gioca(Azione::Stop); // for seat 2, whose turn it is
    EXPECT_EQ(b.r.eventi, Eventi{"suono: Stop"});
    EXPECT_EQ(b.s.Turno, 1);
    EXPECT_EQ(b.s.Punteggio[1], 7);
    EXPECT_FALSE(b.v.Cursore.Visibile || b.v.CartaCoperta.Abilitato);
}

// Seat 2 takes a card; the human deals. A seat that passes 7, or 5 with the matta, stops without
// deciding (a decision reseeds the source), and 7 1/2 or a bust shows its covered card.
TEST(Sequenza, IlComputerPescaESiFerma) {
    struct Caso {
        std::vector<int> mano;
        int carta;
        int risemi;
        bool scoperta;
    };
    const std::vector<Caso> casi = {
        {{7}, 18, 1, true},     {{3}, 25, 1, true},     {{3}, 24, 2, false},
        {{10, 2}, 4, 1, false}, {{10, 2}, 3, 2, false}, {{2, 21}, 33, 2, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(::testing::Message() << c.mano[0] << " " << c.carta);
        Banco b(2, 1);
        b.Mani({{1}, c.mano}, 2);
        b.Carte({c.carta});
        b.r.Gioca(Azione::CartaScoperta);
        EXPECT_EQ(b.s.Turno, 1);
        EXPECT_EQ(b.s.NumCarte[2], static_cast<Intero>(c.mano.size() + 1));
        EXPECT_EQ(b.caso.Risemi(), c.risemi);
        EXPECT_EQ(b.v.Dorso[2], !c.scoperta);
        EXPECT_EQ(b.v.Carte[c.mano[0]], c.scoperta ? (Luogo{2, 1}) : Luogo{});
    }
}

// The human's slider chimes at every change and the coin bar follows it; he cannot move it
// while it is hidden (his turn as dealer) or locked (a card on its way).
TEST(Sequenza, IlCursoreDellUmano) {
    Banco b(3, 3);
    b.Mani({{3}, {5}, {6}}, 1);
    for (const auto& [valore, suono, monete] : std::vector<std::tuple<int, bool, int>>{
             {3, true, 3}, {3, false, 3}, {99, true, 15}, {-4, true, 0}}) {
        EXPECT_TRUE(b.r.Gioca(Azione::Posta, valore));
        EXPECT_EQ(b.r.eventi, Eventi(suono, "suono: Posta")) << valore;
        EXPECT_EQ(b.v.MoneteVisibili ? b.v.Monete : 0, monete) << valore;
        EXPECT_EQ(b.v.Didascalia, monete) << valore;
    }
    b.v.Cursore.Visibile = false;
    EXPECT_FALSE(b.r.Gioca(Azione::Posta, 5));
    b.v.Cursore = {true, false};
    EXPECT_FALSE(b.r.Gioca(Azione::Posta, 6));
    EXPECT_EQ(b.v.Posta, 0);
}

} // namespace
} // namespace brivetta
