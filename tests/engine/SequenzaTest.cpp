// Whole sequences of play, read off the recording window in the order the player meets them.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "Banco.h"

namespace brivetta {
namespace {

using Eventi = std::vector<std::string>;

const std::string Minimo = "Avviso dal mazziere (Bruno) - 'Se hai paura di perdere non giocare! "
                           "Almeno un $ sei costretto a puntarlo, per questa volta l'ho fatto io.'";
const std::string Mutande =
    "Avviso dal mazziere (Sandro) - 'Vuoi vincermi anche le mutande! - Quando un giocatore si "
    "ferma (premendo il bottone <Stop>) può puntare solo con la prima carta. L'ultima puntata "
    "non viene affatto accettata.'";

// Keeps a copy of the table the first time a given sound plays.
class Fotografo : public test::Registro {
  public:
    std::string quando;
    const StatoTavolo* stato = nullptr;
    const VistaTavolo* vista = nullptr;
    std::optional<StatoTavolo> s;
    std::optional<VistaTavolo> v;
    void Suona(const std::string& file) override {
        Registro::Suona(file);
        if (file == quando && !s) {
            s = *stato;
            v = *vista;
        }
    }
};

TEST(Sequenza, PescaScopertaConCursoreAZeroForzaIlMinimo) {
    test::Banco<> b(2, 2);
    b.Mano(1, {3});
    b.Mano(2, {16});
    b.Tocca(1);
    b.v.HScroll1 = 0;
    b.Carte({4});
    b.g.Command3d2_Click();

    EXPECT_EQ(b.ui.eventi, (Eventi{"messaggio: " + Minimo, "suono: dindin.wav",
                                   "suono: SOUND112.wav", "suono: dindin.wav"}));
    EXPECT_EQ(b.s.Posta[1], 1);
    EXPECT_EQ(b.s.NumCarte[1], 2);
    EXPECT_EQ(b.s.Mano[1][2], 4);
    EXPECT_EQ(b.s.Punteggio[1], 7);
    EXPECT_EQ(b.v.Label5[0].Testo, "7"); // the human's label shows his score after a card
    EXPECT_EQ(b.v.Picture1[4], (Posizione{159, 28}));
    EXPECT_EQ(b.v.HScroll1, 0);
    EXPECT_EQ(b.v.Label1, "0€");
    EXPECT_FALSE(b.v.Picture4Visibile);
    EXPECT_EQ(b.s.Turno, 1); // 7 is not above 7: the turn goes on
}

TEST(Sequenza, RilancioAlloStopRifiutato) {
    // Three seats, seat 3 deals; the human stops on three cards with the slider at 4, seat 2
    // stops on its 6, the dealer stops on its 7 and the next manche is dealt.
    test::Banco<Fotografo> b(3, 3);
    b.ui.quando = "SOUND112.wav";
    b.ui.stato = &b.s;
    b.ui.vista = &b.v;
    b.Mano(1, {1, 2, 22});
    b.Mano(2, {16});
    b.Mano(3, {7});
    b.s.Posta[1] = 2;
    b.Tocca(1);
    b.v.HScroll1 = 4;
    b.Numeri({0.3, 0.3}); // a first card of 6 or 7 stops at once
    b.Carte({11, 12, 13});
    b.g.Command3d3_Click();

    ASSERT_GE(b.ui.eventi.size(), 3u);
    EXPECT_EQ(b.ui.eventi[0], "messaggio: " + Mutande);
    EXPECT_EQ(b.ui.eventi[1], "suono: dindin.wav");
    EXPECT_EQ(b.ui.eventi[2], "suono: SOUND112.wav");
    ASSERT_TRUE(b.ui.v.has_value());
    EXPECT_EQ(b.ui.v->HScroll1, 0);
    // Nothing added: the human lost his 2 to the dealer's 7.
    EXPECT_EQ(b.g.Importi()[1], -2);
    EXPECT_EQ(b.g.Importi()[2], -15);
    EXPECT_EQ(b.g.Importi()[3], 17);
}

TEST(Sequenza, IlMazziereNonPrendeCarteCoperte) {
    test::Banco<> b(3, 1);
    b.Mano(1, {3, 12});
    b.Mano(2, {5});
    b.Mano(3, {6});
    b.Tocca(1);
    const StatoTavolo s = b.s;
    const VistaTavolo v = b.v;
    b.g.Command3d4_Click();
    EXPECT_EQ(b.ui.eventi, Eventi{"beep"});
    EXPECT_EQ(b.s, s);
    EXPECT_EQ(b.v, v);
    EXPECT_EQ(b.caso.letti, 0);
}

TEST(Sequenza, CopertaTrePoiCinqueSballaEFerma) {
    test::Banco<Fotografo> b(2, 2);
    b.ui.quando = "SOUND112.wav";
    b.ui.stato = &b.s;
    b.ui.vista = &b.v;
    b.Mano(1, {3});
    b.Mano(2, {16});
    b.Tocca(1);
    b.Carte({5});      // the human's covered card
    b.Numeri({0.3});   // the dealer stops on its 6
    b.Carte({21, 12}); // next manche
    b.g.Command3d4_Click();

    EXPECT_EQ(b.ui.eventi, (Eventi{"suono: laser.wav", "suono: oh_no.wav", "suono: dindin.wav",
                                   "suono: SOUND112.wav", "suono: dindin.wav",
                                   "suono: SOUND112.wav", "riepilogo"}));
    // At the stop: the 3 turned up into slot 2, the 5 face up in slot 1, frowning face, bust.
    ASSERT_TRUE(b.ui.s.has_value());
    const auto& s = *b.ui.s;
    const auto& v = *b.ui.v;
    EXPECT_EQ(s.Mano[1][1], 5);
    EXPECT_EQ(s.Mano[1][2], 3);
    EXPECT_EQ(s.Punteggio[1], 8);
    EXPECT_EQ(s.Posta[1], 1);
    EXPECT_EQ(v.Picture1[3], (Posizione{159, 28}));
    EXPECT_EQ(v.Picture1[5], (Posizione{101, 28}));
    EXPECT_EQ(v.Picture1[41].Alto, v.Altezza);
    EXPECT_EQ(v.Picture3[1], (Posizione{SinistraFaccia, 36}));
    EXPECT_EQ(v.Picture3[0].Sinistra, SinistraFacciaNascosta);
    EXPECT_EQ(v.Label5[0].Testo, "Out");
    // The bust cost the stake of 1; the next manche waits for the human.
    ASSERT_EQ(b.ui.riepiloghi.size(), 1u);
    EXPECT_EQ(b.ui.riepiloghi[0].Righe[1].Importo, "- 1");
    EXPECT_EQ(b.ui.riepiloghi[0].Righe[1].Punti, "Out");
    EXPECT_EQ(b.s.Soldi[1], 49);
    EXPECT_EQ(b.s.Turno, 1);
    EXPECT_EQ(b.s.Mazzo[3], Usata);
    EXPECT_EQ(b.s.CarteUscite, 5);
}

TEST(Sequenza, DalloStopDellUmanoAlSuoTurnoSeguente) {
    test::Banco<> b(3, 3);
    b.Mano(1, {4});
    b.Mano(2, {16});
    b.Mano(3, {25});
    b.Tocca(1);
    b.v.HScroll1 = 2;
    b.Numeri({0.5});  // seat 2: a 6 on the first card stakes 15 and stops
    b.Numeri({0.55}); // the dealer's 5: it would bluff, but a dealer never does
    b.Carte({32});    // the dealer draws a 2: 7, and stops
    b.Carte({1, 2, 3});
    b.g.Command3d3_Click();

    EXPECT_EQ(b.ui.eventi, (Eventi{"suono: SOUND112.wav", "suono: dindin.wav",
                                   "suono: SOUND112.wav", "suono: SOUND112.wav",
                                   "suono: SOUND112.wav", "suono: oh_no.wav", "riepilogo"}));
    ASSERT_EQ(b.ui.riepiloghi.size(), 1u);
    const auto& r = b.ui.riepiloghi[0];
    EXPECT_EQ(r.Righe[1].Importo, "- 2");
    EXPECT_EQ(r.Righe[2].Importo, "- 15");
    EXPECT_EQ(r.Righe[3].Importo, "+ 17");
    EXPECT_EQ(r.Righe[3].Punti, "7");
    EXPECT_EQ(r.CarteMassime, 2);
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 48, 35, 67, 0, 0, 0}));
    EXPECT_TRUE(b.caso.Vuoto());
    EXPECT_EQ(b.caso.Risemi(), 7); // four draws, three decisions

    // The next manche: the human to play, the controls back, nothing staked.
    EXPECT_EQ(b.s.Turno, 1);
    EXPECT_EQ(b.s.TurniGiocati, 0);
    EXPECT_EQ(b.s.Mazziere, 3);
    EXPECT_EQ(b.s.Posta, (std::array<Intero, 7>{}));
    for (int c : {4, 16, 25, 32})
        EXPECT_EQ(b.s.Mazzo[c], Usata) << c;
    EXPECT_EQ(b.s.CarteUscite, 7);
    EXPECT_EQ(b.v.Picture1[1], (Posizione{101, 28}));
    EXPECT_EQ(b.v.Picture1[42], (Posizione{101, 127}));
    EXPECT_EQ(b.v.Picture1[43], (Posizione{101, 226}));
    EXPECT_EQ(b.v.Picture1[32].Alto, b.v.Altezza);
    EXPECT_EQ(b.v.Picture1[0], (Posizione{SinistraMazzo, 226}));
    EXPECT_EQ(b.v.Picture2.Alto, 45);
    EXPECT_EQ(b.v.Label5[0].Testo, "1");
    EXPECT_EQ(b.v.Label5[1].Testo, "");
    EXPECT_TRUE(b.v.HScroll1Ctl.Visibile);
    EXPECT_TRUE(b.v.Command3d4.Abilitato);
    EXPECT_EQ(b.v.HScroll1, 1);
}

