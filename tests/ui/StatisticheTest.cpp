// The player's statistics: statistiche.json read, written and put aside when damaged, and the
// window opened from the table after scripted manches.
#include <QAction>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "FileStatistiche.h"
#include "FinestraStatistiche.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

DatiStatistiche Esempio() {
    DatiStatistiche d;
    d.PartiteIniziate = 7;
    d.PartiteFinite = 5;
    d.PartiteVinte = 2;
    d.MancheGiocate = 301;
    d.MancheVinte = 120;
    d.ManchePerse = 150;
    d.MassimoDenaro = 187;
    d.PartitaInCorso = {50, 48, -3};
    d.UltimaPartita = {100, 101};
    return d;
}

// JSON written with single quotes, which read better inside a C++ string.
QByteArray J(const char* testo) {
    return QByteArray(testo).replace('\'', '"');
}

QByteArray Contenuto(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the statistics window shows, opened with F3 over the table and closed with OK.
struct Mostrato {
    QStringList etichette;
    QString nome;
    QString descrizione;
    bool pausa = false; // the table was held while it was open
};

void Apri(FinestraTavolo& f, Mostrato& m, std::function<void(FinestraStatistiche*)> prima = {}) {
    bool chiusa = false;
    QuandoAperto<FinestraStatistiche>([&](FinestraStatistiche* d) {
        if (prima) prima(d);
        for (QLabel* l : d->Etichette())
            m.etichette << l->text();
        m.nome = d->Grafico()->accessibleName();
        m.descrizione = d->Grafico()->accessibleDescription();
        m.pausa = f.InPausa();
        d->Ok()->click();
        chiusa = true;
    });
    // The offscreen platform does not give the table back the focus a closed dialog had.
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F3);
    QVERIFY(QTest::qWaitFor([&chiusa] { return chiusa; }, 5000));
    QVERIFY(QTest::qWaitFor([&f] { return !f.InPausa() && !QApplication::activeModalWidget(); }));
}

QStringList Etichette(int iniziate, int finite, int vinte, int giocate, int mancheVinte,
                      int manchePerse, int massimo) {
    return {QStringLiteral("Partite iniziate: %1").arg(iniziate),
            QStringLiteral("Partite finite: %1").arg(finite),
            QStringLiteral("Partite vinte: %1").arg(vinte),
            QStringLiteral("Manches giocate: %1").arg(giocate),
            QStringLiteral("Manches vinte: %1").arg(mancheVinte),
            QStringLiteral("Manches perse: %1").arg(manchePerse),
            QStringLiteral("Massimo denaro: %1€").arg(massimo)};
}

// The human stops at each turn until `manches` more summaries have been shown.
bool GiocaManches(Tavola& t, int manches) {
    const int fine = t.risposte.riepiloghi.size() + manches;
    for (;;) {
        if (!AttendiGiocatore(*t.finestra)) return false;
        if (t.risposte.riepiloghi.size() >= fine) return true;
        QTest::keyClick(t.finestra.get(), Qt::Key_F);
    }
}

// The human's money in each summary so far, after the starting 50.
QStringList Soldi(const Tavola& t) {
    QStringList soldi{QStringLiteral("50")};
    for (const QStringList& righe : t.risposte.riepiloghi)
        soldi << righe.value(0).section(QLatin1Char('|'), 3, 3);
    return soldi;
}

} // namespace

class StatisticheTest : public QObject {
    Q_OBJECT
  private slots:
    // Written and read back the same; nothing but the file itself is left in the folder.
    void andataERitorno() {
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        QCOMPARE(file.Leggi(), DatiStatistiche{});
        QVERIFY(file.Scrivi(Esempio()));
        QCOMPARE(FileStatistiche(cartella.path()).Leggi(), Esempio());
        QCOMPARE(QDir(cartella.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"statistiche.json"});
    }

