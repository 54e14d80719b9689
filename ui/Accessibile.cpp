#include "Accessibile.h"

#include "Testi.h"

namespace brivetta {

QString NomeEtichettaPosto(const std::string& nome, const QString& testo) {
    return QString::fromStdString(SenzaSpaziIniziali(nome)) + QStringLiteral(": ") + testo;
}

} // namespace brivetta
