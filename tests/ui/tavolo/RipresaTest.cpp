// The game in progress kept across leaving and crashes: the table is closed at the moments a
// player may leave it (the application ends at once), or the process dropped at random over a
// long run, and a fresh start shows the same table and plays on, counting every manche once.
#include <QFile>
#include <random>

#include "FileStatistiche.h"
#include "RiepilogoManche.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

enum class Momento { Mossa, Riepilogo };

int DenaroSulTavolo(const StatoTavolo& s) {
    int totale = 0;
    for (int p = 1; p <= s.NumGiocatori; ++p)
        totale += s.Soldi[p];
    return totale;
}

// The process ends without a word: the window goes, the game is kept only as it went.
FinestraTavolo& Riapri(Tavola& t) {
    t.finestra.reset();
    return t.Apri();
}

} // namespace

Q_DECLARE_METATYPE(Momento)

class RipresaTest : public QObject {
    Q_OBJECT
  private slots:
    void laStessaTavolaARiapertura_data() {
        QTest::addColumn<Momento>("momento");
        QTest::newRow("at the human's move") << Momento::Mossa;
        QTest::newRow("the summary open") << Momento::Riepilogo;
    }
    void laStessaTavolaARiapertura() {
        QFETCH(Momento, momento);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo* f = &t.Apri();
        const int n = f->Stato().NumGiocatori;
        t.caso.AggiungiMazziere(n, n); // the human plays first
        if (momento == Momento::Riepilogo) t.risposte.TieniRiepilogo(true);
        f->NuovaPartita();
        QVERIFY(AttendiGiocatore(*f));
        if (momento == Momento::Riepilogo) {
            f->Stop();
            QVERIFY(AttendiModale<RiepilogoManche>());
        }
        const StatoTavolo prima = f->Stato();
        const VistaTavolo vistaPrima = f->Motore().Vista();
        // Closing the table ends the application once, and nothing of the game goes on behind
        // the closed window.
        f->close();
        QCOMPARE(t.uscite, 1);
        QTest::qWait(200);
        QCOMPARE(t.uscite, 1);
        QCOMPARE(f->Stato(), prima);

        t.risposte.Sospendi(true);
        f = &Riapri(t);
        if (momento == Momento::Riepilogo) {
            QVERIFY(AttendiModale<RiepilogoManche>());
        } else {
            QCOMPARE(f->Motore().Vista(), vistaPrima);
            QVERIFY(f->Motore().Attesa().Tipo == TipoEvento::Giocatore);
        }
        QCOMPARE(f->Stato(), prima);
        // It plays on to the human's next move, with the table's money whole.
        t.risposte.TieniRiepilogo(false);
        t.risposte.Sospendi(false);
        QVERIFY(AttendiGiocatore(*f));
        QCOMPARE(int(f->Stato().Turno), 1);
        QCOMPARE(DenaroSulTavolo(f->Stato()), n * f->Stato().MalloppoIniziale);
        // One manche at most was settled, and counted once.
        const int manches = FileStatistiche(t.cartella.path()).Leggi().MancheGiocate;
        QCOMPARE(manches, momento == Momento::Riepilogo ? 1 : 0);
    }

