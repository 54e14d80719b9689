#include "Collegamenti.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "CercaFile.h"

namespace brivetta {

namespace {
constexpr const char* FileAiuto = "Brivetta.htm";
} // namespace

bool ApriDocumento(const QUrl& indirizzo) {
    return QDesktopServices::openUrl(indirizzo);
}

QString ApriGuida() {
    const std::filesystem::path aiuto = CercaFile(".", FileAiuto);
    std::error_code ec;
    if (aiuto.empty() || !std::filesystem::is_regular_file(aiuto, ec))
        return QStringLiteral("Non trovato file di documentazione/help %1")
            .arg(QLatin1String(FileAiuto));
    const QString percorso = QFileInfo(QFile::decodeName(aiuto.c_str())).absoluteFilePath();
    if (ApriDocumento(QUrl::fromLocalFile(percorso))) return {};
    return QStringLiteral("Impossibile aprire la guida %1: nessun programma del sistema apre "
                          "questo tipo di documento.")
        .arg(QDir::toNativeSeparators(percorso));
}

QString ScriviAllAutore() {
    if (ApriDocumento(QUrl(QStringLiteral("mailto:") + PostaAutore))) return {};
    return QStringLiteral("Impossibile aprire il programma di posta per scrivere a %1.")
        .arg(PostaAutore);
}

QString VisitaIlSito() {
    if (ApriDocumento(QUrl(SitoAutore))) return {};
    return QStringLiteral("Impossibile aprire il browser sulla pagina %1.").arg(SitoAutore);
}

} // namespace brivetta
