#include "FileStatistiche.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>

namespace brivetta {

namespace {
const QString NomeFile = QStringLiteral("statistiche.json");
// Tells our file from any other JSON file that happens to carry the name.
const QString ChiaveFormato = QStringLiteral("formato");
const QString Formato = QStringLiteral("Brivetta, statistiche del giocatore");
const QString ChiaveVersione = QStringLiteral("versione");
constexpr int Versione = 1;
// Far above what two bounded series take; a larger file is not ours and is never read whole.
constexpr qint64 MassimaDimensione = 4 * 1024 * 1024;

struct Conteggio {
    const char* chiave;
    int DatiStatistiche::*campo;
};
const std::array<Conteggio, 6> Conteggi = {{
    {"partiteIniziate", &DatiStatistiche::PartiteIniziate},
    {"partiteFinite", &DatiStatistiche::PartiteFinite},
    {"partiteVinte", &DatiStatistiche::PartiteVinte},
    {"mancheGiocate", &DatiStatistiche::MancheGiocate},
    {"mancheVinte", &DatiStatistiche::MancheVinte},
    {"manchePerse", &DatiStatistiche::ManchePerse},
}};
const QString ChiaveMassimo = QStringLiteral("massimoDenaro");
struct Serie {
    const char* chiave;
    std::vector<int> DatiStatistiche::*campo;
};
const std::array<Serie, 2> TutteLeSerie = {{
    {"partitaInCorso", &DatiStatistiche::PartitaInCorso},
    {"ultimaPartita", &DatiStatistiche::UltimaPartita},
}};

// The game's money fits 16 bits; the counts never go below zero.
constexpr double MinimoDenaro = std::numeric_limits<std::int16_t>::min();
constexpr double MassimoDenaro = std::numeric_limits<std::int16_t>::max();
constexpr double MassimoConteggio = std::numeric_limits<int>::max();

std::optional<int> Numero(const QJsonValue& v, double minimo, double massimo) {
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < minimo || d > massimo) return std::nullopt;
    return static_cast<int>(d);
}

// Our figures from the file's text, and in `altri` whatever else a newer version keeps there.
// Nothing when the text is not a statistics file or one of our fields has a value it cannot have.
// A field we know that is missing counts as zero.
std::optional<DatiStatistiche> Interpreta(const QByteArray& testo, QJsonObject& altri) {
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(testo, &errore);
    if (errore.error != QJsonParseError::NoError || !documento.isObject()) return std::nullopt;
    QJsonObject o = documento.object();
    if (o.take(ChiaveFormato) != Formato) return std::nullopt;
    const auto versione = Numero(o.value(ChiaveVersione), 1, MassimoConteggio);
    if (!versione) return std::nullopt;
    // A newer version's number stays, so its own fields are not taken for ours later on.
    if (*versione <= Versione) o.remove(ChiaveVersione);

    DatiStatistiche dati;
    for (const Conteggio& c : Conteggi) {
        const QJsonValue v = o.take(QLatin1String(c.chiave));
        if (v.isUndefined()) continue;
        const auto n = Numero(v, 0, MassimoConteggio);
        if (!n) return std::nullopt;
        dati.*c.campo = *n;
    }
    if (const QJsonValue v = o.take(ChiaveMassimo); !v.isUndefined()) {
        const auto n = Numero(v, MinimoDenaro, MassimoDenaro);
        if (!n) return std::nullopt;
        dati.MassimoDenaro = *n;
    }
    for (const Serie& s : TutteLeSerie) {
        const QJsonValue v = o.take(QLatin1String(s.chiave));
        if (v.isUndefined()) continue;
        if (!v.isArray()) return std::nullopt;
        for (const QJsonValue elemento : v.toArray()) {
            const auto n = Numero(elemento, MinimoDenaro, MassimoDenaro);
            if (!n) return std::nullopt;
            (dati.*s.campo).push_back(*n);
        }
    }
    altri = o;
    return dati;
}

std::filesystem::path PercorsoLocale(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}
} // namespace

FileStatistiche::FileStatistiche(const QString& cartella)
    : percorso_(QDir(cartella).filePath(NomeFile)) {}

DatiStatistiche FileStatistiche::Leggi() {
    altri_ = {};
    const QFileInfo info(percorso_);
    if (!info.exists() && !info.isSymLink()) return {};
    QFile file(percorso_);
    std::optional<DatiStatistiche> dati;
    if (info.isFile() && info.size() <= MassimaDimensione && file.open(QIODevice::ReadOnly)) {
        const QByteArray testo = file.read(MassimaDimensione + 1);
        if (file.error() == QFileDevice::NoError && testo.size() <= MassimaDimensione)
            dati = Interpreta(testo, altri_);
    }
    if (dati) return *dati;
    altri_ = {};
    MettiDaParte();
    return {};
}

void FileStatistiche::MettiDaParte() {
    std::error_code ec;
    const auto daParte = PercorsoLocale(PercorsoDanneggiato());
    // An older damaged file gives way; a folder only when it is empty, never with its contents.
    std::filesystem::remove(daParte, ec);
    std::filesystem::rename(PercorsoLocale(percorso_), daParte, ec);
}

bool FileStatistiche::Scrivi(const DatiStatistiche& dati) {
    QJsonObject o = altri_;
    o.insert(ChiaveFormato, Formato);
    if (!o.contains(ChiaveVersione)) o.insert(ChiaveVersione, Versione);
    for (const Conteggio& c : Conteggi)
        o.insert(QLatin1String(c.chiave), dati.*c.campo);
    o.insert(ChiaveMassimo, dati.MassimoDenaro);
    for (const Serie& s : TutteLeSerie) {
        QJsonArray valori;
        for (int denaro : dati.*s.campo)
            valori.append(denaro);
        o.insert(QLatin1String(s.chiave), valori);
    }
    QSaveFile file(percorso_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(o).toJson(QJsonDocument::Indented));
    return file.commit();
}

} // namespace brivetta
