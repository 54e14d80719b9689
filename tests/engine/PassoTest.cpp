// The game's step type on its own: who goes on after whom, results, a waiting chain torn down.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Passo.h"

namespace brivetta {
namespace {

// An owner of steps, as the game is: its steps wait at Attendi until Riprendi.
class Prova {
  public:
    MemoriaPassi& Memoria() { return memoria_; }
    std::vector<std::string> diario;

    void Riprendi() { std::exchange(sospeso_, {}).resume(); }
    bool Sospeso() const { return static_cast<bool>(sospeso_); }

    Passo<> Attendi(std::string nome) {
        diario.push_back(nome + " attende");
        co_await Fermata{&sospeso_};
        diario.push_back(nome + " ripreso");
    }
    Passo<> Diretto() {
        diario.push_back("diretto");
        co_return;
    }
    Passo<> Interno() {
        diario.push_back("interno inizia");
        co_await Attendi("a");
        diario.push_back("interno tra");
        co_await Attendi("b");
        diario.push_back("interno finisce");
    }
    Passo<> Esterno() {
        diario.push_back("esterno inizia");
        co_await Diretto();
        diario.push_back("dopo diretto");
        co_await Interno();
        diario.push_back("esterno finisce");
    }

    Passo<bool> Decide(bool attende, bool valore) {
        if (attende) co_await Attendi("decide");
        co_return valore;
    }
    Passo<> Usa(bool attende, bool valore, std::optional<bool>& risultato) {
        risultato = co_await Decide(attende, valore);
    }

    struct Conta {
        int& distrutti;
        ~Conta() { ++distrutti; }
    };
    // A chain of `anelli` steps, the innermost waiting.
    Passo<> Catena(int anelli, int& distrutti) {
        Conta c{distrutti};
        if (anelli == 1)
            co_await Fermata{&sospeso_};
        else
            co_await Catena(anelli - 1, distrutti);
    }

  private:
    MemoriaPassi memoria_;
    std::coroutine_handle<> sospeso_;
};

// A step runs at its call up to the first wait; each answer resumes the innermost step, which
// hands on to the step awaiting it when it ends; a step that never waits goes straight on.
TEST(Passo, OrdineDiRipresa) {
    Prova p;
    const Passo<> esterno = p.Esterno();
    using Diario = std::vector<std::string>;
    EXPECT_EQ(p.diario,
              (Diario{"esterno inizia", "diretto", "dopo diretto", "interno inizia", "a attende"}));
    p.diario.clear();
    p.Riprendi();
    EXPECT_EQ(p.diario, (Diario{"a ripreso", "interno tra", "b attende"}));
    EXPECT_FALSE(esterno.Finito());
    p.diario.clear();
    p.Riprendi();
    EXPECT_EQ(p.diario, (Diario{"b ripreso", "interno finisce", "esterno finisce"}));
    EXPECT_TRUE(esterno.Finito());
    EXPECT_FALSE(p.Sospeso());
}

TEST(Passo, IlRisultatoArrivaAChiAttende) {
    for (const bool attende : {false, true}) {
        for (const bool valore : {false, true}) {
            SCOPED_TRACE(::testing::Message() << attende << valore);
            Prova p;
            std::optional<bool> risultato;
            const Passo<> usa = p.Usa(attende, valore, risultato);
            EXPECT_EQ(risultato.has_value(), !attende);
            if (attende) p.Riprendi();
            EXPECT_EQ(risultato, valore);
            EXPECT_TRUE(usa.Finito());
        }
    }
}

// Leaving the game in the middle of a wait: the outer step takes every frame of the chain with
// it, locals destroyed, the innermost first.
TEST(Passo, UnaCatenaSospesaMuoreConIlPrimoPasso) {
    Prova p;
    int distrutti = 0;
    {
        const Passo<> catena = p.Catena(3, distrutti);
        EXPECT_TRUE(p.Sospeso());
        EXPECT_EQ(distrutti, 0);
    }
    EXPECT_EQ(distrutti, 3);
}

} // namespace
} // namespace brivetta
