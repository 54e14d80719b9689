// The odds of the next card in the bar: the options entry that turns them on, kept apart from
// the game's own settings file, and the label that shows them only at the human's move.
#include <QAction>
#include <QLabel>

#include "RiepilogoManche.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {
const QString NomeProbabilita = QStringLiteral("Probabilità");
} // namespace

class ProbabilitaTest : public QObject {
    Q_OBJECT
  private slots:
    // Off on a first start, switched with Ctrl+P and found again at the next start;
    // brivetta.ini keeps its bytes.
    void laVoceSiRicordaFuoriDaBrivettaIni() {
        Tavola t;
        t.ScriviIni({QStringLiteral("Suono= 0 "), QStringLiteral("Bluff=7")});
        const QByteArray ini = t.Ini();
        FinestraTavolo& f = t.Apri();
        QVERIFY(!f.VoceProbabilita()->isChecked());
        QTest::keyClick(&f, Qt::Key_P, Qt::ControlModifier);
        f.close();
        QVERIFY(t.Apri().VoceProbabilita()->isChecked());
        QCOMPARE(t.Ini(), ini);
    }

    // The human, first to play, is dealt a covered 5: of the 39 cards he cannot see, the 19
    // above 2 1/2 bust him and none makes 7 1/2. A fante face up makes 5 1/2: of 38 cards, the
    // same 19 bust him, and the four 2s and the matta make 7 1/2.
    void leProbabilitaSoloAlTurnoDellUmano() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        f.VoceProbabilita()->trigger();
        QCOMPARE(Letto(f, NomeProbabilita), QString()); // no game yet
        // Nor while a sound plays, the human's own included: he cannot move then.
        QStringList durante;
        t.suoni->durante = [&] { durante << Letto(f, NomeProbabilita); };

        QVERIFY(t.AlTurnoDellUmano(true));
        QCOMPARE(Letto(f, NomeProbabilita), QStringLiteral("Sballo 49% · 7½ 0%"));
        t.caso.AggiungiCarta(18);
        f.CartaScoperta();
        QVERIFY(AttendiGiocatore(f));
        QCOMPARE(Letto(f, NomeProbabilita), QStringLiteral("Sballo 50% · 7½ 13%"));
        f.VoceProbabilita()->trigger();
        QCOMPARE(Letto(f, NomeProbabilita), QString());
        f.VoceProbabilita()->trigger();
        QCOMPARE(Letto(f, NomeProbabilita), QStringLiteral("Sballo 50% · 7½ 13%"));
        QCOMPARE(ConNome(f, NomeProbabilita)->accessibleDescription(),
                 QStringLiteral("Sballo 50% · 7½ 13%"));

        t.risposte.TieniRiepilogo(true);
        f.Stop();
        QVERIFY(AttendiModale<RiepilogoManche>());
        QCOMPARE(Letto(f, NomeProbabilita), QString());
        QVERIFY(!durante.isEmpty());
        QCOMPARE(durante.join(QString()), QString());
    }
};

QTEST_MAIN(ProbabilitaTest)
#include "ProbabilitaTest.moc"
