#pragma once
// The faces of the table: a smiling and a frowning one for each computer seat, and for each of
// the characters the human may choose. Seat 1 wears the chosen character's.

#include <QPixmap>
#include <array>

#include "StatoTavolo.h"
#include "VistaTavolo.h"

namespace brivetta {

inline constexpr int NumPersonaggi = 8;

class Facce {
  public:
    Facce(); // the pictures of the window's resources

    // The face seat `posto` (1..6) shows; a null picture for Volto::Nessuno.
    QPixmap Posto(int posto, Volto volto) const;
    // The face of character `personaggio` (0..7).
    QPixmap Personaggio(int personaggio, Volto volto) const;
    // The human's seat takes this character's faces; out of range counts as the nearest.
    void ScegliPersonaggio(int personaggio);
    void ImpostaPosto(int posto, Volto volto, const QPixmap& immagine);

  private:
    struct Coppia {
        QPixmap contento, scontento;
        const QPixmap& Di(Volto volto) const;
    };
    std::array<Coppia, MaxGiocatori + 1> posti_{}; // 1..6
    std::array<Coppia, NumPersonaggi> personaggi_{};
};

} // namespace brivetta
