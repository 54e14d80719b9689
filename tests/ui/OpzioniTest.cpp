// The options dialog, the menu entries of the options and help menus and the about window,
// driven on a real table window over a program folder of its own.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "GifProva.h"
#include "Immagine.h"
#include "Supporto.h"

using namespace brivetta;
using namespace brivetta::test;

namespace {

const QColor Blu(0, 0, 200);
const QString MessaggioMancante =
    QStringLiteral("Non trovato file di immagine per la carta, si ripristina il default.");

// Addresses handed to the desktop: kept here instead of starting any program.
class Aperture : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> indirizzi;
  public slots:
    void Apri(const QUrl& indirizzo) { indirizzi << indirizzo; }
};

// Runs `azione` on the first modal window of type T that opens, inside its own event loop.
template <typename T> void QuandoAperto(std::function<void(T*)> azione) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        auto* finestra = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!finestra || !finestra->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        // Focus rules are about the active window, as the player sees it.
        if (!QTest::qWaitFor([finestra] { return QApplication::activeWindow() == finestra; }))
            qWarning("the dialog never became the active window");
        azione(finestra);
    });
    timer->start();
}

QString Riga(const QString& chiave, const QString& valore) {
    return chiave + "=" + valore + "\r\n";
}

struct Tavola {
    CartellaProva cartella;
    CasualeProva caso;
    std::unique_ptr<Risponditore> risposte = std::make_unique<Risponditore>();
    std::unique_ptr<Form1> finestra;

