// Engine throughput: complete manches per second through the real engine, single thread. First
// as a player without a screen sees it (the game stops only for messages, summaries and the
// human's moves), with every seat played by the decision table as the bare arithmetic of a manche
// does; then behind a silent window that answers every event, sounds and flying cards included.
// The table checks of the simulator are off.
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

struct Prova {
    brivetta::sim::Umano umano;
    bool schermo;
    bool orologio;
    bool suono;
    const char* nota;
};

Misura Corri(const Prova& p, long manche) {
    constexpr int Ripetizioni = 5;
    std::vector<double> parete;
    std::vector<double> cpu;
    for (int i = 0; i < Ripetizioni; ++i) {
        brivetta::sim::Opzioni o;
        o.partite = 1000000000;
        o.mancheMassime = manche;
        o.seme = 1000 + static_cast<std::uint64_t>(i);
        o.orologio = p.orologio;
        o.controlli = false;
        o.suono = p.suono;
        o.schermo = p.schermo;
        o.umano = p.umano;
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
    using brivetta::sim::Umano;
    const Prova prove[] = {
        {Umano::Tabella, false, true, true, "decision table in every seat, no screen"},
        {Umano::Semplice, false, true, true, "simple human, no screen"},
        {Umano::Semplice, true, true, true, "simple human, every event answered, sound on"},
        {Umano::Semplice, true, false, true, "same, counter-seeded source"},
        {Umano::Semplice, true, true, false, "simple human, every event answered, sound off"},
    };
    for (const Prova& p : prove) {
        const Misura m = Corri(p, manche);
        std::printf("%-48s: %9.0f manches/s, %9.0f per CPU second\n", p.nota, m.parete, m.cpu);
    }
    return 0;
}
