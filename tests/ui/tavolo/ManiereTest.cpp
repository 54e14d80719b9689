// How the table window behaves as a desktop window: its size when it is no longer maximised,
// and its tooltips.
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QToolTip>

#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

// Starts a game in which the human plays first, and waits for his turn.
void PartitaAlTurnoDellUmano(Tavola& t, FinestraTavolo& f) {
    t.UmanoPrimo();
    f.NuovaPartita();
    QVERIFY(AttendiGiocatore(f));
    QCOMPARE(int(f.Stato().Turno), 1);
}

} // namespace

class ManiereTest : public QObject {
    Q_OBJECT
  private slots:
    // Out of the maximised state the window keeps a size a table can be played in, and comes
    // back where the player left it; only preferenze.ini records it.
    void laMisuraNormaleSiRicorda() {
        Tavola t;
        t.ScriviIni({});
        const QByteArray ini = t.Ini();
        QRect scelta;
        {
            FinestraTavolo& f = t.Apri();
            f.showNormal();
            QTest::qWait(50);
            const QSize schermo = f.screen()->availableGeometry().size();
            QVERIFY(f.width() >= std::min(800, schermo.width()));
            QVERIFY(f.height() >= std::min(600, schermo.height()));
            scelta = QRect(QPoint(0, 40), QSize(800, 610)); // within the 800-pixel screen
            f.setGeometry(scelta);
            QTest::qWait(50);
            scelta = f.normalGeometry();
            f.close();
        }
        QCOMPARE(QSettings(t.File("preferenze.ini"), QSettings::IniFormat)
                     .value("finestra/geometria")
                     .toRect(),
                 scelta);
        QCOMPARE(t.Ini(), ini);
        FinestraTavolo& f = t.Apri();
        QCOMPARE(f.normalGeometry().size(), scelta.size());
    }

    // The labels' own colours stay on the labels: their tooltips look like any other.
    void iSuggerimentiHannoIColoriDelDesktop() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        PartitaAlTurnoDellUmano(t, f);
        for (const QString& suggerimento : {QStringLiteral("Clicca su opzioni per cambio nome"),
                                            QStringLiteral("Giocatore umano (tu)")}) {
            QWidget* etichetta = ConSuggerimento(f, suggerimento);
            QVERIFY2(etichetta && etichetta->isVisible(), qPrintable(suggerimento));
            QToolTip::showText(etichetta->mapToGlobal(QPoint(2, 2)), suggerimento, etichetta);
            QWidget* fumetto = nullptr;
            QVERIFY(QTest::qWaitFor([&fumetto] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->inherits("QTipLabel") && w->isVisible()) fumetto = w;
                return fumetto != nullptr;
            }));
            const QImage immagine = fumetto->grab().toImage();
            const QColor sfondo = immagine.pixelColor(immagine.width() / 2, 1);
            QCOMPARE(sfondo, QToolTip::palette().color(QPalette::ToolTipBase));
            QToolTip::hideText();
            QTest::qWait(20);
        }
    }
};

QTEST_MAIN(ManiereTest)
#include "ManiereTest.moc"
