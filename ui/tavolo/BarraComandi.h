#pragma once
// The button bar over the table: the play buttons, the stake slider with its caption and coins,
// and the odds of the next card. It shows what the VistaTavolo says and tells the player's
// moves with `mossa`.

#include <QFrame>

#include "Evento.h"
#include "VistaTavolo.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace brivetta {

class Immagine;

class BarraComandi : public QFrame {
    Q_OBJECT
  public:
    explicit BarraComandi(QWidget* parent = nullptr);

    // `cursoreTenuto`: the player's slider position is waiting to be taken, so it is not put
    // back to the game's value. `probabilita`: the odds' text, empty to hide them.
    void Mostra(const VistaTavolo& v, bool cursoreTenuto, const QString& probabilita);

    // The keys of the table: a button pressed as by a click, if it can be; the slider moved.
    void Premi(Azione azione);
    void SpostaPosta(int passi);

  signals:
    // The player's move: a button (value 0) or the slider (its new value).
    void mossa(Azione azione, int valore);

  private:
    QPushButton* Bottone(Azione azione) const;

    QPushButton* nuovaPartita_ = nullptr;
    QPushButton* cartaScoperta_ = nullptr;
    QPushButton* cartaCoperta_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* etichettaPosta_ = nullptr; // "Posta:"
    QScrollBar* cursore_ = nullptr;
    Immagine* monete_ = nullptr;
    QLabel* didascaliaPosta_ = nullptr;
    QLabel* probabilita_ = nullptr;
};

} // namespace brivetta
