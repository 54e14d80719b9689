// The advisor in the window: the "Consiglio" label (and the odds beside it) at the human's move,
// its figures with the stake the slider shows and the better move marked, and "Gioca per me"
// playing the human's seat until the player takes it back.
#include <QAction>
#include <QLabel>

#include "Consigliere.h"
#include "FileStatistiche.h"
#include "RiepilogoManche.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

const QString NomeConsiglio = QStringLiteral("Consiglio"); // the label, read with its bold marks
const QString NomeProbabilita = QStringLiteral("Probabilità");

QString Suggerimento(FinestraTavolo& f, const char* nome) {
    return ConNome(f, QLatin1String(nome))->toolTip();
}

const char* const BottoneStop = "OK mi basta e mi fermo.";
const char* const BottoneScoperta = "Altra carta scoperta";
const char* const BottoneCoperta = "Altra carta coperta";

} // namespace

Q_DECLARE_METATYPE(ValoreMosse)

class ConsiglioTest : public QObject {
    Q_OBJECT
  private slots:
    // The human plays first with one covered card and stakes 1 on the slider: both moves stake
    // what the slider shows, at least 1.
    void lEtichettaAlTurnoDellUmano_data() {
        QTest::addColumn<ValoreMosse>("valori");
        QTest::addColumn<QString>("conUno");
        QTest::addColumn<QString>("conQuattro"); // after + three times
        QTest::addColumn<bool>("carta");         // the card buttons say "Consigliato"
        ValoreMosse carta{-0.25, 0.5, 0, 0, true, true};
        QTest::newRow("card better") << carta << "Stop -0,25€ · <b>Carta +0,50€</b>"
                                     << "Stop -1,00€ · <b>Carta +2,00€</b>" << true;
        // Under half a cent is no loss: the sign follows the figure shown.
        ValoreMosse stop{-0.001, -0.5, 0, 0, true, true};
        QTest::newRow("stop better, rounded to nothing")
            << stop << "<b>Stop +0,00€</b> · Carta -0,50€"
            << "<b>Stop +0,00€</b> · Carta -2,00€" << false;
        ValoreMosse denaro{2.5, -12.75, 0, 0, true, false};
        QTest::newRow("figures in money") << denaro << "<b>Stop +2,50€</b> · Carta -12,75€"
                                          << "<b>Stop +2,50€</b> · Carta -12,75€" << false;
    }
    void lEtichettaAlTurnoDellUmano() {
        QFETCH(ValoreMosse, valori);
        QFETCH(QString, conUno);
        QFETCH(QString, conQuattro);
        QFETCH(bool, carta);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        f.ImpostaCalcoloConsiglio(
            [valori](const StatoTavolo&, const VistaTavolo&) { return valori; });
        QVERIFY(!f.VoceConsiglio()->isChecked() && !f.VoceProbabilita()->isChecked());
        // The odds are switched with Ctrl+P, a choice kept outside brivetta.ini.
        const QByteArray ini = t.Ini();
        QTest::keyClick(&f, Qt::Key_P, Qt::ControlModifier);
        t.UmanoPrimo(true);
        f.NuovaPartita();
        QVERIFY(AttendiGiocatore(f));
        QCOMPARE(Letto(f, NomeConsiglio), QString());
        // Of the 39 cards he cannot see, the 19 above 2 1/2 bust his 5; none makes 7 1/2.
        QCOMPARE(Letto(f, NomeProbabilita), QStringLiteral("Sballo 49% · 7½ 0%"));
        f.VoceConsiglio()->trigger();
        QTRY_COMPARE(Letto(f, NomeConsiglio), conUno);
        QCOMPARE(ConNome(f, NomeConsiglio)->accessibleDescription(),
                 QString(conUno).remove("<b>").remove("</b>"));
        // With the odds, the two share one place: the table still fits a screen 1024 pixels wide.
        QVERIFY(f.minimumSizeHint().width() <= 1024);
        QVERIFY(!ConNome(f, NomeConsiglio)
                     ->geometry()
                     .intersects(ConNome(f, NomeProbabilita)->geometry()));
        const QString consigliato = QStringLiteral("Consigliato");
        QCOMPARE(Suggerimento(f, BottoneStop) == consigliato, !carta);
        QCOMPARE(Suggerimento(f, BottoneScoperta) == consigliato, carta);
        QCOMPARE(Suggerimento(f, BottoneCoperta) == consigliato, carta);

        // Each step of the slider shows at once, without waiting for anything.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&f, Qt::Key_Plus);
        QCOMPARE(Letto(f, NomeConsiglio), conQuattro);
        QVERIFY(AttendiGiocatore(f));
        QCOMPARE(Letto(f, NomeConsiglio), conQuattro);

        f.VoceConsiglio()->trigger();
        QCOMPARE(Letto(f, NomeConsiglio), QString());
        QCOMPARE(Suggerimento(f, BottoneStop), QString(BottoneStop));
        f.VoceConsiglio()->trigger();
        QTRY_COMPARE(Letto(f, NomeConsiglio), conQuattro);

        // Not once his stop is made: neither during its sound nor under the summary.
        QStringList durante;
        t.suoni->durante = [&] { durante << Letto(f, NomeConsiglio) << Letto(f, NomeProbabilita); };
        t.risposte.TieniRiepilogo(true);
        f.Stop();
        QVERIFY(AttendiModale<RiepilogoManche>());
        QCOMPARE(Letto(f, NomeConsiglio) + Letto(f, NomeProbabilita), QString());
        QVERIFY(!durante.isEmpty());
        QCOMPARE(durante.join(QString()), QString());
        f.close();
        QVERIFY(t.Apri().VoceProbabilita()->isChecked());
        QCOMPARE(t.Ini(), ini);
    }

    // Switched on at the idle table it starts a game and plays three manches alone, messages
    // and summaries closed, with the advisor's own moves, and the kept game holds them. A key
    // or a click on the table gives the seat back: no move is made for the player after it.
    void giocaPerMeFinoAUnTasto() {
        Tavola t;
        t.ScriviIni({QStringLiteral("MalloppoIniziale=100")}); // a game of more than 3 manches
        FinestraTavolo* f = &t.Apri();
        f->ImpostaPausaGiocaPerMe(1);
        f->ImpostaCalcoloConsiglio([](const StatoTavolo& s, const VistaTavolo& v) {
            return ValutaMosse(s, v, OpzioniConsiglio{300, 5});
        });
        t.risposte.Sospendi(true); // nobody else closes a window
        const auto manche = [&t] {
            return FileStatistiche(t.cartella.path()).Leggi().MancheGiocate;
        };

        QTest::keyClick(f, Qt::Key_G, Qt::ControlModifier);
        QVERIFY(f->VoceGiocaPerMe()->isChecked());
        QVERIFY(QTest::qWaitFor([&] { return manche() >= 3; }, 60000));
        QVERIFY(f->VoceGiocaPerMe()->isChecked());

        QTest::keyClick(f, Qt::Key_Escape);
        QVERIFY(!f->VoceGiocaPerMe()->isChecked());
        t.risposte.Sospendi(false);
        QVERIFY(QTest::qWaitFor([&] { return AttendiGiocatore(*f, 0) && f->Stato().Turno == 1; },
                                20000));
        const StatoTavolo prima = f->Stato();
        QTest::qWait(50); // fifty pauses of its own
        QCOMPARE(f->Stato(), prima);
    }
};

QTEST_MAIN(ConsiglioTest)
#include "ConsiglioTest.moc"
