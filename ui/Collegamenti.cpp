#include "Collegamenti.h"

#include <QDesktopServices>

namespace brivetta {

void ApriDocumento(const QUrl& indirizzo) {
    // A missing or refusing opener is not the game's failure: the result is not looked at.
    static_cast<void>(QDesktopServices::openUrl(indirizzo));
}

} // namespace brivetta
