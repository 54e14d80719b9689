// The summary and end-of-game windows, shown from hand-made results.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "RiepilogoManche.h"
#include "FinePartita.h"
#include "Immagine.h"

using namespace brivetta;

namespace {
// Shown as typed: a name like "<b>Gigi" must not turn into a bold "Gigi".
bool Letterale(const QLabel* l) {
    return l->textFormat() == Qt::PlainText ||
           (l->textFormat() == Qt::AutoText && !Qt::mightBeRichText(l->text()));
}
} // namespace

class FinestreTest : public QObject {
    Q_OBJECT
  private slots:
    void riepilogo_data() {
        QTest::addColumn<int>("giocatori");
        QTest::addColumn<int>("mazziere");
        QTest::newRow("two seats, the human deals") << 2 << 1;
        QTest::newRow("four seats, seat 3 deals") << 4 << 3;
        QTest::newRow("six seats, the last deals") << 6 << 6;
    }
    // Lines past the seats in play are hidden; amounts keep their blank after the sign ("+ 0");
    // the dealer's line is the one in italics and its longer name stays clear of the scores;
    // the human's name is shown as typed.
    void riepilogo() {
        QFETCH(int, giocatori);
        QFETCH(int, mazziere);
        Riepilogo r;
        for (int i = 1; i <= MaxGiocatori; ++i) {
            auto& riga = r.Righe[i];
            riga.Visibile = i <= giocatori;
            riga.Mazziere = i == mazziere;
            riga.Nome =
                (i == 1 ? "<b>Gigi" : "Leonardo") + std::string(riga.Mazziere ? " (Mazziere)" : "");
            riga.Punti = "7 1/2";
            riga.Importo = i % 2 ? "+ 0" : "- 15";
            riga.Faccia = i;
            riga.Soldi = static_cast<Intero>(-3 * i);
            riga.Posizione = std::to_string(i) + "°";
        }
        RiepilogoManche f(r, [](int i) {
            QPixmap p(34, 34);
            p.fill(QColor(i, 0, 0));
            return p;
        });
        f.show();
        for (int i = 1; i <= MaxGiocatori; ++i) {
            QCOMPARE(f.Faccia(i)->isVisible(), i <= giocatori);
            QStringList celle;
            for (int c = 0; c < 5; ++c) {
                QCOMPARE(f.Cella(i, c)->isVisible(), i <= giocatori);
                celle << f.Cella(i, c)->text();
            }
            QCOMPARE(celle.join('|'), QString::fromStdString(r.Righe[i].Nome) + "|7 1/2|" +
                                          (i % 2 ? "+ 0" : "- 15") + "|" + QString::number(-3 * i) +
                                          "|" + QString::number(i) + "°");
            QCOMPARE(f.Faccia(i)->Figura().toImage().pixelColor(0, 0).red(), i);
            QCOMPARE(f.Cella(i, 0)->font().italic(), i == mazziere);
            QVERIFY(Letterale(f.Cella(i, 0)));
            QVERIFY(f.Cella(i, 0)->sizeHint().width() <= f.Cella(i, 0)->width());
            QVERIFY(f.Cella(i, 0)->geometry().right() < f.Cella(i, 1)->x());
        }
        QVERIFY(f.Command3D1()->y() > f.Faccia(giocatori)->geometry().bottom());
        QVERIFY(f.rect().contains(f.Command3D1()->geometry()));
    }

    // "Altra partita" and closing the window go on with another game; "Fine gioco" ends the
    // program. The money lines show the names without their leading blanks, and as typed.
    void finePartita_data() {
        QTest::addColumn<int>("scelta"); // 0 Altra partita, 1 the window closed, 2 Fine gioco
        QTest::addColumn<int>("risultato");
        QTest::addColumn<int>("uscite");
        QTest::newRow("Altra partita") << 0 << int(QDialog::Accepted) << 0;
        QTest::newRow("closed by the window") << 1 << int(QDialog::Rejected) << 0;
        QTest::newRow("Fine gioco") << 2 << -1 << 1;
    }
    void finePartita() {
        QFETCH(int, scelta);
        QFETCH(int, risultato);
        QFETCH(int, uscite);
        StatoTavolo s;
        s.NumGiocatori = 3;
        s.Nomi = {"", "<b>Gigi", "   Bruno", "  Sandro", "Elvira", "Leo", "Marisa"};
        s.Soldi = {0, 70, -4, 51, 50, 49, 30};
        s.MessaggioFine = "<b>Gigi\rVuoi fare un'altra partitina?";
        int uscito = 0, finito = -1;
        FinePartita f(s, [&] { ++uscito; });
        connect(&f, &QDialog::finished, [&](int r) { finito = r; });
        f.show();
        QCOMPARE(f.Label1()->text(), QStringLiteral("<b>Gigi\nVuoi fare un'altra partitina?"));
        QVERIFY(Letterale(f.Label1()) && Letterale(f.Label2(0)));
        QStringList righe;
        for (int i = 0; i < MaxGiocatori; ++i)
            if (f.Label2(i)->isVisible()) righe << f.Label2(i)->text() + "|" + f.Label3(i)->text();
        QCOMPARE(righe, (QStringList{"<b>Gigi|70", "Bruno|-4", "Sandro|51"}));
        if (scelta == 0) f.Command3d1()->click();
        if (scelta == 1) f.reject();
        if (scelta == 2) f.Command1()->click();
        QCOMPARE(uscito, uscite);
        QCOMPARE(finito, risultato);
    }
};

QTEST_MAIN(FinestreTest)
#include "FinestreTest.moc"
