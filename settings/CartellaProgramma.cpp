#include "CartellaProgramma.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace brivetta {

namespace fs = std::filesystem;

namespace {

constexpr const char* NomeCartellaUtente = "brivetta";
constexpr int TentativiProva = 8;

std::string Minuscolo(std::string testo) {
    std::transform(testo.begin(), testo.end(), testo.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return testo;
}

// An absolute path without "." or ".." and without a trailing separator, so that its file name is
// the folder's own name.
fs::path Normalizza(const fs::path& cartella) {
    std::error_code ec;
    fs::path assoluta = fs::absolute(cartella, ec);
    fs::path risultato = (ec ? cartella : assoluta).lexically_normal();
    if (risultato.filename().empty() && risultato.has_parent_path())
        risultato = risultato.parent_path();
    return risultato;
}

// The settings belong to each player; the program itself and hidden files are no shared data.
bool SoloDelGiocatore(const fs::directory_entry& voce) {
    const std::string nome = voce.path().filename().string();
    if (nome.empty() || nome.front() == '.') return true;
    const std::string minuscolo = Minuscolo(nome);
    if (minuscolo == "brivetta.ini" || minuscolo == "brivetta.bak") return true;
    std::error_code ec;
    const fs::file_status stato = voce.status(ec);
    if (ec || !fs::is_regular_file(stato)) return false;
    constexpr fs::perms esecuzione =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (stato.permissions() & esecuzione) != fs::perms::none;
}

std::optional<fs::path> CartellaDatiUtente(const AmbienteCartella& ambiente) {
    // Relative values are to be ignored, as for every XDG base folder.
    const auto assoluta = [](const std::optional<std::string>& valore) {
        return valore && !valore->empty() && fs::path(*valore).is_absolute();
    };
    const auto xdg = ambiente.variabile("XDG_DATA_HOME");
    if (assoluta(xdg)) return Normalizza(fs::path(*xdg) / NomeCartellaUtente);
    const auto casa = ambiente.variabile("HOME");
    if (assoluta(casa))
        return Normalizza(fs::path(*casa) / ".local" / "share" / NomeCartellaUtente);
    return std::nullopt;
}

// A link left behind by an installation that has moved: it points at an entry of the same name in
// a folder named like the program's, and that entry is gone. Replacing it repairs the game; a
// player's own link has no reason to look like that.
bool CollegamentoOrfano(const fs::path& collegamento, const fs::path& origine) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(collegamento, ec))) return false;
    if (fs::status(collegamento, ec).type() != fs::file_type::not_found) return false;
    const fs::path bersaglio = fs::read_symlink(collegamento, ec);
    if (ec) return false;
    return bersaglio.filename() == collegamento.filename() &&
           bersaglio.parent_path().filename() == origine.filename();
}

bool Collega(const fs::directory_entry& voce, const fs::path& destinazione,
             const fs::path& origine) {
    std::error_code ec;
    const fs::path collegamento = destinazione / voce.path().filename();
    const fs::file_status esistente = fs::symlink_status(collegamento, ec);
    if (esistente.type() != fs::file_type::not_found) {
        if (esistente.type() == fs::file_type::none) return false; // cannot even look
        if (!CollegamentoOrfano(collegamento, origine)) return true;
        if (!fs::remove(collegamento, ec) || ec) return false;
    }
    if (voce.is_directory(ec))
        fs::create_directory_symlink(voce.path(), collegamento, ec);
    else
        fs::create_symlink(voce.path(), collegamento, ec);
    // Another copy of the game starting at the same moment may have made it first.
    return !ec || ec == std::errc::file_exists;
}

} // namespace

AmbienteCartella AmbienteDiSistema() {
    return {[](const std::string& nome) -> std::optional<std::string> {
                const char* valore = std::getenv(nome.c_str());
                if (valore == nullptr) return std::nullopt;
                return std::string(valore);
            },
            CartellaScrivibile};
}

bool CartellaScrivibile(const fs::path& cartella) {
    static std::atomic<unsigned> contatore{0};
    std::error_code ec;
    if (!fs::is_directory(cartella, ec)) return false;
    const auto istante = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int tentativo = 0; tentativo < TentativiProva; ++tentativo) {
        const fs::path prova = cartella / (".brivetta-prova-" + std::to_string(istante) + "-" +
                                           std::to_string(contatore++) + ".tmp");
        // "x": fail rather than touch a file that already exists.
        std::FILE* file = std::fopen(prova.c_str(), "wx");
        if (file == nullptr) {
            if (fs::exists(fs::symlink_status(prova, ec))) continue;
            return false;
        }
        std::fclose(file);
        fs::remove(prova, ec);
        return true;
    }
    return false;
}

fs::path PreparaCartellaProgramma(const fs::path& cartellaEseguibile,
                                  const AmbienteCartella& ambiente) {
    const fs::path origine = Normalizza(cartellaEseguibile);
    if (ambiente.scrivibile(origine)) return origine;

    const auto utente = CartellaDatiUtente(ambiente);
    if (!utente || *utente == origine) return origine;
    const fs::path destinazione = *utente;

    std::error_code ec;
    fs::create_directories(destinazione, ec);
    if (ec || !fs::is_directory(destinazione, ec) || !ambiente.scrivibile(destinazione))
        return origine;

    fs::directory_iterator voce(origine, ec);
    if (ec) return origine;
    for (; voce != fs::directory_iterator(); voce.increment(ec)) {
        if (SoloDelGiocatore(*voce)) continue;
        if (!Collega(*voce, destinazione, origine)) return origine;
    }
    if (ec) return origine;
    return destinazione;
}

} // namespace brivetta
