#pragma once
// A picture box of the table: draws its picture over its whole rectangle (cards, faces, the
// turn marker) or at its natural size clipped by the box (the coin strip).

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace brivetta {

// Makes the window pictures (":/immagini/...") available; they live in a static library,
// which the linker would otherwise leave out. Safe to call more than once.
void CaricaRisorse();

// The icon of a window picture, one for the whole run. Qt keeps the sizes it draws of an icon in
// its pixmap cache under that icon's own key, so a fresh icon for every summary or end-of-game
// window would add entries each manche and memory would climb through a long session.
QIcon IconaRisorsa(const QString& risorsa);

// A dialog's button with its caption and the window picture `icona` (":/immagini/...").
QPushButton* BottoneDialogo(QDialogButtonBox* bottoni, const QString& testo,
                            QDialogButtonBox::ButtonRole ruolo, const QString& icona);

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
