// How long a card takes to slide across the table at a few speeds, on the real window.
// Run with a display (or QT_QPA_PLATFORM=offscreen): brivetta_bench_carta
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

#include "FinestraTavolo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brivetta::FinestraTavolo tavolo;
    tavolo.suonatore = [](const std::string&) {};
    // Run from the program folder, where the card set is.
    tavolo.ImpostaCartella(QDir::currentPath());
    tavolo.Form_Load();
    auto& s = tavolo.Stato();
    auto& gioco = tavolo.Motore();
    // A face-up card from the deck to slot 6 of the dealer's own row: 401 px to the right.
    s.Mazziere = 1;
    s.Turno = 1;
    s.NumCarte[1] = 6;
    for (int velocita : {5, 20, 100}) {
        s.VelocitaCarta = static_cast<brivetta::Intero>(velocita);
        QElapsedTimer t;
        t.start();
        gioco.MuoviCarta(0, 7);
        std::printf("speed %3d: 401 px in %lld ms\n", velocita,
                    static_cast<long long>(t.elapsed()));
    }
    return 0;
}
