#include "FileStatistiche.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>

namespace brivetta {

namespace {
const QString NomeFile = QStringLiteral("statistiche.json");
// Tells our file from any other JSON file that happens to carry the name.
const QString ChiaveFormato = QStringLiteral("formato");
const QString Formato = QStringLiteral("Brivetta, statistiche del giocatore");
const QString ChiaveVersione = QStringLiteral("versione");
// 2: every game kept in "partite" with its start, and the records.
constexpr int Versione = 2;
// A save waits this long for another copy's; then it fails and the figures wait for the next.
constexpr int AttesaBlocco = 5000; // ms

struct Conteggio {
    const char* chiave;
    int DatiStatistiche::*campo;
};
const std::array<Conteggio, 8> Conteggi = {{
    {"partiteIniziate", &DatiStatistiche::PartiteIniziate},
    {"partiteFinite", &DatiStatistiche::PartiteFinite},
    {"partiteVinte", &DatiStatistiche::PartiteVinte},
    {"mancheGiocate", &DatiStatistiche::MancheGiocate},
    {"mancheVinte", &DatiStatistiche::MancheVinte},
    {"manchePerse", &DatiStatistiche::ManchePerse},
    {"serieVinte", &DatiStatistiche::SerieVinte},
    {"serieVintePiuLunga", &DatiStatistiche::SerieVintePiuLunga},
}};
struct Denaro {
    const char* chiave;
    std::optional<int> DatiStatistiche::*campo;
};
const QString ChiaveMassimo = QStringLiteral("massimoDenaro");
const std::array<Denaro, 2> Finali = {{
    {"migliorFinale", &DatiStatistiche::MigliorFinale},
    {"peggiorFinale", &DatiStatistiche::PeggiorFinale},
}};
const QString ChiavePartite = QStringLiteral("partite");
const QString ChiaveId = QStringLiteral("id");
const QString ChiaveInizio = QStringLiteral("inizio");
const QString ChiaveDenaro = QStringLiteral("denaro");
// The first version kept two series only; they are read as two games of unknown date.
const QString ChiaveUltimaPartita = QStringLiteral("ultimaPartita");
const QString ChiavePartitaInCorso = QStringLiteral("partitaInCorso");

// The game's money fits 16 bits; the counts never go below zero; a JSON number holds an
// integer exactly up to 2^53.
constexpr double MinimoDenaro = std::numeric_limits<std::int16_t>::min();
constexpr double MassimoDenaro = std::numeric_limits<std::int16_t>::max();
constexpr double MassimoConteggio = std::numeric_limits<int>::max();
constexpr double MassimoIntero = 9007199254740992.0;

std::optional<long long> Numero(const QJsonValue& v, double minimo, double massimo) {
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < minimo || d > massimo) return std::nullopt;
    return static_cast<long long>(d);
}

std::optional<std::vector<int>> SerieDenaro(const QJsonValue& v) {
    if (!v.isArray()) return std::nullopt;
    std::vector<int> serie;
    for (const QJsonValue elemento : v.toArray()) {
        const auto n = Numero(elemento, MinimoDenaro, MassimoDenaro);
        if (!n) return std::nullopt;
        serie.push_back(static_cast<int>(*n));
    }
    return serie;
}

std::optional<PartitaRegistrata> Partita(const QJsonValue& v) {
    const QJsonObject o = v.toObject();
    const auto id = Numero(o.value(ChiaveId), 1, MassimoIntero);
    const auto inizio = Numero(o.value(ChiaveInizio), 0, MassimoIntero);
    const auto denaro = SerieDenaro(o.value(ChiaveDenaro));
    // A game has at least its starting money.
    if (!v.isObject() || !id || !inizio || !denaro || denaro->empty()) return std::nullopt;
    return PartitaRegistrata{static_cast<std::uint64_t>(*id), *inizio, *denaro};
}

// Our figures from the object, leaving in it whatever else a newer version keeps there.
// Nothing when one of our fields has a value it cannot have. A missing one counts as zero.
std::optional<DatiStatistiche> Interpreta(QJsonObject& o) {
    DatiStatistiche dati;
    for (const Conteggio& c : Conteggi) {
        const QJsonValue v = o.take(QLatin1String(c.chiave));
        if (v.isUndefined()) continue;
        const auto n = Numero(v, 0, MassimoConteggio);
        if (!n) return std::nullopt;
        dati.*c.campo = static_cast<int>(*n);
    }
    if (const QJsonValue v = o.take(ChiaveMassimo); !v.isUndefined()) {
        const auto n = Numero(v, MinimoDenaro, MassimoDenaro);
        if (!n) return std::nullopt;
        dati.MassimoDenaro = static_cast<int>(*n);
    }
    for (const Denaro& f : Finali) {
        const QJsonValue v = o.take(QLatin1String(f.chiave));
        if (v.isUndefined()) continue;
        const auto n = Numero(v, MinimoDenaro, MassimoDenaro);
        if (!n) return std::nullopt;
        dati.*f.campo = static_cast<int>(*n);
    }
    const QJsonValue partite = o.take(ChiavePartite);
    if (!partite.isUndefined()) {
        if (!partite.isArray()) return std::nullopt;
        for (const QJsonValue v : partite.toArray()) {
            auto p = Partita(v);
            if (!p) return std::nullopt;
            dati.Partite.push_back(std::move(*p));
        }
    }
    std::uint64_t id = 0;
    for (const QString& chiave : {ChiaveUltimaPartita, ChiavePartitaInCorso}) {
        const QJsonValue v = o.take(chiave);
        ++id;
        if (v.isUndefined()) continue;
        const auto serie = SerieDenaro(v);
        if (!serie) return std::nullopt;
        if (partite.isUndefined() && !serie->empty()) dati.Partite.push_back({id, 0, *serie});
    }
    return dati;
}

QJsonObject Oggetto(const DatiStatistiche& dati) {
    QJsonObject o;
    for (const Conteggio& c : Conteggi)
        o.insert(QLatin1String(c.chiave), dati.*c.campo);
    o.insert(ChiaveMassimo, dati.MassimoDenaro);
    for (const Denaro& f : Finali)
        if (dati.*f.campo) o.insert(QLatin1String(f.chiave), *(dati.*f.campo));
    QJsonArray partite;
    for (const PartitaRegistrata& p : dati.Partite) {
        QJsonArray denaro;
        for (int d : p.Denaro)
            denaro.append(d);
        partite.append(QJsonObject{{ChiaveId, static_cast<qint64>(p.Id)},
                                   {ChiaveInizio, static_cast<qint64>(p.Inizio)},
                                   {ChiaveDenaro, denaro}});
    }
    o.insert(ChiavePartite, partite);
    return o;
}

std::filesystem::path PercorsoLocale(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}
} // namespace

