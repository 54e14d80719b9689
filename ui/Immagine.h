#pragma once
// A picture box of the table: draws its picture over its whole rectangle (cards, faces, the
// turn marker) or at its natural size clipped by the box (the coin strip).

#include <QLabel>
#include <QPixmap>

namespace brivetta {

// Makes the window pictures (":/immagini/...") available; they live in a static library,
// which the linker would otherwise leave out. Safe to call more than once.
void CaricaRisorse();

class Immagine : public QLabel {
    Q_OBJECT
  public:
    enum class Modo { Adatta, Ritaglia };
    explicit Immagine(QWidget* parent = nullptr, Modo modo = Modo::Adatta);

    void ImpostaImmagine(const QPixmap& immagine);
    const QPixmap& Figura() const { return figura_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    QPixmap figura_;
    Modo modo_;
};

} // namespace brivetta
