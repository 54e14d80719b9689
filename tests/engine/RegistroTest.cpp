// A kept game played again from its record: the same table and the same wait as the live game at
// every step of many random games, and records that do not hold together refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Gioco.h"
#include "Istantanea.h"

namespace brivetta {
namespace {

// Numbers from a seeded generator: one game's draws, reproducible.
class CasualeSeme : public FonteCasuale {
  public:
    explicit CasualeSeme(unsigned seme) : g_(seme) {}
    double Numero() override { return std::uniform_real_distribution<double>(0, 1)(g_); }
    void Riseme() override {}

  private:
    std::mt19937_64 g_;
};

bool StessaAttesa(const Evento& a, const Evento& b) {
    if (a.Tipo != b.Tipo) return false;
    switch (a.Tipo) {
    case TipoEvento::Messaggio:
        return a.Testo == b.Testo;
    case TipoEvento::Suono:
        return a.Effetto == b.Effetto;
    case TipoEvento::Volo:
        return a.Carta.Carta == b.Carta.Carta && a.Carta.Posto == b.Carta.Posto &&
               a.Carta.Casella == b.Carta.Casella && a.Carta.DallaCoperta == b.Carta.DallaCoperta;
    default:
        return true;
    }
}

// Keeps the record as the window's file would, and before every input the game takes checks that
// the record played again on a fresh game gives the table the live game shows.
class Verifica : public Testimone {
  public:
    explicit Verifica(const Gioco& vivo) : vivo_(vivo) {}
    RegistroPartita registro;
    int confronti = 0;

    void NuovaBase(const Istantanea& base, bool) override {
        registro = {base, {}};
        Confronta(PassaggioDi(Passaggio::Tipo::Conteggio));
    }
    void Aggiungi(const Passaggio& p) override {
        // A moment told to the chronicle falls in the middle of a step: nothing to compare.
        if (p.Cosa != Passaggio::Tipo::Conteggio && p.Cosa != Passaggio::Tipo::Attesa) {
            Passaggio finora = PassaggioDi(Passaggio::Tipo::Conteggio);
            finora.Numeri = p.Numeri;
            Confronta(finora);
        }
        registro.Passaggi.push_back(p);
    }

