#include "EffettiSonori.h"

namespace brivetta {

QString FileEffetto(Effetto effetto) {
    switch (effetto) {
    case Effetto::CartaScoperta:
    case Effetto::Stop:
        return QStringLiteral("SOUND112.wav");
    case Effetto::CartaCoperta:
        return QStringLiteral("laser.wav");
    case Effetto::Posta:
        return QStringLiteral("dindin.wav");
    case Effetto::Sballato:
    case Effetto::ManchePersa:
        return QStringLiteral("oh_no.wav");
    case Effetto::SetteEMezzo:
    case Effetto::MancheVinta:
        return QStringLiteral("Risata.wav");
    }
    return {};
}

} // namespace brivetta