FileStatistiche::FileStatistiche(const QString& cartella)
    : percorso_(QDir(cartella).filePath(NomeFile)) {}

FileStatistiche::Esito FileStatistiche::LeggiFile(DatiStatistiche& dati) {
    altri_ = {};
    const QFileInfo info(percorso_);
    if (!info.exists() && !info.isSymLink()) return Esito::Assente;
    QFile file(percorso_);
    if (!info.isFile() || info.size() > MassimaDimensione || !file.open(QIODevice::ReadOnly))
        return Esito::Danneggiato;
    const QByteArray testo = file.read(MassimaDimensione + 1);
    if (file.error() != QFileDevice::NoError || testo.size() > MassimaDimensione)
        return Esito::Danneggiato;
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(testo, &errore);
    if (errore.error != QJsonParseError::NoError || !documento.isObject())
        return Esito::Danneggiato;
    QJsonObject o = documento.object();
    if (o.take(ChiaveFormato) != Formato) return Esito::Danneggiato;
    const auto versione = Numero(o.value(ChiaveVersione), 1, MassimoConteggio);
    if (!versione) return Esito::Danneggiato;
    // A newer version's number stays, so its own fields are not taken for ours later on.
    if (*versione <= Versione) o.remove(ChiaveVersione);
    auto letti = Interpreta(o);
    // A newer version may give our names a new form: its file is not ours to put aside.
    if (!letti) return *versione > Versione ? Esito::PiuNuovo : Esito::Danneggiato;
    dati = std::move(*letti);
    altri_ = o;
    return Esito::Letto;
}

