#include "InsiemiCarte.h"

#include <system_error>

#include "CercaFile.h"
#include "FileImpostazioni.h"

namespace brivetta {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view EstensioneImmagine = ".gif";

bool FileOrdinario(const fs::directory_entry& voce) {
    std::error_code ec;
    return voce.is_regular_file(ec); // follows links, as opening the picture does
}
} // namespace

bool NomeInsiemeSemplice(std::string_view carte) {
    return !carte.empty() && carte != "." && carte != ".." &&
           carte.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

fs::path CartellaInsieme(const fs::path& cartellaProgramma, const std::string& carte) {
    if (!NomeInsiemeSemplice(carte)) return {};
    std::error_code ec;
    const fs::path esatto = cartellaProgramma / carte;
    if (fs::is_directory(esatto, ec)) return esatto;
    // Another spelling of the same name; the first folder among them.
    fs::directory_iterator it(cartellaProgramma, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code ecVoce;
        if (UgualeSenzaMaiuscole(it->path().filename().native(), carte) && it->is_directory(ecVoce))
            return it->path();
    }
    return {};
}

bool ControllaCarte(std::string& carte, const fs::path& cartellaProgramma) {
    const fs::path cartella = CartellaInsieme(cartellaProgramma, carte);
    bool conFile = false;
    if (!cartella.empty()) {
        std::error_code ec;
        fs::directory_iterator it(cartella, ec);
        for (; !ec && it != fs::directory_iterator() && !conFile; it.increment(ec))
            conFile = it->path().filename().native().front() != '.' && FileOrdinario(*it);
    }
    if (conFile || carte == MazzoPredefinito) return false;
    carte = MazzoPredefinito;
    return true;
}

fs::path TrovaFileCarta(const fs::path& cartellaInsieme, int indice) {
    if (indice < PrimaImmagine || indice > UltimaImmagine) return {};
    const char cifre[2] = {static_cast<char>('0' + indice / 10),
                           static_cast<char>('0' + indice % 10)};
    const std::string_view prefisso(cifre, 2);
    std::error_code ec;
    fs::directory_iterator it(cartellaInsieme, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string nome = it->path().filename().native();
        if (nome.size() < prefisso.size() + EstensioneImmagine.size()) continue;
        if (std::string_view(nome).substr(0, 2) != prefisso) continue;
        if (!UgualeSenzaMaiuscole(
                std::string_view(nome).substr(nome.size() - EstensioneImmagine.size()),
                EstensioneImmagine))
            continue;
        if (FileOrdinario(*it)) return it->path();
    }
    return {};
}

std::vector<std::string> ElencaMazzi(const fs::path& cartellaProgramma) {
    std::vector<std::string> mazzi;
    std::error_code ec;
    fs::directory_iterator it(cartellaProgramma, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string nome = it->path().filename().native();
        if (nome.find('.') == std::string::npos) mazzi.push_back(nome);
    }
    return mazzi;
}

int IndiceMazzo(const std::vector<std::string>& mazzi, const std::string& carte) {
    for (std::size_t i = 0; i < mazzi.size(); ++i)
        if (mazzi[i] == carte) return static_cast<int>(i);
    return -1;
}

} // namespace brivetta
