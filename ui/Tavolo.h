#pragma once
// The green cloth of the table with the seat rows painted on it: coloured panels, white
// outlines, separators and the computer players' shadowed names. Cards, faces and labels are
// child widgets laid over it.

#include <QColor>
#include <QFont>
#include <QWidget>

#include "Gioco.h"

namespace brivetta {

// The button bar lies over the top of the cloth; the table is drawn this many pixels lower so
// that the first row's cards (28 px from the top) are not hidden under it.
constexpr int AltezzaBarraBottoni = 35;
constexpr int SpostamentoTavolo = 12;

// Colour n of the standard 16-colour text palette.
QColor ColorePalette(int n);

// Tahoma-like fonts, 8.25 pt: bold for the printed names, regular for the labels.
QFont CarattereTavolo(bool grassetto);

class Tavolo : public QWidget {
    Q_OBJECT
  public:
    explicit Tavolo(const Gioco& gioco, QWidget* parent = nullptr);

    // A point of the table's coordinates in this widget.
    static QPoint Punto(QPoint p) { return {p.x(), p.y() + SpostamentoTavolo}; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    const Gioco& gioco_;
};

} // namespace brivetta
