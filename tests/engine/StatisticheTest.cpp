// The player's statistics counted over recorded sequences of a session's moments.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Statistiche.h"

namespace brivetta {
namespace {

// "N50" a game starts with 50, "M53" a summary shows 53, "F1"/"F0" the end of a game with the
// human first or not, "Z" the reset.
void Esegui(Statistiche& st, const std::string& sequenza) {
    std::istringstream passi(sequenza);
    for (std::string p; passi >> p;) {
        const int n = p.size() > 1 ? std::stoi(p.substr(1)) : 0;
        switch (p[0]) {
        case 'N':
            st.NuovaPartita(n);
            break;
        case 'M':
            st.FineManche(n);
            break;
        case 'F':
            st.FinePartita(n == 1);
            break;
        case 'Z':
            st.Azzera();
            break;
        default:
            FAIL() << p;
        }
    }
}

struct Conteggi {
    int iniziate, finite, vinte, giocate, mancheVinte, manchePerse, massimo;
};

Conteggi Di(const DatiStatistiche& d) {
    return {d.PartiteIniziate, d.PartiteFinite, d.PartiteVinte, d.MancheGiocate,
            d.MancheVinte,     d.ManchePerse,   d.MassimoDenaro};
}

TEST(Statistiche, ConteggiEAndamentoSuSequenzeRegistrate) {
    struct Caso {
        const char* nome;
        const char* sequenza;
        Conteggi attesi;
        std::vector<int> andamento;
        std::vector<int> ultima;
    };
    const Caso casi[] = {
        {"nothing played", "", {0, 0, 0, 0, 0, 0, 0}, {}, {}},
        {"up, down, even: a dealer breaking even neither wins nor loses",
         "N50 M53 M50 M50",
         {1, 0, 0, 3, 1, 1, 53},
         {50, 53, 50, 50},
         {}},
        {"the first manche is measured against the start, not the game before",
         "N50 M80 N50 M60",
         {2, 0, 0, 2, 2, 0, 80},
         {50, 60},
         {50, 80}},
        {"finished first", "N50 M60 F1", {1, 1, 1, 1, 1, 0, 60}, {50, 60}, {50, 60}},
        {"finished behind", "N50 M40 F0", {1, 1, 0, 1, 0, 1, 50}, {50, 40}, {50, 40}},
        {"after the end window the next game replaces the finished one",
         "N50 M60 F1 N70",
         {2, 1, 1, 1, 1, 0, 70},
         {70},
         {50, 60}},
        {"only the last two games are kept",
         "N50 M51 N50 M52 N50",
         {3, 0, 0, 2, 2, 0, 52},
         {50},
         {50, 52}},
        {"a reset in a game goes on from the money held",
         "N50 M55 Z M54",
         {0, 0, 0, 1, 0, 1, 55},
         {55, 54},
         {}},
        {"a reset between games leaves nothing", "N50 M55 F1 Z", {0, 0, 0, 0, 0, 0, 0}, {}, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Statistiche st;
        Esegui(st, c.sequenza);
        const Conteggi a = Di(st.Dati());
        const Conteggi& e = c.attesi;
        EXPECT_EQ(std::vector<int>({a.iniziate, a.finite, a.vinte, a.giocate, a.mancheVinte,
                                    a.manchePerse, a.massimo}),
                  std::vector<int>({e.iniziate, e.finite, e.vinte, e.giocate, e.mancheVinte,
                                    e.manchePerse, e.massimo}));
        EXPECT_EQ(st.Andamento(), c.andamento);
        EXPECT_EQ(st.Dati().UltimaPartita, c.ultima);
    }
}

// A game cut short by the end of the program is the last game at the next start, and the next
// game does not push it out before it has a manche of its own.
TEST(Statistiche, PartitaInterrottaDiventaLUltima) {
    DatiStatistiche letti;
    letti.PartiteIniziate = 4;
    letti.PartitaInCorso = {50, 48, 52};
    letti.UltimaPartita = {50, 10};
    Statistiche st(letti);
    EXPECT_TRUE(st.Dati().PartitaInCorso.empty());
    EXPECT_EQ(st.Andamento(), std::vector<int>({50, 48, 52}));
    st.NuovaPartita(60);
    EXPECT_EQ(st.Dati().UltimaPartita, std::vector<int>({50, 48, 52}));
    EXPECT_EQ(st.Andamento(), std::vector<int>({60}));
    EXPECT_EQ(st.Dati().PartiteIniziate, 5);
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
    EXPECT_EQ(serie.back(), static_cast<int>((Statistiche::MaxValoriSerie + 5) % 1000));
    EXPECT_EQ(serie[1], 7); // the start and manches 7.. are left

    DatiStatistiche letti;
    letti.PartitaInCorso.assign(Statistiche::MaxValoriSerie * 3, 7);
    letti.PartitaInCorso.front() = 50;
    const Statistiche riletto(letti);
    EXPECT_EQ(riletto.Andamento().size(), Statistiche::MaxValoriSerie);
    EXPECT_EQ(riletto.Andamento().front(), 50);
}

} // namespace
} // namespace brivetta
