#pragma once
// The hand summary: every seat's score, result, money and place after the settlement.

#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>

#include "Riepilogo.h"

class QLabel;
class QPushButton;

namespace brivetta {

class Immagine;

class RiepilogoManche : public QDialog {
    Q_OBJECT
  public:
    enum Colonna { Nome, Punti, Importo, Soldi, Posizione, NumColonne };

    // facce gives the table's picture of a seat's face.
    RiepilogoManche(const Riepilogo& riepilogo,
                    const std::function<QPixmap(int posto, Volto)>& facce,
                    QWidget* parent = nullptr);

    // Opens just right of the longest hand (sinistraMano, in screen pixels) without leaving
    // the screen, centred vertically.
    void Posiziona(int sinistraMano);

    // Line i (1..6) is seat i; line 0 is the header.
    QLabel* Cella(int riga, int colonna) const { return celle_[riga][colonna]; }
    Immagine* Faccia(int riga) const { return facce_[riga]; }
    QPushButton* Ok() const { return ok_; }

  private:
    std::array<std::array<QLabel*, NumColonne>, MaxGiocatori + 1> celle_{};
    std::array<Immagine*, MaxGiocatori + 1> facce_{};
    QPushButton* ok_ = nullptr;
};

} // namespace brivetta
