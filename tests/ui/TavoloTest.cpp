// The table window driven as a player drives it: buttons, keys and menus, with every modal
// window answered automatically.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "Form1.h"
#include "Supporto.h"
#include "Tavolo.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

QToolButton* Bottone(Form1& f, const QString& suggerimento) {
    for (auto* b : f.findChildren<QToolButton*>())
        if (b->toolTip() == suggerimento) return b;
    return nullptr;
}

QWidget* ConSuggerimento(Form1& f, const QString& suggerimento) {
    for (auto* w : f.findChildren<QWidget*>())
        if (w->toolTip() == suggerimento) return w;
    return nullptr;
}

// Pictures of the table that lie at least partly in the visible cloth below the bar.
int PictureInVista(Form1& f) {
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

struct Tavola {
    CartellaProva cartella;
    CasualeProva caso;
    Risponditore risposte;
    QStringList suoni;
    std::unique_ptr<Form1> finestra;

    void Apri() {
        finestra = std::make_unique<Form1>(&caso);
        finestra->suonatore = [this](const std::string& f) { suoni << QString::fromStdString(f); };
        finestra->uscita = [] { QFAIL("the program tried to end"); };
        finestra->ImpostaCartella(cartella.Percorso());
        finestra->Form_Load();
    }
};

} // namespace

class TavoloTest : public QObject {
    Q_OBJECT
  private slots:
    void avvioMostraSoloNuovaPartita();
    void menuConVociScorciatoieESeparatori();
    void manchePortataAllaFineConIBottoni();
    void tastiDelGiocatore();
    void tastiIgnoratiPrimaDellaPartita();
    void carteAlloroPostoSulTavolo();
    void finestraCresciutaNonMostraCarteNascoste();
    void partitaFinoAllaFineEAltraPartita();
    void esciTerminaSubito();
    void azioniDuranteLaCatenaIgnorate();
};

void TavoloTest::avvioMostraSoloNuovaPartita() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    const StatoTavolo& s = f.Stato();
    QVERIFY(f.isMaximized() || f.isVisible());
    QCOMPARE(int(s.NumGiocatori), std::clamp((f.AltezzaInterna() - 3) / 99, 2, 6));
    QCOMPARE(int(s.Turno), 0);
    QCOMPARE(int(s.Mazziere), 0);
    QCOMPARE(QString::fromStdString(s.Nomi[1]), QStringLiteral("Anonimo"));

    QVERIFY(Bottone(f, QStringLiteral("Nuova partita"))->isVisible());
    for (const char* nascosto : {"Altra carta scoperta", "Altra carta coperta",
                                 "OK mi basta e mi fermo.", "Dollari puntati"})
        QVERIFY2(!ConSuggerimento(f, QString::fromUtf8(nascosto))->isVisible(), nascosto);
    for (auto* barra : f.findChildren<QScrollBar*>())
        QVERIFY(!barra->isVisible());
    for (auto* l : f.findChildren<QLabel*>())
        QVERIFY2(!l->isVisible() || l->text() != QStringLiteral("Posta:"), "Posta: shown");
    // No card, face, seat label or turn marker of a game lies in sight: only the painted rows
    // and the human's name.
    QCOMPARE(PictureInVista(f), 0);
    auto* nome = ConSuggerimento(f, QStringLiteral("Clicca su opzioni per cambio nome"));
    QVERIFY(nome->isVisible());
    QCOMPARE(static_cast<QLabel*>(nome)->text(), QStringLiteral("Anonimo"));
    QVERIFY(f.MenuS()->isChecked());
    QVERIFY(t.risposte.messaggi.isEmpty());
    QVERIFY(t.suoni.isEmpty());
    // Nothing written by start-up.
    QVERIFY(!QFile::exists(t.cartella.Percorso() + QStringLiteral("/brivetta.ini")));
}

