#pragma once
// A card's move across the table as an animation driven by time: at the chosen speed whatever
// the machine's load (a slow machine drops frames, never time). Reports `arrivata` once the
// card lies on its slot, at once when there is no way to go.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QVariantAnimation>

class QWidget;

namespace brivetta {

class VoloCarta : public QObject {
    Q_OBJECT
  public:
    explicit VoloCarta(QObject* parent = nullptr);

    // Moves `carta` (a child widget of the table) from `da` to `a`, in widget coordinates, at
    // `pixelAlSecondo` along the path.
    void Parti(QWidget* carta, QPoint da, QPoint a, double pixelAlSecondo);
    // Another window over the table holds the card where it is, and lets it go on afterwards.
    void Sospendi(bool sospeso);
    bool InVolo() const;
    QWidget* Carta() const { return carta_; }

    // Milliseconds the move takes: 400 px at 500 px/s is 0.8 s.
    static int DurataMs(QPoint da, QPoint a, double pixelAlSecondo);

  signals:
    void arrivata();

  private:
    void Muovi(const QVariant& percorsi);
    void Arriva();

    // The frames follow the screen's refresh; the arrival keeps its own exact time, so a card
    // never lands a frame late.
    QVariantAnimation animazione_;
    QTimer arrivo_;
    int resto_ = 0; // of the flight, while held under another window
    bool inVolo_ = false;
    QPointer<QWidget> carta_;
    QPoint da_;
    QPoint a_;
};

} // namespace brivetta
