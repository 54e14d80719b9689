// Long play on the real table window: an automatic player closes every window at once and plays
// the human's seat, at the fastest card speed, and the resident memory is printed as the manches
// go by (ten readings), with the part of the heap in use. Memory must stay flat.
// Run from a program folder (the card set beside it) with a display or QT_QPA_PLATFORM=offscreen:
//   brivetta_partita_lunga [manches] [--resta]   (default 2000)
// With --resta the process ends at once after the last manche, freeing nothing, so a heap
// profiler reports everything still held then: compare two runs of different lengths.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

#include "FinePartita.h"
#include "FinestraTavolo.h"
#include "Gioco.h"
#include "RiepilogoManche.h"

namespace {

long MemoriaResidenteKb() {
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& riga : stato.readAll().split('\n'))
        if (riga.startsWith("VmRSS:")) return riga.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const long manche = argc > 1 ? std::max(10L, std::atol(argv[1])) : 2000L;
    const bool resta = argc > 2 && std::strcmp(argv[2], "--resta") == 0;
    QFile ini(QStringLiteral("brivetta.ini"));
    if (ini.open(QIODevice::WriteOnly)) ini.write("VelocitaCarta=100\r\nSuono=1\r\n");
    ini.close();

    brivetta::FinestraTavolo tavolo;
    QObject::connect(&tavolo, &brivetta::FinestraTavolo::uscita, &app, &QCoreApplication::quit);
    tavolo.ImpostaCartella(QDir::currentPath());
    tavolo.Avvia();
    long giocate = 0;
    bool iniziata = false;
    QTimer giocatore;
    QObject::connect(&giocatore, &QTimer::timeout, [&] {
        if (!tavolo.Pronta()) return;
        QWidget* finestra = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(finestra)) {
            box->button(QMessageBox::Ok)->click();
        } else if (auto* riepilogo = qobject_cast<brivetta::RiepilogoManche*>(finestra)) {
            if (++giocate % (manche / 10) == 0) { // ten readings over the run
                const struct mallinfo2 heap = mallinfo2();
                std::printf("%6ld manches: %6ld kB resident, %6zu kB of heap in use, %lld objects "
                            "under the table\n",
                            giocate, MemoriaResidenteKb(), heap.uordblks / 1024,
                            static_cast<long long>(tavolo.findChildren<QObject*>().size()));
                std::fflush(stdout);
            }
            if (giocate >= manche) {
                if (resta) std::_Exit(0);
                tavolo.close();
                return;
            }
            riepilogo->Ok()->click();
        } else if (auto* fine = qobject_cast<brivetta::FinePartita*>(finestra)) {
            fine->AltraPartita()->click();
        } else if (!iniziata) {
            iniziata = true;
            tavolo.NuovaPartita();
        } else if (tavolo.Motore().Attesa().Tipo == brivetta::TipoEvento::Giocatore &&
                   tavolo.Stato().Turno == 1) {
            // Cards while below 5, then a stop.
            if (tavolo.Stato().Punteggio[1] < 5)
                tavolo.CartaScoperta();
            else
                tavolo.Stop();
        }
    });
    giocatore.start(1);
    std::printf("%6d manches: %6ld kB resident\n", 0, MemoriaResidenteKb());
    return app.exec();
}
