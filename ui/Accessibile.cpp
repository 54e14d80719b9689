#include "Accessibile.h"

#include <QCoreApplication>

#include "StatoTavolo.h"
#include "Testi.h"

namespace brivetta {

QString NomeCarta(int indice) {
    if (indice == 0) return QStringLiteral("mazzo");
    if (indice < 1 || indice > CarteNelMazzo) return QStringLiteral("carta coperta");
    static const char* const semi[] = {"", "Denare", "Coppe", "Bastoni", "Spade"};
    static const char* const figure[] = {"Fante", "Cavallo", "Re"};
    const int valore = ValoreCarta(indice);
    QString nome = valore == 1   ? QStringLiteral("Asso")
                   : valore <= 7 ? QString::number(valore)
                                 : QString::fromLatin1(figure[valore - 8]);
    nome += QStringLiteral(" di ") + QString::fromLatin1(semi[SemeCarta(indice)]);
    if (indice == Matta) nome += QStringLiteral(", la matta");
    return nome;
}

QString NomeEtichettaPosto(const std::string& nome, const QString& testo) {
    return QCoreApplication::translate("Accessibile", "%1: %2")
        .arg(QString::fromStdString(SenzaSpaziIniziali(nome)), testo);
}

} // namespace brivetta
