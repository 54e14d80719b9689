#pragma once
// "Gioca per me": the human's seat plays by itself with the advisor's best move, its stake
// first, through the same moves as the player's own input, after a pause the player can follow.
// The game's messages and summaries are closed as he would close them. A key or a click of the
// player's on the table, or the end of the game, hands the seat back to him.

#include <QKeySequence>
#include <QObject>
#include <QTimer>

#include "Evento.h"

namespace brivetta {

class ConsiglioTavolo;
class Regia;

class GiocaPerMe : public QObject {
    Q_OBJECT
  public:
    // `finestra`: the table window, where the player's keys and clicks are watched for;
    // `interruttore`: the key that switches this on and off, not a key that stops it.
    GiocaPerMe(Regia& regia, ConsiglioTavolo& consiglio, QWidget& finestra,
               const QKeySequence& interruttore);

    void Accendi(bool acceso);
    bool Acceso() const { return acceso_; }
    // The pause before each step, in milliseconds.
    void ImpostaPausa(int ms) { attesa_ = ms; }
    // The table changed or the advice came: the next step follows the pause.
    void Guarda();

  signals:
    // The player's moves, made for him.
    void mossa(Azione azione, int valore);
    void nuovaPartita();
    // It stopped by itself: a key, a click, the end of the game.
    void spento();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void Passo();
    void Spegni();
    bool DelTavolo(const QObject* oggetto) const;

    Regia& regia_;
    ConsiglioTavolo& consiglio_;
    QWidget& finestra_;
    QKeySequence interruttore_;
    QTimer pausa_;
    int attesa_ = 1500; // ms: long enough to read each move before the next
    bool acceso_ = false;
};

} // namespace brivetta
