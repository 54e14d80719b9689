// What the human's moves are worth, against positions worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Banco.h"
#include "Consigliere.h"

namespace brivetta {
namespace {

using test::Banco;

// The figures and the matta: Denare 8, 9, 10; Coppe 18..20; Bastoni 28..30; Spade 38..40.
const std::vector<int> Figure = {8, 9, 18, 19, 20, 28, 29, 30, 38, 39, 40};

struct Posizione {
    const char* nome;
    int mazziere;
    std::vector<std::vector<int>> mani; // seat 1 the human; seat 2's first card is covered
    bool scoperta;                      // seat 2 has shown its covered card
    int postaAltrui;                    // seat 2's stake, when it has played
    std::vector<int> restano;           // every other card is put aside
    bool vincitaDoppia;
    int cursore;
    double stop, carta; // worked out by hand
    Azione migliore;
};

void Prepara(Banco& b, const Posizione& p) {
    b.s.VincitaDoppia = p.vincitaDoppia;
    b.Mani(p.mani, 1);
    if (p.scoperta) {
        b.v.Dorso[2] = false;
        b.v.Carte[p.mani[1].front()] = {2, 1};
    }
    b.s.Posta[2] = static_cast<Intero>(p.postaAltrui);
    b.Cursore(p.cursore);
    for (int c = 1; c <= CarteNelMazzo; ++c) {
        const bool resta = std::find(p.restano.begin(), p.restano.end(), c) != p.restano.end();
        if (b.s.Mazzo[c] == StatoCarta::NelMazzo && !resta) {
            b.s.Mazzo[c] = StatoCarta::Usata;
            ++b.s.CarteUscite;
        }
    }
}

std::vector<int> Tutte() {
    std::vector<int> carte(CarteNelMazzo);
    for (int c = 1; c <= CarteNelMazzo; ++c)
        carte[static_cast<std::size_t>(c - 1)] = c;
    return carte;
}

std::vector<Posizione> Posizioni() {
    const Azione Carta = Azione::CartaScoperta, Ferma = Azione::Stop;
    const std::vector<int> SeiOSette = {6, 16, 26, 36, 17, 27, 37};
    const double Fermo = -3.0 * 19 / 21, CartaFermo = -3.0 * 3 / 4 + Fermo / 4;
    return {
        // The human deals with 6 against a stopped 6 and a covered card that can only be a
        // figure: stopping pays seat 2's 3, a figure ties at 6 1/2 and ties go to the dealer.
        {"solo figure, mazziere", 1, {{4, 2}, {18, 6}}, false, 3, Figure, true, 0, -3, 3, Carta},
        // Seat 2 shows 7 1/2 with two cards: the dealer pays it double unless he reaches 7 1/2
        // himself, three figures on, and the tie wins him its double stake.
        {"sette e mezzo doppio", 1, {{4, 2}, {18, 7}}, true, 3, Figure, true, 0, -6, 6, Carta},
        {"sette e mezzo semplice", 1, {{4, 2}, {18, 7}}, true, 3, Figure, false, 0, -3, 3, Carta},
        // The human holds 7 against the dealer's covered card, a 6 four times in seven, else a
        // 7: the dealer stops on either. Every card left busts him.
        {"ogni carta sballa", 2, {{7}, {16}}, false, 0, SeiOSette, true, 2, 2.0 / 7, -2, Ferma},
        // Seat 2 stopped on its covered card: a 7 always does, a 5 only bluffing (1 in 10), a
        // figure never. Of the unseen 5, 7, 7 and figure it holds a 7 twenty times in 21.
        {"fermo", 1, {{4, 2}, {17}}, false, 3, {5, 7, 18}, false, 0, Fermo, CartaFermo, Ferma},
        // A fresh deck: the dealer draws on from his covered card, each card he takes one fewer
        // of its kind. Counted class by class by the exact bench's own counter.
        {"mazzo intero", 2, {{5}, {21}}, false, 0, Tutte(), true, 0, -0.320601, -0.560967, Ferma},
        {"sballa, minima", 2, {{7}, {16}}, false, 0, SeiOSette, false, 0, 1.0 / 7, -1, Ferma},
    };
}

TEST(Consigliere, ValoriEsattiInPosizioniContateAMano) {
    for (const Posizione& p : Posizioni()) {
        SCOPED_TRACE(p.nome);
        Banco b(2, p.mazziere);
        Prepara(b, p);
        const Consiglio c = Consiglia(b.s, b.v, p.cursore, {20000, 7});
        // At two seats every card is counted.
        const double tolleranza = 1e-5;
        EXPECT_NEAR(c.Stop, p.stop, tolleranza);
        EXPECT_NEAR(c.Carta, p.carta, tolleranza);
        EXPECT_LE(c.MargineStop, tolleranza);
        EXPECT_EQ(c.MeglioCarta(), p.migliore == Azione::CartaScoperta);
        const Mossa m = MossaMigliore(b.s, ValutaMosse(b.s, b.v, {2000, 3}));
        EXPECT_EQ(m.Gesto, p.migliore);
    }
}

// The stake the advisor plays: all it may when the move gains, the least the dealer takes when
// it loses, nothing for the dealer.
TEST(Consigliere, PostaConsigliata) {
    const std::vector<Posizione> pos = Posizioni();
    struct Caso {
        int posizione;
        int cursore;
    };
    for (const auto& [k, cursore] : std::vector<Caso>{{0, 0}, {3, MassimoCursore}}) {
        Banco b(2, pos[k].mazziere);
        Prepara(b, pos[k]);
        const Mossa m = MossaMigliore(b.s, ValutaMosse(b.s, b.v, {2000, 3}));
        EXPECT_EQ(m.Cursore, cursore) << pos[k].nome;
    }
    // A losing first card still stakes the minimum.
    ValoreMosse perde;
    perde.Stop = -0.5;
    perde.Carta = -0.6;
    Banco b(2, 2);
    b.Mani({{5}, {21}}, 1);
    const Mossa m = MossaMigliore(b.s, perde);
    EXPECT_EQ(m.Gesto, Azione::Stop);
    EXPECT_EQ(m.Cursore, 1);
}

// The same seed gives the same figures, whatever the threads; the samples cover the other seats'
// play, so larger tables keep their margin within 2% of the stake.
TEST(Consigliere, RiproducibileEConMargine) {
    Banco b(4, 3);
    b.Mani({{5, 21}, {14, 33}, {26}, {8}}, 1);
    b.s.Posta[1] = 2;
    b.s.Posta[2] = 3;
    b.Cursore(0);
    const Consiglio a = Consiglia(b.s, b.v, 0, {10000, 11, 1});
    const Consiglio c = Consiglia(b.s, b.v, 0, {10000, 11, 3});
    EXPECT_EQ(a.Stop, c.Stop);
    EXPECT_EQ(a.Carta, c.Carta);
    EXPECT_LE(a.MargineStop, 0.02 * 2);
    EXPECT_LE(a.MargineCarta, 0.02 * 2);
    // A figure in hand leaves him many hands to reach: enough work to share among threads.
    Banco f(4, 3);
    f.Mani({{18}, {14}, {26}, {9}}, 1);
    f.Cursore(0);
    const ValoreMosse uno = ValutaMosse(f.s, f.v, {10000, 5, 1});
    const ValoreMosse tre = ValutaMosse(f.s, f.v, {10000, 5, 3});
    EXPECT_EQ(uno.Stop, tre.Stop);
    EXPECT_EQ(uno.Carta, tre.Carta);
    // Against 200,000 whole play-outs of the unseen cards' orders, seat 2 bluffing on the way.
    EXPECT_NEAR(a.Stop, 2 * -0.1139, 0.02 * 2);
    EXPECT_NEAR(a.Carta, 2 * -0.4803, 0.02 * 2);
}

// Plugged into the human's seat, the advisor plays from the next move on: here a stop at the
// first card with all it may stake, which the dealer's 6 pays.
TEST(Consigliere, GiocaPerLUmano) {
    const Posizione p = Posizioni()[3];
    Banco b(2, p.mazziere);
    Prepara(b, p);
    StrategiaConsiglio consiglio(b.v, 2000);
    b.g.ImpostaStrategia(1, &consiglio);
    int importo = 0;
    b.r.osserva = [&](const Evento& e) {
        if (e.Tipo != TipoEvento::Riepilogo || importo != 0) return;
        importo = b.s.Posta[1];
        b.g.ImpostaStrategia(1, nullptr); // the human takes his seat back
    };
    b.r.Gioca(Azione::Posta, 2);
    EXPECT_EQ(importo, MassimoCursore);
}

// Outside the human's move there is nothing to advise.
TEST(Consigliere, NienteFuoriDalTurnoDellUmano) {
    Banco b(2, 2);
    b.Mani({{5}, {21}}, 2);
    const Consiglio c = Consiglia(b.s, b.v, 1, {});
    EXPECT_FALSE(c.CartaPossibile);
    EXPECT_EQ(c.Stop, 0);
}

} // namespace
} // namespace brivetta
