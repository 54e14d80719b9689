// The play keys after a menu was opened and closed, and the focus after the summary, with keys
// and clicks that come from a real X server (xdotool): only a real server with a window manager
// shows how the menu bar keeps the keyboard after Escape and which window is active after a
// dialog. Run under Xvfb with a window manager; see con_x11.sh.
#include <QProcess>
#include <QPushButton>

#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

// Runs xdotool with its arguments, as a player's keys and clicks on the X server.
bool Xdotool(const QStringList& argomenti) {
    return QProcess::execute(QStringLiteral("xdotool"), argomenti) == 0;
}

} // namespace

class TastieraTest : public QObject {
    Q_OBJECT
  private slots:
    void fermaDopoUnMenu_data() {
        QTest::addColumn<QStringList>("menu"); // xdotool words that open and close a menu
        QTest::newRow("Alt+O, Escape") << QStringList{"key", "alt+o", "Escape"};
    }
    // On the human's turn, F stops whatever menu was opened and closed before it.
    void fermaDopoUnMenu() {
        QFETCH(QStringList, menu);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        QVERIFY(t.AlTurnoDellUmano());
        t.risposte.Sospendi(true); // the summary stays open, so the turn can be read after F

        QPushButton* stop = nullptr;
        for (auto* b : f.findChildren<QPushButton*>())
            if (b->accessibleName() == QStringLiteral("OK mi basta e mi fermo.")) stop = b;
        QVERIFY(stop);
        int fermate = 0;
        connect(stop, &QPushButton::clicked, [&] { ++fermate; });

        QVERIFY(Xdotool(QStringList{"key", "--delay", "60"} + menu.mid(1)));
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::qWait(100);
        QVERIFY(Xdotool({"key", "f"}));
        QTRY_VERIFY(fermate > 0 || QApplication::activePopupWidget());
        QVERIFY2(!QApplication::activePopupWidget(), "F opened a menu");
        QCOMPARE(fermate, 1);
    }

    // Space on Stop closes the manche; once the summary is closed and the human's move is back,
    // the next Space stops again: the focus is on Stop in the active window, without Tab.
    void loSpazioDopoIlRiepilogo() {
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        QVERIFY(t.AlTurnoDellUmano());
        auto* stop = qobject_cast<QPushButton*>(ConSuggerimento(f, "OK mi basta e mi fermo."));
        QVERIFY(stop);
        stop->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), stop);
        int fermate = 0;
        connect(stop, &QPushButton::clicked, [&] { ++fermate; });
        QVERIFY(Xdotool({"key", "space"}));
        QTRY_COMPARE(fermate, 1);
        QVERIFY(QTest::qWaitFor([&] { return !t.risposte.riepiloghi.isEmpty(); }, 20000));
        QTRY_VERIFY(AttendiGiocatore(f) && f.Stato().Turno == 1);
        QTRY_COMPARE(QApplication::focusWidget(), stop);
        QVERIFY(Xdotool({"key", "space"}));
        QTRY_COMPARE(fermate, 2);
    }
};

QTEST_MAIN(TastieraTest)
#include "TastieraTest.moc"