void TavoloTest::menuConVociScorciatoieESeparatori() {
    Tavola t;
    t.Apri();
    struct Voce {
        const char* testo;
        QKeySequence tasto;
    };
    const QList<QPair<QString, QList<Voce>>> attesi = {
        {QStringLiteral("&File"),
         {{"&Nuova partita", Qt::Key_F2},
          {"", {}},
          {"&Esci", QKeySequence(Qt::CTRL | Qt::Key_F4)}}},
        {QStringLiteral("&Opzioni"), {{"&Cambia ...", {}}, {"", {}}, {"&Suono", {}}}},
        {QStringLiteral("?"),
         {{"&Help", Qt::Key_F1},
          {"&Regole di Brivetta ", QKeySequence(Qt::CTRL | Qt::Key_R)},
          {"", {}},
          {"&Mail all'autore", QKeySequence(Qt::CTRL | Qt::Key_F8)},
          {"&Visita Lampo Home Page ...", QKeySequence(Qt::CTRL | Qt::Key_F9)},
          {"", {}},
          {"&Info su Brivetta ...", Qt::Key_F4}}}};
    const auto menu = t.finestra->menuBar()->actions();
    QCOMPARE(menu.size(), attesi.size());
    for (int m = 0; m < attesi.size(); ++m) {
        QCOMPARE(menu[m]->text(), attesi[m].first);
        const auto voci = menu[m]->menu()->actions();
        QCOMPARE(voci.size(), attesi[m].second.size());
        for (int v = 0; v < voci.size(); ++v) {
            const Voce& atteso = attesi[m].second[v];
            QCOMPARE(voci[v]->isSeparator(), QByteArray(atteso.testo).isEmpty());
            QCOMPARE(voci[v]->text(), QString::fromUtf8(atteso.testo));
            QCOMPARE(voci[v]->shortcut(), atteso.tasto);
        }
    }
    QVERIFY(t.finestra->MenuS()->isCheckable());
}

void TavoloTest::manchePortataAllaFineConIBottoni() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    const int n = f.Stato().NumGiocatori;
    // The last seat deals, so the human plays first; the human's covered card is a 5.
    t.caso.AggiungiMazziere(n, n);
    t.caso.AggiungiCarta(5);
    QTest::mouseClick(Bottone(f, QStringLiteral("Nuova partita")), Qt::LeftButton);

    QCOMPARE(t.risposte.messaggi.value(0),
             QStringLiteral("Attenzione si inizia una nuova partita ora. ") +
                 QString::fromStdString(f.Stato().Nomi[n]) +
                 QStringLiteral(" (COMPUTER)  terrà il mazzo."));
    QCOMPARE(int(f.Stato().Turno), 1);
    QCOMPARE(int(f.Stato().Mano[1][1]), 5);
    for (const char* visibile : {"Altra carta scoperta", "Altra carta coperta",
                                 "OK mi basta e mi fermo.", "Dollari puntati"})
        QVERIFY2(ConSuggerimento(f, QString::fromUtf8(visibile))->isVisible(), visibile);

    // The human raises the stake to 3 with the slider and stops on the first card.
    auto* cursore = f.findChild<QScrollBar*>();
    QVERIFY(cursore->isVisible() && cursore->isEnabled());
    cursore->setValue(3);
    QCOMPARE(t.suoni, QStringList{QStringLiteral("dindin.wav")});
    QVERIFY(ConSuggerimento(f, QStringLiteral("Dollari puntati"))->width() == 27);
    QTest::mouseClick(Bottone(f, QStringLiteral("OK mi basta e mi fermo.")), Qt::LeftButton);

    // Every computer seat played, the dealer last, and the summary was shown and closed.
    QVERIFY(!t.risposte.riepiloghi.isEmpty());
    const QStringList righe = t.risposte.riepiloghi.first();
    QCOMPARE(righe.size(), n);
    QVERIFY(righe[0].startsWith(QStringLiteral("Anonimo|5|")));
    QVERIFY(righe[n - 1].contains(QStringLiteral(" (Mazziere)|")));
    int totale = 0;
    for (const QString& riga : righe) {
        const QStringList celle = riga.split(QLatin1Char('|'));
        QVERIFY2(celle[2].startsWith(QStringLiteral("+ ")) ||
                     celle[2].startsWith(QStringLiteral("- ")),
                 qPrintable(riga));
        totale += celle[3].toInt();
        QVERIFY(celle[4].endsWith(QStringLiteral("°")));
    }
    QCOMPARE(totale, 50 * n); // the dealer pays and collects: money is only moved around
    // The human stopped on 5 for 3: either won 3 with a laugh or lost 3 with a groan.
    const QString importo = righe[0].split(QLatin1Char('|'))[2];
    QVERIFY(importo == QStringLiteral("+ 3") || importo == QStringLiteral("- 3"));
    QVERIFY(t.suoni.contains(importo.startsWith(QLatin1Char('+')) ? QStringLiteral("risata.wav")
                                                                  : QStringLiteral("oh_no.wav")));
    QVERIFY(t.suoni.contains(QStringLiteral("SOUND112.wav")));
    QVERIFY(!f.Motore().Occupato());
    // A new manche is dealt and the play buttons are usable again.
    for (int seat = 1; seat <= n; ++seat)
        QVERIFY(f.Stato().NumCarte[seat] >= 1);
    QVERIFY(f.Stato().Turno == 1 || t.risposte.finiPartita > 0);
    QVERIFY(Bottone(f, QStringLiteral("Nuova partita"))->isEnabled());
}

