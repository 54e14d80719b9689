// The computer seats' decisions: the stake step and a card or a stop; and each seat played by
// the strategy it is given.
#include <gtest/gtest.h>

#include <vector>

#include "Banco.h"
#include "StrategiaTabella.h"

namespace brivetta {
namespace {

TEST(StrategiaTabella, SegueLaTabella) {
    struct Caso {
        Singolo punti;
        int carte;
        bool matta, mazziere;
        int bluff;
        std::vector<double> numeri; // exactly those the decision must read
        int cursore;
        bool pesca;
    };
    const std::vector<Caso> casi = {
        {0, 1, true, false, 5, {}, 15, true},           // the matta alone
        {0.5f, 1, true, false, 5, {}, 15, true},        // matta and a figure
        {0.5f, 1, false, false, 5, {0.0}, 1, true},     // a figure: 1 to 5
        {6, 1, true, false, 5, {}, 15, true},           // the matta valued 6
        {6, 1, false, false, 5, {0.3}, 15, false},      // a strong first card
        {7, 3, true, false, 5, {}, 0, false},           // above 5 with more cards
        {2, 2, true, false, 5, {}, 15, true},           // with the matta, draws below 3
        {3, 2, true, false, 5, {}, 0, false},           // and stops from 3
        {4, 1, true, false, 5, {}, 1, false},           // a stop on one card stakes 1
        {3, 1, false, false, 5, {0.55, 0.0}, 5, false}, // the bluff: 5, 10 or 15 and stop
        {2, 1, false, false, 5, {0.5, 0.4}, 10, false},
        {3, 1, false, false, 5, {0.4999}, 1, true}, // no bluff just below,
        {5, 1, false, false, 5, {0.65}, 1, true},   // nor above
        {4, 1, false, false, 1, {0.15, 0.4}, 10, false},
        {4, 1, false, false, 10, {0.99}, 1, true},     // never at 10
        {1, 1, false, false, 5, {0.0, 0.99}, 5, true}, // an ace: 0 to 5, at least 1
        {1.5f, 2, false, false, 5, {0.99}, 5, true},   // 1 1/2: 0 to 5 more
        {5, 3, false, false, 5, {}, 0, true},
        {3, 1, false, true, 5, {0.55}, 0, true}, // the dealer never bluffs,
        {4, 2, false, true, 5, {}, 0, true},     // never stakes
        {6, 1, false, true, 5, {0.5}, 0, false},
        {2, 2, true, true, 5, {}, 0, true},
    };
    for (std::size_t i = 0; i < casi.size(); ++i) {
        const Caso& c = casi[i];
        SCOPED_TRACE(i);
        StatoTavolo s;
        s.NumGiocatori = 4;
        s.Mazziere = c.mazziere ? 3 : 2;
        s.Turno = 3;
        s.Punteggio[3] = c.punti;
        s.NumCarte[3] = static_cast<Intero>(c.carte);
        s.GiocatoreMatta = c.matta ? 3 : 0;
        s.Bluff = static_cast<Intero>(c.bluff);
        test::CasualeContato caso;
        for (double x : c.numeri)
            caso.Aggiungi(x);
        const Mossa m = StrategiaTabella().Scegli(s, caso);
        EXPECT_EQ(m.Cursore, c.cursore);
        EXPECT_EQ(m.Gesto, c.pesca ? Azione::CartaScoperta : Azione::Stop);
        EXPECT_EQ(caso.letti, static_cast<int>(c.numeri.size()));
        EXPECT_EQ(caso.Risemi(), 1);
    }
}

// Always the same move, noting the seat it was asked for.
class Fissa : public Strategia {
  public:
    explicit Fissa(Mossa mossa) : mossa_(mossa) {}
    Mossa Scegli(const StatoTavolo& s, FonteCasuale&) override {
        posti.push_back(s.Turno);
        return mossa_;
    }
    std::vector<int> posti;

  private:
    Mossa mossa_;
};

// The human deals; seat 2 stops, and seat 3 plays by the strategy it was given, not by the
// table: it is asked once, reads no number, and its stake is that strategy's. A seat without
// a strategy waits for the player's move.
TEST(Strategia, OgniPostoGiocaConLaSua) {
    for (const bool umano : {false, true}) {
        SCOPED_TRACE(umano);
        test::Banco b(3, 1);
        b.Mani({{5}, {6}, {3}}, 2);
        Fissa fissa({4, 3, Azione::Stop});
        b.g.ImpostaStrategia(3, umano ? nullptr : &fissa);
        b.r.Gioca(Azione::Stop);
        EXPECT_EQ(b.s.Turno, umano ? 3 : 1);
        EXPECT_EQ(fissa.posti, umano ? std::vector<int>{} : std::vector<int>{3});
        EXPECT_EQ(b.s.Posta[3], umano ? 0 : 3);
        EXPECT_EQ(b.caso.letti, 0);
    }
}

} // namespace
} // namespace brivetta
