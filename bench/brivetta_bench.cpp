// Engine throughput: complete manches per second through the real engine behind a silent
// window, single thread, at the fastest card speed and at the default one.
//   brivetta_bench [manches at speed 100]   (default 300000; speed 5 plays a quarter of them)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Simulatore.h"

namespace {

double Misura(int velocita, long manche, int ripetizioni) {
    std::vector<double> misure;
    for (int i = 0; i < ripetizioni; ++i) {
        brivetta::sim::Opzioni o;
        o.partite = 1000000000;
        o.mancheMassime = manche;
        o.seme = 1000 + static_cast<std::uint64_t>(i);
        o.velocita = velocita;
        const auto r = brivetta::sim::Simula(o);
        if (!r.errore.empty()) {
            std::fprintf(stderr, "brivetta_bench: %s\n", r.errore.c_str());
            std::exit(1);
        }
        misure.push_back(static_cast<double>(r.manche) / r.secondi);
    }
    std::sort(misure.begin(), misure.end());
    return misure[misure.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const long manche = argc > 1 ? std::max(1000L, std::atol(argv[1])) : 300000L;
    std::printf("six seats, median of 5 runs\n");
    for (const auto& [velocita, quante] :
         {std::pair{100, manche}, std::pair{5, std::max(1000L, manche / 4)}})
        std::printf("VelocitaCarta %3d: %9.0f manches/s (%ld manches per run)\n", velocita,
                    Misura(velocita, quante, 5), quante);
    return 0;
}
