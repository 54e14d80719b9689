#pragma once
// The table itself: the green cloth with the seat rows painted on it (coloured panels, white
// outlines, separators, the computer players' shadowed names) and, laid over it, the cards, the
// covered cards' backs, the deck, the faces, the turn marker, the seat labels and the human's
// name. It draws a VistaTavolo; where things lie comes from GeometriaTavolo.

#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

#include "Evento.h"
#include "VistaTavolo.h"

class QLabel;

namespace brivetta {

class Facce;
class Immagine;
class VoloCarta;

// The button bar stands over the cloth. The table's coordinates count from 12 px under the bar's
// top, so the cloth starts this much above them and the first row's cards (28 px down) lie just
// under the bar.
constexpr int AltezzaBarraBottoni = 35;
constexpr int SpostamentoTavolo = 12 - AltezzaBarraBottoni;

class PannelloTavolo : public QWidget {
    Q_OBJECT
  public:
    PannelloTavolo(const Facce& facce, QWidget* parent = nullptr);

    // A point of the table's coordinates in this widget.
    static QPoint Punto(QPoint p) { return {p.x(), p.y() + SpostamentoTavolo}; }
    // The height the seat rows may use when `visibile` pixels of the cloth are in sight.
    static int AltezzaInterna(int visibile) { return visibile - SpostamentoTavolo; }

    // Card pictures 0..40 (0 the back, which also shows the deck and the covered cards).
    void ImpostaImmagineCarta(int indice, const QPixmap& immagine);
    QPixmap ImmagineCarta(int indice) const;
    // The faces changed (another character for the human).
    void AggiornaFacce();

    // Shows the table as `v` describes it; `nomi` are the seats' names (1..6). A card in flight
    // is left where the flight has it.
    void Mostra(const VistaTavolo& v, const std::array<std::string, MaxGiocatori + 1>& nomi);
    // Sends a card's face on its way to its slot, at `pixelAlSecondo`.
    void FaiVolare(VoloCarta& volo, const Volo& dati, double pixelAlSecondo);

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    void CreaEtichette();

    const Facce& facce_;
    const VoloCarta* volo_ = nullptr;                                // the flight under way, if any
    std::array<Immagine*, CarteNelMazzo + 1> carte_{};               // 0 the deck, 1..40 the faces
    std::array<Immagine*, MaxGiocatori + 1> dorsi_{};                // the covered cards' backs
    std::array<std::array<Immagine*, 2>, MaxGiocatori + 1> volti_{}; // smiling, frowning
    Immagine* segnaTurno_ = nullptr;
    std::array<QLabel*, MaxGiocatori + 1> etichette_{}; // seat labels 1..6
    QLabel* nomeUmano_ = nullptr;
    std::array<QPixmap, CarteNelMazzo + 1> immaginiCarte_{};
    std::array<Luogo, CarteNelMazzo + 1> luoghiMostrati_{};
    // What is painted on the cloth, repainted only when it changes.
    int righe_ = 0;
    std::array<std::string, MaxGiocatori + 1> nomi_{};
};

} // namespace brivetta
