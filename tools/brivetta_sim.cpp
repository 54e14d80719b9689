// Plays complete games headless and checks the table after every manche:
//   brivetta_sim [--games N] [--manches M] [--seed S | --clock] [--speed V] [--seats N]
//                [--money M] [--bluff B] [--single-wins] [--threads N] [--no-screen]
//                [--umano semplice|tabella|consiglio|cinque] [--campioni N]
// Exits 1 on the first broken invariant, 2 on bad arguments.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "Simulatore.h"

namespace {

bool Numero(const char* testo, long minimo, long massimo, long& valore) {
    char* fine = nullptr;
    const long v = std::strtol(testo, &fine, 10);
    if (fine == testo || *fine != '\0' || v < minimo || v > massimo) return false;
    valore = v;
    return true;
}

int Uso(const char* motivo) {
    std::fprintf(stderr,
                 "brivetta_sim: %s\nusage: brivetta_sim [--games N] [--manches M] [--seed S | "
                 "--clock] [--speed 1..100] [--seats 2..6] [--money 40..100] [--bluff 1..10] "
                 "[--single-wins] [--threads 1..64] [--no-screen] "
                 "[--umano semplice|tabella|consiglio|cinque] "
                 "[--campioni 100..100000]\n",
                 motivo);
    return 2;
}

bool Giocatore(const std::string& nome, brivetta::sim::Umano& umano) {
    using brivetta::sim::Umano;
    const std::pair<const char*, Umano> nomi[] = {{"semplice", Umano::Semplice},
                                                  {"tabella", Umano::Tabella},
                                                  {"consiglio", Umano::Consiglio},
                                                  {"cinque", Umano::Cinque}};
    for (const auto& [testo, valore] : nomi)
        if (nome == testo) {
            umano = valore;
            return true;
        }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    brivetta::sim::Opzioni o;
    int fili = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        long v = 0;
        auto valore = [&](long minimo, long massimo) {
            return i + 1 < argc && Numero(argv[++i], minimo, massimo, v);
        };
        if (a == "--clock")
            o.orologio = true;
        else if (a == "--single-wins")
            o.vincitaDoppia = false;
        else if (a == "--no-screen")
            o.schermo = false;
        else if (a == "--games" && valore(1, 100000000))
            o.partite = v;
        else if (a == "--manches" && valore(1, 1000000000))
            o.mancheMassime = v;
        else if (a == "--seed" && valore(0, 2147483647))
            o.seme = static_cast<std::uint64_t>(v);
        else if (a == "--speed" && valore(1, 100))
            o.velocita = static_cast<int>(v);
        else if (a == "--seats" && valore(2, 6))
            o.giocatori = static_cast<int>(v);
        else if (a == "--money" && valore(40, 100))
            o.malloppo = static_cast<int>(v);
        else if (a == "--bluff" && valore(1, 10))
            o.bluff = static_cast<int>(v);
        else if (a == "--threads" && valore(1, 64))
            fili = static_cast<int>(v);
        else if (a == "--campioni" && valore(100, 100000))
            o.campioni = static_cast<int>(v);
        else if (a == "--umano" && i + 1 < argc && Giocatore(argv[++i], o.umano))
            continue;
        else
            return Uso(("bad argument: " + a).c_str());
    }

    const auto r = brivetta::sim::SimulaInParallelo(o, fili);
    std::printf("games %ld, manches %ld, dealer won %.1f%% of %ld contests, "
                "human's average place %.2f of %d, %.0f manches/s (%.0f per CPU second)\n",
                r.partite, r.manche, r.sfide ? 100.0 * r.vinteMazziere / r.sfide : 0.0, r.sfide,
                r.partite ? static_cast<double>(r.sommaPiazzamenti) / r.partite : 0.0, o.giocatori,
                r.secondi > 0 ? r.manche / r.secondi : 0.0,
                r.secondiCpu > 0 ? r.manche / r.secondiCpu : 0.0);
    std::printf("dealer's messages: %ld refills, %ld matta reshuffles, %ld deck passings, "
                "%ld forced minimum stakes, %ld refused raises\n",
                r.rifornimenti, r.rimescoliMatta, r.passaggi, r.minimi, r.rifiuti);
    if (r.manche > 1) {
        // The human's average money change per manche with its 95% confidence interval.
        const double n = static_cast<double>(r.manche);
        const double media = r.sommaUmano / n;
        const double varianza = std::max(0.0, (r.quadratiUmano - n * media * media) / (n - 1));
        std::printf("human's money per manche %+.4f \u00b1 %.4f (95%%)\n", media,
                    1.96 * std::sqrt(varianza / n));
    }
    if (!r.errore.empty()) {
        std::fprintf(stderr, "brivetta_sim: invariant broken: %s\n", r.errore.c_str());
        return 1;
    }
    return 0;
}
