// The stack the game's sequence runs on: who goes on after whom, values across a wait, the
// caller's registers kept across switches, a waiting body torn down.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Fibra.h"

namespace brivetta {
namespace {

// A body that waits twice, deep in nested calls, with values live in registers and on its
// stack across each wait: each Entra() runs it exactly up to the next wait.
TEST(Fibra, OgniEntrataFinoAllaProssimaAttesa) {
    std::vector<std::string> diario;
    std::unique_ptr<Fibra> f;
    std::function<long(int)> profonda = [&](int livello) -> long {
        if (livello == 0) {
            diario.push_back("attende");
            f->Esci();
            diario.push_back("ripreso");
            return 1;
        }
        const double a = livello * 1.5;
        const long b = profonda(livello - 1);
        return b + static_cast<long>(a * 2); // a and b survived the switches
    };
    f = std::make_unique<Fibra>([&] {
        diario.push_back("inizia");
        const long x = profonda(20);
        diario.push_back("primo " + std::to_string(x));
        f->Esci();
        diario.push_back("finisce");
    });
    EXPECT_TRUE(diario.empty()); // nothing runs before the first entry
    f->Entra();
    EXPECT_EQ(diario, (std::vector<std::string>{"inizia", "attende"}));
    f->Entra();
    EXPECT_EQ(diario.back(), "primo 631");
    EXPECT_FALSE(f->Finita());
    f->Entra();
    EXPECT_EQ(diario.back(), "finisce");
    EXPECT_TRUE(f->Finita());
    f->Entra(); // an ended body is not run again
    EXPECT_EQ(diario.size(), 5u);
}

// Values the caller keeps in registers across its entries are its own again after every switch,
// however many registers the body used meanwhile.
TEST(Fibra, IlChiamanteRitrovaISuoiValori) {
    volatile std::uint64_t semeCorpo = 7;
    std::uint64_t rumore = 0;
    Fibra f([&] {
        for (;;) {
            std::uint64_t r[8];
            for (std::uint64_t& x : r)
                x = semeCorpo;
            for (int k = 0; k < 50; ++k)
                for (int j = 0; j < 8; ++j)
                    r[j] = r[j] * 31 + r[(j + 1) % 8] + static_cast<std::uint64_t>(k);
            for (std::uint64_t x : r)
                rumore += x;
            f.Esci();
        }
    });
    auto giro = [](std::uint64_t v[6], int i) {
        for (int j = 0; j < 6; ++j)
            v[j] = v[j] * static_cast<std::uint64_t>(j + 3) + static_cast<std::uint64_t>(i);
    };
    std::uint64_t attesi[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 100; ++i)
        giro(attesi, i);
    std::uint64_t a = 1, b = 2, c = 3, d = 4, e = 5, g = 6;
    for (int i = 0; i < 100; ++i) {
        std::uint64_t v[6] = {a, b, c, d, e, g};
        giro(v, i);
        a = v[0], b = v[1], c = v[2], d = v[3], e = v[4], g = v[5];
        f.Entra();
    }
    EXPECT_EQ((std::vector<std::uint64_t>{a, b, c, d, e, g}),
              (std::vector<std::uint64_t>{attesi, attesi + 6}));
    EXPECT_NE(rumore, 0);
}

// Destroyed while it waits, the body is unwound: the objects on its stack are destroyed, in
// every nested call, and nothing after the wait runs.
TEST(Fibra, DistruttaInAttesaSmontaLaPila) {
    struct Conta {
        int& distrutti;
        ~Conta() { ++distrutti; }
    };
    int distrutti = 0;
    bool dopo = false;
    {
        std::unique_ptr<Fibra> f;
        std::function<void(int)> catena = [&](int anelli) {
            Conta c{distrutti};
            const std::string s(100, 'x'); // a heap block the unwinding must free
            if (anelli == 1)
                f->Esci();
            else
                catena(anelli - 1);
            dopo = true;
        };
        f = std::make_unique<Fibra>([&] { catena(5); });
        f->Entra();
        EXPECT_EQ(distrutti, 0);
    }
    EXPECT_EQ(distrutti, 5);
    EXPECT_FALSE(dopo);

    // Never started, or already ended: nothing to unwind.
    int corse = 0;
    {
        Fibra mai([&] { ++corse; });
    }
    EXPECT_EQ(corse, 0);
}

// Many bodies alive at once, each with its own stack, entered in turns.
TEST(Fibra, MolteInsieme) {
    constexpr int N = 50;
    std::vector<std::unique_ptr<Fibra>> fibre;
    std::vector<int> conti(N, 0);
    for (int i = 0; i < N; ++i) {
        fibre.push_back(nullptr);
        fibre[i] = std::make_unique<Fibra>([&, i] {
            for (int k = 0; k < 3; ++k) {
                ++conti[i];
                fibre[i]->Esci();
            }
        });
    }
    for (int giro = 0; giro < 4; ++giro)
        for (auto& f : fibre)
            f->Entra();
    for (int i = 0; i < N; ++i) {
        EXPECT_EQ(conti[i], 3);
        EXPECT_TRUE(fibre[i]->Finita());
    }
}

} // namespace
} // namespace brivetta
