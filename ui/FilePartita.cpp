#include "FilePartita.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brivetta {

namespace {
const QString NomeFile = QStringLiteral("partita.json");
const QString Formato = QStringLiteral("brivetta-partita");
constexpr int Versione = 1;
constexpr qint64 MassimaDimensione = 16 * 1024 * 1024; // a game keeps a few kilobytes

// Texts go as their bytes: a name read from an older settings file need not be UTF-8.
QJsonValue Byte(const std::string& testo) {
    return QString::fromLatin1(
        QByteArray::fromStdString(testo).toBase64(QByteArray::Base64Encoding));
}
std::optional<std::string> DaByte(const QJsonValue& v) {
    if (!v.isString()) return std::nullopt;
    const auto r = QByteArray::fromBase64Encoding(v.toString().toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    if (!r) return std::nullopt;
    return r.decoded.toStdString();
}

QJsonObject Scelte(const Impostazioni& i) {
    return {{"nome", Byte(i.Nome)},
            {"bluff", i.Bluff},
            {"velocita", i.VelocitaCarta},
            {"doppia", i.VincitaDoppia},
            {"personaggio", i.Personaggio},
            {"malloppo", i.MalloppoIniziale},
            {"suono", i.Suono},
            {"carte", Byte(i.Carte)},
            {"nomeNelFile", Byte(i.NomeNelFile)},
            {"suonoNelFile", i.SuonoNelFile}};
}

std::optional<Intero> Intero16(const QJsonValue& v) {
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d != static_cast<double>(static_cast<Intero>(d))) return std::nullopt;
    return static_cast<Intero>(d);
}

std::optional<Impostazioni> DaScelte(const QJsonObject& o) {
    Impostazioni i;
    const auto nome = DaByte(o["nome"]), carte = DaByte(o["carte"]),
               nomeNelFile = DaByte(o["nomeNelFile"]);
    const auto bluff = Intero16(o["bluff"]), velocita = Intero16(o["velocita"]),
               personaggio = Intero16(o["personaggio"]), malloppo = Intero16(o["malloppo"]),
               suonoNelFile = Intero16(o["suonoNelFile"]);
    if (!nome || !carte || !nomeNelFile || !bluff || !velocita || !personaggio || !malloppo ||
        !suonoNelFile || !o["doppia"].isBool() || !o["suono"].isBool())
        return std::nullopt;
    i.Nome = *nome;
    i.Carte = *carte;
    i.NomeNelFile = *nomeNelFile;
    i.Bluff = *bluff;
    i.VelocitaCarta = *velocita;
    i.Personaggio = *personaggio;
    i.MalloppoIniziale = *malloppo;
    i.SuonoNelFile = *suonoNelFile;
    i.VincitaDoppia = o["doppia"].toBool();
    i.Suono = o["suono"].toBool();
    return i;
}

const char* const Tipi[] = {"gioca", "rispondi", "impostazioni", "altezza", "conteggio", "attesa"};
constexpr int NumTipi = 6;

QByteArray Riga(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<QJsonObject> Oggetto(const QByteArray& riga) {
    QJsonParseError errore{};
    const QJsonDocument d = QJsonDocument::fromJson(riga, &errore);
    if (errore.error != QJsonParseError::NoError || !d.isObject()) return std::nullopt;
    return d.object();
}

// A passage read back; `prima` is the statistics' count written beside a moment.
std::optional<Passaggio> DaRiga(const QJsonObject& o, int& prima) {
    Passaggio p;
    const QString tipo = o["p"].toString();
    int indice = 0;
    while (indice < NumTipi && tipo != QLatin1String(Tipi[indice]))
        ++indice;
    if (indice == NumTipi || !o["n"].isArray()) return std::nullopt;
    p.Cosa = static_cast<Passaggio::Tipo>(indice);
    for (const QJsonValue n : o["n"].toArray()) {
        if (!n.isDouble() || n.toDouble() < 0 || n.toDouble() >= 1) return std::nullopt;
        p.Numeri.push_back(n.toDouble());
    }
    const QJsonValue valore = o["v"];
    if (!valore.isUndefined()) {
        if (!valore.isDouble() || valore.toDouble() != static_cast<int>(valore.toDouble()))
            return std::nullopt;
        p.Valore = static_cast<int>(valore.toDouble());
    }
    switch (p.Cosa) {
    case Passaggio::Tipo::Gioca: {
        const int a = o["a"].toInt(-1);
        if (a < 0 || a > static_cast<int>(Azione::Posta)) return std::nullopt;
        p.Mossa = static_cast<Azione>(a);
        break;
    }
    case Passaggio::Tipo::Impostazioni: {
        const auto scelte = DaScelte(o["s"].toObject());
        if (!scelte) return std::nullopt;
        p.Scelte = *scelte;
        break;
    }
    case Passaggio::Tipo::Conteggio:
        if (p.Valore < 0 || p.Valore > static_cast<int>(Conteggio::PartitaFinita) ||
            !o["prima"].isDouble())
            return std::nullopt;
        prima = o["prima"].toInt();
        break;
    default:
        break;
    }
    return p;
}
} // namespace

// Passes on, while the record is played again, the moments the statistics have not counted.
class FilePartita::Filtro : public Cronaca {
  public:
    Filtro(FilePartita& file, Cronaca& statistiche) : file_(file), statistiche_(statistiche) {}
    void PartitaIniziata(const StatoTavolo& s) override {
        if (DaContare(Conteggio::PartitaIniziata)) statistiche_.PartitaIniziata(s);
    }
    void MancheSaldata(const StatoTavolo& s) override {
        if (DaContare(Conteggio::MancheSaldata)) statistiche_.MancheSaldata(s);
    }
    void PartitaFinita(const StatoTavolo& s) override {
        if (DaContare(Conteggio::PartitaFinita)) statistiche_.PartitaFinita(s);
    }