struct CasoAnnuncio {
    const char* nome;
    int altezza;
    double numero; // draws the dealer
    std::vector<int> carte;
    int computerPrima; // computer seats that play before the human
    std::string messaggio;
    int mazziere;
};

TEST(NuovaPartita, AnnunciaIlMazziereEGiocaFinoAllUmano) {
    const std::string inizio = "Attenzione si inizia una nuova partita ora. ";
    const std::vector<CasoAnnuncio> casi = {
        {"SeiSeduteMazziereTre",
         700,
         2.5 / 6,
         {1, 2, 3, 16, 26, 36},
         3,
         inizio + "  Sandro (COMPUTER)  terrà il mazzo.",
         3},
        {"LUmanoTieneIlMazzo",
         700,
         0.0,
         {1, 6, 16, 26, 36, 7},
         5,
         inizio + "Anonimo terrà il mazzo.",
         1},
        {"FinestraBassaDueSedute",
         150,
         0.99,
         {1, 2},
         0,
         inizio + "   Bruno (COMPUTER)  terrà il mazzo.",
         2},
        {"QuattroSeduteMazziereUltimo",
         4 * 99 + 3,
         0.9,
         {1, 2, 3, 4},
         0,
         inizio + "   Elvira (COMPUTER)  terrà il mazzo.",
         4},
    };
    for (const auto& c : casi) {
        test::Banco<> b(6, 1);
        b.s.MalloppoIniziale = 60;
        b.ui.altezza = c.altezza;
        b.Numeri({c.numero});
        for (int carta : c.carte)
            b.caso.AggiungiCarta(carta);
        for (int k = 0; k < c.computerPrima; ++k)
            b.Numeri({0.5}); // each stops on its 6 or 7
        b.g.NuovaPartita();

        const int n = static_cast<int>(c.carte.size());
        Eventi attesi{"messaggio: " + c.messaggio};
        for (int k = 0; k < c.computerPrima; ++k)
            attesi.push_back("suono: SOUND112.wav");
        EXPECT_EQ(b.ui.eventi, attesi) << c.nome;
        EXPECT_EQ(b.s.NumGiocatori, n) << c.nome;
        EXPECT_EQ(b.s.Mazziere, c.mazziere) << c.nome;
        EXPECT_EQ(b.s.Turno, 1) << c.nome;
        EXPECT_EQ(b.s.CarteUscite, n) << c.nome;
        EXPECT_EQ(b.v.Picture1[0], (Posizione{SinistraMazzo, 99 * (c.mazziere - 1) + 28}));
        for (int seat = 1; seat <= n; ++seat) {
            EXPECT_EQ(b.s.Soldi[seat], 60) << c.nome;
            const bool giocato = seat > c.mazziere && seat != 1; // before the human
            EXPECT_EQ(b.s.Posta[seat], giocato ? 15 : 0) << c.nome << seat;
            EXPECT_EQ(b.v.Label5[seat - 1].Pos, (Posizione{44, 70 + 99 * (seat - 1)}));
        }
        for (int r = n; r < MaxGiocatori; ++r)
            EXPECT_EQ(b.v.Label5[r].Pos.Alto, c.altezza);
        EXPECT_EQ(b.v.RigheDipinte, n);
        EXPECT_EQ(b.v.Label4.Testo, "Anonimo");
        EXPECT_EQ(b.v.Label4.Pos, (Posizione{(58 - 42) / 2 + 40, 105}));
        EXPECT_TRUE(b.v.Command3d2.Visibile && b.v.Command3d3.Visibile);
        // The human dealer plays last, without the slider and the stake bar.
        EXPECT_EQ(b.v.HScroll1Ctl.Visibile, c.mazziere != 1) << c.nome;
        EXPECT_EQ(b.v.Picture4Visibile, c.mazziere != 1) << c.nome;
        EXPECT_EQ(b.v.HScroll1, 1);
        EXPECT_TRUE(b.caso.Vuoto()) << c.nome;
    }
}

