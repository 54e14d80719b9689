#include "FileImpostazioni.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <fstream>
#include <string_view>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CercaFile.h"

namespace brivetta {

namespace fs = std::filesystem;

namespace {

// Ranges and defaults of the numeric settings.
constexpr Intero BluffMin = 1, BluffMax = 10, BluffDefault = 5;
constexpr Intero VelocitaMin = 1, VelocitaMax = 100, VelocitaDefault = 5;
constexpr Intero MalloppoMin = 40, MalloppoMax = 100, MalloppoDefault = 50;
constexpr Intero PersonaggioMax = 7;
constexpr Intero SuonoDefault = 1;

// A save holds the lock for a few milliseconds; one that waits longer gives up (20 x 10 ms),
// since the window cannot answer while it waits.
constexpr int TentativiBlocco = 20;
constexpr std::chrono::milliseconds PausaBlocco(10);

constexpr std::string_view Fine = "\r\n";
constexpr std::string_view Commento1 = "; File di inizializzazione per Brivetta";
constexpr std::string_view Commento2 = "; Non manomettere assolutamente queste righe!";

enum class Chiave {
    Giocatore1,
    Bluff,
    VelocitaCarta,
    VincitaDoppia,
    Personaggio,
    MalloppoIniziale,
    Suono,
    Carte
};

struct VoceChiave {
    std::string_view testo; // the key immediately followed by "="
    Chiave chiave;
};

// Tried in this order; the first one found anywhere in a line decides, so a line holding both
// "Giocatore1=" and "Bluff=" is a name line.
constexpr std::array<VoceChiave, 8> Chiavi{{
    {"Giocatore1=", Chiave::Giocatore1},
    {"Bluff=", Chiave::Bluff},
    {"VelocitaCarta=", Chiave::VelocitaCarta},
    {"VincitaDoppia=", Chiave::VincitaDoppia},
    {"Personaggio=", Chiave::Personaggio},
    {"MalloppoIniziale=", Chiave::MalloppoIniziale},
    {"Suono=", Chiave::Suono},
    {"Carte=", Chiave::Carte},
}};

// The blanks in front of a value are never kept (see Riga); those behind it go here.
std::string_view TogliBlankInCoda(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

// Leading-number reading: optional sign, digits, optional fraction; whatever follows is
// ignored and no number at all reads as 0. The result is rounded to the nearest integer, an
// exact half to the even neighbour. Empty when the value does not fit 16 bits. Worked on the
// decimal digits themselves, so 6.5 is an exact half and 6.5000001 is not.
std::optional<Intero> NumeroIniziale(std::string_view v) {
    std::size_t i = 0;
    bool negativo = false;
    if (i < v.size() && (v[i] == '+' || v[i] == '-')) negativo = v[i++] == '-';
    long intero = 0;
    int cifreSignificative = 0;
    for (; i < v.size() && Cifra(v[i]); ++i) {
        if (cifreSignificative == 0 && v[i] == '0') continue; // leading zeros
        if (++cifreSignificative > 5) {
            // Beyond 99999 it is out of 16 bits whatever follows; skip the remaining digits.
            return std::nullopt;
        }
        intero = intero * 10 + (v[i] - '0');
    }
    int primaDecimale = 0;
    bool restoNonZero = false;
    if (i < v.size() && v[i] == '.') {
        ++i;
        if (i < v.size() && Cifra(v[i])) primaDecimale = v[i++] - '0';
        for (; i < v.size() && Cifra(v[i]); ++i)
            if (v[i] != '0') restoNonZero = true;
    }
    if (primaDecimale > 5 || (primaDecimale == 5 && (restoNonZero || intero % 2 == 1))) ++intero;
    const long valore = negativo ? -intero : intero;
    if (valore < INT16_MIN || valore > INT16_MAX) return std::nullopt;
    return static_cast<Intero>(valore);
}

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the byte there does not
// start one (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t SequenzaUtf8(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = b(i);
    if (c < 0x80) return 1;
    std::size_t n;
    unsigned minimo, codice;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2, minimo = 0x80, codice = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3, minimo = 0x800, codice = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4, minimo = 0x10000, codice = c & 0x07;
    else
        return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        codice = (codice << 6) | (b(i + k) & 0x3F);
    }
    if (codice < minimo || codice > 0x10FFFF || (codice >= 0xD800 && codice <= 0xDFFF)) return 0;
    return n;
}

// Valid UTF-8 is kept; every other byte is read as the Latin-1 character of that code.
std::string TestoUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (const std::size_t n = SequenzaUtf8(s, i)) {
            out.append(s.substr(i, n));
            i += n;
        } else {
            const auto c = static_cast<unsigned char>(s[i++]);
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

// Keeps the first `n` characters; a byte outside any valid sequence counts as one.
void TagliaCaratteri(std::string& s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t contati = 0; i < s.size() && contati < n; ++contati) {
        const std::size_t lung = SequenzaUtf8(s, i);
        i += lung ? lung : 1;
    }
    s.resize(i);
}

Intero Predefinito(Chiave k) {
    switch (k) {
    case Chiave::Bluff:
        return BluffDefault;
    case Chiave::VelocitaCarta:
        return VelocitaDefault;
    case Chiave::MalloppoIniziale:
        return MalloppoDefault;
    case Chiave::Suono:
        return SuonoDefault;
    default:
        return 0;
    }
}

Intero& Campo(Impostazioni& s, Chiave k) {
    switch (k) {
    case Chiave::Bluff:
        return s.Bluff;
    case Chiave::VelocitaCarta:
        return s.VelocitaCarta;
    case Chiave::Personaggio:
        return s.Personaggio;
    default:
        return s.MalloppoIniziale;
    }
}

void LeggiValore(Impostazioni& s, Chiave chiave, std::string_view valore) {
    switch (chiave) {
    case Chiave::Giocatore1:
        s.Nome = TestoUtf8(valore);
        s.NomeNelFile = std::string(valore);
        break;
    case Chiave::Carte:
        s.Carte = std::string(valore);
        break;
    default: {
        // A number that does not fit 16 bits is out of range: the key's default.
        const auto numero = NumeroIniziale(valore);
        const Intero n = numero ? *numero : Predefinito(chiave);
        if (chiave == Chiave::VincitaDoppia) {
            s.VincitaDoppia = n == 1; // any other number is out of range: off
        } else if (chiave == Chiave::Suono) {
            s.Suono = n != 0;
            s.SuonoNelFile = s.Suono ? n : SuonoDefault;
        } else {
            Campo(s, chiave) = n;
        }
    }
    }
}

// The longest key without its "=": the bytes before an "=" that can still complete a key.
constexpr std::size_t LunghezzaChiave = [] {
    std::size_t n = 0;
    for (const auto& voce : Chiavi)
        n = std::max(n, voce.testo.size() - 1);
    return n;
}();

// One line as it goes by, byte after byte: the keys it holds and the value after its first
// "=". Only the last bytes before the current one and the first bytes of the value are kept,
// so a line of any length is read in the same small memory.
class Riga {
  public:
    Riga() {
        coda_.reserve(CapacitaCoda);
        valore_.reserve(LunghezzaMassimaValore);
    }

