#include "Riproduttore.h"

namespace brivetta {

void Riproduttore::Richiesta(quint64 voce, const QString& percorso, int durataMs,
                             QDeadlineTimer scadenza) {
    const bool uscita = UscitaPresente();
    if (!percorso.isEmpty()) {
        // A request that waited past its end in the queue is not played late.
        if (uscita && !scadenza.hasExpired())
            Riproduci(voce, percorso, durataMs, scadenza);
        else
            emit finito(voce);
    }
    emit risposta(voce, uscita);
}

} // namespace brivetta
