#include "Aspetto.h"

#include <array>

namespace brivetta {

QColor ColorePannello(int posto) {
    static const std::array<QColor, 6> pannelli = {colori::Verde,   colori::Ciano,  colori::Rosso,
                                                   colori::Magenta, colori::Giallo, colori::Bianco};
    return posto >= 1 && posto <= 6 ? pannelli[posto - 1] : colori::Bianco;
}

QFont CarattereTavolo(bool grassetto) {
    QFont f;
    // Condensed DejaVu stands in where Tahoma is not installed: close in width.
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                   QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(8.25);
    f.setBold(grassetto);
    return f;
}

} // namespace brivetta
