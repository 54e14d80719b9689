#include "Collegamenti.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "CercaFile.h"
#include "Lingua.h"

namespace brivetta {

namespace {
constexpr const char* FileAiuto = "Brivetta.htm";

bool FileOrdinario(const std::filesystem::path& percorso) {
    std::error_code ec;
    return !percorso.empty() && std::filesystem::is_regular_file(percorso, ec);
}
} // namespace

std::filesystem::path CercaGuida(const std::filesystem::path& cartella, Lingua lingua) {
    if (lingua != Lingua::Italiano) {
        const auto tradotta =
            CercaFile(cartella, "Brivetta." + Codice(lingua).toStdString() + ".htm");
        if (FileOrdinario(tradotta)) return tradotta;
    }
    const auto italiana = CercaFile(cartella, FileAiuto);
    return FileOrdinario(italiana) ? italiana : std::filesystem::path();
}

bool ApriDocumento(const QUrl& indirizzo) {
    return QDesktopServices::openUrl(indirizzo);
}

QString ApriGuida() {
    const std::filesystem::path aiuto = CercaGuida(".", LinguaDelDesktop());
    if (aiuto.empty())
        return QCoreApplication::translate("Collegamenti",
                                           "Non trovato file di documentazione/help %1")
            .arg(QLatin1String(FileAiuto));
    const QString percorso = QFileInfo(QFile::decodeName(aiuto.c_str())).absoluteFilePath();
    if (ApriDocumento(QUrl::fromLocalFile(percorso))) return {};
    return QCoreApplication::translate(
               "Collegamenti", "Impossibile aprire la guida %1: nessun programma del sistema "
                               "apre questo tipo di documento.")
        .arg(QDir::toNativeSeparators(percorso));
}

QString ScriviAllAutore() {
    if (ApriDocumento(QUrl(QStringLiteral("mailto:") + PostaAutore))) return {};
    return QCoreApplication::translate(
               "Collegamenti", "Impossibile aprire il programma di posta per scrivere a %1.")
        .arg(PostaAutore);
}

QString VisitaIlSito() {
    if (ApriDocumento(QUrl(SitoAutore))) return {};
    return QCoreApplication::translate("Collegamenti",
                                       "Impossibile aprire il browser sulla pagina %1.")
        .arg(SitoAutore);
}

} // namespace brivetta
