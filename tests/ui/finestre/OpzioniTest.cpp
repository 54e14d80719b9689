// The options dialog, the card sets it lists and loads, and the sound entry of the options menu,
// driven on a real table window over a program folder of its own.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "CaricaCarte.h"
#include "DialogoOpzioni.h"
#include "Immagine.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

enum class Chiusura { Ok, Invio, Annulla };

struct Nome {
    QString nelFile, mostrato, digitato; // typed: empty to leave it as shown
    int malloppo;                        // 50 is the one in use
    Chiusura chiusura;
    QString salvato;
    bool partita; // a new game started
};

// The set double-clicked; the files removed; the messages; the set in use after.
struct Insiemi {
    QString scelto;
    QStringList guasti, messaggi;
    QString carte;
};

constexpr int ImmaginiCarte = 41; // 0 the back, 1..40 the faces

void Calma(FinestraTavolo& f) {
    QTest::qWait(20);
    QVERIFY(QTest::qWaitFor([&f] { return !f.InPausa() && !QApplication::activeModalWidget(); }));
    QVERIFY(AttendiGiocatore(f));
}

// Opens the options dialog from its menu entry; `azione` must close it.
void Opzioni(FinestraTavolo& f, std::function<void(DialogoOpzioni*)> azione) {
    bool chiuso = false;
    QuandoAperto<DialogoOpzioni>(
        [&chiuso, azione](DialogoOpzioni* d) { azione(d), chiuso = true; });
    f.ApriOpzioni();
    QVERIFY(QTest::qWaitFor([&chiuso] { return chiuso; }));
    Calma(f);
}

} // namespace

Q_DECLARE_METATYPE(Nome)
Q_DECLARE_METATYPE(Insiemi)

class OpzioniTest : public QObject {
    Q_OBJECT

  private slots:

    void IlNomeEIlMalloppo_data() {
        QTest::addColumn<Nome>("caso");
        QTest::newRow("accentato, nuovo malloppo")
            << Nome{"Anonimo", "Anonimo", "èLENA", 60, Chiusura::Invio, "Èlena", true};
        QTest::newRow("si ferma a sette")
            << Nome{"Anonimo", "Anonimo", "massimiliano", 70, Chiusura::Ok, "Massimi", true};
        QTest::newRow("annulla") << Nome{"Leonardo",        "Leonard",  "pippo", 60,
                                         Chiusura::Annulla, "Leonardo", false};
    }
    void IlNomeEIlMalloppo() {
        QFETCH(Nome, caso);
        Tavola t;
        t.ScriviIni({"Giocatore1=" + caso.nelFile});
        FinestraTavolo& f = t.Apri();
        t.UmanoPrimo(); // a new game has the human play at once
        const QByteArray prima = t.Ini();
        Opzioni(f, [&](DialogoOpzioni* d) {
            QCOMPARE(d->Nome()->text(), caso.mostrato);
            for (QChar c : caso.digitato) { // typing as the keyboard does, accented letters too
                QKeyEvent tasto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(d->Nome(), &tasto);
            }
            d->Malloppo()->setValue(caso.malloppo);
            QTest::mouseClick(d->Figura(5), Qt::LeftButton);
            QTest::mouseClick(d->VincitaDoppia(), Qt::LeftButton);
            if (caso.chiusura == Chiusura::Invio)
                QTest::keyClick(d->Nome(), Qt::Key_Return);
            else
                (caso.chiusura == Chiusura::Ok ? d->Ok() : d->Annulla())->click();
        });
        QCOMPARE(QString::fromStdString(f.Stato().Nomi[1]), caso.salvato);
        const QByteArray ini = t.Ini();
        if (caso.chiusura == Chiusura::Annulla)
            QCOMPARE(ini, prima);
        else
            QVERIFY2(ini.contains(("\r\nGiocatore1=" + caso.salvato + "\r\n").toUtf8()) &&
                         ini.contains(QStringLiteral("\r\nMalloppoIniziale= %1 \r\n")
                                          .arg(caso.malloppo)
                                          .toUtf8()) &&
                         ini.contains("\r\nPersonaggio= 5 \r\n") &&
                         ini.contains("\r\nVincitaDoppia= 1 \r\n"),
                     ini);
        for (int s = 1; s <= f.Stato().NumGiocatori; ++s)
            QCOMPARE(int(f.Stato().Soldi[s]), caso.partita ? caso.malloppo : 0);
    }

