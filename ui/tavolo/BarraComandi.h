#pragma once
// The button bar over the table: the play buttons, the stake slider with its caption and coins,
// the odds of the next card, the advisor's figures and, at its right end, the human's money and
// the dealer. It shows
// what the VistaTavolo says and tells the player's moves with `mossa`.

#include <QFrame>
#include <array>
#include <optional>

#include "Consigliere.h"
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
    // `situazione`: the human's money and the dealer, empty before a game.
    void Mostra(const VistaTavolo& v, bool cursoreTenuto, const QString& probabilita,
                const QString& situazione);

    // The advisor's figures for every position of the slider: the label follows the slider at
    // once. `acceso`: the advice is switched on, and the bar keeps room for it; `conProbabilita`:
    // the odds are switched on too, and the two share their place, the odds above; no figures:
    // an empty label.
    using ConsigliPerPosta = std::array<Consiglio, MassimoCursore + 1>;
    void MostraConsiglio(bool acceso, bool conProbabilita,
                         const std::optional<ConsigliPerPosta>& consigli);

    // The keys of the table: a button pressed as by a click, if it can be; the slider moved.
    void Premi(Azione azione);
    void SpostaPosta(int passi);
    // The human's move has come back: after a move made with the keyboard the focus returns to
    // the control it was made with, if it can take it, else to the first play button enabled.
    void TurnoUmano();
    // A new game from the keys or the menu: its first play button takes the focus.
    void FuocoAlGioco();

  protected:
    void resizeEvent(QResizeEvent* evento) override;

  signals:
    // The player's move: a button (value 0) or the slider (its new value).
    void mossa(Azione azione, int valore);

  private:
    QPushButton* Bottone(Azione azione) const;
    void PosaSituazione();
    void ScriviConsiglio();

    QPushButton* nuovaPartita_ = nullptr;
    QPushButton* cartaScoperta_ = nullptr;
    QPushButton* cartaCoperta_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* etichettaPosta_ = nullptr; // "Posta:"
    QScrollBar* cursore_ = nullptr;
    Immagine* monete_ = nullptr;
    QLabel* didascaliaPosta_ = nullptr;
    QLabel* probabilita_ = nullptr;
    QLabel* consiglio_ = nullptr;
    QLabel* situazione_ = nullptr;
    bool consiglioAcceso_ = false;
    bool conProbabilita_ = false;
    int larghezzaConsiglio_ = 0;
    std::optional<ConsigliPerPosta> consigli_;
    QWidget* daRidare_ = nullptr; // where the focus goes back when the human's move comes back
    bool daTastiera_ = false;     // a button is being pressed by its key
};

} // namespace brivetta
