// The kept game: a game of 1,000 manches played through the engine with partita.json written as
// the window writes it, then the time to bring it back (read the file, play the record again).
// Also the whole game as one record from its first table, played again at once: what a record
// that never started again from a new table would cost.
//   brivetta_bench_ripresa [manches]   (default 1000)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "FilePartita.h"
#include "Gioco.h"

using namespace brivetta;

namespace {

class ContaManche : public Cronaca {
  public:
    long manche = 0;
    void PartitaIniziata(const StatoTavolo&) override {}
    void MancheSaldata(const StatoTavolo&) override { ++manche; }
    void PartitaFinita(const StatoTavolo&) override {}
};

// Every input from the first table on, never starting again.
class TuttoIlRegistro : public Testimone {
  public:
    RegistroPartita r;
    bool base = false;
    void NuovaBase(const Istantanea& b, bool) override {
        if (!base) r.Base = b;
        base = true;
    }
    void Aggiungi(const Passaggio& p) override { r.Passaggi.push_back(p); }
};

// Both listen to the same game.
class Entrambi : public Testimone {
  public:
    Testimone& a;
    Testimone& b;
    Entrambi(Testimone& x, Testimone& y) : a(x), b(y) {}
    void NuovaBase(const Istantanea& i, bool c) override {
        a.NuovaBase(i, c);
        b.NuovaBase(i, c);
    }
    void Aggiungi(const Passaggio& p) override {
        a.Aggiungi(p);
        b.Aggiungi(p);
    }
};

void Gioca(Gioco& g) {
    const StatoTavolo& s = g.Stato();
    if (g.Attesa().Tipo != TipoEvento::Giocatore)
        g.Rispondi();
    else if (s.Mazziere == 0)
        g.Gioca(Azione::NuovaPartita);
    else
        g.Gioca(s.Punteggio[1] < 5 ? Azione::CartaScoperta : Azione::Stop);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long manche = argc > 1 ? std::max(1L, std::atol(argv[1])) : 1000L;
    QTemporaryDir cartella;
    CasualeOrologio caso;
    Gioco g(caso);
    g.AvvioIniziale();
    Impostazioni scelte = ImpostazioniDelTavolo(g.Stato());
    scelte.MalloppoIniziale = 100;
    scelte.Bluff = 5;
    scelte.VelocitaCarta = 5;
    g.CambiaImpostazioni(scelte);
    g.AvvioFinale(99 * 6 + 3);
    ContaManche conta;
    g.ImpostaCronaca(&conta);
    auto file = std::make_unique<FilePartita>(cartella.path());
    TuttoIlRegistro tutto;
    Entrambi entrambi(*file, tutto);
    g.ImpostaTestimone(&entrambi);

    QElapsedTimer gioco;
    gioco.start();
    qint64 massimo = 0;
    long passi = 0;
    while (conta.manche < manche) {
        Gioca(g);
        ++passi;
        massimo = std::max(massimo, QFileInfo(file->Percorso()).size());
    }
    const double secondi = gioco.nsecsElapsed() / 1e9;
    const qint64 finale = QFileInfo(file->Percorso()).size();
    // Read as the next start reads it, once the game above has gone with its lock.
    g.ImpostaTestimone(nullptr);
    file.reset();
    file = std::make_unique<FilePartita>(cartella.path());

    constexpr int Ripetizioni = 50;
    QElapsedTimer ripresa;
    ripresa.start();
    bool riuscita = true;
    for (int i = 0; i < Ripetizioni; ++i) {
        RegistroPartita r;
        riuscita = riuscita && file->Leggi(r) == FilePartita::Esito::Ripresa;
        CasualeOrologio altro;
        Gioco copia(altro);
        copia.AvvioIniziale();
        riuscita = riuscita && copia.Rigioca(r, nullptr);
    }
    const double msRipresa = ripresa.nsecsElapsed() / 1e6 / Ripetizioni;

    long numeri = 0;
    for (const Passaggio& p : tutto.r.Passaggi)
        numeri += static_cast<long>(p.Numeri.size());
    QElapsedTimer intero;
    intero.start();
    CasualeOrologio altro;
    Gioco copia(altro);
    copia.AvvioIniziale();
    const bool interoRiuscito = copia.Rigioca(tutto.r, nullptr);
    const double msIntero = intero.nsecsElapsed() / 1e6;

    std::printf("%ld manches, %ld inputs in %.1f s (each written and synced to disk)\n",
                conta.manche, passi, secondi);
    std::printf("partita.json: at most %lld bytes, %lld bytes at the end\n",
                static_cast<long long>(massimo), static_cast<long long>(finale));
    std::printf("bringing the game back (read + play again): %.3f ms%s\n", msRipresa,
                riuscita ? "" : " (FAILED)");
    std::printf("the whole game as one record (%zu inputs, %ld numbers) played again: %.1f ms%s\n",
                tutto.r.Passaggi.size(), numeri, msIntero, interoRiuscito ? "" : " (FAILED)");
    return riuscita && interoRiuscito ? 0 : 1;
}
