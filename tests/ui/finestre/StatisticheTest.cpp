// The player's statistics window: its lines, and the window opened with F3 over the table after
// scripted manches.
#include <QChartView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "FileStatistiche.h"
#include "FinestraStatistiche.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

// The lines the window shows of `d`.
QStringList Etichette(const DatiStatistiche& d) {
    return FinestraStatistiche(Statistiche(d)).Voci();
}

// "N50" a game starts with 50, "M53" a summary shows 53, "F1"/"F0" the end of a game with the
// human first or not.
Statistiche Sequenza(const QString& sequenza) {
    Statistiche st;
    for (const QString& passo : sequenza.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int n = passo.mid(1).toInt();
        if (passo[0] == QLatin1Char('N')) st.NuovaPartita(n);
        if (passo[0] == QLatin1Char('M')) st.FineManche(n);
        if (passo[0] == QLatin1Char('F')) st.FinePartita(n == 1);
    }
    return st;
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

} // namespace

class StatisticheTest : public QObject {
    Q_OBJECT
  private slots:
    // Shares to the nearest whole percent, halves up, and none of nothing.
    void percentuali() {
        const struct {
            int n, su;
            const char* testo;
        } casi[] = {{1, 8, "1 (13%)"}, {0, 0, "0"}, {2147483647, 2147483647, "2147483647 (100%)"}};
        for (const auto& c : casi)
            QCOMPARE(FinestraStatistiche::ConPercentuale(c.n, c.su), QString::fromUtf8(c.testo));
    }

    // Every line after scripted manches; a series of manches won goes on from one game to the
    // next.
    void righe() {
        FinestraStatistiche d(Sequenza("N50 M20 F0 N50 M90 M95 F1 N50 M70 F0 N50"));
        QCOMPARE(d.Voci(),
                 QStringList({"Partite iniziate: 4", "Partite finite: 3", "Partite vinte: 1 (33%)",
                              "Manches giocate: 4", "Manches vinte: 3 (75%)", "Manches perse: 1",
                              "Massimo denaro: 95€", "Serie di manches vinte più lunga: 3",
                              "Miglior denaro a fine partita: 95€",
                              "Peggior denaro a fine partita: 20€"}));
    }

    // A new player plays three manches and opens the statistics with F3, the table held
    // meanwhile: one game started, three manches. "Azzera" asks first: "No" keeps every figure,
    // "Sì" clears them in the window and the file, and the game goes on from the money held.
    // brivetta.ini keeps its bytes.
    void treMancheEAzzera() {
        Tavola t;
        t.ScriviIni({}); // fast cards
        const QByteArray ini = t.Ini();
        FinestraTavolo& f = t.Apri();
        f.NuovaPartita();
        QVERIFY(GiocaManches(t, 3));
        const DatiStatistiche salvati = FileStatistiche(t.cartella.path()).Leggi();
        QCOMPARE(salvati.PartiteIniziate, 1);
        QCOMPARE(salvati.MancheGiocate, 3);
        t.risposte.Sospendi(true); // it answers message boxes with an OK this one lacks
        QStringList domande, voci, azzerate;
        QString grafico;
        bool pausa = false;
        QuandoAperto<FinestraStatistiche>([&](FinestraStatistiche* d) {
            pausa = f.InPausa();
            voci = d->Voci();
            for (const char* scelta : {"&No", "&Sì"}) { // "No" keeps every figure
                QuandoAperto<QMessageBox>([&domande, scelta](QMessageBox* box) {
                    domande << box->text();
                    for (QAbstractButton* b : box->buttons())
                        if (b->text() == QString::fromUtf8(scelta)) b->click();
                });
                d->Azzera()->click();
                QVERIFY(QTest::qWaitFor([d] { return QApplication::activeModalWidget() == d; }));
                if (scelta[1] == 'N') QCOMPARE(d->Voci(), voci);
            }
            azzerate = d->Voci();
            grafico = d->Grafico()->accessibleDescription();
            d->Ok()->click();
        });
        // The offscreen platform does not give the table back the focus a closed dialog had.
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_F3);
        QVERIFY(QTest::qWaitFor([&] { return !azzerate.isEmpty(); }, 5000));
        QVERIFY(pausa);
        QCOMPARE(voci, Etichette(salvati));
        QCOMPARE(domande, QStringList(2, QStringLiteral("Azzerare tutte le statistiche?")));
        DatiStatistiche azzerati;
        azzerati.MassimoDenaro = f.Stato().Soldi[1];
        QCOMPARE(azzerate, Etichette(azzerati));
        QCOMPARE(grafico, QString::number(azzerati.MassimoDenaro) + QStringLiteral("€"));
        QCOMPARE(FileStatistiche(t.cartella.path()).Leggi().MancheGiocate, 0);
        QCOMPARE(t.Ini(), ini);
    }
};

QTEST_MAIN(StatisticheTest)
#include "StatisticheTest.moc"