DatiStatistiche FileStatistiche::Leggi() {
    DatiStatistiche dati;
    soloLettura_ = false;
    switch (LeggiFile(dati)) {
    case Esito::Letto:
        return dati;
    case Esito::Assente:
        return {};
    case Esito::PiuNuovo:
        soloLettura_ = true;
        return {};
    case Esito::Danneggiato:
        MettiDaParte();
        return {};
    }
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
    if (soloLettura_) return false;
    QLockFile blocco(percorso_ + QStringLiteral(".lock"));
    if (!blocco.tryLock(AttesaBlocco)) return false;
    return ScriviBloccato(dati);
}

std::optional<DatiStatistiche> FileStatistiche::Salva(const DatiStatistiche& base,
                                                      const DatiStatistiche& mie) {
    if (soloLettura_) return std::nullopt;
    QLockFile blocco(percorso_ + QStringLiteral(".lock"));
    if (!blocco.tryLock(AttesaBlocco)) return std::nullopt;
    DatiStatistiche file;
    const QJsonObject altriPrima = altri_;
    switch (LeggiFile(file)) {
    case Esito::Letto:
        break;
    case Esito::PiuNuovo:
        soloLettura_ = true;
        return std::nullopt;
    case Esito::Assente:
    case Esito::Danneggiato:
        // Nothing to add to: what this copy knows is written as it is.
        file = base;
        altri_ = altriPrima;
        break;
    }
    DatiStatistiche unite = Statistiche::Unisci(file, base, mie);
    if (!ScriviBloccato(unite)) return std::nullopt;
    return unite;
}

bool FileStatistiche::ScriviBloccato(const DatiStatistiche& dati) {
    const QJsonObject nostri = Oggetto(dati);
    QJsonObject o = altri_;
    for (auto c = nostri.begin(); c != nostri.end(); ++c)
        o.insert(c.key(), c.value());
    o.insert(ChiaveFormato, Formato);
    if (!o.contains(ChiaveVersione)) o.insert(ChiaveVersione, Versione);
    QByteArray testo = QJsonDocument(o).toJson(QJsonDocument::Compact);
    // Fields we do not know are kept only while the reader still takes the whole file.
    if (testo.size() > MassimaDimensione) {
        o = nostri;
        o.insert(ChiaveFormato, Formato);
        o.insert(ChiaveVersione, Versione);
        testo = QJsonDocument(o).toJson(QJsonDocument::Compact);
        altri_ = {};
    }
    QSaveFile file(percorso_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(testo);
    return file.commit();
}

void FileStatistiche::TogliTemporanei() {
    QLockFile blocco(percorso_ + QStringLiteral(".lock"));
    // Held: some copy is saving now, and its temporary file is not abandoned.
    if (!blocco.tryLock(0)) return;
    // The names a save gives its temporary file: ours, a dot and six letters or digits.
    static const QRegularExpression nomeTemporaneo(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(NomeFile) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QFileInfo info(percorso_);
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-EtaTemporaneoAbbandonato);
    for (const QFileInfo& f : info.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!nomeTemporaneo.match(f.fileName()).hasMatch() || f.isSymLink() || !f.isFile())
            continue;
        // A copy of an earlier version saves without the lock: its temporary file is recent.
        if (f.lastModified().toUTC() <= limite) QFile::remove(f.filePath());
    }
}

} // namespace brivetta
