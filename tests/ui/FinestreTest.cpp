// The summary and end-of-game windows, shown from hand-made results.
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "Form3a.h"
#include "Form4.h"
#include "Immagine.h"
#include "Tavolo.h"

using namespace brivetta;

namespace {

// A face picture whose colour tells which element it came from.
QPixmap FacciaNumero(int i) {
    QPixmap p(34, 34);
    p.fill(QColor(i, 0, 0));
    return p;
}

Riepilogo Esempio(int giocatori, int mazziere) {
    Riepilogo r;
    const char* nomi[] = {"", "Anonimo", "Bruno", "Sandro", "Elvira", "Leonardo", "Marisa"};
    for (int i = 1; i <= MaxGiocatori; ++i) {
        auto& riga = r.Righe[i];
        riga.Visibile = i <= giocatori;
        riga.Nome = std::string(nomi[i]) + (i == mazziere ? " (Mazziere)" : "");
        riga.Mazziere = i == mazziere;
        riga.Punti = "7 1/2";
        riga.Importo = i % 2 ? "+ 0" : "- 15";
        riga.Faccia = 2 * i - 2 + (i % 2 ? 0 : 1);
        riga.Soldi = static_cast<Intero>(-3 * i);
        riga.Posizione = std::to_string(i) + "°";
    }
    return r;
}

} // namespace

class FinestreTest : public QObject {
    Q_OBJECT
  private slots:
    void riepilogoRighe_data();
    void riepilogoRighe();
    void riepilogoIntestazioni();
    void riepilogoNonEsceDalloSchermo_data();
    void riepilogoNonEsceDalloSchermo();
    void finePartitaRighe_data();
    void finePartitaRighe();
    void finePartitaScelte();
};

void FinestreTest::riepilogoRighe_data() {
    QTest::addColumn<int>("giocatori");
    QTest::addColumn<int>("mazziere");
    QTest::newRow("two seats, the human deals") << 2 << 1;
    QTest::newRow("four seats, seat 3 deals") << 4 << 3;
    QTest::newRow("six seats, the last deals") << 6 << 6;
}

void FinestreTest::riepilogoRighe() {
    QFETCH(int, giocatori);
    QFETCH(int, mazziere);
    Form3a f(Esempio(giocatori, mazziere), FacciaNumero);
    f.show();
    for (int i = 1; i <= MaxGiocatori; ++i) {
        const bool inGioco = i <= giocatori;
        QCOMPARE(f.Faccia(i)->isVisible(), inGioco);
        for (int c = 0; c < 5; ++c)
            QCOMPARE(f.Cella(i, c)->isVisible(), inGioco);
        // Amounts of 0 keep their "+ " sign; negative money its minus.
        QCOMPARE(f.Cella(i, 2)->text(), QString::fromUtf8(i % 2 ? "+ 0" : "- 15"));
        QCOMPARE(f.Cella(i, 3)->text(), QString::number(-3 * i));
        QCOMPARE(f.Faccia(i)->Figura().toImage().pixelColor(0, 0).red(),
                 2 * i - 2 + (i % 2 ? 0 : 1));
        const QFont font = f.Cella(i, 0)->font();
        const bool banco = i == mazziere;
        QCOMPARE(font.italic(), banco);
        QCOMPARE(font.pointSizeF(), banco ? 9.75 : 8.25);
        QCOMPARE(f.Cella(i, 0)->palette().color(QPalette::WindowText) == ColorePalette(1), banco);
        QCOMPARE(f.Cella(i, 0)->text().endsWith(QStringLiteral(" (Mazziere)")), banco);
        // The dealer's longer name never runs into the score column.
        QVERIFY(f.Cella(i, 0)->geometry().right() < f.Cella(i, 1)->x());
        QVERIFY(f.Cella(i, 0)->sizeHint().width() <= f.Cella(i, 0)->width());
    }
    // The OK button lies below the last line in play, inside the window.
    QVERIFY(f.Command3D1()->y() > f.Faccia(giocatori)->geometry().bottom());
    QVERIFY(f.rect().contains(f.Command3D1()->geometry()));
}

void FinestreTest::riepilogoIntestazioni() {
    Form3a f(Esempio(6, 2), FacciaNumero);
    const QStringList testi = {"Giocatore", "Punti", "€", "€ Rim.", "Pos."};
    const QStringList suggerimenti = {"Nome giocatore", "Punti fatti in questa manche",
                                      "$ puntati questa manche", "$ rimasti",
                                      "Posizione in classifica"};
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(f.Cella(0, c)->text(), testi[c]);
        QCOMPARE(f.Cella(0, c)->toolTip(), suggerimenti[c]);
    }
    QCOMPARE(f.windowTitle(), QStringLiteral("Brivetta - Riepilogo manche"));
    QCOMPARE(f.Faccia(1)->toolTip(), QStringLiteral("Questa è la riga con il tuo punteggio"));
    QCOMPARE(f.Command3D1()->text(), QStringLiteral("&OK"));
    QCOMPARE(f.Command3D1()->toolTip(), QStringLiteral("OK ho visto, vai avanti."));
    bool chiusa = false;
    connect(&f, &QDialog::accepted, [&] { chiusa = true; });
    f.show();
    f.Command3D1()->click();
    QVERIFY(chiusa);
}

