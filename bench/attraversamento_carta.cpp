// How long a card takes to cross 400 px of the table at a few speeds, with the real animation
// of the table window, on an idle machine and with both cores kept busy.
// Run with a display (or QT_QPA_PLATFORM=offscreen): brivetta_bench_carta
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "VoloCarta.h"

namespace {

struct Prova {
    int velocita;
    bool carico;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget tavolo;
    tavolo.resize(600, 200);
    auto* carta = new QWidget(&tavolo);
    carta->resize(58, 99);
    tavolo.show();

    brivetta::VoloCarta volo;
    const std::vector<Prova> prove = {
        {5, false}, {20, false}, {100, false}, {5, true}, {100, true}};
    std::size_t prossima = 0;
    std::atomic<bool> fermi{true};
    std::vector<std::thread> carico;
    QElapsedTimer tempo;

    auto parti = [&] {
        if (prossima == prove.size()) {
            fermi = true;
            app.quit();
            return;
        }
        const Prova& p = prove[prossima];
        if (p.carico && carico.empty()) {
            // One spinning thread per core: the window's thread has to share the processor.
            fermi = false;
            for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i)
                carico.emplace_back([&fermi] {
                    while (!fermi.load(std::memory_order_relaxed)) {
                    }
                });
        }
        tempo.start();
        volo.Parti(carta, {0, 0}, {400, 0}, 100.0 * p.velocita);
    };
    QObject::connect(&volo, &brivetta::VoloCarta::arrivata, [&] {
        const Prova& p = prove[prossima];
        std::printf("speed %3d%s: 400 px in %lld ms (expected %d ms)\n", p.velocita,
                    p.carico ? ", both cores busy" : "", static_cast<long long>(tempo.elapsed()),
                    400 * 10 / p.velocita);
        ++prossima;
        QTimer::singleShot(100, parti);
    });
    QTimer::singleShot(200, parti);
    const int esito = app.exec();
    fermi = true;
    for (auto& t : carico)
        t.join();
    return esito;
}