  private:
    void Confronta(const Passaggio& finora) {
        RegistroPartita r = registro;
        r.Passaggi.push_back(finora);
        CasualeSeme altro(0);
        Gioco copia(altro);
        copia.AvvioIniziale();
        ASSERT_TRUE(copia.Rigioca(r, nullptr));
        ASSERT_EQ(copia.Stato(), vivo_.Stato());
        ASSERT_EQ(copia.Vista(), vivo_.Vista());
        ASSERT_TRUE(StessaAttesa(copia.Attesa(), vivo_.Attesa()));
        ++confronti;
    }
    const Gioco& vivo_;
};

// Random games: the human's moves, his stakes, the settings changed in the middle and the end
// of each game answered with another. At every step the record gives the live table back.
TEST(Registro, LaPartitaRigiocataELaStessaAOgniPasso) {
    constexpr int Partite = 1000;
    int confronti = 0;
    for (unsigned seme = 1; seme <= Partite; ++seme) {
        CasualeSeme caso(seme);
        std::mt19937 umano(seme);
        Gioco g(caso);
        g.AvvioIniziale();
        Impostazioni scelte = ImpostazioniDelTavolo(g.Stato());
        scelte.MalloppoIniziale = 40;
        scelte.Bluff = static_cast<Intero>(seme % 10 + 1);
        scelte.VincitaDoppia = seme % 2 == 0;
        scelte.Suono = seme % 3 != 0;
        g.CambiaImpostazioni(scelte);
        g.AvvioFinale(99 * (2 + static_cast<int>(seme % 5)) + 3);
        Verifica verifica(g);
        g.ImpostaTestimone(&verifica);
        int fini = 0;
        g.Gioca(Azione::NuovaPartita);
        for (int passi = 0; passi < 3000 && fini < 2 && !HasFatalFailure(); ++passi) {
            const Evento& e = g.Attesa();
            if (e.Tipo == TipoEvento::FinePartita) ++fini;
            if (e.Tipo != TipoEvento::Giocatore) {
                g.Rispondi();
                continue;
            }
            switch (umano() % 8) {
            case 0:
                g.Gioca(Azione::Posta, static_cast<int>(umano() % 16));
                break;
            case 1:
                g.Gioca(Azione::CartaCoperta);
                break;
            case 2:
                scelte.Bluff = static_cast<Intero>(umano() % 10 + 1);
                g.CambiaImpostazioni(scelte);
                break;
            case 3:
            case 4:
                g.Gioca(Azione::CartaScoperta);
                break;
            default:
                g.Gioca(Azione::Stop);
            }
        }
        ASSERT_FALSE(HasFatalFailure()) << "seed " << seme;
        confronti += verifica.confronti;
    }
    EXPECT_GT(confronti, 100 * Partite);
}

// A record that does not hold together is refused: a table value out of its range, a move the
// game could not have taken there, an answer where the game waits for a move, numbers left over.
TEST(Registro, UnRegistroCheNonTornaERifiutato) {
    CasualeSeme caso(7);
    Gioco vivo(caso);
    vivo.AvvioIniziale();
    vivo.AvvioFinale(99 * 4 + 3);
    // The record as it stood at the last input before the human's move: a new game dealt.
    struct Tieni : Testimone {
        RegistroPartita r, ultimo;
        void NuovaBase(const Istantanea& b, bool) override { r = {b, {}}; }
        void Aggiungi(const Passaggio& p) override {
            r.Passaggi.push_back(p);
            ultimo = r;
        }
    } tieni;
    vivo.ImpostaTestimone(&tieni);
    vivo.Gioca(Azione::NuovaPartita);
    while (vivo.Attesa().Tipo != TipoEvento::Giocatore)
        vivo.Rispondi();
    const RegistroPartita buono = tieni.ultimo;
    ASSERT_GE(buono.Passaggi.size(), 2u);

    const auto rigioca = [](const RegistroPartita& r) {
        CasualeSeme altro(1);
        Gioco g(altro);
        g.AvvioIniziale();
        return g.Rigioca(r, nullptr);
    };
    EXPECT_TRUE(rigioca(buono));

    // The version before kept the end-of-game message as text, just before the table's two
    // names, where this one keeps the broke seat: its records still play.
    StatoTavolo s;
    VistaTavolo v;
    s.SenzaSoldi = 5;
    const std::vector<std::int64_t> con = Fotografa(s, v, 0).Numeri;
    s.SenzaSoldi = 0;
    const std::vector<std::int64_t> senza = Fotografa(s, v, 0).Numeri;
    const auto posto = std::mismatch(con.begin(), con.end(), senza.begin()).first - con.begin();
    RegistroPartita vecchio = buono;
    vecchio.Base.Numeri[0] = 1;
    vecchio.Base.Numeri.erase(vecchio.Base.Numeri.begin() + posto);
    vecchio.Base.Testi.insert(vecchio.Base.Testi.end() - 2, "La partita è terminata perchè...");
    EXPECT_TRUE(rigioca(vecchio));

    struct Caso {
        const char* nome;
        void (*guasta)(RegistroPartita&);
    };
    const Caso casi[] = {
        {"a hand out of range", [](RegistroPartita& r) { r.Base.Numeri[4] = 99; }},
        {"a number missing", [](RegistroPartita& r) { r.Base.Numeri.pop_back(); }},
        {"a text missing", [](RegistroPartita& r) { r.Base.Testi.pop_back(); }},
        {"a later version", [](RegistroPartita& r) { r.Base.Numeri[0] = 3; }},
        {"an answer at the human's move",
         [](RegistroPartita& r) {
             r.Passaggi.insert(r.Passaggi.begin(), PassaggioDi(Passaggio::Tipo::Rispondi));
         }},
        {"numbers left over", [](RegistroPartita& r) { r.Passaggi.front().Numeri.push_back(0.5); }},
        {"numbers missing",
         [](RegistroPartita& r) {
             std::find_if(r.Passaggi.begin(), r.Passaggi.end(), [](auto& p) {
                 return !p.Numeri.empty();
             })->Numeri.pop_back();
         }},
    };
    for (const Caso& c : casi) {
        RegistroPartita r = buono;
        c.guasta(r);
        EXPECT_FALSE(rigioca(r)) << c.nome;
    }
}

// A game without a screen stops only where a player has to act or read, and there its table is
// the one of a game that showed everything.
TEST(Presentazione, SenzaSchermoStessaPartita) {
    int manche = 0;
    for (unsigned seme = 1; seme <= 200; ++seme) {
        CasualeSeme casoVisto(seme), casoCieco(seme);
        Gioco visto(casoVisto), cieco(casoCieco);
        cieco.MostraPresentazione(false);
        for (Gioco* g : {&visto, &cieco}) {
            g->AvvioIniziale();
            Impostazioni scelte = ImpostazioniDelTavolo(g->Stato());
            scelte.MalloppoIniziale = 40;
            scelte.Suono = seme % 3 != 0;
            g->CambiaImpostazioni(scelte);
            g->AvvioFinale(99 * (2 + static_cast<int>(seme % 5)) + 3);
            g->Gioca(Azione::NuovaPartita);
        }
        std::mt19937 umano(seme);
        for (int passi = 0; passi < 1000; ++passi) {
            while (Presentazione(visto.Attesa().Tipo))
                visto.Rispondi();
            const Evento& e = visto.Attesa();
            ASSERT_FALSE(Presentazione(cieco.Attesa().Tipo)) << "seed " << seme;
            ASSERT_TRUE(StessaAttesa(e, cieco.Attesa())) << "seed " << seme;
            ASSERT_EQ(visto.Stato(), cieco.Stato()) << "seed " << seme;
            ASSERT_EQ(visto.Vista(), cieco.Vista()) << "seed " << seme;
            if (e.Tipo == TipoEvento::Riepilogo) ++manche;
            if (e.Tipo != TipoEvento::Giocatore) {
                visto.Rispondi();
                cieco.Rispondi();
                continue;
            }
            const auto mossa = static_cast<Azione>(1 + umano() % 4); // a card, a stop, a stake
            const int posta = static_cast<int>(umano() % 16);
            visto.Gioca(mossa, posta);
            cieco.Gioca(mossa, posta);
        }
    }
    EXPECT_GT(manche, 5000);
}

} // namespace
} // namespace brivetta
