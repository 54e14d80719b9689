// The dealer's part: it banks every bet and stakes nothing itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

// Whatever the slider shows as the dealer draws and stops, its stake stays 0 until the manche
// is settled, and its label never shows one: the human dealing (the slider hidden at the 1 the
// last stop left), and a computer dealer after the human staked 5.
TEST(Mazziere, NonPuntaMai) {
    struct Caso {
        const char* nome;
        int mazziere;
        int turno;
        std::vector<Azione> mosse; // the human's, from the seat to play
    };
    const std::vector<Caso> casi = {
        {"UmanoMazziere", 1, 2, {Azione::Stop, Azione::CartaScoperta, Azione::Stop}},
        {"ComputerMazziere", 2, 1, {Azione::Stop}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::Banco b(2, c.mazziere);
        b.Mani({{3}, {16}}, c.turno);
        b.Cursore(c.mazziere == 1 ? 1 : 5);
        b.Carte({4});    // the human dealer's draw: 7, and he stops
        b.Numeri({0.5}); // the computer dealer's decision on its 6: stop
        int controlli = 0;
        b.r.osserva = [&](const Evento&) {
            if (b.s.TurniGiocati >= b.s.NumGiocatori) return; // settled: Posta holds amounts
            ++controlli;
            EXPECT_EQ(b.s.Posta[c.mazziere], 0);
            EXPECT_NE(b.v.Etichette[c.mazziere].Mostra, EtichettaPosto::Tipo::Posta);
        };
        for (const Azione a : c.mosse)
            b.r.Gioca(a);
        EXPECT_GT(controlli, 3);
        EXPECT_EQ(b.r.riepilogo.Righe[1].Importo, c.mazziere == 1 ? 1 : -5);
    }
}

} // namespace
} // namespace brivetta
