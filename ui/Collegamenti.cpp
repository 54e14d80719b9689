#include "Collegamenti.h"

#include <QDesktopServices>

namespace brivetta {

bool ApriDocumento(const QUrl& indirizzo) {
    return QDesktopServices::openUrl(indirizzo);
}

} // namespace brivetta