void TavoloTest::tastiDelGiocatore() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    const int n = f.Stato().NumGiocatori;
    t.caso.AggiungiMazziere(n, n);
    t.caso.AggiungiCarta(2);
    // The computer seats' covered cards are Bastoni, out of the way of the human's draws.
    for (int seat = 2; seat <= n; ++seat)
        t.caso.AggiungiCarta(20 + seat);
    f.FileNuovo_Click();
    QCOMPARE(int(f.Stato().Turno), 1);
    auto* cursore = f.findChild<QScrollBar*>();
    QCOMPARE(cursore->value(), 1);
    QTest::keyClick(&f, Qt::Key_Plus);
    QTest::keyClick(&f, Qt::Key_Plus);
    QCOMPARE(cursore->value(), 3);
    QTest::keyClick(&f, Qt::Key_Minus);
    QCOMPARE(cursore->value(), 2);
    QCOMPARE(f.Vista().Label1, std::string("2€"));

    // "S" takes a card face up: a 3 after the 2, the stake grows by the slider's 2.
    t.caso.AggiungiCarta(3);
    QTest::keyClick(&f, Qt::Key_S);
    QCOMPARE(int(f.Stato().NumCarte[1]), 2);
    QCOMPARE(int(f.Stato().Mano[1][2]), 3);
    QCOMPARE(int(f.Stato().Posta[1]), 2);
    QCOMPARE(cursore->value(), 0);
    // "C" takes one face down: the ace becomes the covered card, the 2 is turned up.
    t.caso.AggiungiCarta(1);
    QTest::keyClick(&f, Qt::Key_C);
    QCOMPARE(int(f.Stato().NumCarte[1]), 3);
    QCOMPARE(int(f.Stato().Mano[1][1]), 1);
    QCOMPARE(int(f.Stato().Mano[1][3]), 2);
    // "F" stops: the turn leaves the human and comes back with the next manche.
    QTest::keyClick(&f, Qt::Key_F);
    QCOMPARE(t.risposte.riepiloghi.size(), 1);
}

void TavoloTest::tastiIgnoratiPrimaDellaPartita() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    for (auto tasto : {Qt::Key_S, Qt::Key_C, Qt::Key_F, Qt::Key_Plus, Qt::Key_Minus})
        QTest::keyClick(&f, tasto);
    QCOMPARE(int(f.Stato().Turno), 0);
    QCOMPARE(int(f.Stato().CarteUscite), 0);
    QVERIFY(t.risposte.messaggi.isEmpty());
    QVERIFY(t.suoni.isEmpty());
}

