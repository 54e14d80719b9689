// The game speaks the desktop's language: every window and menu in English or Spanish with no
// Italian left, and in Italian (or the C locale) exactly as it always has. ctest runs this
// program once under each locale; BRIVETTA_LINGUA_ATTESA names the language it must choose.
#include <QAbstractAxis>
#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "DialogoOpzioni.h"
#include "FinePartita.h"
#include "FinestraInfo.h"
#include "FinestraStatistiche.h"
#include "Lingua.h"
#include "Regole.h"
#include "RiepilogoManche.h"
#include "Supporto.h"
#include "TestiGioco.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

// Every text a window shows or a screen reader reads: titles, captions, buttons, menus,
// tooltips, accessible names, list entries, the chart's titles.
QStringList Testi(QWidget* finestra) {
    QStringList testi;
    const auto metti = [&testi](const QString& s) {
        if (!s.isEmpty()) testi << s;
    };
    QList<QWidget*> tutti = finestra->findChildren<QWidget*>();
    tutti.prepend(finestra);
    for (QWidget* w : tutti) {
        if (w->isWindow()) metti(w->windowTitle());
        metti(w->toolTip());
        metti(w->accessibleName());
        if (auto* l = qobject_cast<QLabel*>(w)) metti(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) metti(b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) metti(g->title());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                metti(c->itemText(i));
        if (auto* v = qobject_cast<QChartView*>(w)) {
            metti(v->chart()->title());
            for (QAbstractAxis* asse : v->chart()->axes())
                metti(asse->titleText());
        }
        for (QAction* a : w->actions())
            metti(a->text());
    }
    return testi;
}

// Opens a window of the table with `apri`, takes its texts and closes it; `poi` may open
// another window over it first (the reset question of the statistics).
template <typename T>
bool Raccogli(QStringList& testi, const std::function<void()>& apri,
              const std::function<void(T*)>& poi = {}) {
    apri();
    if (!AttendiModale<T>(5000)) return false;
    auto* finestra = qobject_cast<T*>(QApplication::activeModalWidget());
    testi << Testi(finestra);
    if (poi) poi(finestra);
    const QPointer<T> aperta(finestra);
    finestra->done(QDialog::Rejected);
    return QTest::qWaitFor([aperta] { return !aperta || !aperta->isVisible(); }, 5000);
}

// Words of the game's Italian that English and Spanish never use.
bool Italiano(const QString& testo) {
    static const QStringList parole = {
        "partita",   "partite",   "giocatore",   "mazziere",  "denaro",      "posta",
        "punti",     "gioco",     "della",       "di",        "il",          "per",
        "clicca",    "nuova",     "esci",        "opzioni",   "regole",      "suono",
        "annulla",   "azzera",    "coperta",     "scoperta",  "vinte",       "perse",
        "giocate",   "altra",     "tuo",         "tua",       "questa",      "è",
        "carte",     "mazzo",     "sballato",    "manches",   "statistiche", "probabilità",
        "riepilogo", "tavolo",    "turno",       "scontento", "matta",       "denare",
        "bastoni",   "spade",     "coppe",       "asso",      "fante",       "cavallo",
        "re",        "consiglio", "consigliato", "gioca"};
    static const QRegularExpression parola(QStringLiteral("[\\p{L}]+"));
    QString pulito = testo;
    pulito.remove(QLatin1Char('&'));
    for (const auto& m : parola.globalMatch(pulito))
        if (parole.contains(m.captured().toLower())) return true;
    return false;
}

} // namespace

class LingueTest : public QObject {
    Q_OBJECT
    Lingua lingua_ = Lingua::Italiano;

  private slots:
    void initTestCase() {
        lingua_ = LinguaDelDesktop();
        InstallaTraduzioni(*QCoreApplication::instance(), lingua_);
    }

    void scelta_data() {
        QTest::addColumn<QStringList>("desktop"); // as QLocale::system().uiLanguages() gives it
        QTest::addColumn<Lingua>("lingua");
        QTest::newRow("C") << QStringList{"C"} << Lingua::Italiano;
        QTest::newRow("en_US") << QStringList{"en-US", "en-Latn-US", "en"} << Lingua::Inglese;
        QTest::newRow("es_MX") << QStringList{"es-MX", "es-Latn-MX"} << Lingua::Spagnolo;
        QTest::newRow("it_CH") << QStringList{"it-CH", "it-Latn-CH", "it"} << Lingua::Italiano;
        QTest::newRow("fr_FR") << QStringList{"fr-FR", "fr-Latn-FR", "fr"} << Lingua::Italiano;
        // LANGUAGE=fr:es — the first language the game speaks, in the desktop's order.
        QTest::newRow("fr then es")
            << QStringList{"fr", "fr-Latn-FR", "fr-FR", "es", "es-Latn-ES"} << Lingua::Spagnolo;
        QTest::newRow("it before en") << QStringList{"de", "it", "en"} << Lingua::Italiano;
    }
    void scelta() {
        QFETCH(QStringList, desktop);
        QFETCH(Lingua, lingua);
        QCOMPARE(LinguaScelta(desktop), lingua);
    }