    // A file that cannot be played again never stops the game: it is set aside and the table
    // starts idle. A line the writer had not finished is only the last action not taken.
    void fileGuasti_data() {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<bool>("ripresa");
        QTest::newRow("last line torn") << "torn" << true;
        QTest::newRow("newer version") << "newer" << false;
    }
    void fileGuasti() {
        QFETCH(QString, guasto);
        QFETCH(bool, ripresa);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo* f = &t.Apri();
        QVERIFY(t.AlTurnoDellUmano(true));
        t.caso.AggiungiCarta(1);
        f->CartaScoperta();
        QVERIFY(AttendiGiocatore(*f));
        const StatoTavolo prima = f->Stato();
        t.finestra.reset();
        const QString file = t.File("partita.json");
        QByteArray testo = Leggi(file);
        if (guasto == "torn") testo += "{\"p\":\"rispo";
        if (guasto == "newer") testo.replace("\"versione\":1", "\"versione\":2");
        Scrivi(file, testo);

        f = &t.Apri();
        QCOMPARE(QFile::exists(t.File("partita.json.danneggiato")), !ripresa);
        if (ripresa) {
            QCOMPARE(f->Stato(), prima);
            QVERIFY(!Leggi(file).contains("rispo\n")); // the torn line is not kept
        } else {
            QCOMPARE(int(f->Stato().Mazziere), 0); // the idle table
            QVERIFY(ConSuggerimento(*f, "Nuova partita")->isVisible());
            f->NuovaPartita(); // and a game starts as ever, kept in a new file
            QVERIFY(AttendiGiocatore(*f));
            QVERIFY(Leggi(file).startsWith("{\"formato\":\"brivetta-partita\""));
        }
        QVERIFY(t.risposte.messaggi.filter("partita").filter("conservata").isEmpty());
    }

    // A second copy on the same folder says so and plays without keeping: the first copy's game
    // stays as it was.
    void dueCopie() {
        Tavola t;
        t.ScriviIni({});
        t.Apri();
        QVERIFY(t.AlTurnoDellUmano());
        const QByteArray tenuta = Leggi(t.File("partita.json"));
        FinestraTavolo seconda(&t.caso, new SuoniProva);
        seconda.ImpostaCartella(t.cartella.path());
        seconda.Avvia();
        QVERIFY(QTest::qWaitFor([&] { return seconda.Pronta(); }));
        QVERIFY(QTest::qWaitFor(
            [&] { return !t.risposte.messaggi.filter("non sarà conservata").isEmpty(); }));
        QCOMPARE(int(seconda.Stato().Mazziere), 0);
        seconda.NuovaPartita();
        QVERIFY(AttendiGiocatore(seconda));
        seconda.Stop();
        QVERIFY(AttendiGiocatore(seconda));
        QCOMPARE(Leggi(t.File("partita.json")), tenuta);
    }

    // Over a long run the process is dropped at random moments: each time the game comes back
    // and goes on, the money on the table stays whole and each manche is counted once.
    void interruzioniACaso() {
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo* f = &t.Apri();
        const int n = f->Stato().NumGiocatori;
        std::mt19937 caso(2002);
        int suoni = 0;
        int prossima = 0;
        const auto gioca = [&t] {
            FinestraTavolo& g = *t.finestra;
            if (g.Motore().Attesa().Tipo != TipoEvento::Giocatore || g.CartaInVolo() ||
                QApplication::activeModalWidget())
                return;
            if (g.Stato().Punteggio[1] < 5)
                g.CartaScoperta();
            else
                g.Stop();
        };
        QTimer giocatore;
        QObject::connect(&giocatore, &QTimer::timeout, gioca);
        giocatore.start(1);
        f->NuovaPartita();
        for (int interruzione = 0; interruzione < 25; ++interruzione) {
            prossima = suoni + 1 + static_cast<int>(caso() % 40);
            t.suoni->durante = [&] { ++suoni; };
            QVERIFY(QTest::qWaitFor([&] { return suoni >= prossima; }, 20000));
            f = &Riapri(t);
            if (f->Stato().Mazziere)
                QCOMPARE(DenaroSulTavolo(f->Stato()), n * f->Stato().MalloppoIniziale);
        }
        giocatore.stop();
        t.risposte.Sospendi(false);
        QVERIFY(AttendiGiocatore(*f));
        // A summary open when the process went is shown again: the same manche, once.
        int manches = 0;
        for (qsizetype i = 0; i < t.risposte.riepiloghi.size(); ++i)
            manches += i == 0 || t.risposte.riepiloghi[i] != t.risposte.riepiloghi[i - 1];
        QVERIFY(manches >= 5);
        QCOMPARE(FileStatistiche(t.cartella.path()).Leggi().MancheGiocate, manches);
        QCOMPARE(DenaroSulTavolo(f->Stato()), n * f->Stato().MalloppoIniziale);
    }
};

QTEST_MAIN(RipresaTest)
#include "RipresaTest.moc"
