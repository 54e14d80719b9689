#include "Preferenze.h"

#include <QDir>
#include <QSettings>

namespace brivetta {

namespace {
const QString ChiaveGeometria = QStringLiteral("finestra/geometria");
const QString ChiaveProbabilita = QStringLiteral("opzioni/probabilita");
const QString ChiaveConsiglio = QStringLiteral("opzioni/consiglio");
} // namespace

Preferenze::Preferenze(const QString& cartella)
    : percorso_(QDir(cartella.isEmpty() ? QDir::currentPath() : cartella)
                    .filePath(QStringLiteral("preferenze.ini"))) {}

QRect Preferenze::Geometria() const {
    return QSettings(percorso_, QSettings::IniFormat).value(ChiaveGeometria).toRect();
}

void Preferenze::ImpostaGeometria(const QRect& geometria) {
    QSettings(percorso_, QSettings::IniFormat).setValue(ChiaveGeometria, geometria);
}

bool Preferenze::Probabilita() const {
    return QSettings(percorso_, QSettings::IniFormat).value(ChiaveProbabilita, false).toBool();
}

void Preferenze::ImpostaProbabilita(bool mostra) {
    QSettings(percorso_, QSettings::IniFormat).setValue(ChiaveProbabilita, mostra);
}

bool Preferenze::Consiglio() const {
    return QSettings(percorso_, QSettings::IniFormat).value(ChiaveConsiglio, false).toBool();
}

void Preferenze::ImpostaConsiglio(bool mostra) {
    QSettings(percorso_, QSettings::IniFormat).setValue(ChiaveConsiglio, mostra);
}

} // namespace brivetta
