// The table window driven as a player drives it, with every modal window answered
// automatically.
#include <QFile>

#include "FinestraInfo.h"
#include "GeometriaTavolo.h"
#include "PannelloTavolo.h"
#include "Supporto.h"
#include "VoloCarta.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

const QString InizioAnnuncio = QStringLiteral("Attenzione si inizia una nuova partita ora. ");
const QStringList BottoniDiGioco = {"Altra carta scoperta", "Altra carta coperta",
                                    "OK mi basta e mi fermo.", "Dollari puntati"};

} // namespace

class TavoloTest : public QObject {
    Q_OBJECT
  private slots:
    // After start-up no play control is in sight, and play keys pressed before a game do
    // nothing.
    void avvioMostraSoloNuovaPartita() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        QVERIFY(ConSuggerimento(f, "Nuova partita")->isVisible());
        for (const QString& nascosto : BottoniDiGioco)
            QVERIFY2(!ConSuggerimento(f, nascosto)->isVisible(), qPrintable(nascosto));

        for (auto tasto : {Qt::Key_S, Qt::Key_C, Qt::Key_F, Qt::Key_Plus})
            QTest::keyClick(&f, tasto);
        QTest::qWait(50);
        QCOMPARE(int(f.Stato().Turno), 0);
        QCOMPARE(int(f.Stato().CarteUscite), 0);
        QVERIFY(t.risposte.messaggi.isEmpty());
        QVERIFY(t.suoni->suonati.isEmpty());
        QVERIFY(!QFile::exists(t.File("brivetta.ini")));
    }

    // Clicks that arrive while the computer seats play must not start a second action: no
    // second game, no card for the human out of turn.
    void azioniDuranteLaCatenaIgnorate() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        const int n = f.Stato().NumGiocatori;
        t.caso.AggiungiMazziere(1, n); // the human deals: every computer seat plays first
        int tentativi = 0;
        t.suoni->durante = [&] {
            if (f.Stato().Turno == 1) return;
            ++tentativi;
            f.NuovaPartita();
            f.CartaScoperta();
            f.Stop();
            f.PostaCambiata(9);
        };
        f.NuovaPartita();
        QVERIFY(AttendiGiocatore(f));
        QVERIFY(tentativi > 0);
        QCOMPARE(t.risposte.messaggi.filter(InizioAnnuncio).size(), 1);
        QCOMPARE(int(f.Stato().Turno), 1);
        QCOMPARE(int(f.Stato().NumCarte[1]), 1);
        QCOMPARE(int(f.Stato().TurniGiocati), n - 1);
    }

    // A card's path: both coordinates advance together until one has arrived, then the other
    // alone; the flight lasts the path's length at 100 px/s per speed step.
    void ilPercorsoDellaCarta() {
        using geometria::LungoIlPercorso;
        const QPoint mazzo = geometria::PartenzaDalMazzo(3);             // (-10, 221)
        const QPoint casella = geometria::Casella(1, 2);                 // (159, 28)
        QCOMPARE(LungoIlPercorso(mazzo, casella, 169), QPoint(159, 52)); // across, still rising
        QCOMPARE(LungoIlPercorso(mazzo, casella, 193), QPoint(159, 28));
        const QPoint coperta = geometria::PartenzaDallaCoperta(2); // (75, 122)
        QCOMPARE(LungoIlPercorso(coperta, geometria::Casella(2, 1), 20), QPoint(95, 127));
        QCOMPARE(VoloCarta::DurataMs({0, 0}, {400, 0}, 500), 800);
        QCOMPARE(VoloCarta::DurataMs({5, 5}, {5, 5}, 500), 0);

        // Even a flight with no way to go reports its arrival later, from the event loop.
        VoloCarta volo;
        QWidget carta;
        int arrivi = 0;
        connect(&volo, &VoloCarta::arrivata, [&arrivi] { ++arrivi; });
        volo.Parti(&carta, {5, 5}, {5, 5}, 500);
        QCOMPARE(arrivi, 0);
        QVERIFY(QTest::qWaitFor([&arrivi] { return arrivi == 1; }));
        QTest::qWait(20);
        QCOMPARE(arrivi, 1);
    }

    // A card travels in the time its speed gives, and holds still under another window.
    void laCartaViaggiaESiFermaSottoUnaFinestra() {
        Tavola t;
        t.ScriviIni({QStringLiteral("VelocitaCarta=2")}); // 200 px/s
        FinestraTavolo& f = t.Apri();
        QVERIFY(t.AlTurnoDellUmano(true));
        t.caso.AggiungiCarta(1); // the ace of Denare, from the last row's deck to the first row
        f.CartaScoperta();
        QVERIFY(QTest::qWaitFor([&] { return f.CartaInVolo(); }));
        QVERIFY(!ConSuggerimento(f, "OK mi basta e mi fermo.")->isEnabled());
        f.MostraInfo();
        QVERIFY(f.InPausa());
        QVERIFY(AttendiModale<FinestraInfo>());
        QWidget* carta = ConNome(*f.centralWidget(), QStringLiteral("Asso di Denare"));
        QVERIFY(carta);
        const QPoint ferma = carta->pos();
        QTest::qWait(150);
        QCOMPARE(carta->pos(), ferma);
        QApplication::activeModalWidget()->close();
        QVERIFY(!f.InPausa());
        QVERIFY(AttendiGiocatore(f));
        QCOMPARE(carta->pos(), QPoint(101 + 58, 28 + SpostamentoTavolo));
        QVERIFY(ConSuggerimento(f, "OK mi basta e mi fermo.")->isEnabled());
    }
};

QTEST_MAIN(TavoloTest)
#include "TavoloTest.moc"
