// The player's statistics: statistiche.json read, written and put aside when damaged, and the
// window opened with F3 over the table after scripted manches.
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "FileStatistiche.h"
#include "FinestraStatistiche.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

const DatiStatistiche Esempio{7, 5, 2, 301, 120, 150, 187, {50, 48, -3}, {100, 101}};

// JSON written with single quotes, which read better inside a C++ string.
QByteArray J(const char* testo) {
    return QByteArray(testo).replace('\'', '"');
}

QStringList Etichette(const DatiStatistiche& d) {
    return {QStringLiteral("Partite iniziate: %1").arg(d.PartiteIniziate),
            QStringLiteral("Partite finite: %1").arg(d.PartiteFinite),
            QStringLiteral("Partite vinte: %1").arg(d.PartiteVinte),
            QStringLiteral("Manches giocate: %1").arg(d.MancheGiocate),
            QStringLiteral("Manches vinte: %1").arg(d.MancheVinte),
            QStringLiteral("Manches perse: %1").arg(d.ManchePerse),
            QStringLiteral("Massimo denaro: %1€").arg(d.MassimoDenaro)};
}

// What the window opened with F3 shows before `prima` (if any) and OK close it.
struct Mostrato {
    QStringList etichette;
    QString descrizione;
    bool pausa = false; // the table was held while it was open
};