    void Aggiungi(char c) {
        if (nelValore_) {
            if (valore_.empty() && c == ' ') {
                // leading blanks are no part of the value
            } else if (valore_.size() < LunghezzaMassimaValore) {
                valore_.push_back(c);
            } else if (c != ' ') {
                tagliato_ = true;
            }
        }
        if (c == '=') {
            for (std::size_t k = 0; k < Chiavi.size(); ++k) {
                const std::string_view nome = Chiavi[k].testo.substr(0, Chiavi[k].testo.size() - 1);
                if (coda_.size() >= nome.size() &&
                    std::string_view(coda_).substr(coda_.size() - nome.size()) == nome)
                    trovate_[k] = true;
            }
            // The value follows the first "=" of the line, which may come before the key.
            nelValore_ = true;
        }
        if (coda_.size() == CapacitaCoda) coda_.erase(0, CapacitaCoda - LunghezzaChiave);
        coda_.push_back(c);
    }

    // The line has ended: the first key in the search order that it holds takes the value.
    void Chiudi(Impostazioni& s) {
        for (std::size_t k = 0; k < Chiavi.size(); ++k) {
            if (!trovate_[k]) continue;
            std::string_view valore = valore_;
            if (!tagliato_) valore = TogliBlankInCoda(valore);
            LeggiValore(s, Chiavi[k].chiave, valore);
            break;
        }
        Scarta();
    }

