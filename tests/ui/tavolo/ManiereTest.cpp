// How the table window behaves as a desktop window: its size when it is no longer maximised,
// tooltips, and the play buttons' faces.
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QToolTip>
#include <tuple>

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

// The first and last columns of a button's face where its icon and caption are drawn (those
// that change when the button is drawn again without them), and the face's width, all in
// device pixels.
std::tuple<int, int, int> ColonneDisegnate(QPushButton* b) {
    const QImage pieno = b->grab().toImage();
    const QString testo = b->text();
    const QIcon icona = b->icon();
    b->setText({});
    b->setIcon({});
    const QImage vuoto = b->grab().toImage();
    b->setText(testo);
    b->setIcon(icona);
    int prima = pieno.width(), ultima = -1;
    for (int x = 0; x < pieno.width(); ++x)
        for (int y = 0; y < pieno.height(); ++y)
            if (pieno.pixel(x, y) != vuoto.pixel(x, y)) {
                prima = std::min(prima, x);
                ultima = std::max(ultima, x);
            }
    return {prima, ultima, pieno.width()};
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
            scelta = QRect(QPoint(30, 40), QSize(820, 610));
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

    // The play buttons draw their icon and caption as one group in the middle of the button.
    void iBottoniCentranoIconaETesto() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        PartitaAlTurnoDellUmano(t, f);
        int bottoni = 0;
        for (auto* b : f.findChildren<QPushButton*>()) {
            if (!b->isVisible() || b->icon().isNull() || b->text().isEmpty()) continue;
            ++bottoni;
            const auto [prima, ultima, grafica] = ColonneDisegnate(b);
            QVERIFY2(ultima > prima, qPrintable(b->text()));
            QVERIFY2(std::abs((prima + ultima + 1) - grafica) <= 4,
                     qPrintable(QStringLiteral("%1: drawn from %2 to %3 of %4")
                                    .arg(b->text())
                                    .arg(prima)
                                    .arg(ultima)
                                    .arg(grafica)));
        }
        QVERIFY(bottoni >= 3); // "Scoperta", "Coperta", "Stop" at least
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