void TavoloTest::carteAlloroPostoSulTavolo() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    const int n = f.Stato().NumGiocatori;
    t.caso.AggiungiMazziere(n, n);
    t.caso.AggiungiCarta(Matta);
    f.FileNuovo_Click();
    // The human's own covered card lies face up in slot 1 of the first row, the deck beside
    // the dealer's row, the backs of the computer seats in slot 1 of theirs.
    auto* tavolo = f.centralWidget();
    auto carta = [&](const QString& nome) -> QWidget* {
        for (auto* w : tavolo->findChildren<QLabel*>())
            if (w->accessibleName() == nome && w->y() < tavolo->height()) return w;
        return nullptr;
    };
    QWidget* matta = carta(QStringLiteral("Re di Denare, la matta"));
    QVERIFY(matta);
    QCOMPARE(matta->pos(), QPoint(101, 28 + SpostamentoTavolo));
    QCOMPARE(matta->toolTip(), QStringLiteral("Questa è la matta, vale 1,2,3,4,5,6,7 o 1/2"));
    QWidget* mazzo = carta(QStringLiteral("mazzo"));
    QCOMPARE(mazzo->pos(), QPoint(-20, 99 * (n - 1) + 28 + SpostamentoTavolo));
    auto* segno = ConSuggerimento(f, QStringLiteral("Giocatore di turno"));
    QCOMPARE(segno->pos(), QPoint(-22, 45 + SpostamentoTavolo));
    QCOMPARE(segno->size(), QSize(48, 65));
    QWidget* etichetta = ConSuggerimento(f, QStringLiteral("Giocatore umano (tu)"));
    QVERIFY(etichetta->isVisible());
    QCOMPARE(etichetta->accessibleName(), QStringLiteral("Anonimo: 0"));
}

// Pictures are put out of sight at the height the window had; a taller window later must not
// uncover them.
void TavoloTest::finestraCresciutaNonMostraCarteNascoste() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    f.showNormal();
    f.resize(f.width(), f.height() + 400);
    QTRY_VERIFY(f.AltezzaInterna() > f.Vista().Altezza + 300);
    f.Rinfresca();
    QCOMPARE(PictureInVista(f), 0);
}

// The human bets the most on his first card until a seat is broke; the end-of-game window is
// answered with "Altra partita", which deals a fresh game at once.
void TavoloTest::partitaFinoAllaFineEAltraPartita() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    f.Stato().VelocitaCarta = 100;
    f.FileNuovo_Click();
    auto* cursore = f.findChild<QScrollBar*>();
    auto* stop = Bottone(f, QStringLiteral("OK mi basta e mi fermo."));
    for (int mano = 0; mano < 300 && t.risposte.finiPartita == 0; ++mano) {
        QCOMPARE(int(f.Stato().Turno), 1);
        if (cursore->isVisible()) cursore->setValue(15);
        QTest::mouseClick(stop, Qt::LeftButton);
    }
    QCOMPARE(t.risposte.finiPartita, 1);
    const auto annunci =
        t.risposte.messaggi.filter(QStringLiteral("Attenzione si inizia una nuova partita ora. "));
    QCOMPARE(annunci.size(), 2);
    for (int seat = 1; seat <= f.Stato().NumGiocatori; ++seat)
        QCOMPARE(int(f.Stato().Soldi[seat]), int(f.Stato().MalloppoIniziale));
    QCOMPARE(int(f.Stato().Turno), 1);
    QVERIFY(stop->isVisible() && stop->isEnabled());
}

void TavoloTest::esciTerminaSubito() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
    int uscite = 0;
    f.uscita = [&] { ++uscite; };
    QAction* esci = nullptr;
    for (auto* a : f.menuBar()->actions().first()->menu()->actions())
        if (a->text() == QStringLiteral("&Esci")) esci = a;
    esci->trigger();
    QCOMPARE(uscite, 1);
    QVERIFY(t.risposte.messaggi.isEmpty());
    QVERIFY(!QFile::exists(t.cartella.Percorso() + QStringLiteral("/brivetta.ini")));
}

// Clicks that arrive while the computer seats play (inside the yields of the chain) must not
// start a second action: no second game, no card for the human out of turn.
void TavoloTest::azioniDuranteLaCatenaIgnorate() {
    Tavola t;
    t.Apri();
    Form1& f = *t.finestra;
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
    QCOMPARE(
        t.risposte.messaggi.filter(QStringLiteral("Attenzione si inizia una nuova partita ora. "))
            .size(),
        1);
    QCOMPARE(int(f.Stato().Turno), 1);
    QCOMPARE(int(f.Stato().NumCarte[1]), 1);
    QCOMPARE(int(f.Stato().TurniGiocati), n - 1);
}

QTEST_MAIN(TavoloTest)
#include "TavoloTest.moc"