    void Scarta() {
        coda_.clear();
        valore_.clear();
        trovate_ = {};
        nelValore_ = tagliato_ = false;
    }

  private:
    // Room for several keys' worth of bytes, so that the oldest are dropped only now and then.
    static constexpr std::size_t CapacitaCoda = 4 * LunghezzaChiave;
    std::string coda_; // the last bytes of the line
    std::array<bool, Chiavi.size()> trovate_{};
    bool nelValore_ = false; // an "=" has gone by
    std::string valore_;     // its first bytes, leading blanks skipped
    bool tagliato_ = false;  // a byte other than a blank came after them
};

void FuoriIntervallo(Intero& campo, Intero minimo, Intero massimo, Intero predefinito) {
    if (campo < minimo || campo > massimo) campo = predefinito;
}

// A sign position in front (blank for zero and positive) and one blank behind: " 5 ", "-3 ".
std::string Numero(Intero n) {
    const int v = n;
    std::array<char, 8> testo{}; // sign, the five digits of -32768, blank
    testo[0] = v < 0 ? '-' : ' ';
    char* fine =
        std::to_chars(testo.data() + 1, testo.data() + testo.size() - 1, v < 0 ? -v : v).ptr;
    *fine++ = ' ';
    return std::string(testo.data(), fine);
}

// The name as the file held it while it still reads as the name in use, so that an older
// editor's Latin-1 name is not rewritten in UTF-8 behind the player's back.
const std::string& NomeDaScrivere(const Impostazioni& s) {
    return TestoUtf8(s.NomeNelFile) == s.Nome ? s.NomeNelFile : s.Nome;
}

// A text value stays on its own line whatever it holds.
std::string SuUnaRiga(std::string testo) {
    for (char& c : testo)
        if (c == '\r' || c == '\n') c = ' ';
    return testo;
}

// The reason alone, to follow "Impossibile salvare le impostazioni in <folder>: ". The system
// says "Is a directory" for a folder where a file should be; the file's name tells the player
// which one to move away.
std::string Motivo(int errore, const fs::path& file) {
    if (errore == EISDIR) return file.filename().string() + " is a folder";
    return std::generic_category().message(errore);
}

// The folder as the player would look for it: absolute, without "." or ".." steps.
fs::path CartellaAssoluta(const fs::path& cartella) {
    std::error_code ec;
    fs::path assoluta = fs::absolute(cartella, ec).lexically_normal();
    if (ec) return cartella;
    if (assoluta.has_relative_path() && !assoluta.has_filename()) assoluta = assoluta.parent_path();
    return assoluta;
}

bool ScriviTutto(int fd, std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t n = ::write(fd, dati.data(), dati.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        dati.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Closes the file when it goes out of scope, which also releases a lock held on it.
struct Descrittore {
    explicit Descrittore(int f) : fd(f) {}
    ~Descrittore() {
        if (fd >= 0) ::close(fd);
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    const int fd;
};

// The file a save replaces: brivetta.ini itself or, when it is a link the player made, the
// file at the end of the link (and of any link it leads to), so that the link stays a link.
// A link to a missing file gets that file. Empty, with `errore` set, when the chain cannot be
// followed.
fs::path FileDaSostituire(fs::path file, int& errore) {
    constexpr int MassimoCollegamenti = 40; // as the system allows when it opens a path
    for (int passo = 0; passo < MassimoCollegamenti; ++passo) {
        struct stat voce {};
        if (::lstat(file.c_str(), &voce) != 0) {
            if (errno == ENOENT) return file;
            errore = errno;
            return {};
        }
        if (!S_ISLNK(voce.st_mode)) return file;
        std::error_code ec;
        const fs::path meta = fs::read_symlink(file, ec);
        if (ec) {
            errore = ec.value();
            return {};
        }
        file = file.parent_path() / meta; // an absolute target replaces the whole path
    }
    errore = ELOOP;
    return {};
}

// A settings file under another letter case may have been read at start-up; left beside the
// new brivetta.ini it would be a stale second copy. An entry that is brivetta.ini itself seen
// under another spelling (a file system that ignores case) stays; unlink leaves folders alone.
void TogliAltreMaiuscole(const fs::path& cartella) {
    struct stat nuovo {};
    if (::lstat((cartella / FileImpostazioni).c_str(), &nuovo) != 0) return;
    std::error_code ec;
    fs::directory_iterator it(cartella, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string nome = it->path().filename().native();
        struct stat voce {};
        if (nome == FileImpostazioni || !UgualeSenzaMaiuscole(nome, FileImpostazioni) ||
            ::lstat(it->path().c_str(), &voce) != 0)
            continue;
        if (voce.st_dev != nuovo.st_dev || voce.st_ino != nuovo.st_ino)
            ::unlink(it->path().c_str()); // brivetta.ini is already whole: a failure costs nothing
    }
}

} // namespace

void LeggiImpostazioni(Impostazioni& impostazioni, std::istream& ingresso) {
    std::streambuf* sorgente = ingresso ? ingresso.rdbuf() : nullptr;
    if (sorgente == nullptr) return;
    Riga riga;
    bool dopoCR = false; // the LF of a CR LF pair ends nothing more
    try {
        using Tratti = std::char_traits<char>;
        for (auto c = sorgente->sbumpc(); !Tratti::eq_int_type(c, Tratti::eof());
             c = sorgente->sbumpc()) {
            const char carattere = Tratti::to_char_type(c);
            if (carattere == '\n' && dopoCR) {
                dopoCR = false;
                continue;
            }
            dopoCR = carattere == '\r';
            if (carattere == '\r' || carattere == '\n')
                riga.Chiudi(impostazioni);
            else
                riga.Aggiungi(carattere);
        }
    } catch (...) {
        // The medium failed: the complete lines read so far count, the cut one does not.
        riga.Scarta();
    }
    riga.Chiudi(impostazioni);
}

std::optional<bool> LimitaImpostazioni(Impostazioni& s) {
    FuoriIntervallo(s.Personaggio, 0, PersonaggioMax, 0);
    FuoriIntervallo(s.VelocitaCarta, VelocitaMin, VelocitaMax, VelocitaDefault);
    FuoriIntervallo(s.MalloppoIniziale, MalloppoMin, MalloppoMax, MalloppoDefault);
    FuoriIntervallo(s.Bluff, BluffMin, BluffMax, BluffDefault);
    TagliaCaratteri(s.Nome, LunghezzaNomeFile);
    // Cut alike: a byte that is no UTF-8 is one character in both.
    TagliaCaratteri(s.NomeNelFile, LunghezzaNomeFile);
    // Also keeps every line that a save writes short enough to be read back whole.
    if (s.Carte.empty() || s.Carte.size() > LunghezzaMassimaCarte) s.Carte = MazzoPredefinito;
    // Suono has no range: any non-zero number plays sounds, but only 1 ticks the entry.
    if (!s.Suono) return false;
    if (s.SuonoNelFile == 1) return true;
    return std::nullopt;
}

std::optional<bool> CaricaImpostazioni(Impostazioni& impostazioni, const fs::path& cartella) {
    const fs::path file = CercaFile(cartella, FileImpostazioni);
    std::error_code ec;
    // Only an ordinary file is read: a folder, a pipe or a device of that name is no settings
    // file (a pipe would block the start-up for ever).
    if (!file.empty() && fs::is_regular_file(file, ec)) {
        std::ifstream ingresso(file, std::ios::binary);
        if (ingresso) LeggiImpostazioni(impostazioni, ingresso);
    }
    return LimitaImpostazioni(impostazioni);
}

std::string TestoImpostazioni(const Impostazioni& s) {
    std::string t;
    const auto riga = [&](std::string_view a, const std::string& b = {}) {
        t.append(a).append(b).append(Fine);
    };
    riga(Commento1);
    riga(Commento2);
    riga("Giocatore1=", SuUnaRiga(NomeDaScrivere(s)));
    riga("Bluff=", Numero(s.Bluff));
    riga("VelocitaCarta=", Numero(s.VelocitaCarta));
    riga("VincitaDoppia=", Numero(s.VincitaDoppia ? 1 : 0));
    riga("Personaggio=", Numero(s.Personaggio));
    riga("MalloppoIniziale=", Numero(s.MalloppoIniziale));
    riga("Suono=", Numero(!s.Suono ? 0 : s.SuonoNelFile != 0 ? s.SuonoNelFile : SuonoDefault));
    riga("Carte=", SuUnaRiga(s.Carte));
    return t;
}

EsitoSalvataggio SalvaImpostazioni(const Impostazioni& impostazioni, const fs::path& cartella) {
    EsitoSalvataggio esito;
    esito.Cartella = CartellaAssoluta(cartella);
    const auto fallitoPer = [&](std::string motivo) {
        esito.Riuscito = false;
        esito.Errore = std::move(motivo);
        return esito;
    };
    const auto fallito = [&](int errore, const fs::path& file) {
        return fallitoPer(Motivo(errore, file));
    };
    int errore = 0;
    const fs::path finale = FileDaSostituire(cartella / FileImpostazioni, errore);
    if (errore != 0) return fallito(errore, FileImpostazioni);
    // The new file is made beside the one it replaces: a rename cannot cross file systems.
    const fs::path cartellaFinale = finale.parent_path();
    const fs::path nuovo = cartellaFinale / FileImpostazioniNuovo;
    esito.Cartella = CartellaAssoluta(cartellaFinale);

    // Another copy of the game saving now would remove and rewrite this brivetta.bak halfway:
    // the saves take turns. The lock file is never removed, or a third copy could lock a new
    // file of that name while the second still holds the old one.
    // The game's window waits on this: another program must never hold it up. Opening does not
    // wait (a pipe of that name would block for ever), only an ordinary file is locked, and a
    // lock held longer than a save takes makes this save give up.
    const Descrittore blocco(::open((cartellaFinale / FileBlocco).c_str(),
                                    O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK,
                                    0666));
    if (blocco.fd < 0) return fallito(errno, FileBlocco);
    struct stat voceBlocco {};
    if (::fstat(blocco.fd, &voceBlocco) != 0) return fallito(errno, FileBlocco);
    if (!S_ISREG(voceBlocco.st_mode))
        return fallitoPer(std::string(FileBlocco) + " is not an ordinary file");
    for (int tentativo = 1; ::flock(blocco.fd, LOCK_EX | LOCK_NB) != 0; ++tentativo) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return fallito(errno, FileBlocco);
        if (tentativo == TentativiBlocco)
            return fallitoPer(std::string(FileBlocco) + " is held by another program");
        std::this_thread::sleep_for(PausaBlocco);
    }

    // A brivetta.bak left by a save cut short is removed rather than written through: it
    // might be a link to some other file.
    if (::unlink(nuovo.c_str()) != 0 && errno != ENOENT)
        return fallito(errno, FileImpostazioniNuovo);
    const int fd =
        ::open(nuovo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return fallito(errno, FileImpostazioniNuovo);

    // A file the player made private stays private.
    struct stat vecchio {};
    if (::stat(finale.c_str(), &vecchio) == 0 && S_ISREG(vecchio.st_mode) &&
        ::fchmod(fd, vecchio.st_mode & 07777) != 0)
        errore = errno;
    // The new contents must be on the disk before they take the old file's name.
    if (errore == 0 && (!ScriviTutto(fd, TestoImpostazioni(impostazioni)) || ::fsync(fd) != 0))
        errore = errno;
    if (::close(fd) != 0 && errore == 0) errore = errno;
    if (errore != 0) {
        ::unlink(nuovo.c_str());
        return fallito(errore, FileImpostazioniNuovo);
    }

    // One rename replaces the old file: there is no moment without a complete one.
    if (::rename(nuovo.c_str(), finale.c_str()) != 0) {
        errore = errno;
        ::unlink(nuovo.c_str());
        return fallito(errore, finale);
    }
    // Makes the rename itself durable; some file systems cannot sync a folder, which is no
    // reason to call the save failed.
    const Descrittore dir(::open(cartellaFinale.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) ::fsync(dir.fd);
    TogliAltreMaiuscole(cartella);
    return esito;
}

} // namespace brivetta
