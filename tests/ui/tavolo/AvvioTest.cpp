// The table's start in a hostile world: a window size no screen has in preferenze.ini, a
// program folder nothing can be written in. (The offscreen platform keeps every window at the
// screen's size, so the size is checked on the function that chooses it.)
#include <QDir>
#include <QProcess>
#include <climits>

#include "CartellaProgramma.h"
#include "SchermoPieno.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

class AvvioTest : public QObject {
    Q_OBJECT
  private slots:
    void laGeometriaNormale_data() {
        QTest::addColumn<QRect>("salvata");
        QTest::addColumn<QRect>("attesa");
        // A 1920 x 1050 screen below a 30-pixel panel; the comfortable size is 1024 x 720.
        const QRect centro(448, 195, 1024, 720);
        QTest::newRow("nessuna") << QRect() << centro;
        QTest::newRow("giusta") << QRect(30, 70, 820, 610) << QRect(30, 70, 820, 610);
        QTest::newRow("troppo piccola") << QRect(30, 70, 799, 610) << centro;
        QTest::newRow("INT_MAX") << QRect(0, 0, INT_MAX, INT_MAX) << QRect(0, 30, 1920, 1050);
        QTest::newRow("lati capovolti")
            << QRect(QPoint(INT_MAX, INT_MAX), QPoint(INT_MIN, 0)) << centro;
        QTest::newRow("oltre il bordo destro")
            << QRect(1800, 900, 1000, 700) << QRect(920, 380, 1000, 700);
        QTest::newRow("più alta dello schermo")
            << QRect(100, 0, 900, 5000) << QRect(100, 30, 900, 1050);
    }
    void laGeometriaNormale() {
        QFETCH(QRect, salvata);
        QFETCH(QRect, attesa);
        QCOMPARE(SchermoPieno::GeometriaNormale(salvata, QRect(0, 30, 1920, 1050)), attesa);
    }

    // The player learns at once that nothing he changes will be kept, and where.
    void unaCartellaChiusaSiDiceAllAvvio() {
        Tavola t;
        t.ScriviIni({});
        // Root writes through any permission bits; an immutable folder stops even root.
        if (QProcess::execute("chattr", {"+i", t.cartella.path()}) != 0)
            QSKIP("chattr +i does not work here");
        struct Riapri {
            QString cartella;
            ~Riapri() { QProcess::execute("chattr", {"-i", cartella}); }
        } riapri{t.cartella.path()};
        t.Apri();
        QTRY_COMPARE(t.risposte.messaggi,
                     QStringList{"Impossibile scrivere nella cartella " +
                                 QDir::toNativeSeparators(t.cartella.path()) +
                                 ": le impostazioni e le statistiche non saranno salvate."});
    }
};

QTEST_MAIN(AvvioTest)
#include "AvvioTest.moc"