void Apri(FinestraTavolo& f, Mostrato& m, std::function<void(FinestraStatistiche*)> prima = {}) {
    bool chiusa = false;
    QuandoAperto<FinestraStatistiche>([&](FinestraStatistiche* d) {
        if (prima) prima(d);
        for (QLabel* l : d->Etichette())
            m.etichette << l->text();
        QCOMPARE(d->Grafico()->accessibleName(), QStringLiteral("Andamento del denaro"));
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

// The human stops at each turn until `manches` more summaries have been shown.
bool GiocaManches(Tavola& t, int manches) {
    const int fine = t.risposte.riepiloghi.size() + manches;
    for (;;) {
        if (!AttendiGiocatore(*t.finestra)) return false;
        if (t.risposte.riepiloghi.size() >= fine) return true;
        QTest::keyClick(t.finestra.get(), Qt::Key_F);
    }
}

// The starting 50, then the human's money in each summary so far.
QString Soldi(const Tavola& t) {
    QStringList soldi{QStringLiteral("50")};
    for (const QStringList& righe : t.risposte.riepiloghi)
        soldi << righe.value(0).section(QLatin1Char('|'), 3, 3);
    return soldi.join(QStringLiteral(", "));
}

} // namespace

class StatisticheTest : public QObject {
    Q_OBJECT
  private slots:
    // A newer version's file is read for what we know; its other fields and version survive our
    // writing, and what we write reads back the same, with nothing else left in the folder.
    void andataERitorno() {
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        Scrivi(file.Percorso(), J("{'formato': 'Brivetta, statistiche del giocatore', "
                                  "'versione': 3, 'mancheGiocate': 9, 'nota': 'ciao', "
                                  "'serieNuova': {'a': [1, 2.5, 'x']}}"));
        DatiStatistiche letti;
        letti.MancheGiocate = 9;
        QCOMPARE(file.Leggi(), letti);
        QVERIFY(file.Scrivi(Esempio));
        QCOMPARE(FileStatistiche(cartella.path()).Leggi(), Esempio);
        const QByteArray scritto = Leggi(file.Percorso());
        for (const char* resta : {"\"serieNuova\"", "2.5", "\"nota\": \"ciao\"", "\"versione\": 3"})
            QVERIFY2(scritto.contains(resta), resta);
        QCOMPARE(QDir(cartella.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"statistiche.json"});
    }

    // Anything that is not our file is put aside, replacing an older one, and the figures start
    // from zero; the next save writes a good file.
    void fileDanneggiato_data() {
        QTest::addColumn<QByteArray>("contenuto"); // empty: a folder in the file's place
        const QByteArray testa = J("{'formato': 'Brivetta, statistiche del giocatore', ");
        QTest::newRow("truncated") << testa;
        QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff\xfe", 14);
        QTest::newRow("a folder") << QByteArray();
        QTest::newRow("foreign JSON") << J("{'partiteIniziate': 3}");
        QTest::newRow("an array") << QByteArray("[1, 2, 3]");
    }
    void fileDanneggiato() {
        QFETCH(QByteArray, contenuto);
        QTemporaryDir cartella;
        FileStatistiche file(cartella.path());
        Scrivi(file.PercorsoDanneggiato(), "vecchio");
        if (contenuto.isEmpty())
            QVERIFY(QDir(cartella.path()).mkdir("statistiche.json"));
        else
            Scrivi(file.Percorso(), contenuto);

        QCOMPARE(file.Leggi(), DatiStatistiche{});
        QVERIFY(!QFileInfo::exists(file.Percorso()));
        if (contenuto.isEmpty())
            QVERIFY(QFileInfo(file.PercorsoDanneggiato()).isDir());
        else
            QCOMPARE(Leggi(file.PercorsoDanneggiato()), contenuto);
        QVERIFY(file.Scrivi(Esempio));
        QCOMPARE(FileStatistiche(cartella.path()).Leggi(), Esempio);
    }

    // A new player plays three manches and opens the statistics with F3 from the "?" menu: one
    // game started, three manches, the chart's values the money of the three summaries after the
    // starting money, the table held meanwhile. Ended without a word and started again: the same
    // figures. In the next game "Azzera" asks first: "No" keeps every figure, "Sì" clears them,
    // in the window and the file, and the game goes on from the money held. A folder then takes
    // the file's place: play goes on without a word, the figures kept for the session.
    // brivetta.ini keeps its bytes throughout.
    void treMancheRiavvioAzzeraESalvataggioImpossibile() {
        Tavola t;
        t.ScriviIni({}); // fast cards
        const QByteArray ini = t.Ini();
        t.Apri().NuovaPartita();
        QVERIFY(GiocaManches(t, 3));
        const DatiStatistiche salvati = FileStatistiche(t.cartella.path()).Leggi();
        QCOMPARE(salvati.PartiteIniziate, 1);
        QCOMPARE(salvati.MancheGiocate, 3);
        Mostrato m;
        Apri(*t.finestra, m);
        QCOMPARE(m.etichette, Etichette(salvati));
        QCOMPARE(m.descrizione, Soldi(t));
        QVERIFY(m.pausa);

        t.finestra.reset();
        Mostrato dopo;
        Apri(t.Apri(), dopo);
        QCOMPARE(dopo.etichette, m.etichette);
        QCOMPARE(dopo.descrizione, m.descrizione);

        t.finestra->NuovaPartita();
        QVERIFY(GiocaManches(t, 1));
        const QString ora = Soldi(t).section(QStringLiteral(", "), -1);
        t.risposte.Sospendi(true); // it answers message boxes with an OK this one lacks
        QStringList domande;
        Mostrato azzerato;
        Apri(*t.finestra, azzerato, [&](FinestraStatistiche* d) {
            for (const char* scelta : {"&No", "&Sì"}) {
                QuandoAperto<QMessageBox>([&domande, scelta](QMessageBox* box) {
                    domande << box->text();
                    for (QAbstractButton* b : box->buttons())
                        if (b->text() == QString::fromUtf8(scelta)) b->click();
                });
                d->Azzera()->click();
                QVERIFY(QTest::qWaitFor([d] { return QApplication::activeModalWidget() == d; }));
                if (scelta[1] == 'N')
                    QCOMPARE(d->Etichette()[3]->text(), QStringLiteral("Manches giocate: 4"));
            }
        });
        t.risposte.Sospendi(false);
        QCOMPARE(domande, QStringList(2, QStringLiteral("Azzerare tutte le statistiche?")));
        DatiStatistiche azzerati;
        azzerati.MassimoDenaro = ora.toInt();
        QCOMPARE(azzerato.etichette, Etichette(azzerati));
        QCOMPARE(azzerato.descrizione, ora);
        QCOMPARE(FileStatistiche(t.cartella.path()).Leggi().MancheGiocate, 0);

        QVERIFY(QFile::remove(t.File("statistiche.json")));
        QVERIFY(QDir(t.cartella.path()).mkdir("statistiche.json"));
        QVERIFY(GiocaManches(t, 1));
        Mostrato senzaFile;
        Apri(*t.finestra, senzaFile);
        QCOMPARE(senzaFile.etichette.value(3), QStringLiteral("Manches giocate: 1"));
        QCOMPARE(t.risposte.messaggi.filter("statistiche").size(), 0);
        QCOMPARE(t.Ini(), ini);
    }

    // The end window counts a finished game, won when the human leads the ranking; answering
    // it starts the next game, whose chart holds only its starting money.
    void finePartita_data() {
        QTest::addColumn<int>("secondo"); // seat 2's money; the human has 100, the others 1
        QTest::addColumn<bool>("vinta");
        QTest::newRow("human first") << 1 << true;
        QTest::newRow("human second") << 300 << false;
    }
    void finePartita() {
        QFETCH(int, secondo);
        QFETCH(bool, vinta);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        f.NuovaPartita();
        QVERIFY(AttendiGiocatore(f));
        // A seat with a single coin goes broke at the first manche it loses.
        StatoTavolo& s = f.Motore().Stato();
        for (int posto = 1; posto <= s.NumGiocatori; ++posto)
            s.Soldi[posto] = static_cast<Intero>(posto == 1 ? 100 : posto == 2 ? secondo : 1);
        while (t.risposte.finiPartita == 0)
            QVERIFY(GiocaManches(t, 1));
        Mostrato m;
        Apri(f, m);
        QCOMPARE(m.etichette.mid(0, 3),
                 QStringList({"Partite iniziate: 2", "Partite finite: 1",
                              vinta ? "Partite vinte: 1" : "Partite vinte: 0"}));
        QCOMPARE(m.descrizione, QStringLiteral("50"));
    }
};

QTEST_MAIN(StatisticheTest)
#include "StatisticheTest.moc"
