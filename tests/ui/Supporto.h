#pragma once
// Helpers of the window tests: a program folder, a deterministic random source and an
// automatic answerer for the modal windows.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <random>

#include "FonteCasuale.h"

namespace brivetta::test {

// A fresh program folder holding the shipped card set, so nothing a test does touches the
// real one.
class CartellaProva {
  public:
    CartellaProva();
    QString Percorso() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

// Scripted numbers first, then a fixed-seed generator: the deal is chosen by the test and
// the rest of the game is still reproducible, and a draw can never loop on a card already out.
class CasualeProva : public FonteCasuale {
  public:
    void Aggiungi(double numero) { numeri_.push_back(numero); }
    void AggiungiCarta(int carta) { Aggiungi((carta - 1 + 0.5) / 40.0); }
    // The number that makes seat `seat` of `giocatori` the first dealer.
    void AggiungiMazziere(int seat, int giocatori) { Aggiungi((seat - 0.5) / giocatori); }
    double Numero() override;
    void Riseme() override {}

  private:
    std::deque<double> numeri_;
    std::mt19937 generatore_{20021};
};

// Answers every modal window as it opens: message boxes and the summary with OK, the
// end-of-game window with "Altra partita". Keeps what each one showed.
class Risponditore : public QObject {
    Q_OBJECT
  public:
    Risponditore();
    QStringList messaggi;          // texts of the message boxes
    QList<QStringList> riepiloghi; // each summary: its visible lines, cells joined by '|'
    int finiPartita = 0;

  private:
    void Rispondi();
    QTimer timer_;
};

} // namespace brivetta::test