    QString File(const QString& nome) const { return cartella.Percorso() + "/" + nome; }
    void ScriviIni(const QStringList& righe) {
        QFile f(File("brivetta.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        // Fast cards keep the computer players' turns short.
        f.write("VelocitaCarta=100\r\n");
        for (const QString& r : righe)
            f.write((r + "\r\n").toUtf8());
    }
    QByteArray Ini() const {
        QFile f(File("brivetta.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void InsiemeBlu() {
        QDir(cartella.Percorso()).mkpath("Blu");
        for (int i = 0; i <= 40; ++i)
            ScriviGif(File(QStringLiteral("Blu/%1.gif").arg(i, 2, 10, QLatin1Char('0'))), Blu);
    }
    Form1& Apri() {
        finestra = std::make_unique<Form1>(&caso);
        finestra->suonatore = [](const std::string&) {};
        finestra->uscita = [] {};
        finestra->ImpostaCartella(cartella.Percorso());
        finestra->Form_Load();
        // The table is settled before any dialog opens over it.
        if (!QTest::qWaitForWindowActive(finestra.get())) qWarning("the table never became active");
        // The last seat deals first, so the human plays at once and no computer turn runs.
        caso.AggiungiMazziere(finestra->Stato().NumGiocatori, finestra->Stato().NumGiocatori);
        return *finestra;
    }
    // The options dialog from its menu entry; `azione` must close it.
    void Opzioni(std::function<void(Form2*)> azione) {
        QuandoAperto<Form2>(std::move(azione));
        finestra->Menuspeed_Click();
    }
    bool PartitaIniziata() const { return finestra->Stato().Soldi[1] != 0; }
};

QColor Colore(const QPixmap& p) {
    return p.isNull() ? QColor() : p.toImage().pixelColor(0, 0);
}

void DoppioClick(QListWidget* lista, const QString& voce) {
    const auto trovate = lista->findItems(voce, Qt::MatchExactly);
    QVERIFY(!trovate.isEmpty());
    const QPoint centro = lista->visualItemRect(trovate.front()).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centro);
}

QString Selezionata(QListWidget* lista) {
    const auto scelte = lista->selectedItems();
    return scelte.isEmpty() ? QString() : scelte.front()->text();
}

// Typing as the keyboard does, accented letters included.
void Digita(QWidget* w, const QString& testo) {
    for (QChar c : testo) {
        QKeyEvent tasto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &tasto);
    }
}

enum class Chiusura { Ok, Invio, Annulla, Esc, Finestra };

void Chiudi(Form2* d, Chiusura come) {
    switch (come) {
    case Chiusura::Ok:
        d->Command3d1()->click();
        break;
    case Chiusura::Invio:
        QTest::keyClick(d->Text1(), Qt::Key_Return);
        break;
    case Chiusura::Annulla:
        d->Command3d2()->click();
        break;
    case Chiusura::Esc:
        QTest::keyClick(d->Text1(), Qt::Key_Escape);
        break;
    case Chiusura::Finestra:
        d->close();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Chiusura)

class OpzioniTest : public QObject {
    Q_OBJECT
    Aperture aperture_;

  private slots:
    void initTestCase() {
        for (const char* schema : {"file", "mailto", "http", "https"})
            QDesktopServices::setUrlHandler(schema, &aperture_, "Apri");
    }
    void cleanupTestCase() {
        for (const char* schema : {"file", "mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(schema);
    }
    void init() { aperture_.indirizzi.clear(); }

    void IlNome_data() {
        QTest::addColumn<QString>("nelFile");
        QTest::addColumn<QString>("mostrato");
        QTest::addColumn<QString>("digitato"); // empty: left as shown
        QTest::addColumn<Chiusura>("chiusura");
        QTest::addColumn<QString>("salvato");
        QTest::newRow("maiuscole a caso") << "mARIO"
                                          << "mARIO"
                                          << "" << Chiusura::Ok << "Mario";
        QTest::newRow("solo la prima parola") << "Anonimo"
                                              << "Anonimo"
                                              << "mARIO rOSSI" << Chiusura::Invio << "Mario r";
        QTest::newRow("spazi davanti") << "Anonimo"
                                       << "Anonimo"
                                       << "  ugo" << Chiusura::Ok << "  ugo";
        QTest::newRow("otto lettere dal file") << "Leonardo"
                                               << "Leonard"
                                               << "" << Chiusura::Ok << "Leonard";
        QTest::newRow("si ferma a sette") << "Anonimo"
                                          << "Anonimo"
                                          << "massimiliano" << Chiusura::Invio << "Massimi";
        QTest::newRow("accentato") << "Anonimo"
                                   << "Anonimo"
                                   << "èLENA" << Chiusura::Ok << "Èlena";
        QTest::newRow("annulla tiene le otto lettere")
            << "Leonardo"
            << "Leonard"
            << "pippo" << Chiusura::Annulla << "Leonardo";
        QTest::newRow("esc") << "Leonardo"
                             << "Leonard"
                             << "pippo" << Chiusura::Esc << "Leonardo";
        QTest::newRow("chiusa dalla cornice") << "Leonardo"
                                              << "Leonard"
                                              << "pippo" << Chiusura::Finestra << "Leonardo";
    }
    void IlNome() {
        QFETCH(QString, nelFile);
        QFETCH(QString, mostrato);
        QFETCH(QString, digitato);
        QFETCH(Chiusura, chiusura);
        QFETCH(QString, salvato);
        Tavola t;
        t.ScriviIni({Riga("Giocatore1", nelFile).trimmed()});
        Form1& f = t.Apri();
        const QByteArray prima = t.Ini();
        QString visto;
        bool tuttoSelezionato = false;
        t.Opzioni([&](Form2* d) {
            visto = d->Text1()->text();
            // The whole name is selected, so typing replaces it.
            tuttoSelezionato = d->Text1()->hasFocus() && d->Text1()->selectedText() == visto;
            Digita(d->Text1(), digitato);
            Chiudi(d, chiusura);
        });
        QCOMPARE(visto, mostrato);
        QVERIFY(tuttoSelezionato);
        QCOMPARE(QString::fromStdString(f.Stato().Nomi[1]), salvato);
        const bool confermato = chiusura == Chiusura::Ok || chiusura == Chiusura::Invio;
        if (confermato) {
            QVERIFY(t.Ini().contains(("\r\nGiocatore1=" + salvato + "\r\n").toUtf8()));
            QCOMPARE(QString::fromStdString(f.Vista().Label4.Testo), salvato);
        } else {
            QCOMPARE(t.Ini(), prima);
        }
        QVERIFY(!t.PartitaIniziata());
    }

    void LeEtichetteSeguonoLeBarre_data() {
        QTest::addColumn<int>("barra"); // 1 speed, 2 bluff, 3 starting money
        QTest::addColumn<int>("valore");
        QTest::addColumn<QString>("etichetta");
        QTest::newRow("malloppo") << 3 << 70 << "70€";
        QTest::newRow("malloppo oltre il massimo") << 3 << 150 << "100€";
        QTest::newRow("velocita") << 1 << 35 << "35";
        QTest::newRow("bluff") << 2 << 3 << "3";
        QTest::newRow("bluff sotto il minimo") << 2 << 0 << "1";
    }
    void LeEtichetteSeguonoLeBarre() {
        QFETCH(int, barra);
        QFETCH(int, valore);
        QFETCH(QString, etichetta);
        Tavola t;
        t.Apri();
        QString letta;
        bool fuocoSulNome = false;
        t.Opzioni([&](Form2* d) {
            QScrollBar* b = barra == 1 ? d->HScroll1() : barra == 2 ? d->HScroll2() : d->HScroll3();
            QLabel* l = barra == 1 ? d->Label3() : barra == 2 ? d->Label7() : d->Label9();
            b->setFocus();
            b->setValue(valore);
            letta = l->text();
            fuocoSulNome = d->Text1()->hasFocus();
            d->Command3d2()->click();
        });
        QCOMPARE(letta, etichetta);
        QVERIFY(fuocoSulNome);
    }

    void OkSalvaOgniScelta() {
        Tavola t;
        t.ScriviIni({"Giocatore1=gino", "Personaggio=2", "Carte=Piacentine"});
        Form1& f = t.Apri();
        QString avvioEtichette;
        bool fuocoDopoLaSpunta = false, sceltoConLaFigura = false;
        t.Opzioni([&](Form2* d) {
            avvioEtichette = d->Label9()->text() + "|" + d->Label3()->text() + "|" +
                             d->Label7()->text() + "|" + (d->Option3d1(2)->isChecked() ? "2" : "?");
            d->HScroll1()->setValue(35);
            d->HScroll2()->setValue(3);
            d->Check3d1()->click();
            fuocoDopoLaSpunta = d->Text1()->hasFocus();
            // A click on a picture chooses its character.
            QTest::mouseClick(d->Picture3(5), Qt::LeftButton);
            sceltoConLaFigura = d->Option3d1(5)->isChecked();
            d->Command3d1()->click();
        });
        QCOMPARE(avvioEtichette, QStringLiteral("50€|100|5|2"));
        QVERIFY(fuocoDopoLaSpunta);
        QVERIFY(sceltoConLaFigura);
        const StatoTavolo& s = f.Stato();
        QCOMPARE(s.VelocitaCarta, Intero(35));
        QCOMPARE(s.Bluff, Intero(3));
        QCOMPARE(s.VincitaDoppia, Intero(1));
        QCOMPARE(s.Personaggio, Intero(5));
        QCOMPARE(t.Ini(), QByteArray("; File di inizializzazione per Brivetta\r\n"
                                     "; Non manomettere assolutamente queste righe!\r\n"
                                     "Giocatore1=Gino\r\n"
                                     "Bluff= 3 \r\n"
                                     "VelocitaCarta= 35 \r\n"
                                     "VincitaDoppia= 1 \r\n"
                                     "Personaggio= 5 \r\n"
                                     "MalloppoIniziale= 50 \r\n"
                                     "Suono= 1 \r\n"
                                     "Carte=Piacentine\r\n"));
        // The human's faces on the table are the chosen character's at once.
        QCOMPARE(f.ImmagineFaccia(0).toImage(), f.ImmagineFaccia(12 + 2 * 5).toImage());
        QCOMPARE(f.ImmagineFaccia(1).toImage(), f.ImmagineFaccia(13 + 2 * 5).toImage());
        QVERIFY(f.ImmagineFaccia(0).toImage() != f.ImmagineFaccia(12 + 2 * 2).toImage());
        QVERIFY(!t.PartitaIniziata());
    }

    void NuovaPartitaSoloSeCambiaIlMalloppo_data() {
        QTest::addColumn<int>("malloppo");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<Chiusura>("chiusura");
        QTest::addColumn<bool>("partita");
        QTest::newRow("da 50 a 60 con ok") << 60 << 100 << Chiusura::Ok << true;
        QTest::newRow("da 50 a 60 con invio") << 60 << 100 << Chiusura::Invio << true;
        QTest::newRow("solo la velocita") << 50 << 40 << Chiusura::Ok << false;
        QTest::newRow("da 50 a 60 e annulla") << 60 << 100 << Chiusura::Annulla << false;
        QTest::newRow("da 50 a 60 e esc") << 60 << 100 << Chiusura::Esc << false;
    }
    void NuovaPartitaSoloSeCambiaIlMalloppo() {
        QFETCH(int, malloppo);
        QFETCH(int, velocita);
        QFETCH(Chiusura, chiusura);
        QFETCH(bool, partita);
        Tavola t;
        t.ScriviIni({});
        Form1& f = t.Apri();
        t.Opzioni([&](Form2* d) {
            d->HScroll3()->setValue(malloppo);
            d->HScroll1()->setValue(velocita);
            Chiudi(d, chiusura);
        });
        QCOMPARE(t.PartitaIniziata(), partita);
        const bool confermato = chiusura == Chiusura::Ok || chiusura == Chiusura::Invio;
        QCOMPARE(int(f.Stato().MalloppoIniziale), confermato ? malloppo : 50);
        if (partita)
            for (int s = 1; s <= f.Stato().NumGiocatori; ++s)
                QCOMPARE(int(f.Stato().Soldi[s]), malloppo);
    }

    void ElencoDegliInsiemi_data() {
        QTest::addColumn<QString>("carte");
        QTest::addColumn<QString>("scelta");
        QTest::newRow("nome esatto") << "Blu"
                                     << "Blu";
        // Loaded all the same, since set folders are found whatever their letter case.
        QTest::newRow("altre maiuscole") << "BLU"
                                         << "";
    }
    void ElencoDegliInsiemi() {
        QFETCH(QString, carte);
        QFETCH(QString, scelta);
        Tavola t;
        t.InsiemeBlu();
        QDir(t.cartella.Percorso()).mkpath("Vuota");
        QFile(t.File("LEGGIMI")).open(QIODevice::WriteOnly);
        QFile(t.File("Brivetta.htm")).open(QIODevice::WriteOnly);
        t.ScriviIni({"Carte=" + carte});
        Form1& f = t.Apri();
        QCOMPARE(Colore(f.ImmagineCarta(10)), Blu);
        QStringList voci;
        QString selezionata = "?";
        t.Opzioni([&](Form2* d) {
            for (int i = 0; i < d->List1()->count(); ++i)
                voci << d->List1()->item(i)->text();
            selezionata = Selezionata(d->List1());
            d->Command3d2()->click();
        });
        voci.sort();
        QCOMPARE(voci, (QStringList{"Blu", "LEGGIMI", "Piacentine", "Vuota"}));
        QCOMPARE(selezionata, scelta);
    }

    void IlDoppioClickCaricaSubitoEAnnullaNonLoDisfa() {
        Tavola t;
        t.InsiemeBlu();
        t.ScriviIni({"Carte=Piacentine"});
        Form1& f = t.Apri();
        const QColor prima = Colore(f.ImmagineCarta(7));
        QColor durante;
        t.Opzioni([&](Form2* d) {
            DoppioClick(d->List1(), "Blu");
            durante = Colore(f.ImmagineCarta(7));
            d->Command3d2()->click();
        });
        QVERIFY(prima != Blu);
        QCOMPARE(durante, Blu);
        QCOMPARE(f.Stato().Carte, std::string("Blu"));
        for (int slot = 0; slot < NumPicture1; ++slot)
            QCOMPARE(Colore(f.ImmagineCarta(slot)), Blu);
        QVERIFY(t.Ini().contains("Carte=Piacentine\r\n"));
        QVERIFY(t.risposte->messaggi.isEmpty());
        // The next save writes it.
        f.MenuS()->trigger();
        QVERIFY(t.Ini().contains("Carte=Blu\r\n"));
        // The about window shows the king and seven of the set in use.
        QColor re, sette;
        QuandoAperto<Form3>([&](Form3* d) {
            re = Colore(d->Picture2()->Figura());
            sette = Colore(d->Picture3()->Figura());
            d->Command3d1()->click();
        });
        f.MenuInfo_Click();
        QCOMPARE(re, Blu);
        QCOMPARE(sette, Blu);
    }

    void UnInsiemeGuastoSceltoDalDialogoTornaAlPredefinito() {
        Tavola t;
        t.InsiemeBlu();
        QFile::remove(t.File("Blu/23.gif"));
        QFile(t.File("LEGGIMI")).open(QIODevice::WriteOnly);
        t.ScriviIni({});
        Form1& f = t.Apri();
        const QColor piacentine = Colore(f.ImmagineCarta(23));
        QStringList scelte;
        bool aperto = false;
        t.Opzioni([&](Form2* d) {
            for (const char* voce : {"Blu", "LEGGIMI"}) {
                DoppioClick(d->List1(), voce);
                scelte << Selezionata(d->List1());
            }
            aperto = d->isVisible();
            d->Command3d1()->click();
        });
        QCOMPARE(t.risposte->messaggi, (QStringList{MessaggioMancante, MessaggioMancante}));
        QCOMPARE(scelte, (QStringList{"Piacentine", "Piacentine"}));
        QVERIFY(aperto);
        QCOMPARE(f.Stato().Carte, std::string("Piacentine"));
        for (int slot = 0; slot < NumPicture1; ++slot)
            QVERIFY(Colore(f.ImmagineCarta(slot)) != Blu);
        QCOMPARE(Colore(f.ImmagineCarta(23)), piacentine);
    }

    void UnInsiemeVuotoOAssenteAllAvvioESilenzioso_data() {
        QTest::addColumn<QString>("carte");
        QTest::newRow("vuoto") << "";
        QTest::newRow("cartella vuota") << "Vuota";
        QTest::newRow("cartella assente") << "Nessuna";
        QTest::newRow("un percorso") << "../Piacentine";
    }
    void UnInsiemeVuotoOAssenteAllAvvioESilenzioso() {
        QFETCH(QString, carte);
        Tavola t;
        QDir(t.cartella.Percorso()).mkpath("Vuota");
        t.ScriviIni({"Carte=" + carte});
        Form1& f = t.Apri();
        QVERIFY(t.risposte->messaggi.isEmpty());
        QCOMPARE(f.Stato().Carte, std::string("Piacentine"));
        QVERIFY(!f.ImmagineCarta(40).isNull());
    }

    void IlSuono_data() {
        QTest::addColumn<QString>("nelFile"); // empty: no Suono line
        QTest::addColumn<QList<int>>("dopoOgniClick");
        QTest::newRow("acceso") << "1" << QList<int>{0, 1};
        QTest::newRow("spento") << "0" << QList<int>{1, 0, 1};
        QTest::newRow("assente") << "" << QList<int>{0};
        // Any other value plays sounds and leaves the entry ticked as drawn.
        QTest::newRow("tre") << "3" << QList<int>{0, 1};
    }
    void IlSuono() {
        QFETCH(QString, nelFile);
        QFETCH(QList<int>, dopoOgniClick);
        Tavola t;
        t.ScriviIni(nelFile.isEmpty() ? QStringList() : QStringList{"Suono=" + nelFile});
        Form1& f = t.Apri();
        for (int atteso : dopoOgniClick) {
            f.MenuS()->trigger();
            QCOMPARE(int(f.Stato().Suono), atteso);
            QCOMPARE(f.MenuS()->isChecked(), atteso == 1);
            QVERIFY(t.Ini().contains(QStringLiteral("\r\nSuono= %1 \r\n").arg(atteso).toUtf8()));
        }
    }

    void LAiuto_data() {
        QTest::addColumn<QString>("prepara"); // "", "file:<name>", "cartella:<name>", "link:<name>"
        QTest::addColumn<QString>("aperto");  // name opened, or empty for the message
        QTest::newRow("manca") << ""
                               << "";
        QTest::newRow("presente") << "file:Brivetta.htm"
                                  << "Brivetta.htm";
        QTest::newRow("altre maiuscole") << "file:brivetta.HTM"
                                         << "brivetta.HTM";
        QTest::newRow("una cartella") << "cartella:Brivetta.htm"
                                      << "";
        QTest::newRow("un collegamento") << "link:Brivetta.htm"
                                         << "Brivetta.htm";
        QTest::newRow("un nome diverso") << "file:Brivetta.html"
                                         << "";
    }
    void LAiuto() {
        QFETCH(QString, prepara);
        QFETCH(QString, aperto);
        Tavola t;
        const QString tipo = prepara.section(':', 0, 0);
        const QString nome = prepara.section(':', 1);
        if (tipo == "file") QFile(t.File(nome)).open(QIODevice::WriteOnly);
        if (tipo == "cartella") QDir(t.cartella.Percorso()).mkpath(nome);
        if (tipo == "link") {
            QFile(t.File("guida.txt")).open(QIODevice::WriteOnly);
            QFile::link(t.File("guida.txt"), t.File(nome));
        }
        Form1& f = t.Apri();
        f.MenuHelp_Click();
        if (aperto.isEmpty()) {
            QCOMPARE(t.risposte->messaggi,
                     QStringList{"Non trovato file di documentazione/help Brivetta.htm"});
            QVERIFY(aperture_.indirizzi.isEmpty());
        } else {
            QVERIFY(t.risposte->messaggi.isEmpty());
            QCOMPARE(aperture_.indirizzi,
                     QList<QUrl>{QUrl::fromLocalFile(
                         QDir(t.cartella.Percorso()).absoluteFilePath(aperto))});
        }
    }

    void LeRegole() {
        Tavola t;
        Form1& f = t.Apri();
        f.Menureg_Click();
        QCOMPARE(
            t.risposte->messaggi,
            QStringList{
                "Il gioco consiste nel realizzare un punteggio il più vicino possibile a Brivetta. "
                "I punti delle carte vengono contati 1 per l'asso, 2,3,4,5,6,7 per le altre carte, "
                "le figure (fante, cavallo e re) valgono 1/2 punto. Attenzione però a non "
                "totalizzare un punteggio maggiore di Brivetta poiché si perde la mano. "
                "(Ricordarsi che un punteggio di 5 punti può essere già discreto). Nel mazzo è "
                "presente una 'Matta' che è il Re di denare, a questa carta si possono attribuire "
                "tutti i valori interi da 1 a 7 oppure il valore delle figure cioè 1/2. Se il "
                "mazziere realizza un punteggio maggiore o uguale al giocatore vince la mano e si "
                "aggiudica la posta, altrimenti paga una somma equivalente alla posta.Se un "
                "giocatore realizza un punteggio di Brivetta con 2 sole carte diventa "
                "automaticamente il mazziere, a meno che il mazziere medesimo non compia lo "
                "stesso punteggio sempre con 2 carte. Nella eventualità in cui 2 o più giocatori "
                "(diversi dal mazziere) abbiano realizzato Brivetta con 2 carte il mazzo passa al "
                "primo della mano."});
    }

    void PostaESitoDellAutore() {
        Tavola t;
        Form1& f = t.Apri();
        f.MenuMail_Click();
        f.MenuPHP_Click();
        QCOMPARE(aperture_.indirizzi, (QList<QUrl>{QUrl("mailto:brivetta@example.org"),
                                                   QUrl("https://brivetta.example.org/")}));
        QVERIFY(t.risposte->messaggi.isEmpty());
    }

    void LaFinestraInformazioni() {
        Tavola t;
        Form1& f = t.Apri();
        QString titolo, versione, avviso, link;
        bool apertaDopoIlLink = false;
        Qt::CursorShape suLink = Qt::ArrowCursor, fuori = Qt::BitmapCursor;
        QPoint punta;
        QuandoAperto<Form3>([&](Form3* d) {
            titolo = d->windowTitle();
            versione = d->Label3()->text();
            avviso = d->Panel3d2()->text();
            link = d->Label2()->text();
            suLink = d->Label2()->cursor().shape();
            punta = d->Label2()->cursor().hotSpot();
            fuori = d->Panel3d2()->cursor().shape();
            QVERIFY(d->Picture2()->Figura().toImage() == f.ImmagineCarta(10).toImage());
            QVERIFY(d->Picture3()->Figura().toImage() == f.ImmagineCarta(7).toImage());
            QCOMPARE(d->Picture2()->toolTip(), QStringLiteral("Re bello"));
            QCOMPARE(d->Picture3()->toolTip(), QStringLiteral("Sette bello"));
            QTest::mouseClick(d->Label2(), Qt::LeftButton);
            apertaDopoIlLink = d->isVisible();
            d->Command3d1()->click();
        });
        f.MenuInfo_Click();
        QCOMPARE(titolo, QStringLiteral("Brivetta 2000"));
        QCOMPARE(versione, QStringLiteral("Brivetta 2002 - Versione  4. 0. 16"));
        QVERIFY(avviso.endsWith(
            " - Le carte Piacentine sono state copiate con uno scanner da un mazzo di piacentine  "
            "Ricordati che è molto più divertente giocare con carte e giocatori veri"));
        QVERIFY(avviso.contains("Brivetta Team"));
        QCOMPARE(link, QStringLiteral("https://brivetta.example.org/"));
        QCOMPARE(aperture_.indirizzi, QList<QUrl>{QUrl(link)});
        QVERIFY(apertaDopoIlLink);
        QCOMPARE(suLink, Qt::BitmapCursor);
        QCOMPARE(punta, QPoint(10, 1));
        QCOMPARE(fuori, Qt::ArrowCursor);
        // The table never keeps the hand.
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void LaRigaDellaVersione_data() {
        QTest::addColumn<QList<int>>("numeri");
        QTest::addColumn<QString>("riga");
        QTest::newRow("4.0.16") << QList<int>{4, 0, 16} << "Brivetta 2002 - Versione  4. 0. 16";
        QTest::newRow("12.3.0") << QList<int>{12, 3, 0} << "Brivetta 2002 - Versione  12. 3. 0";
    }
    void LaRigaDellaVersione() {
        QFETCH(QList<int>, numeri);
        QFETCH(QString, riga);
        QCOMPARE(Form3::RigaVersione(numeri[0], numeri[1], numeri[2]), riga);
    }
};

QTEST_MAIN(OpzioniTest)
#include "OpzioniTest.moc"
