// Engine throughput: complete manches per second through the real engine behind a silent
// window, single thread. The card speed no longer matters to the engine (the window animates);
// it is measured at both ends to show it. The table checks of the simulator are off.
//   brivetta_bench [manches per run]   (default 300000)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "Simulatore.h"

namespace {

struct Misura {
    double parete;
    double cpu;
};

Misura Corri(int velocita, long manche, bool orologio, bool suono) {
    constexpr int Ripetizioni = 5;
    std::vector<double> parete;
    std::vector<double> cpu;
    for (int i = 0; i < Ripetizioni; ++i) {
        brivetta::sim::Opzioni o;
        o.partite = 1000000000;
        o.mancheMassime = manche;
        o.seme = 1000 + static_cast<std::uint64_t>(i);
        o.orologio = orologio;
        o.velocita = velocita;
        o.controlli = false;
        o.suono = suono;
        const auto r = brivetta::sim::Simula(o);
        if (!r.errore.empty()) {
            std::fprintf(stderr, "brivetta_bench: %s\n", r.errore.c_str());
            std::exit(1);
        }
        parete.push_back(static_cast<double>(r.manche) / r.secondi);
        cpu.push_back(static_cast<double>(r.manche) / r.secondiCpu);
    }
    std::sort(parete.begin(), parete.end());
    std::sort(cpu.begin(), cpu.end());
    return {parete[Ripetizioni / 2], cpu[Ripetizioni / 2]};
}

} // namespace

int main(int argc, char** argv) {
    const long manche = argc > 1 ? std::max(1000L, std::atol(argv[1])) : 300000L;
    std::printf("six seats, single thread, median of 5 runs\n");
    const struct {
        int velocita;
        long manche;
        bool orologio;
        bool suono;
        const char* nota;
    } prove[] = {{100, manche, true, true, "clock-seeded source, sound on"},
                 {5, manche, true, true, "clock-seeded source, sound on"},
                 {5, manche, false, true, "counter-seeded source, sound on"},
                 {5, manche, true, false, "clock-seeded source, sound off"}};
    for (const auto& p : prove) {
        const Misura m = Corri(p.velocita, p.manche, p.orologio, p.suono);
        std::printf("VelocitaCarta %3d, %s: %9.0f manches/s, %9.0f per CPU second\n", p.velocita,
                    p.nota, m.parete, m.cpu);
    }
    return 0;
}
