#include "Messaggio.h"

#include <QMessageBox>

#include "Aspetto.h"

namespace brivetta {

QMessageBox* CreaMessaggio(QWidget* genitore, const QString& testo) {
    // The texts separate their lines with carriage returns.
    QString righe = testo;
    righe.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    righe.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* box = new QMessageBox(QMessageBox::NoIcon, TitoloGioco, righe, QMessageBox::Ok, genitore);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText); // names in the texts are shown as typed, tags included
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

} // namespace brivetta