    // The environment ctest gave this run (LANG and the others) chooses the language.
    void sceltaDalDesktop() {
        QCOMPARE(Codice(lingua_), qEnvironmentVariable("BRIVETTA_LINGUA_ATTESA", "it"));
    }

    // Every window and menu of the game, the rules, the statistics' question, the advice, the
    // windows of a manche's and a game's end, and every message.
    void finestre() {
        Tavola t;
        t.ScriviIni({});
        FinestraTavolo& f = t.Apri();
        // The advice on, with figures at once, so its label and tooltips are read too.
        f.ImpostaCalcoloConsiglio([](const StatoTavolo&, const VistaTavolo&) {
            return ValoreMosse{-0.1, 0.2, 0, 0, true, true};
        });
        f.VoceConsiglio()->trigger();
        QVERIFY(t.AlTurnoDellUmano());
        QVERIFY(QTest::qWaitFor([&f] {
            for (QLabel* l : f.findChildren<QLabel*>())
                if (l->isVisible() && l->text().contains(QStringLiteral("+0,20€"))) return true;
            return false;
        }));
        t.risposte.Sospendi(true);
        QStringList testi = Testi(&f);
        QVERIFY(Raccogli<DialogoOpzioni>(testi, [&f] { f.ApriOpzioni(); }));
        QVERIFY(Raccogli<FinestraInfo>(testi, [&f] { f.MostraInfo(); }));
        QVERIFY(Raccogli<QMessageBox>(testi, [&f] { f.MostraRegole(); }));
        QVERIFY(Raccogli<QMessageBox>(testi, [&f] { f.ApriAiuto(); })); // no help in the folder
        QVERIFY(Raccogli<FinestraStatistiche>(
            testi, [&f] { f.MostraStatistiche(); },
            [&testi](FinestraStatistiche* s) {
                QVERIFY(Raccogli<QMessageBox>(testi, [s] { s->Azzera()->click(); }));
            }));
        RiepilogoManche riepilogo(f.Motore().RiepilogoManche(),
                                  [](int, Volto) { return Tinta(0); });
        StatoTavolo fine = f.Stato();
        fine.SenzaSoldi = 2;
        FinePartita finePartita(fine);
        testi << Testi(&riepilogo) << Testi(&finePartita);
        for (int frase = 0; frase <= int(Frase::MattaUscita); ++frase)
            testi << TestiGioco::Messaggio({Frase(frase), 2}, f.Stato().Nomi);
        testi.removeDuplicates();

        // Texts of today's Italian, each a whole sentence; none of them shows in another
        // language.
        const QString titolo = QStringLiteral("Brivetta 2002");
        const QStringList italiani = {
            QStringLiteral("&Nuova partita\tF2; Ctrl+N"),
            QStringLiteral("&Regole di Brivetta "),
            QStringLiteral("OK mi basta e mi fermo."),
            QStringLiteral("Bruno: scontento"),
            QStringLiteral("Clicca su opzioni per cambio nome"),
            titolo + QStringLiteral(" - Opzioni"),
            QStringLiteral("Uomo baffuto"),
            QStringLiteral("Brivetta - Riepilogo manche"),
            QStringLiteral("€ Rim."),
            QStringLiteral("Brivetta - fine partita"),
            titolo + QStringLiteral(" - Statistiche"),
            QStringLiteral("Serie di manches vinte più lunga"),
            QStringLiteral("Azzerare tutte le statistiche?"),
            QStringLiteral("Non trovato file di documentazione/help Brivetta.htm"),
            QStringLiteral(
                "Un gioco di carte del Brivetta Team. Scrivi a brivetta@example.org - Le "
                "carte Piacentine sono state copiate con uno scanner da un mazzo di "
                "piacentine  Ricordati che è molto più divertente giocare con carte e "
                "giocatori veri")};
        if (lingua_ == Lingua::Italiano) {
            for (const QString& testo : italiani)
                QVERIFY2(testi.contains(testo), qPrintable(testo));
            QVERIFY(testi.contains(TestoRegole()));
            QVERIFY(TestoRegole().startsWith(
                QStringLiteral("Il gioco consiste nel realizzare un punteggio il più vicino")));
            return;
        }
        QStringList rimasti;
        for (const QString& testo : testi)
            if (italiani.contains(testo) || Italiano(testo)) rimasti << testo;
        for (const QString& testo : rimasti)
            qWarning("Italian left: %s", qPrintable(testo));
        QVERIFY(rimasti.isEmpty());
    }
};

QTEST_MAIN(LingueTest)
#include "LingueTest.moc"
