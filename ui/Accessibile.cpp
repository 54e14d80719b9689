#include "Accessibile.h"

#include <QCoreApplication>

#include "Testi.h"

namespace brivetta {

QString NomeEtichettaPosto(const std::string& nome, const QString& testo) {
    return QCoreApplication::translate("Accessibile", "%1: %2")
        .arg(QString::fromStdString(SenzaSpaziIniziali(nome)), testo);
}

} // namespace brivetta
