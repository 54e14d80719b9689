// The player's statistics counted over recorded sequences of a session's moments, and over a
// whole game told by the game itself.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Banco.h"
#include "Statistiche.h"
#include "StatisticheInCronaca.h"

namespace brivetta {
namespace {

// "N50" a game starts with 50 (the games numbered from `id` when it is given), "M53" a summary
// shows 53, "F1"/"F0" the end of a game with the human first or not, "Z" the reset, "R" the program
// started again from what it had recorded.
void Esegui(Statistiche& st, const std::string& sequenza, std::uint64_t id = 0) {
    const std::map<char, std::function<void(int)>> passo = {
        {'N', [&](int n) { st.NuovaPartita(n, 0, id == 0 ? 0 : id++); }},
        {'M', [&](int n) { st.FineManche(n); }},
        {'F', [&](int n) { st.FinePartita(n == 1); }},
        {'Z', [&](int) { st.Azzera(); }},
        {'R', [&](int) { st = Statistiche(st.Dati()); }}};
    std::istringstream passi(sequenza);
    for (std::string p; passi >> p;)
        passo.at(p[0])(p.size() > 1 ? std::stoi(p.substr(1)) : 0);
}

// Games started, finished, won; manches played, won, lost; the most money; the longest series
// of manches won in a row.
using Conteggi = std::array<int, 8>;

Conteggi DiChe(const DatiStatistiche& d) {
    return {d.PartiteIniziate, d.PartiteFinite, d.PartiteVinte,  d.MancheGiocate,
            d.MancheVinte,     d.ManchePerse,   d.MassimoDenaro, d.SerieVintePiuLunga};
}

std::vector<std::vector<int>> Serie(const DatiStatistiche& d) {
    std::vector<std::vector<int>> serie;
    for (const PartitaRegistrata& p : d.Partite)
        serie.push_back(p.Denaro);
    return serie;
}

TEST(Statistiche, ConteggiEAndamentoSuSequenzeRegistrate) {
    struct Caso {
        const char* sequenza;
        Conteggi attesi;
        std::vector<int> andamento;                      // the series shown
        std::vector<std::vector<int>> partite;           // every game kept, oldest first
        std::optional<int> migliore = {}, peggiore = {}; // final money of finished games
    };
    const Caso casi[] = {
        {"", {0, 0, 0, 0, 0, 0, 0, 0}, {}, {}, {}, {}},
        // A dealer who breaks even neither wins nor loses, and ends a series.
        {"N50 M53 M53 M54 M50",
         {1, 0, 0, 4, 2, 1, 54, 1},
         {50, 53, 53, 54, 50},
         {{50, 53, 53, 54, 50}}},
        // The first manche is measured against the start, not the game before; a series goes
        // on from one game to the next.
        {"N50 M80 N50 M60", {2, 0, 0, 2, 2, 0, 80, 2}, {50, 60}, {{50, 80}, {50, 60}}},
        {"N50 M60 F1", {1, 1, 1, 1, 1, 0, 60, 1}, {50, 60}, {{50, 60}}, 60, 60},
        {"N50 M40 F0 N50 M90 F1 N50 M70 F0",
         {3, 3, 1, 3, 2, 1, 90, 2},
         {50, 70},
         {{50, 40}, {50, 90}, {50, 70}},
         90,
         40},
        // A game left for a new one is not a finished game.
        {"N50 M99 N50 M20 F0", {2, 1, 0, 2, 1, 1, 99, 1}, {50, 20}, {{50, 99}, {50, 20}}, 20, 20},
        // A game cut short by the end of the program is the latest game at the next start, and
        // counts no more manches.
        {"N50 M48 M52 R", {1, 0, 0, 2, 1, 1, 52, 1}, {50, 48, 52}, {{50, 48, 52}}},
        {"N50 M48 R M60", {1, 0, 0, 2, 0, 1, 50, 0}, {50, 48}, {{50, 48}}},
        // A reset in a game goes on from the money held; between games it leaves nothing.
        {"N50 M55 Z M54", {0, 0, 0, 1, 0, 1, 55, 0}, {55, 54}, {{55, 54}}},
        {"N50 M55 F1 Z", {0, 0, 0, 0, 0, 0, 0, 0}, {}, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.sequenza);
        Statistiche st;
        Esegui(st, c.sequenza);
        const DatiStatistiche& d = st.Dati();
        EXPECT_EQ(DiChe(d), c.attesi);
        EXPECT_EQ(st.Andamento(), c.andamento);
        EXPECT_EQ(Serie(d), c.partite);
        EXPECT_EQ(d.MigliorFinale, c.migliore);
        EXPECT_EQ(d.PeggiorFinale, c.peggiore);
    }
}

// Two copies of the game share one file. Each saves what it added since its last save to the
// file as the other copy left it: counts add up, records keep the better, each game is kept once.
TEST(Statistiche, DueCopieSommanoCioCheAggiungono) {
    struct Caso {
        const char* qui;   // this copy's moves after its last save
        const char* altra; // what the other copy saved meanwhile
        Conteggi attesi;
        std::optional<int> migliore = {}, peggiore = {};
        std::vector<std::vector<int>> partite = {};
    };
    // Both copies start from a file holding one finished game.
    const char* comune = "N50 M30 M80 F1 R";
    const Caso casi[] = {
        {"N50 M60 M70",
         "N50 M40 F0",
         {3, 2, 1, 5, 3, 2, 80, 3},
         80,
         40,
         {{50, 30, 80}, {50, 40}, {50, 60, 70}}},
        {"N50 M99 F1",
         "N50 M10 F0",
         {3, 3, 2, 4, 2, 2, 99, 2},
         99,
         10,
         {{50, 30, 80}, {50, 10}, {50, 99}}},
        // Nothing played here: the other copy's reset stands, its lower records with it.
        {"", "Z N50 M45", {1, 0, 0, 1, 0, 1, 50, 0}, {}, {}, {{50, 45}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.qui);
        Statistiche origine;
        Esegui(origine, comune);
        const DatiStatistiche base = origine.Dati();
        Statistiche qui(base), altra(base);
        Esegui(qui, c.qui, 100);
        Esegui(altra, c.altra, 200);
        const DatiStatistiche unite = Statistiche::Unisci(altra.Dati(), base, qui.Dati());
        EXPECT_EQ(DiChe(unite), c.attesi);
        EXPECT_EQ(unite.MigliorFinale, c.migliore);
        EXPECT_EQ(unite.PeggiorFinale, c.peggiore);
        EXPECT_EQ(Serie(unite), c.partite);
    }
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
    EXPECT_EQ(DiChe(d), (Conteggi{2, 1, 1, 3, 2, 1, 4, 2}));
    EXPECT_EQ(Serie(d), (std::vector<std::vector<int>>{{2, 1, 2, 4}, {2}}));
    EXPECT_EQ(d.MigliorFinale, 4);
    EXPECT_EQ(st.Andamento(), std::vector<int>{2});
}

} // namespace
} // namespace brivetta
