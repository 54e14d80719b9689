// The player's statistics counted over recorded sequences of a session's moments, and over a
// whole game told by the game itself.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Banco.h"
#include "Statistiche.h"
#include "StatisticheInCronaca.h"

namespace brivetta {
namespace {

// "N50" a game starts with 50, "M53" a summary shows 53, "F1"/"F0" the end of a game with the
// human first or not, "Z" the reset, "R" the program started again from what it had recorded.
void Esegui(Statistiche& st, const std::string& sequenza) {
    const std::map<char, std::function<void(int)>> passo = {
        {'N', [&](int n) { st.NuovaPartita(n); }},
        {'M', [&](int n) { st.FineManche(n); }},
        {'F', [&](int n) { st.FinePartita(n == 1); }},
        {'Z', [&](int) { st.Azzera(); }},
        {'R', [&](int) { st = Statistiche(st.Dati()); }}};
    std::istringstream passi(sequenza);
    for (std::string p; passi >> p;)
        passo.at(p[0])(p.size() > 1 ? std::stoi(p.substr(1)) : 0);
}

// Games started, finished, won; manches played, won, lost; the most money.
using Conteggi = std::array<int, 7>;

TEST(Statistiche, ConteggiEAndamentoSuSequenzeRegistrate) {
    struct Caso {
        const char* sequenza;
        Conteggi attesi;
        std::vector<int> andamento; // the series shown
        std::vector<int> ultima;    // the game before the one in progress
    };
    const Caso casi[] = {
        {"", {0, 0, 0, 0, 0, 0, 0}, {}, {}},
        // A dealer who breaks even neither wins nor loses.
        {"N50 M53 M50 M50", {1, 0, 0, 3, 1, 1, 53}, {50, 53, 50, 50}, {}},
        // The first manche is measured against the start, not the game before.
        {"N50 M80 N50 M60", {2, 0, 0, 2, 2, 0, 80}, {50, 60}, {50, 80}},
        {"N50 M60 F1", {1, 1, 1, 1, 1, 0, 60}, {50, 60}, {50, 60}},
        {"N50 M40 F0", {1, 1, 0, 1, 0, 1, 50}, {50, 40}, {50, 40}},
        // A game cut short by the end of the program is the last game at the next start, and
        // stays so until another game has begun.
        {"N50 M48 M52 R", {1, 0, 0, 2, 1, 1, 52}, {50, 48, 52}, {50, 48, 52}},
        {"N50 M48 R N60", {2, 0, 0, 1, 0, 1, 60}, {60}, {50, 48}},
        // A reset in a game goes on from the money held; between games it leaves nothing.
        {"N50 M55 Z M54", {0, 0, 0, 1, 0, 1, 55}, {55, 54}, {}},
        {"N50 M55 F1 Z", {0, 0, 0, 0, 0, 0, 0}, {}, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.sequenza);
        Statistiche st;
        Esegui(st, c.sequenza);
        const DatiStatistiche& d = st.Dati();
        EXPECT_EQ((Conteggi{d.PartiteIniziate, d.PartiteFinite, d.PartiteVinte, d.MancheGiocate,
                            d.MancheVinte, d.ManchePerse, d.MassimoDenaro}),
                  c.attesi);
        EXPECT_EQ(st.Andamento(), c.andamento);
        EXPECT_EQ(d.UltimaPartita, c.ultima);
    }
}

// An endless game, and a file holding an overlong series, keep the start and the newest values.
TEST(Statistiche, SerieLimitata) {
    Statistiche st;
    st.NuovaPartita(50);
    for (std::size_t i = 1; i <= Statistiche::MaxValoriSerie + 5; ++i)
        st.FineManche(static_cast<int>(i % 1000));
    const std::vector<int>& serie = st.Andamento();
    ASSERT_EQ(serie.size(), Statistiche::MaxValoriSerie);
    EXPECT_EQ(serie.front(), 50);
    EXPECT_EQ(serie[1], 7); // manches 1..6 went
    EXPECT_EQ(serie.back(), static_cast<int>((Statistiche::MaxValoriSerie + 5) % 1000));
}

// Two seats with 2 each; Bruno deals a 6 every manche and stops on it. The human loses 1 on a
// 5, wins 1 on a 7, then raises to 2 and wins again: Bruno is broke, and another game begins.
TEST(Statistiche, UnaPartitaIntera) {
    test::Banco b(2, 2);
    b.s.MalloppoIniziale = 2;
    Statistiche st;
    StatisticheInCronaca cronaca(st);
    b.g.ImpostaCronaca(&cronaca);
    b.Numeri({0.99}); // Bruno deals
    for (const auto& [umano, mazziere] : {std::pair{5, 6}, {17, 16}, {27, 26}}) {
        b.Carte({umano, mazziere});
        b.Numeri({0.5}); // Bruno's decision on his 6
    }
    b.r.altraPartita = true;
    b.r.Gioca(Azione::NuovaPartita);
    b.r.Gioca(Azione::Stop);
    b.r.Gioca(Azione::Stop);
    b.r.Gioca(Azione::Posta, 2);
    b.r.Gioca(Azione::Stop);

    ASSERT_EQ(std::count(b.r.eventi.begin(), b.r.eventi.end(), "fine"), 1);
    const DatiStatistiche& d = st.Dati();
    EXPECT_EQ((Conteggi{d.PartiteIniziate, d.PartiteFinite, d.PartiteVinte, d.MancheGiocate,
                        d.MancheVinte, d.ManchePerse, d.MassimoDenaro}),
              (Conteggi{2, 1, 1, 3, 2, 1, 4}));
    EXPECT_EQ(d.UltimaPartita, (std::vector<int>{2, 1, 2, 4}));
    EXPECT_EQ(d.PartitaInCorso, std::vector<int>{2});
}

} // namespace
} // namespace brivetta
