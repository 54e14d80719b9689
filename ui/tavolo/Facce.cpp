#include "Facce.h"

#include <algorithm>

namespace brivetta {

namespace {
QPixmap Risorsa(const char* tipo, int numero, const char* umore) {
    return QPixmap(QStringLiteral(":/immagini/%1_%2_%3.png")
                       .arg(QLatin1String(tipo))
                       .arg(numero)
                       .arg(QLatin1String(umore)));
}
} // namespace

const QPixmap& Facce::Coppia::Di(Volto volto) const {
    static const QPixmap nessuna;
    switch (volto) {
    case Volto::Contento:
        return contento;
    case Volto::Scontento:
        return scontento;
    case Volto::Nessuno:
        break;
    }
    return nessuna;
}

Facce::Facce() {
    for (int posto = 2; posto <= MaxGiocatori; ++posto)
        posti_[posto] = {Risorsa("faccia", posto, "felice"), Risorsa("faccia", posto, "triste")};
    for (int p = 0; p < NumPersonaggi; ++p)
        personaggi_[p] = {Risorsa("personaggio", p, "felice"), Risorsa("personaggio", p, "triste")};
    ScegliPersonaggio(0);
}

QPixmap Facce::Posto(int posto, Volto volto) const {
    return posto >= 1 && posto <= MaxGiocatori ? posti_[posto].Di(volto) : QPixmap();
}

QPixmap Facce::Personaggio(int personaggio, Volto volto) const {
    return personaggio >= 0 && personaggio < NumPersonaggi ? personaggi_[personaggio].Di(volto)
                                                           : QPixmap();
}

void Facce::ScegliPersonaggio(int personaggio) {
    posti_[1] = personaggi_[std::clamp(personaggio, 0, NumPersonaggi - 1)];
}

void Facce::ImpostaPosto(int posto, Volto volto, const QPixmap& immagine) {
    if (posto < 1 || posto > MaxGiocatori) return;
    (volto == Volto::Scontento ? posti_[posto].scontento : posti_[posto].contento) = immagine;
}

} // namespace brivetta
