// The table played from the keyboard and heard through a screen reader: where the focus goes,
// the slider's keys, the covered card's name, the usual keys of a desktop game, the money and
// dealer in the bar; and the table as a desktop window: any size, kept, and its tooltips.
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QToolTip>

#include "GeometriaTavolo.h"
#include "Immagine.h"
#include "PannelloTavolo.h"
#include "RiepilogoManche.h"
#include "Supporto.h"
#include "Testi.h"

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

QWidget* ConNome(FinestraTavolo& f, const QString& nome) {
    for (auto* w : f.findChildren<QWidget*>())
        if (w->accessibleName() == nome) return w;
    return nullptr;
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

// Starts a new game from the keys and waits for the human's move in it.
bool NuovaDaTastiera(Tavola& t, FinestraTavolo& f) {
    if (!Attiva(f)) return false;
    const auto annunci = t.risposte.messaggi.size();
    QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
    return QTest::qWaitFor([&] { return t.risposte.messaggi.size() > annunci; }, 20000) &&
           AttendiGiocatore(f);
}

// Every widget the focus rests on, from its creation on, has a name to be read.
struct FuocoConNome {
    QStringList senzaNome;
    QMetaObject::Connection connessione;
    FuocoConNome() {
        connessione =
            QObject::connect(qApp, &QApplication::focusChanged, [this](QWidget*, QWidget* w) {
                if (w && Nome(w).isEmpty())
                    senzaNome << QString::fromLatin1(w->metaObject()->className());
            });
    }
    ~FuocoConNome() { QObject::disconnect(connessione); }
};

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

QStringList NomiCoperte(FinestraTavolo& f) {
    QStringList nomi;
    for (auto* carta : f.findChildren<Immagine*>())
        if (carta->isVisible() && carta->accessibleName().endsWith(QStringLiteral(", coperta")))
            nomi << carta->accessibleName();
    return nomi;
}

QString Situazione(FinestraTavolo& f) {
    auto* l = qobject_cast<QLabel*>(ConNome(f, QStringLiteral("Situazione")));
    return l && l->isVisible() ? l->text() : QStringLiteral("(nascosta)");
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
        QTest::newRow("C on the table") << "Tavolo" << int(Qt::Key_C) << Coperta;
        QTest::newRow("F on the table") << "Tavolo" << int(Qt::Key_F) << Ferma;
        QTest::newRow("S on the odds") << "Probabilità" << int(Qt::Key_S) << Scoperta;
        QTest::newRow("Space on Scoperta") << Scoperta << int(Qt::Key_Space) << Scoperta;
        QTest::newRow("Space on Coperta") << Coperta << int(Qt::Key_Space) << Coperta;
        QTest::newRow("Space on Stop") << Ferma << int(Qt::Key_Space) << Ferma;
        QTest::newRow("C on Stop") << Ferma << int(Qt::Key_C) << Coperta;
        // A new game is never started again by a second Space: its first play button instead.
        QTest::newRow("Space on Nuova partita")
            << "Nuova partita" << int(Qt::Key_Space) << Scoperta;
        QTest::newRow("Ctrl+N") << "Tavolo" << (Qt::Key_N | Qt::ControlModifier).toCombined()
                                << Scoperta;
    }
    // After a move from the keyboard the focus is back on the control it came from when the
    // human's move comes back, and never rests on a widget without a name on the way.
    void ilFuocoTornaAlComando() {
        QFETCH(QString, da);
        QFETCH(int, tasto);
        QFETCH(QString, atteso);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        f.VoceProbabilita()->trigger();
        TurnoDellUmano(t, f);
        FuocoConNome fuoco;
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
        QCOMPARE(fuoco.senzaNome, QStringList());
    }

    // Tab goes round every control of the bar and the table, each with its name; the slider is
    // one of them.
    void ilTabPassaPerComandiConNome() {
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
    }

    // The slider's keys, each a move of the game with its rules: arrows and +/- by 1, the
    // page keys by 5, Home and End to the ends. The slider keeps the focus.
    void ilCursoreSiMuoveConITasti() {
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        TurnoDellUmano(t, f);
        auto* cursore = qobject_cast<QScrollBar*>(ConNome(f, QStringLiteral("Posta")));
        QVERIFY(cursore);
        QCOMPARE(cursore->focusPolicy(), Qt::TabFocus);
        cursore->setFocus(Qt::TabFocusReason);
        struct Passo {
            Qt::Key tasto;
            int posta;
        };
        const std::vector<Passo> passi = {
            {Qt::Key_End, 15},    {Qt::Key_PageDown, 10}, {Qt::Key_Down, 9},   {Qt::Key_Left, 8},
            {Qt::Key_Minus, 7},   {Qt::Key_Up, 8},        {Qt::Key_Right, 9},  {Qt::Key_Plus, 10},
            {Qt::Key_PageUp, 15}, {Qt::Key_Home, 0},      {Qt::Key_PageUp, 5},
        };
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

    // The covered card is named and explained as such, and only while the others cannot see it.
    void laCartaCopertaSiDice() {
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        TurnoDellUmano(t, f);
        QCOMPARE(NomiCoperte(f), QStringList{"5 di Denare, coperta"});
        auto* cinque = ConNome(f, QStringLiteral("5 di Denare, coperta"));
        QVERIFY(cinque->toolTip().contains(QStringLiteral("coperta")));

        QTest::keyClick(&f, Qt::Key_C); // the ace becomes the covered card, the 5 goes up
        QVERIFY(MossaUmano(f));
        QCOMPARE(NomiCoperte(f), QStringList{"Asso di Denare, coperta"});
        QVERIFY(ConNome(f, QStringLiteral("5 di Denare"))->toolTip().isEmpty());

        t.risposte.TieniRiepilogo(true);
        QTest::keyClick(&f, Qt::Key_F);
        QVERIFY(AttendiModale<RiepilogoManche>());
        QCOMPARE(NomiCoperte(f), QStringList()); // every card turned up
    }

    void leScorciatoie_data() {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("modificatori");
        QTest::addColumn<QString>("voce"); // the menu entry that shows the key, if any
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << "Nuova partita";
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "Esci";
        QTest::newRow("F11") << int(Qt::Key_F11) << 0 << "Schermo intero";
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "";
    }
    // The keys every desktop game has, each shown in its menu entry.
    void leScorciatoie() {
        QFETCH(int, tasto);
        QFETCH(int, modificatori);
        QFETCH(QString, voce);
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        const QKeySequence sequenza(tasto | modificatori);
        if (!voce.isEmpty()) {
            QAction* trovata = nullptr;
            for (QMenu* menu : f.menuBar()->findChildren<QMenu*>())
                for (QAction* a : menu->actions())
                    if (a->text().remove('&').startsWith(voce)) trovata = a;
            QVERIFY(trovata);
            QVERIFY(trovata->shortcuts().contains(sequenza));
            const QString mostrato = trovata->text().contains('\t')
                                         ? trovata->text().section('\t', 1)
                                         : trovata->shortcut().toString(QKeySequence::NativeText);
            QVERIFY2(mostrato.contains(sequenza.toString(QKeySequence::NativeText)),
                     qPrintable(mostrato));
        }
        const auto premi = [&] {
            QTest::keyClick(&f, Qt::Key(tasto), Qt::KeyboardModifiers(modificatori));
        };
        switch (tasto) {
        case Qt::Key_N:
            premi();
            QVERIFY(AttendiGiocatore(f));
            QVERIFY(t.risposte.messaggi.value(0).startsWith("Attenzione si inizia"));
            break;
        case Qt::Key_Q:
            premi();
            QTRY_COMPARE(t.uscite, 1);
            break;
        case Qt::Key_F10:
            premi();
            QTRY_VERIFY(QApplication::activePopupWidget());
            QCOMPARE(QApplication::activePopupWidget(), f.menuBar()->actions().first()->menu());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            break;
        case Qt::Key_F11: {
            // Full screen in the middle of a game counts no seats; the next game counts them
            // from the full screen's height, and stays in full screen.
            QVERIFY(t.AlTurnoDellUmano());
            Intero seggi = f.Stato().NumGiocatori;
            const Intero righe = f.Motore().Vista().RigheDipinte;
            // From a window that is not maximised, which a new game would otherwise maximise.
            f.showNormal();
            QTRY_VERIFY(!f.isMaximized());
            QVERIFY(Attiva(f));
            premi();
            QTRY_VERIFY(f.isFullScreen());
            QCOMPARE(f.Stato().NumGiocatori, seggi);
            QCOMPARE(f.Motore().Vista().RigheDipinte, righe);
            QVERIFY(NuovaDaTastiera(t, f));
            QVERIFY(f.isFullScreen());
            auto* vista = f.findChild<QScrollArea*>()->viewport();
            seggi = f.Stato().NumGiocatori;
            QCOMPARE(seggi,
                     Gioco::GiocatoriPerAltezza(PannelloTavolo::AltezzaInterna(vista->height())));
            QVERIFY(Attiva(f));
            premi();
            QTRY_VERIFY(!f.isFullScreen());
            QCOMPARE(f.Stato().NumGiocatori, seggi);
            break;
        }
        default:
            QFAIL("no check for this key");
        }
    }

    // The bar tells the human's money after the last settlement and the dealer, from the first
    // game on, and a screen reader hears the same.
    void laSituazioneNellaBarra() {
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        QCOMPARE(Situazione(f), QStringLiteral("(nascosta)"));
        TurnoDellUmano(t, f);
        const StatoTavolo& s = f.Stato();
        const QString mazziere = QString::fromStdString(SenzaSpaziIniziali(s.Nomi[s.NumGiocatori]));
        auto attesa = [&](int denaro) {
            return QStringLiteral("Denaro: %1€ · Mazziere: %2").arg(denaro).arg(mazziere);
        };
        QCOMPARE(Situazione(f), attesa(s.MalloppoIniziale));
        QCOMPARE(ConNome(f, "Situazione")->accessibleDescription(), attesa(s.MalloppoIniziale));

        t.risposte.TieniRiepilogo(true);
        QTest::keyClick(&f, Qt::Key_F); // on his covered 5, for 1
        QVERIFY(AttendiModale<RiepilogoManche>());
        QVERIFY(s.Soldi[1] != s.MalloppoIniziale);
        QCOMPARE(Situazione(f), attesa(s.Soldi[1]));
    }

    // However small the window is made, every control of the bar stays in sight and the rows
    // that do not fit scroll; the window comes back where the player left it, and only
    // preferenze.ini records it.
    void laFinestraPiccola() {
        Tavola t;
        t.ScriviIni({});
        QRect lasciata;
        QByteArray ini;
        {
            FinestraTavolo& f = t.Apri();
            f.VoceProbabilita()->trigger();
            TurnoDellUmano(t, f);
            const int n = f.Stato().NumGiocatori;
            f.showNormal();
            f.resize(300, 200);
            QTRY_VERIFY(f.width() > 300);
            auto* barra = ConNome(f, "Situazione")->parentWidget();
            const QRect finestra = f.rect();
            int comandi = 0;
            for (auto* w : barra->findChildren<QWidget*>()) {
                if (!w->isVisible()) continue;
                ++comandi;
                const QRect dove(w->mapTo(&f, QPoint()), w->size());
                QVERIFY2(finestra.contains(dove), qPrintable(Nome(w)));
            }
            QCOMPARE(comandi, 10); // 4 buttons, "Posta:", slider, coins, caption, odds, money
            QVERIFY(!ConNome(f, "Situazione")
                         ->geometry()
                         .intersects(ConNome(f, "Probabilità")->geometry()));

            auto* area = f.findChild<QScrollArea*>();
            QScrollBar* scorre = area->verticalScrollBar();
            QTRY_VERIFY(scorre->isVisible());
            scorre->setValue(scorre->maximum());
            // The last seat's panel line, at the bottom of the rows, is in sight.
            const int fondo = geometria::Riga(n + 1) + 27 + SpostamentoTavolo;
            const QPoint inVista = area->widget()->mapTo(area->viewport(), QPoint(0, fondo));
            QVERIFY(area->viewport()->rect().contains(inVista));
            lasciata = f.normalGeometry();
            ini = t.Ini();
            f.close();
        }
        QCOMPARE(QSettings(t.File("preferenze.ini"), QSettings::IniFormat)
                     .value("finestra/geometria")
                     .toRect(),
                 lasciata);
        QCOMPARE(t.Ini(), ini);
        FinestraTavolo& f = t.Apri();
        QCOMPARE(f.normalGeometry().size(), lasciata.size());
    }

    // The labels' own colours stay on the labels: their tooltips look like any other.
    void iSuggerimentiHannoIColoriDelDesktop() {
        Tavola t;
        FinestraTavolo& f = t.Apri();
        QVERIFY(t.AlTurnoDellUmano());
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

QTEST_MAIN(AccessoTest)
#include "AccessoTest.moc"
