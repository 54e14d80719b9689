// The table played from the keyboard and heard through a screen reader: where the focus goes,
// the names of the Tab stops, the slider's keys.
#include <QAccessible>
#include <QScrollBar>

#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

const QString Scoperta = QStringLiteral("Altra carta scoperta");
const QString Coperta = QStringLiteral("Altra carta coperta");
const QString Ferma = QStringLiteral("OK mi basta e mi fermo.");

// What a screen reader says of the widget.
QString Nome(QWidget* w) {
    QAccessibleInterface* a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return a ? a->text(QAccessible::Name) : QString();
}

// The table's focus: the widget that has it while the table is the active window.
QString Fuoco(FinestraTavolo& f) {
    return Nome(f.focusWidget());
}

// Without a window manager nothing gives the table back the activation a message took, and keys
// of the menus reach an active window only.
bool Attiva(FinestraTavolo& f) {
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}

// The human's move, his first card of the game a covered 5 and the next one an ace.
void TurnoDellUmano(Tavola& t, FinestraTavolo& f) {
    QVERIFY(t.AlTurnoDellUmano(true));
    t.caso.AggiungiCarta(1);
    QVERIFY(Attiva(f));
}

bool MossaUmano(FinestraTavolo& f) {
    return AttendiGiocatore(f) && f.Stato().Turno == 1 &&
           f.Stato().TurniGiocati < f.Stato().NumGiocatori;
}

} // namespace

class AccessoTest : public QObject {
    Q_OBJECT
  private slots:
    void ilFuocoTornaAlComando_data() {
        QTest::addColumn<QString>("da"); // the control holding the focus
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("atteso"); // the focus when the human's move comes back
        QTest::newRow("S on the table") << "Tavolo" << int(Qt::Key_S) << Scoperta;
        QTest::newRow("Space on Stop") << Ferma << int(Qt::Key_Space) << Ferma;
        QTest::newRow("C on Stop") << Ferma << int(Qt::Key_C) << Coperta;
        // A new game is never started again by a second Space: its first play button instead.
        QTest::newRow("Space on Nuova partita")
            << "Nuova partita" << int(Qt::Key_Space) << Scoperta;
        QTest::newRow("Ctrl+N") << "Tavolo" << (Qt::Key_N | Qt::ControlModifier).toCombined()
                                << Scoperta;
    }
    // After a move from the keyboard the focus is back on the control it came from when the
    // human's move comes back.
    void ilFuocoTornaAlComando() {
        QFETCH(QString, da);
        QFETCH(int, tasto);
        QFETCH(QString, atteso);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        f.VoceProbabilita()->trigger();
        TurnoDellUmano(t, f);
        QWidget* w = ConNome(f, da);
        QVERIFY(w && w->isVisible() && w->isEnabled());
        w->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w);
        const int carte = f.Stato().CarteUscite;
        QTest::keyClick(w, Qt::Key(tasto & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(tasto & Qt::KeyboardModifierMask));
        QTRY_VERIFY(f.Stato().CarteUscite != carte || f.Stato().Turno != 1 ||
                    t.risposte.messaggi.size() > 1);
        QVERIFY(MossaUmano(f));
        QTRY_COMPARE(Fuoco(f), atteso);
    }

    // Tab goes round every control of the bar and the table, each with its name; the slider is
    // one of them and moves by its keys.
    void ilTabEIlCursore() {
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        f.VoceProbabilita()->trigger();
        TurnoDellUmano(t, f);
        ConNome(f, QStringLiteral("Nuova partita"))->setFocus(Qt::TabFocusReason);
        QStringList giro{Fuoco(f)};
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (Fuoco(f) == giro.first()) break;
            giro << Fuoco(f);
        }
        QCOMPARE(giro, (QStringList{"Nuova partita", Scoperta, Coperta, Ferma, "Posta",
                                    "Probabilità", "Situazione", "Tavolo"}));

        // The slider's keys, each a move of the game with its rules: arrows and +/- by 1, the
        // page keys by 5, Home and End to the ends. The slider keeps the focus.
        auto* cursore = qobject_cast<QScrollBar*>(ConNome(f, QStringLiteral("Posta")));
        QVERIFY(cursore);
        QCOMPARE(cursore->focusPolicy(), Qt::TabFocus);
        cursore->setFocus(Qt::TabFocusReason);
        struct Passo {
            Qt::Key tasto;
            int posta;
        };
        const std::vector<Passo> passi = {{Qt::Key_End, 15}, {Qt::Key_PageDown, 10},
                                          {Qt::Key_Down, 9}, {Qt::Key_Minus, 8},
                                          {Qt::Key_Home, 0}, {Qt::Key_PageUp, 5}};
        for (const Passo& p : passi) {
            QTest::keyClick(cursore, p.tasto);
            QVERIFY(MossaUmano(f));
            QCOMPARE(f.Motore().Vista().Posta, p.posta);
            QCOMPARE(cursore->value(), p.posta);
            QCOMPARE(QApplication::focusWidget(), cursore);
        }
        // Each change went through the game: one slider sound each.
        QCOMPARE(t.suoni->suonati.count(QStringLiteral("dindin.wav")), int(passi.size()));
    }
};

QTEST_MAIN(AccessoTest)
#include "AccessoTest.moc"