    // A double click in the list, or Enter, loads a set at once without closing the dialog, and
    // "Annulla" does not undo it. The set in use is selected at the start, and the sound program
    // is no set. A set
    // that cannot be read is reported once and the default comes back; a broken default gets
    // the message of a broken installation alone and is never loaded again.
    void GliInsiemi_data() {
        QTest::addColumn<Insiemi>("caso");
        const QString mancante = MessaggioCartaMancante, danneggiato = MessaggioMazzoDanneggiato;
        QTest::newRow("completo") << Insiemi{"Blu", {}, {}, "Blu"};
        QTest::newRow("manca la 23") << Insiemi{"Blu", {"-Blu/23.gif"}, {mancante}, "Piacentine"};
        QTest::newRow("predefinito guasto") << Insiemi{
            "Blu", {"-Blu/23.gif", "-Piacentine/30.gif"}, {mancante, danneggiato}, "Piacentine"};
    }
    void GliInsiemi() {
        QFETCH(Insiemi, caso);
        Tavola t;
        t.Insieme("Blu", Blu);
        t.ScriviIni({"Carte=Piacentine"});
        Scrivi(t.File("brivetta-suono"), "#!");
        FinestraTavolo& f = t.Apri();
        const QByteArray prima = t.Ini();
        for (const QString& g : caso.guasti) {
            QVERIFY(QFile::remove(t.File(g.mid(1))));
        }
        QString scelta;
        Opzioni(f, [&](DialogoOpzioni* d) {
            QCOMPARE(d->Mazzi()->currentItem()->text(), QStringLiteral("Piacentine"));
            QVERIFY(d->Mazzi()->findItems("brivetta-suono", Qt::MatchExactly).isEmpty());
            const auto voce = d->Mazzi()->findItems(caso.scelto, Qt::MatchExactly);
            QVERIFY(!voce.isEmpty());
            const QPoint centro = d->Mazzi()->visualItemRect(voce.front()).center();
            QTest::mouseClick(d->Mazzi()->viewport(), Qt::LeftButton, {}, centro);
            if (caso.messaggi.isEmpty())
                QTest::keyClick(d->Mazzi(), Qt::Key_Return);
            else
                QTest::mouseDClick(d->Mazzi()->viewport(), Qt::LeftButton, {}, centro);
            QVERIFY(d->isVisible());
            scelta = d->Mazzi()->currentItem()->text();
            d->Annulla()->click();
        });
        QCOMPARE(scelta, caso.carte);
        QCOMPARE(t.risposte.messaggi, caso.messaggi);
        QCOMPARE(QString::fromStdString(f.Stato().Carte), caso.carte);
        const bool senza30 = caso.messaggi.contains(MessaggioMazzoDanneggiato);
        for (int carta = 0; carta < ImmaginiCarte; ++carta)
            QCOMPARE(Colore(f.ImmagineCarta(carta)), carta == 30 && senza30 ? QColor()
                                                     : caso.carte == "Blu"  ? Blu
                                                                            : Rosso);
        QCOMPARE(t.Ini(), prima);
    }

    // The sound entry flips the tick and writes the file at once. When no save can succeed (a
    // folder named brivetta.bak is in the way) the player is told once, the game goes on with
    // the choice made, and the old file stays whole.
    void IlSuono_data() {
        QTest::addColumn<QString>("nelFile");
        QTest::addColumn<QList<int>>("dopoOgniClick");
        QTest::addColumn<bool>("bloccato");
        QTest::newRow("spento") << "0" << QList<int>{1, 0} << false;
        QTest::newRow("salvataggio bloccato") << "1" << QList<int>{0, 1} << true;
    }
    void IlSuono() {
        QFETCH(QString, nelFile);
        QFETCH(QList<int>, dopoOgniClick);
        QFETCH(bool, bloccato);
        Tavola t;
        t.ScriviIni({"Suono=" + nelFile});
        if (bloccato) QVERIFY(QDir(t.cartella.path()).mkpath("brivetta.bak/dentro"));
        FinestraTavolo& f = t.Apri();
        const QByteArray prima = t.Ini();
        for (int atteso : dopoOgniClick) {
            f.VoceSuono()->trigger();
            Calma(f);
            QCOMPARE(int(f.Stato().Suono), atteso);
            QCOMPARE(f.VoceSuono()->isChecked(), atteso == 1);
            QVERIFY(bloccato ? t.Ini() == prima
                             : t.Ini().contains(
                                   QStringLiteral("\r\nSuono= %1 \r\n").arg(atteso).toUtf8()));
        }
        QCOMPARE(t.risposte.messaggi,
                 bloccato ? QStringList{"Impossibile salvare le impostazioni in " +
                                        QDir::toNativeSeparators(t.cartella.path()) +
                                        ": brivetta.bak is a folder"}
                          : QStringList{});
    }
};

QTEST_MAIN(OpzioniTest)
#include "OpzioniTest.moc"