    // A newer version's fields and version number survive our writing.
    void campiSconosciutiConservati() {
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        Scrivi(file.Percorso(),
               J("{'formato': 'Brivetta, statistiche del giocatore', 'versione': 3, "
                 "'partiteIniziate': 4, 'serieNuova': {'a': [1, 2.5, 'x']}, "
                 "'mancheGiocate': 9, 'nota': 'ciao'}"));
        DatiStatistiche d = file.Leggi();
        QCOMPARE(d.PartiteIniziate, 4);
        QCOMPARE(d.MancheGiocate, 9);
        d.MancheGiocate = 10;
        QVERIFY(file.Scrivi(d));
        const QByteArray scritto = Contenuto(file.Percorso());
        for (const char* resta : {"\"serieNuova\"", "2.5", "\"nota\": \"ciao\"", "\"versione\": 3",
                                  "\"mancheGiocate\": 10"})
            QVERIFY2(scritto.contains(resta), resta);
        QCOMPARE(FileStatistiche(cartella.path()).Leggi(), d);
    }

    // Anything that is not our file is put aside, replacing an older one, and the figures start
    // from zero; the next save writes a good file.
    void fileDanneggiato_data() {
        QTest::addColumn<QByteArray>("contenuto"); // empty: a folder in the file's place
        QTest::newRow("truncated") << J("{'formato': 'Brivetta, statistiche del gi");
        QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff\xfe", 14);
        QTest::newRow("empty file") << QByteArray("\n");
        QTest::newRow("a folder") << QByteArray();
        QTest::newRow("foreign JSON") << J("{'partiteIniziate': 3}");
        QTest::newRow("another program's") << J("{'formato': 'x', 'versione': 1}");
        QTest::newRow("an array") << QByteArray("[1, 2, 3]");
        const QByteArray testa = J("{'formato': 'Brivetta, statistiche del giocatore', ");
        QTest::newRow("no version") << testa + J("'partiteIniziate': 3}");
        QTest::newRow("count as text") << testa + J("'versione': 1, 'partiteVinte': '3'}");
        QTest::newRow("negative count") << testa + J("'versione': 1, 'mancheVinte': -1}");
        QTest::newRow("fractional count") << testa + J("'versione': 1, 'mancheGiocate': 2.5}");
        QTest::newRow("huge count") << testa + J("'versione': 1, 'partiteFinite': 1e12}");
        QTest::newRow("series as object") << testa + J("'versione': 1, 'ultimaPartita': {}}");
        QTest::newRow("text in a series")
            << testa + J("'versione': 1, 'partitaInCorso': [50, '52']}");
        QTest::newRow("money out of range")
            << testa + J("'versione': 1, 'partitaInCorso': [50, 40000]}");
    }
    void fileDanneggiato() {
        QFETCH(QByteArray, contenuto);
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        Scrivi(file.PercorsoDanneggiato(), "vecchio");
        if (contenuto.isEmpty()) {
            QVERIFY(QDir(cartella.path()).mkdir("statistiche.json"));
        } else {
            Scrivi(file.Percorso(), contenuto);
        }

        QCOMPARE(file.Leggi(), DatiStatistiche{});
        QVERIFY(!QFileInfo::exists(file.Percorso()));
        if (contenuto.isEmpty())
            QVERIFY(QFileInfo(file.PercorsoDanneggiato()).isDir());
        else
            QCOMPARE(Contenuto(file.PercorsoDanneggiato()), contenuto);
        QVERIFY(file.Scrivi(Esempio()));
        QCOMPARE(FileStatistiche(cartella.path()).Leggi(), Esempio());
    }

