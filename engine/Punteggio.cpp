#include "Punteggio.h"

namespace brivetta {

using dettaglio::Tondo;

void ValutaMattaAlloStop(StatoTavolo& s, int posto) {
    if (s.GiocatoreMatta == posto && Tondo(s.Punteggio[posto])) s.Punteggio[posto] = 7;
}

void ValutaMattaAInizioTurno(StatoTavolo& s, int posto) {
    if (s.GiocatoreMatta != posto) return;
    const Singolo punti = s.Punteggio[posto];
    s.Punteggio[posto] = Tondo(punti) && punti != 7 ? 7.0f : SetteEMezzo;
}

} // namespace brivetta
