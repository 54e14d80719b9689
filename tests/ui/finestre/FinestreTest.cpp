// The summary and end-of-game windows, shown from hand-made values.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "FinePartita.h"
#include "Immagine.h"
#include "RiepilogoManche.h"
#include "Supporto.h"
#include "TestiGioco.h"

using namespace brivetta;
using brivetta::test::Tinta;

namespace {
// Shown as typed: a name like "<b>Gigi" must not turn into a bold "Gigi".
bool Letterale(const QLabel* l) {
    return l->textFormat() == Qt::PlainText ||
           (l->textFormat() == Qt::AutoText && !Qt::mightBeRichText(l->text()));
}

struct Esito {
    int risultato = -1;
    explicit Esito(QDialog& d) {
        QObject::connect(&d, &QDialog::finished, [this](int r) { risultato = r; });
    }
};

Riepilogo Manche(int giocatori, int mazziere) {
    Riepilogo r;
    for (int i = 1; i <= MaxGiocatori; ++i) {
        r.Righe[i] = {i <= giocatori,  i == 1 ? "<b>Gigi" : "Leonardo",
                      i == mazziere,   7.5f,
                      i % 2 ? 0 : -15, i % 2 ? Volto::Contento : Volto::Scontento,
                      Intero(-3 * i),  i};
    }
    return r;
}

// Each seat's two faces in a colour of their own.
QPixmap FacceProva(int posto, Volto volto) {
    return Tinta(2 * posto + (volto == Volto::Scontento ? 1 : 0));
}

StatoTavolo FineDiPartita(int giocatori) {
    StatoTavolo s;
    s.NumGiocatori = static_cast<Intero>(giocatori);
    s.Nomi = {"", "<b>Gigi", "   Bruno", "  Sandro", "Elvira", "Leo", "Marisa"};
    s.Soldi = {0, 70, -4, 51, 50, 49, 30};
    s.SenzaSoldi = 1;
    s.Piazzamento = 1;
    return s;
}

} // namespace

class FinestreTest : public QObject {
    Q_OBJECT

  private slots:
    // Lines past the seats in play are hidden; names are shown as typed.
    void riepilogo() {
        const int giocatori = 4, mazziere = 3;
        const Riepilogo r = Manche(giocatori, mazziere);
        RiepilogoManche f(r, FacceProva);
        Esito esito(f);
        f.open();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (int i = 1; i <= MaxGiocatori; ++i) {
            QCOMPARE(f.Faccia(i)->isVisible(), i <= giocatori);
            QStringList celle;
            for (int c = 0; c < RiepilogoManche::NumColonne; ++c) {
                QCOMPARE(f.Cella(i, c)->isVisible(), i <= giocatori);
                celle << f.Cella(i, c)->text();
            }
            QCOMPARE(celle.join('|'), QStringLiteral("%1|7 1/2|%2|%3|%4°")
                                          .arg(QString::fromStdString(r.Righe[i].Nome) +
                                                   (i == mazziere ? " (Mazziere)" : ""),
                                               i % 2 ? "+ 0" : "- 15")
                                          .arg(-3 * i)
                                          .arg(i));
            const QLabel* nome = f.Cella(i, RiepilogoManche::Nome);
            QVERIFY(Letterale(nome));
        }
        QVERIFY(f.Ok()->hasFocus());
        f.Ok()->click();
        QCOMPARE(esito.risultato, int(QDialog::Accepted));
    }

    // "Altra partita" and closing the window go on with another game; "Fine gioco" says the
    // player leaves. The names are shown without their leading blanks, as typed.
    void finePartita_data() {
        QTest::addColumn<int>("scelta");
        QTest::newRow("Altra partita") << 0;
        QTest::newRow("closed by the window") << 1;
        QTest::newRow("Fine gioco") << 2;
    }
    void finePartita() {
        QFETCH(int, scelta);
        const StatoTavolo stato = FineDiPartita(3);
        FinePartita f(stato);
        int uscito = 0;
        // The table hears it before the window goes.
        connect(&f, &FinePartita::fineGioco, [&] { uscito += f.isVisible() ? 1 : 100; });
        Esito esito(f);
        f.open();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.Messaggio()->text(), TestiGioco::FinePartita(DescriviFinePartita(stato)));
        QVERIFY(Letterale(f.Messaggio()) && Letterale(f.Nome(0)));
        QStringList righe;
        for (int i = 0; i < MaxGiocatori; ++i)
            if (f.Nome(i)->isVisible()) righe << f.Soldi(i)->text() + "|" + f.Nome(i)->text();
        QCOMPARE(righe, (QStringList{"70|<b>Gigi", "-4|Bruno", "51|Sandro"}));
        QVERIFY(f.AltraPartita()->isDefault());
        if (scelta == 0) f.AltraPartita()->click();
        if (scelta == 1) QTest::keyClick(&f, Qt::Key_Escape);
        if (scelta == 2) f.FineGioco()->click();
        QCOMPARE(uscito, scelta == 2 ? 1 : 0);
        QCOMPARE(esito.risultato, scelta == 0 ? QDialog::Accepted : QDialog::Rejected);
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(FinestreTest)
#include "FinestreTest.moc"
