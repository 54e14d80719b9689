#pragma once
// The game the advisor's benches measure on: a reproducible clock-seeded source, money 50, bluff
// 5, double wins on, sound off, `posti` seats, a new game started.

#include <cstdint>

#include "Gioco.h"

namespace brivetta {

struct PartitaDiProva {
    std::uint64_t battito;
    CasualeOrologio caso{[this] { return battito += 0x9E3779B97F4A7C15ull; }};
    Gioco g{caso};

    PartitaDiProva(std::uint64_t seme, int posti) : battito(seme) {
        StatoTavolo& s = g.Stato();
        g.AvvioIniziale();
        s.MalloppoIniziale = 50;
        s.Bluff = 5;
        s.VincitaDoppia = true;
        s.Suono = false;
        g.AvvioFinale(99 * posti + 3);
        g.Gioca(Azione::NuovaPartita);
    }
};

} // namespace brivetta