TEST(NuovaPartita, InMezzoAllaMancheNonLasciaNullaSulTavolo) {
    test::Banco<> b(3, 2);
    b.Mano(1, {10, 4});
    b.Mano(2, {17});
    b.Mano(3, {33, 8, 9});
    b.s.GiocatoreMatta = 1;
    b.s.Posta = {0, 3, 0, 5, 0, 0, 0};
    for (int c : {10, 4, 17, 33, 8, 9})
        b.v.Picture1[c] = {200, 28};
    b.Tocca(1);
    b.ui.altezza = 3 * 99 + 3;
    b.Numeri({0.99}); // seat 3 deals: the human plays first
    b.Carte({1, 2, 3});
    b.g.NuovaPartita();

    EXPECT_EQ(b.s.GiocatoreMatta, 0);
    for (int c : {10, 4, 17, 33, 8, 9}) {
        EXPECT_EQ(b.v.Picture1[c].Alto, b.v.Altezza) << c;
        EXPECT_EQ(b.s.Mazzo[c], NelMazzo) << c;
    }
    EXPECT_EQ(b.s.Posta, (std::array<Intero, 7>{}));
    EXPECT_EQ(b.s.NumCarte, (std::array<Intero, 7>{0, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(b.s.TurniGiocati, 0);
}

// The window tries every play action, and a move of the slider, from inside each yield of a
// face-down draw that ends the manche.
class Rientrante : public test::Registro {
  public:
    Gioco* g = nullptr;
    std::vector<bool> risposte;
    void Prova() {
        for (auto a :
             {Azione::NuovaPartita, Azione::CartaScoperta, Azione::CartaCoperta, Azione::Stop})
            risposte.push_back(g->Esegui(a));
        g->CambiaCursore(7);
    }
    void Cedi() override {
        Registro::Cedi();
        Prova();
    }
    void PassoAnimazione() override {
        Registro::PassoAnimazione();
        Prova();
    }
};

TEST(Esegui, NessunaAzioneDentroUnAttesa) {
    auto prepara = [](auto& b) {
        b.Mano(1, {3});
        b.Mano(2, {16});
        b.Tocca(1);
        b.Carte({5});
        b.Numeri({0.3});
        b.Carte({21, 12});
    };
    test::Banco<Rientrante> b(2, 2);
    b.ui.g = &b.g;
    prepara(b);
    EXPECT_TRUE(b.g.Esegui(Azione::CartaCoperta));
    EXPECT_FALSE(b.g.Occupato());

    test::Banco<> quieto(2, 2);
    prepara(quieto);
    quieto.g.Command3d4_Click();

    ASSERT_FALSE(b.ui.risposte.empty());
    EXPECT_EQ(std::count(b.ui.risposte.begin(), b.ui.risposte.end(), true), 0);
    EXPECT_EQ(b.s, quieto.s);
    EXPECT_EQ(b.v, quieto.v);
    EXPECT_EQ(b.ui.eventi, quieto.ui.eventi);
}

TEST(FineManche, AltraPartitaInterrompeLoStopDellaVecchia) {
    // The human stakes his last coin and loses it to the dealer's 6; another game starts,
    // where the human plays first holding the matta: the old stop must not value it.
    test::Banco<> b(2, 2);
    b.s.Soldi = {0, 1, 99, 0, 0, 0, 0};
    b.Mano(1, {4});
    b.Mano(2, {16});
    b.Tocca(1);
    b.v.HScroll1 = 1;
    b.ui.scelte.push_back(SceltaFine::AltraPartita);
    b.Numeri({0.3});  // the dealer stops on its 6
    b.Numeri({0.99}); // the new game's dealer: seat 2
    b.Carte({10, 5});
    b.g.Command3d3_Click();

    EXPECT_EQ(b.s.MessaggioFine,
              "La partita è terminata perchè Anonimo ha finito i soldi. Tu sei arrivato "
              "all'Ultimo posto.\rTi consiglio di non giocare con carte e soldi veri!\r"
              "Anonimo      0\rBruno      100\rVuoi fare un'altra partitina?");
    ASSERT_GE(b.ui.eventi.size(), 2u);
    EXPECT_EQ(b.ui.eventi.back(), "messaggio: Attenzione si inizia una nuova partita ora.    "
                                  "Bruno (COMPUTER)  terrà il mazzo.");
    EXPECT_EQ(b.ui.eventi[b.ui.eventi.size() - 2], "fine");
    EXPECT_EQ(b.s.Punteggio[1], 0);
    EXPECT_EQ(b.s.GiocatoreMatta, 1);
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 50, 50, 0, 0, 0, 0}));
    EXPECT_EQ(b.s.Turno, 1);
    EXPECT_EQ(b.s.TurniGiocati, 0);
}