    // A write that cannot happen says so and leaves the old file as it was.
    void scritturaImpossibile_data() {
        QTest::addColumn<int>("come");
        QTest::newRow("read-only folder") << 0;
        QTest::newRow("folder gone") << 1;
        QTest::newRow("a folder in the file's place") << 2;
    }
    void scritturaImpossibile() {
        QFETCH(int, come);
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        const QString sotto = cartella.filePath("sotto");
        QVERIFY(QDir().mkdir(sotto));
        FileStatistiche bloccato(sotto);
        QVERIFY(bloccato.Scrivi(Esempio()));
        const QByteArray prima = Contenuto(bloccato.Percorso());
        if (come == 0) {
            QVERIFY(QFile::setPermissions(sotto, QFile::ReadOwner | QFile::ExeOwner));
            QFile prova(QDir(sotto).filePath("prova"));
            if (prova.open(QIODevice::WriteOnly)) {
                prova.remove();
                QSKIP("this user writes in a read-only folder all the same");
            }
        } else if (come == 1) {
            QVERIFY(QDir(sotto).removeRecursively());
        } else {
            QVERIFY(QFile::remove(bloccato.Percorso()));
            QVERIFY(QDir(sotto).mkdir("statistiche.json"));
        }
        DatiStatistiche altri = Esempio();
        altri.MancheGiocate = 999;
        QVERIFY(!bloccato.Scrivi(altri));
        if (come == 0) {
            QCOMPARE(Contenuto(bloccato.Percorso()), prima);
            QVERIFY(QFile::setPermissions(sotto,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
    }

    // A new player plays three manches and opens the statistics with F3: one game started,
    // three manches, and the chart's description is the money of the three summaries after
    // the starting money. The program ends without a word and starts again: the same figures.
    // brivetta.ini keeps its bytes throughout.
    void treMancheERiavvio() {
        Tavola t;
        t.ScriviIni({QStringLiteral("Bluff=3")});
        const QByteArray ini = t.Ini();
        FinestraTavolo& f = t.Apri();
        // In the "?" menu, just above the separator before the about window.
        const QList<QAction*> voci = f.menuBar()->actions().last()->menu()->actions();
        const int i = voci.size() - 3;
        QCOMPARE(voci.value(i)->text(), QStringLiteral("&Statistiche ..."));
        QCOMPARE(voci.value(i)->shortcut(), QKeySequence(Qt::Key_F3));
        QVERIFY(voci.value(i + 1)->isSeparator());
        QCOMPARE(voci.value(i + 2)->text(), QStringLiteral("&Info su Brivetta ..."));

        f.NuovaPartita();
        QVERIFY(GiocaManches(t, 3));
        const QStringList soldi = Soldi(t);
        int vinte = 0, perse = 0, massimo = 0;
        for (int k = 0; k < soldi.size(); ++k) {
            massimo = std::max(massimo, soldi[k].toInt());
            if (k > 0) vinte += soldi[k].toInt() > soldi[k - 1].toInt();
            if (k > 0) perse += soldi[k].toInt() < soldi[k - 1].toInt();
        }
        const QStringList attese = Etichette(1, 0, 0, 3, vinte, perse, massimo);

        Mostrato m;
        Apri(f, m);
        QCOMPARE(m.etichette, attese);
        QCOMPARE(m.nome, QStringLiteral("Andamento del denaro"));
        QCOMPARE(m.descrizione, soldi.join(", "));
        QVERIFY(m.pausa);

        t.finestra.reset();
        Mostrato dopo;
        Apri(t.Apri(), dopo);
        QCOMPARE(dopo.etichette, attese);
        QCOMPARE(dopo.descrizione, soldi.join(", "));
        QCOMPARE(t.Ini(), ini);
    }

    // A spoilt file: the game starts and shows zeros, the spoilt file is kept aside.
    void fileGuastoAllAvvio() {
        Tavola t;
        t.ScriviIni({});
        Scrivi(t.File("statistiche.json"), QByteArray("\0\0\x01garbage{", 11));
        FinestraTavolo& f = t.Apri();
        Mostrato m;
        Apri(f, m);
        QCOMPARE(m.etichette, Etichette(0, 0, 0, 0, 0, 0, 0));
        QCOMPARE(m.descrizione, QString());
        QCOMPARE(Contenuto(t.File("statistiche.json.danneggiato")),
                 QByteArray("\0\0\x01garbage{", 11));
        f.NuovaPartita();
        QVERIFY(GiocaManches(t, 1));
        QCOMPARE(FileStatistiche(t.cartella.path()).Leggi().MancheGiocate, 1);
    }

    // A folder that takes no file: play goes on, the figures are kept for the session.
    void salvataggioImpossibileNonFermaIlGioco() {
        Tavola t;
        t.ScriviIni({}); // fast cards
        FinestraTavolo& f = t.Apri();
        QVERIFY(QDir(t.cartella.path()).mkdir("statistiche.json"));
        f.NuovaPartita();
        QVERIFY(GiocaManches(t, 2));
        Mostrato m;
        Apri(f, m);
        QCOMPARE(m.etichette.value(0), QStringLiteral("Partite iniziate: 1"));
        QCOMPARE(m.etichette.value(3), QStringLiteral("Manches giocate: 2"));
        QVERIFY(t.risposte.messaggi.filter("statistiche").isEmpty());
    }

    // The end window counts a finished game, won when the human leads the ranking; answering
    // it starts the next game, whose chart holds only its starting money.
    void finePartita_data() {
        QTest::addColumn<int>("umano"); // the money each seat is given in the first manche
        QTest::addColumn<int>("secondo");
        QTest::addColumn<int>("altri");
        QTest::addColumn<bool>("vinta");
        QTest::newRow("human first") << 100 << 1 << 1 << true;
        QTest::newRow("human second") << 100 << 300 << 1 << false;
        QTest::newRow("human last") << 1 << 100 << 100 << false;
    }
    void finePartita() {
        QFETCH(int, umano);
        QFETCH(int, secondo);
        QFETCH(int, altri);
        QFETCH(bool, vinta);
        Tavola t;
        t.ScriviIni({}); // fast cards
        FinestraTavolo& f = t.Apri();
        f.NuovaPartita();
        QVERIFY(AttendiGiocatore(f));
        // A seat with a single coin goes broke at the first manche it loses.
        StatoTavolo& s = f.Motore().Stato();
        for (int seat = 1; seat <= s.NumGiocatori; ++seat)
            s.Soldi[seat] = static_cast<Intero>(seat == 1 ? umano : seat == 2 ? secondo : altri);
        while (t.risposte.finiPartita == 0)
            QVERIFY(GiocaManches(t, 1));
        Mostrato m;
        Apri(f, m);
        QCOMPARE(m.etichette.mid(0, 3),
                 QStringList({"Partite iniziate: 2", "Partite finite: 1",
                              vinta ? "Partite vinte: 1" : "Partite vinte: 0"}));
        QCOMPARE(m.descrizione, QStringLiteral("50"));
    }

    // "Azzera" asks first: "No" keeps every figure, "Sì" clears them, in the window and the
    // file; the game in progress goes on from the money held.
    void azzera() {
        Tavola t;
        t.ScriviIni({}); // fast cards
        FinestraTavolo& f = t.Apri();
        f.NuovaPartita();
        QVERIFY(GiocaManches(t, 2));
        const QString ora = Soldi(t).last();
        t.risposte.Sospendi(true);
        QString domanda;
        Mostrato m;
        Apri(f, m, [&](FinestraStatistiche* d) {
            for (const char* scelta : {"&No", "&Sì"}) {
                QuandoAperto<QMessageBox>([&domanda, scelta](QMessageBox* box) {
                    domanda = box->text();
                    for (QAbstractButton* b : box->buttons())
                        if (b->text() == QString::fromUtf8(scelta)) b->click();
                });
                d->Azzera()->click();
                QVERIFY(QTest::qWaitFor([d] { return QApplication::activeModalWidget() == d; }));
                if (scelta[1] == 'N')
                    QCOMPARE(d->Etichette()[3]->text(), QStringLiteral("Manches giocate: 2"));
            }
        });
        t.risposte.Sospendi(false);
        QCOMPARE(domanda, QStringLiteral("Azzerare tutte le statistiche?"));
        QCOMPARE(m.etichette, Etichette(0, 0, 0, 0, 0, 0, ora.toInt()));
        QCOMPARE(m.descrizione, ora);
        QCOMPARE(FileStatistiche(t.cartella.path()).Leggi().MancheGiocate, 0);
    }
};

QTEST_MAIN(StatisticheTest)
#include "StatisticheTest.moc"
