// The table window driven as a player drives it, with every modal window answered
// automatically.
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "Supporto.h"
#include "Tavolo.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

const QString Annuncio = QStringLiteral("Attenzione si inizia una nuova partita ora. ");
const QStringList BottoniDiGioco = {"Altra carta scoperta", "Altra carta coperta",
                                    "OK mi basta e mi fermo.", "Dollari puntati"};

QWidget* ConSuggerimento(FinestraTavolo& f, const QString& suggerimento) {
    for (auto* w : f.findChildren<QWidget*>())
        if (w->toolTip() == suggerimento) return w;
    return nullptr;
}

void Clicca(FinestraTavolo& f, const QString& suggerimento) {
    auto* b = qobject_cast<QToolButton*>(ConSuggerimento(f, suggerimento));
    QVERIFY2(b, qPrintable(suggerimento));
    QTest::mouseClick(b, Qt::LeftButton);
}

// Pictures of the table that lie at least partly in the visible cloth below the bar.
int PictureInVista(FinestraTavolo& f) {
    auto* tavolo = f.centralWidget();
    const QRect vista(0, AltezzaBarraBottoni, tavolo->width(),
                      tavolo->height() - AltezzaBarraBottoni);
    int n = 0;
    for (auto* l : tavolo->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->isVisible() && l->geometry().intersects(vista) &&
            l->toolTip() != QStringLiteral("Clicca su opzioni per cambio nome"))
            ++n;
    return n;
}

} // namespace

class TavoloTest : public QObject {
    Q_OBJECT
  private slots:
    // After start-up only "Nuova partita" and the human's name are in sight, and play keys
    // pressed before a game do nothing.
    void avvioMostraSoloNuovaPartita() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        QVERIFY(ConSuggerimento(f, "Nuova partita")->isVisible());
        for (const QString& nascosto : BottoniDiGioco)
            QVERIFY2(!ConSuggerimento(f, nascosto)->isVisible(), qPrintable(nascosto));
        for (auto* barra : f.findChildren<QScrollBar*>())
            QVERIFY(!barra->isVisible());
        QCOMPARE(PictureInVista(f), 0);
        auto* nome = qobject_cast<QLabel*>(
            ConSuggerimento(f, QStringLiteral("Clicca su opzioni per cambio nome")));
        QVERIFY(nome->isVisible());
        QCOMPARE(nome->text(), QStringLiteral("Anonimo"));

        for (auto tasto : {Qt::Key_S, Qt::Key_C, Qt::Key_F, Qt::Key_Plus})
            QTest::keyClick(&f, tasto);
        QCOMPARE(int(f.Stato().Turno), 0);
        QCOMPARE(int(f.Stato().CarteUscite), 0);
        QVERIFY(t.risposte.messaggi.isEmpty());
        QVERIFY(t.suoni.isEmpty());
        QVERIFY(!QFile::exists(t.File("brivetta.ini")));
    }

    // The human (dealt a covered 5, the last seat dealing) raises the stake to 3, takes an ace
    // face up and stops; the computer seats play, the summary is shown and the next manche dealt.
    void manchePortataAllaFineConIBottoni() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        const int n = f.Stato().NumGiocatori;
        t.caso.AggiungiMazziere(n, n);
        t.caso.AggiungiCarta(5);
        for (int seat = 2; seat <= n; ++seat) // Bastoni, out of the way of the human's draw
            t.caso.AggiungiCarta(20 + seat);
        Clicca(f, "Nuova partita");
        QCOMPARE(t.risposte.messaggi.value(0), Annuncio +
                                                   QString::fromStdString(f.Stato().Nomi[n]) +
                                                   QStringLiteral(" (COMPUTER)  terrà il mazzo."));
        for (const QString& visibile : BottoniDiGioco)
            QVERIFY2(ConSuggerimento(f, visibile)->isVisible(), qPrintable(visibile));

        QTest::keyClick(&f, Qt::Key_Plus); // from the least stake, 1, to 3
        QTest::keyClick(&f, Qt::Key_Plus);
        QCOMPARE(t.suoni.value(0), QStringLiteral("dindin.wav"));
        t.caso.AggiungiCarta(1);
        Clicca(f, "Altra carta scoperta");
        Clicca(f, "OK mi basta e mi fermo.");

        QCOMPARE(t.risposte.riepiloghi.size(), 1);
        const QStringList righe = t.risposte.riepiloghi.first();
        QCOMPARE(righe.size(), n);
        QVERIFY(righe[0].startsWith(QStringLiteral("Anonimo|6|")));
        QVERIFY(righe[n - 1].contains(QStringLiteral(" (Mazziere)|")));
        int totale = 0;
        for (const QString& riga : righe)
            totale += riga.section(QLatin1Char('|'), 3, 3).toInt();
        QCOMPARE(totale, 50 * n); // the dealer pays and collects: money only moves around
        // Stopped on 6 for 3: either won 3 with a laugh or lost 3 with a groan.
        const QString importo = righe[0].section(QLatin1Char('|'), 2, 2);
        QVERIFY2(importo == "+ 3" || importo == "- 3", qPrintable(importo));
        QVERIFY(t.suoni.contains(importo == "+ 3" ? "risata.wav" : "oh_no.wav"));
        QVERIFY(t.suoni.contains("SOUND112.wav"));
        QVERIFY(!f.Motore().Occupato());
        QCOMPARE(int(f.Stato().Turno), 1);
        QVERIFY(ConSuggerimento(f, "OK mi basta e mi fermo.")->isEnabled());
    }

    // Clicks that arrive while the computer seats play (inside the yields of the chain) must
    // not start a second action: no second game, no card for the human out of turn.
    void azioniDuranteLaCatenaIgnorate() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        const int n = f.Stato().NumGiocatori;
        t.caso.AggiungiMazziere(1, n); // the human deals: every computer seat plays first
        int tentativi = 0;
        f.suonatore = [&](const std::string&) {
            if (f.Stato().Turno == 1) return;
            ++tentativi;
            f.Command3d1_Click();
            f.Command3d2_Click();
            f.Command3d3_Click();
            f.FileNuovo_Click();
        };
        f.Stato().VelocitaCarta = 100;
        f.FileNuovo_Click();
        QVERIFY(tentativi > 0);
        QCOMPARE(t.risposte.messaggi.filter(Annuncio).size(), 1);
        QCOMPARE(int(f.Stato().Turno), 1);
        QCOMPARE(int(f.Stato().NumCarte[1]), 1);
        QCOMPARE(int(f.Stato().TurniGiocati), n - 1);
    }
};

QTEST_MAIN(TavoloTest)
#include "TavoloTest.moc"
