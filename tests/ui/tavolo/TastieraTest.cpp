// The focus after the summary, with keys that come from a real X server (xdotool): only a real
// server with a window manager shows which window is active after a dialog. Run under Xvfb with
// a window manager; see con_x11.sh.
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
