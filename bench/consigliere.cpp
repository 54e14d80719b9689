// The advisor at the human's move in real games: the time to its figures (median and 99th
// percentile of the thread's own CPU time, steady on a shared machine) and the 95% half-width of
// each figure against the stake.
// With more than one thread the wall-clock times follow.
//   brivetta_bench_consiglio [turns] [seats] [samples] [threads, default 1]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <vector>

#include "Consigliere.h"
#include "Gioco.h"
#include "PartitaDiProva.h"

using namespace brivetta;

namespace {
double MillisecondiCpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

double Quantile(std::vector<double> x, double q) {
    if (x.empty()) return 0;
    std::sort(x.begin(), x.end());
    return x[static_cast<std::size_t>(q * static_cast<double>(x.size() - 1))];
}
} // namespace

int main(int argc, char** argv) {
    const int turni = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int posti = argc > 2 ? std::clamp(std::atoi(argv[2]), 2, 6) : 6;
    OpzioniConsiglio o;
    if (argc > 3) o.Campioni = std::max(1, std::atoi(argv[3]));
    o.Fili = argc > 4 ? std::max(1, std::atoi(argv[4])) : 1;

    PartitaDiProva partita(12345, posti);
    Gioco& g = partita.g;
    StatoTavolo& s = g.Stato();

    std::vector<double> ms;
    std::vector<double> parete;
    std::vector<double> margini; // the larger half-width over the stake it counts
    int oltre = 0;
    while (static_cast<int>(ms.size()) < turni) {
        if (g.Attesa().Tipo != TipoEvento::Giocatore) {
            g.Rispondi();
            continue;
        }
        o.Seme = ms.size() + 1;
        const double inizio = MillisecondiCpu();
        const auto inizioParete = std::chrono::steady_clock::now();
        const ValoreMosse c = ValutaMosse(s, g.Vista(), o);
        ms.push_back(MillisecondiCpu() - inizio);
        parete.push_back(std::chrono::duration<double, std::milli>(
                             std::chrono::steady_clock::now() - inizioParete)
                             .count());
        // Against the dealer the figures are per unit of stake.
        if (c.PerUnita) {
            const double m = std::max(c.MargineStop, c.MargineCarta);
            margini.push_back(m);
            if (m > 0.02) ++oltre;
        }
        // Plays on like a careful player: the least stake, a stop from 5.
        if (s.Punteggio[1] >= 5 || !c.CartaPossibile)
            g.Gioca(Azione::Stop);
        else
            g.Gioca(Azione::CartaScoperta);
    }
    std::printf(
        "%d turns, %d seats, at most %d samples: CPU median %.1f ms, 99th percentile %.1f ms, "
        "max %.1f ms, mean %.1f ms\n",
        turni, posti, o.Campioni, Quantile(ms, 0.5), Quantile(ms, 0.99), Quantile(ms, 1.0),
        std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size()));
    if (o.Fili > 1)
        std::printf("%d threads, wall clock: median %.1f ms, 99th percentile %.1f ms\n", o.Fili,
                    Quantile(parete, 0.5), Quantile(parete, 0.99));
    std::printf("95%% half-width over the stake: median %.4f, max %.4f, %d of %zu above 0.02\n",
                Quantile(margini, 0.5), Quantile(margini, 1.0), oltre, margini.size());
    return 0;
}
