#pragma once
// Helpers of the window tests: a program folder with a card set of the test's own, a
// deterministic random source, an automatic answerer for the modal windows and the table
// window opened over all of them.

#include <QApplication>
#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <random>

#include "FinestraTavolo.h"
#include "FonteCasuale.h"
#include "Gioco.h"
#include "LettoreSuoni.h"

namespace brivetta::test {

inline const QColor Rosso(200, 0, 0); // the default set built by the tests
inline const QColor Blu(0, 0, 200);
inline const QColor Verde(0, 160, 0);

// A GIF of one colour (Qt reads GIF but does not write it), card size unless told; `schermo`
// is the size its header claims, when that differs.
QByteArray GifProva(QColor colore, QSize misura = QSize(58, 99), QSize schermo = QSize());
void Scrivi(const QString& file, const QByteArray& contenuto);
QByteArray Leggi(const QString& file); // empty when it cannot be read
QColor Colore(const QPixmap& p);       // invalid for an empty picture
QPixmap Tinta(int rosso);              // a face of one colour, (rosso, 0, 0)

// Scripted numbers first, then a fixed-seed generator: the deal is chosen by the test and
// the rest of the game is still reproducible, and a draw can never loop on a card already out.
class CasualeProva : public CasualeScriptato {
  public:
    // The number that makes seat `seat` of `giocatori` the first dealer.
    void AggiungiMazziere(int posto, int giocatori) { Aggiungi((posto - 0.5) / giocatori); }
    double Numero() override {
        if (!Vuoto()) return CasualeScriptato::Numero();
        return std::uniform_real_distribution<double>(0.0, 1.0)(generatore_);
    }

  private:
    std::mt19937 generatore_{20021};
};

// A sound player that hears nothing: it writes each file down, lets the test look at the table
// while the sound would play, and ends every sound at once.
class SuoniProva : public LettoreSuoni {
    Q_OBJECT
  public:
    QStringList suonati;
    std::function<void()> durante;
    void Suona(const QString& file) override {
        suonati << file;
        if (durante) durante();
        FinisciDopo();
    }
};

// Answers every modal window as it opens: message boxes and the summary with OK, the
// end-of-game window with "Altra partita". Keeps what each one showed.
class Risponditore : public QObject {
    Q_OBJECT
  public:
    Risponditore();
    QStringList messaggi;          // texts of the message boxes
    QList<QStringList> riepiloghi; // each summary: its visible lines, cells joined by '|'
    // Leaves every window open for the test to handle, or only the summaries.
    void Sospendi(bool sospeso) { sospeso_ = sospeso; }
    void TieniRiepilogo(bool tieni) { tieniRiepilogo_ = tieni; }

  private:
    void Rispondi();
    bool sospeso_ = false;
    bool tieniRiepilogo_ = false;
    QTimer timer_;
};

// Runs `azione` on the first modal window of type T once it is the active window.
template <typename T> void QuandoAperto(std::function<void(T*)> azione) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        auto* finestra = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!finestra || !finestra->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        if (!QTest::qWaitFor([finestra] { return QApplication::activeWindow() == finestra; }))
            qWarning("the dialog never became the active window");
        azione(finestra);
    });
    timer->start(5);
}

// The table window over a fresh program folder holding a red "Piacentine" set ("NN.gif").
struct Tavola {
    QTemporaryDir cartella;
    CasualeProva caso;
    Risponditore risposte;
    SuoniProva* suoni = nullptr; // the table's, once it is open
    int uscite = 0;              // times the table asked the application to end
    std::unique_ptr<FinestraTavolo> finestra;

    Tavola() { Insieme(QStringLiteral("Piacentine"), Rosso); }
    QString File(const QString& nome) const { return cartella.filePath(nome); }
    void Insieme(const QString& nome, QColor colore);
    // brivetta.ini with fast cards, so the computer seats' turns stay short.
    void ScriviIni(const QStringList& righe);
    QByteArray Ini() const { return Leggi(File(QStringLiteral("brivetta.ini"))); }
    FinestraTavolo& Apri();
    // The last seat deals the next game, so the human plays first; with `cinque` he is dealt a
    // covered 5 and the others Bastoni, out of the way of his draws.
    void UmanoPrimo(bool cinque = false);
    // Starts such a game and waits for the human's first move.
    bool AlTurnoDellUmano(bool cinque = false);
};

// Waits until the game waits for the human again (or a test's limit passes).
bool AttendiGiocatore(FinestraTavolo& f, int ms = 20000);

// Waits until a modal window of type T is open.
template <typename T> bool AttendiModale(int ms = 20000) {
    return QTest::qWaitFor([] { return qobject_cast<T*>(QApplication::activeModalWidget()); }, ms);
}

// The first child of `w` with that tooltip, a visible one if there is one.
QWidget* ConSuggerimento(QWidget& w, const QString& suggerimento);
// The first child of `w` with that accessible name, or none.
QWidget* ConNome(QWidget& w, const QString& nome);
// What the player reads on the label with that accessible name: nothing when it is hidden.
QString Letto(QWidget& w, const QString& nome);

} // namespace brivetta::test