void FinestreTest::riepilogoNonEsceDalloSchermo_data() {
    QTest::addColumn<int>("carte");
    QTest::newRow("one card") << 1;
    QTest::newRow("seven cards") << 7;
    QTest::newRow("fourteen cards") << 14;
}

void FinestreTest::riepilogoNonEsceDalloSchermo() {
    QFETCH(int, carte);
    Form3a f(Esempio(6, 1), FacciaNumero);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int sinistraMano = area.left() + 58 * carte + 105;
    f.Posiziona(sinistraMano);
    QVERIFY(f.x() <= sinistraMano);
    QVERIFY(f.x() + f.width() <= area.right() + 1);
    QVERIFY(f.x() >= area.left());
    // Centred vertically.
    QVERIFY(std::abs((f.y() - area.top()) - (area.bottom() + 1 - f.y() - f.height())) <= 1);
    if (sinistraMano + f.width() + 5 <= area.right()) QCOMPARE(f.x(), sinistraMano);
}

void FinestreTest::finePartitaRighe_data() {
    QTest::addColumn<int>("giocatori");
    QTest::newRow("four seats") << 4;
    QTest::newRow("six seats") << 6;
    QTest::newRow("two seats") << 2;
}

void FinestreTest::finePartitaRighe() {
    QFETCH(int, giocatori);
    StatoTavolo s;
    s.NumGiocatori = static_cast<Intero>(giocatori);
    s.Nomi = {"", "Gigi", "   Bruno", "  Sandro", "   Elvira", "Leonardo", " Marisa"};
    s.Soldi = {0, 70, -4, 51, 50, 49, 30};
    s.MessaggioFine = "prima riga\rseconda riga\rVuoi fare un'altra partitina?";
    Form4 f(s, [] {});
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Brivetta - fine partita"));
    QCOMPARE(f.Label1()->text(),
             QStringLiteral("prima riga\nseconda riga\nVuoi fare un'altra partitina?"));
    const QStringList nomi = {"Gigi", "Bruno", "Sandro", "Elvira", "Leonardo", "Marisa"};
    for (int i = 0; i < MaxGiocatori; ++i) {
        QCOMPARE(f.Label2(i)->isVisible(), i < giocatori);
        QCOMPARE(f.Label3(i)->isVisible(), i < giocatori);
        QCOMPARE(f.Label2(i)->text(), nomi[i]);
        QCOMPARE(f.Label3(i)->text(), QString::number(s.Soldi[i + 1]));
        // The money lines start below the whole message, however many lines it has.
        QVERIFY(f.Label3(i)->y() >= f.Label1()->geometry().bottom());
    }
    QCOMPARE(f.Label3(1)->text(), QStringLiteral("-4"));
    QVERIFY(f.Command1()->y() > f.Label3(5)->geometry().bottom() - 1);
}

void FinestreTest::finePartitaScelte() {
    StatoTavolo s;
    s.NumGiocatori = 3;
    s.MessaggioFine = std::string(400, 'x') + "\rVuoi fare un'altra partitina?";
    struct Caso {
        const char* nome;
        std::function<void(Form4&)> azione;
        bool uscito;
        int risultato;
    };
    const std::vector<Caso> casi = {
        {"Altra partita", [](Form4& f) { f.Command3d1()->click(); }, false, QDialog::Accepted},
        {"closed by the window", [](Form4& f) { f.reject(); }, false, QDialog::Rejected},
        {"Fine gioco", [](Form4& f) { f.Command1()->click(); }, true, -1},
    };
    for (const Caso& caso : casi) {
        int uscite = 0;
        Form4 f(s, [&] { ++uscite; });
        QCOMPARE(f.Command3d1()->text(), QStringLiteral("&Altra partita"));
        QCOMPARE(f.Command3d1()->toolTip(), QStringLiteral("Ricominci altra gara"));
        QCOMPARE(f.Command1()->text(), QStringLiteral("&Fine gioco"));
        QCOMPARE(f.Command1()->toolTip(), QStringLiteral("Uscita"));
        f.show();
        int risultato = -1;
        connect(&f, &QDialog::finished, [&](int r) { risultato = r; });
        caso.azione(f);
        QCOMPARE(uscite, caso.uscito ? 1 : 0);
        QCOMPARE(risultato, caso.risultato);
        // A long message wraps inside the window instead of widening it past the screen.
        QVERIFY(f.width() <= QGuiApplication::primaryScreen()->availableGeometry().width());
    }
}

QTEST_MAIN(FinestreTest)
#include "FinestreTest.moc"
