// The settlement against the dealer, the ranking and what the summary shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include "Riepilogo.h"
#include "Saldo.h"

namespace brivetta {
namespace {

// Score, cards and stake of each seat; everyone starts with 50.
StatoTavolo Tavolo(int mazziere, const std::vector<std::tuple<Singolo, int, int>>& sedute,
                   bool doppia = false) {
    StatoTavolo s;
    s.NumGiocatori = static_cast<Intero>(sedute.size());
    s.Mazziere = static_cast<Intero>(mazziere);
    s.VincitaDoppia = doppia;
    s.Nomi = {"", "Anonimo", "   Bruno", "  Sandro", "   Elvira", "Leonardo", " Marisa"};
    for (int i = 1; i <= s.NumGiocatori; ++i) {
        std::tie(s.Punteggio[i], s.NumCarte[i], s.Posta[i]) = sedute[i - 1];
        s.Soldi[i] = 50;
    }
    return s;
}

std::string Umore(Volto v) {
    return v == Volto::Contento ? ":)" : v == Volto::Scontento ? ":(" : "";
}

// The human (seat 1) stakes 5 against the dealer (seat 2). Ties and double busts go to the
// dealer; a two-card 7 1/2 doubles with the rule on.
TEST(SaldaManche, EsitoControIlMazziereESuonoDelRiepilogo) {
    struct Caso {
        Singolo punti;
        int carte;
        Singolo puntiMazziere;
        int carteMazziere;
        bool doppia;
        int atteso;
        std::optional<Effetto> suono; // as the summary opens: none for a bust or a 7 1/2
    };
    const std::vector<Caso> casi = {
        {8.5f, 3, 5, 2, false, -5, std::nullopt},
        {9, 3, 8, 3, false, -5, std::nullopt},
        {6, 2, 5, 2, false, 5, Effetto::MancheVinta},
        {6.5f, 2, 6.5f, 3, false, -5, Effetto::ManchePersa},
        {3, 1, 10, 3, false, 5, Effetto::MancheVinta},
        {7.5f, 2, 7.5f, 3, true, -10, Effetto::ManchePersa},
        {7.5f, 2, 7, 3, true, 10, std::nullopt},
        {7.5f, 2, 7, 3, false, 5, std::nullopt},
        {7.5f, 2, 8.5f, 3, true, 10, std::nullopt},
        {7.5f, 3, 7, 3, true, 5, std::nullopt},
        // The dealer's two-card 7 1/2 doubles the loss of those who played on without busting.
        {4, 1, 7.5f, 2, true, -5, Effetto::ManchePersa},
        {9, 3, 7.5f, 2, true, -5, std::nullopt},
        {6, 2, 7.5f, 2, true, -10, Effetto::ManchePersa},
    };
    for (std::size_t i = 0; i < casi.size(); ++i) {
        const Caso& c = casi[i];
        SCOPED_TRACE(i);
        StatoTavolo s =
            Tavolo(2, {{c.punti, c.carte, 5}, {c.puntiMazziere, c.carteMazziere, 0}}, c.doppia);
        const PerPosto importi = SaldaManche(s);
        EXPECT_EQ(importi[1], c.atteso);
        EXPECT_EQ(s.Posta, (PerPosto{0, Intero(c.atteso), Intero(-c.atteso)}));
        EXPECT_EQ(s.Soldi, (PerPosto{0, Intero(50 + c.atteso), Intero(50 - c.atteso)}));
        EXPECT_EQ(SuonoRiepilogo(s, importi), c.suono);
    }
}

// Name, amount, score, money, position and face of each row. On equal money the human ranks
// ahead of a computer seat.
TEST(CompilaRiepilogo, RigheDelRiepilogo) {
    StatoTavolo s = Tavolo(3, {{6, 2, 3}, {8, 3, 3}, {6, 2, 0}, {7.5f, 2, 4}});
    const PerPosto importi = SaldaManche(s);
    const Riepilogo r = CompilaRiepilogo(s, importi, Classifica(s));
    std::vector<std::string> righe;
    for (const auto& x : r.Righe)
        if (x.Visibile)
            righe.push_back(x.Nome + (x.Mazziere ? "*|" : "|") + std::to_string(x.Importo) + "|" +
                            std::to_string(std::lround(2 * x.Punti)) + "|" +
                            std::to_string(x.Soldi) + "|" + std::to_string(x.Posizione) + "|" +
                            Umore(x.Faccia));
    // Scores in halves.
    EXPECT_EQ(righe, (std::vector<std::string>{"Anonimo|-3|12|47|3|:(", "Bruno|-3|16|47|4|:(",
                                               "Sandro*|2|12|52|2|:)", "Elvira|4|15|54|1|:)"}));
    EXPECT_EQ(r.CarteMassime, 3);
    EXPECT_EQ(PiazzamentoUmano(s), 3);

    // As dealer the human has no stake of his own: his amount is 0, with a smiling face, and
    // he laughs.
    s = Tavolo(1, {{4, 2, 0}, {9, 3, 0}});
    const PerPosto mazziere = SaldaManche(s);
    const RigaRiepilogo umano = CompilaRiepilogo(s, mazziere, Classifica(s)).Righe[1];
    EXPECT_EQ(std::to_string(umano.Importo) + "|" + Umore(umano.Faccia), "0|:)");
    EXPECT_EQ(SuonoRiepilogo(s, mazziere), Effetto::MancheVinta);
}

} // namespace
} // namespace brivetta