  private:
    bool DaContare(Conteggio c) {
        auto& prima = file_.conteggiPrima_;
        if (prima.empty() || !file_.contatore) return true;
        const int atteso = prima.front();
        prima.pop_front();
        // Counted already when the statistics have moved past the count written before it.
        return file_.contatore(c) <= atteso;
    }
    FilePartita& file_;
    Cronaca& statistiche_;
};

FilePartita::FilePartita(const QString& cartella)
    : percorso_(QDir(cartella.isEmpty() ? QDir::currentPath() : cartella).filePath(NomeFile)) {
    const QByteArray blocco = QFile::encodeName(percorso_ + QStringLiteral(".lock"));
    blocco_ =
        ::open(blocco.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    struct stat info {};
    if (blocco_ >= 0 && ::fstat(blocco_, &info) == 0 && S_ISREG(info.st_mode))
        custode_ = ::flock(blocco_, LOCK_EX | LOCK_NB) == 0;
}

FilePartita::~FilePartita() {
    if (blocco_ >= 0) ::close(blocco_); // the lock goes with it
}

Cronaca& FilePartita::CronacaRipresa(Cronaca& statistiche) {
    filtro_ = std::make_unique<Filtro>(*this, statistiche);
    return *filtro_;
}

FilePartita::Esito FilePartita::Leggi(RegistroPartita& registro) {
    if (!custode_) return Esito::Nessuna;
    const QFileInfo info(percorso_);
    if (!info.exists() && !info.isSymLink()) return Esito::Nessuna;
    QFile file(percorso_);
    QByteArray testo;
    bool letto =
        info.isFile() && info.size() <= MassimaDimensione && file.open(QIODevice::ReadOnly);
    if (letto) {
        testo = file.read(MassimaDimensione + 1);
        letto = file.error() == QFileDevice::NoError && testo.size() <= MassimaDimensione;
    }
    QList<QByteArray> righe = testo.split('\n');
    righe.removeLast(); // a line the writer had not finished: the last action had not happened
    RegistroPartita letta;
    std::deque<int> conteggi;
    std::vector<QByteArray> passaggi;
    const auto intestazione = letto && righe.size() >= 2 ? Oggetto(righe[0]) : std::nullopt;
    const auto base = intestazione ? Oggetto(righe[1]) : std::nullopt;
    bool valido = intestazione && base && (*intestazione)["formato"].toString() == Formato &&
                  (*intestazione)["versione"].toInt() == Versione;
    if (valido) {
        const QJsonObject b = (*base)["base"].toObject();
        for (const QJsonValue n : b["n"].toArray())
            letta.Base.Numeri.push_back(n.toInteger());
        for (const QJsonValue t : b["t"].toArray()) {
            const auto s = DaByte(t);
            valido = valido && s;
            if (s) letta.Base.Testi.push_back(*s);
        }
        valido = valido && !letta.Base.Numeri.empty();
    }
    for (qsizetype i = 2; valido && i < righe.size(); ++i) {
        const auto o = Oggetto(righe[i]);
        int prima = -1;
        const auto p = o ? DaRiga(*o, prima) : std::nullopt;
        valido = p.has_value();
        if (!valido) break;
        letta.Passaggi.push_back(*p);
        passaggi.push_back(righe[i]);
        if (p->Cosa == Passaggio::Tipo::Conteggio) conteggi.push_back(prima);
    }
    if (!valido) {
        MettiDaParte();
        return Esito::Danneggiata;
    }
    registro = letta;
    base_ = letta.Base;
    righe_ = std::move(passaggi);
    conteggiPrima_ = std::move(conteggi);
    inCorso_ = suDisco_ = true;
    RiscriviTutto(); // without the torn line, so that what follows is appended to whole ones
    return Esito::Ripresa;
}

void FilePartita::MettiDaParte() {
    const QString daParte = PercorsoDanneggiato();
    QFile::remove(daParte);
    QFile::rename(percorso_, daParte);
    suDisco_ = inCorso_ = false;
    righe_.clear();
    conteggiPrima_.clear();
}

void FilePartita::Cancella() {
    if (!custode_) return;
    QFile::remove(percorso_);
    suDisco_ = inCorso_ = false;
    righe_.clear();
}

void FilePartita::NuovaBase(const Istantanea& base, bool inCorso) {
    if (!custode_) return;
    base_ = base;
    righe_.clear();
    inCorso_ = inCorso;
    if (inCorso_)
        suDisco_ = RiscriviTutto();
    else if (suDisco_ || QFileInfo::exists(percorso_))
        Cancella();
}

void FilePartita::Aggiungi(const Passaggio& p) {
    if (!custode_) return;
    QJsonObject o{{"p", QLatin1String(Tipi[static_cast<int>(p.Cosa)])}};
    QJsonArray numeri;
    for (double n : p.Numeri)
        numeri.append(n);
    o.insert("n", numeri);
    if (p.Valore != 0) o.insert("v", p.Valore);
    if (p.Cosa == Passaggio::Tipo::Gioca) o.insert("a", static_cast<int>(p.Mossa));
    if (p.Cosa == Passaggio::Tipo::Impostazioni) o.insert("s", Scelte(p.Scelte));
    if (p.Cosa == Passaggio::Tipo::Conteggio)
        o.insert("prima", contatore ? contatore(static_cast<Conteggio>(p.Valore)) : 0);
    const QByteArray riga = Riga(o);
    righe_.push_back(riga);
    // A game starts with a new game asked at the idle table; until then nothing is kept.
    if (p.Cosa == Passaggio::Tipo::Gioca && p.Mossa == Azione::NuovaPartita) inCorso_ = true;
    if (!inCorso_) return;
    suDisco_ = suDisco_ ? Accoda(riga) : RiscriviTutto();
}

bool FilePartita::RiscriviTutto() {
    QJsonArray numeri, testi;
    for (std::int64_t n : base_.Numeri)
        numeri.append(static_cast<qint64>(n));
    for (const std::string& t : base_.Testi)
        testi.append(Byte(t));
    QByteArray tutto = Riga({{"formato", Formato}, {"versione", Versione}}) + '\n' +
                       Riga({{"base", QJsonObject{{"n", numeri}, {"t", testi}}}}) + '\n';
    for (const QByteArray& r : righe_)
        tutto += r + '\n';
    QSaveFile file(percorso_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(tutto);
    return file.commit(); // synced to the disk before it takes the old file's place
}

bool FilePartita::Accoda(const QByteArray& riga) {
    QFile file(percorso_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const bool scritto = file.write(riga + '\n') == riga.size() + 1 && file.flush();
    return scritto && ::fsync(file.handle()) == 0;
}

} // namespace brivetta