TEST(FineManche, FineGiocoFermaTuttaLaCatena) {
    // Seat 3 has played; the human stops; the dealer (seat 2) draws, busts, pays both and is
    // broke. Seat 3 would be next in turn order, but the game is over.
    test::Banco<> b(3, 2);
    b.s.Soldi = {0, 50, 2, 50, 0, 0, 0};
    b.Mano(1, {4});
    b.Mano(2, {13});
    b.Mano(3, {5});
    b.s.Posta[3] = 1;
    b.Tocca(1);
    b.v.HScroll1 = 1;
    b.Numeri({0.3}); // the dealer's 3: draw
    b.Carte({37});   // a 7: 10, bust
    b.g.Command3d3_Click();

    ASSERT_FALSE(b.ui.eventi.empty());
    EXPECT_EQ(b.ui.eventi.back(), "fine");
    EXPECT_EQ(b.s.Soldi, (std::array<Intero, 7>{0, 51, 0, 51, 0, 0, 0}));
    EXPECT_EQ(b.caso.Risemi(), 2); // the dealer's decision and its draw; seat 3 never decides
    EXPECT_EQ(b.v.HScroll1, 1);
    const StatoTavolo s = b.s;
    const auto eventi = b.ui.eventi.size();
    EXPECT_TRUE(b.g.Esegui(Azione::Stop));
    EXPECT_TRUE(b.g.Esegui(Azione::CartaScoperta));
    EXPECT_EQ(b.s, s);
    EXPECT_EQ(b.ui.eventi.size(), eventi);
}

} // namespace
} // namespace brivetta
