// Any bytes as a settings file: the reader must neither crash nor hang, and every setting must
// come out in range. The file path is exercised too, through a real file in a private folder.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "FileImpostazioni.h"

namespace {

using namespace brivetta;

std::size_t Caratteri(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

void Controlla(const Impostazioni& s, const std::optional<bool>& spunta) {
    const bool ok = s.Bluff >= 1 && s.Bluff <= 10 && s.VelocitaCarta >= 1 &&
                    s.VelocitaCarta <= 100 && s.MalloppoIniziale >= 40 &&
                    s.MalloppoIniziale <= 100 && s.Personaggio >= 0 && s.Personaggio <= 7 &&
                    Caratteri(s.Nome) <= 8 && !s.Carte.empty() &&
                    s.Carte.size() <= LunghezzaMassimaCarte && s.SuonoNelFile != 0 &&
                    spunta == (!s.Suono              ? std::optional<bool>(false)
                               : s.SuonoNelFile == 1 ? std::optional<bool>(true)
                                                     : std::nullopt);
    if (!ok) std::abort();
}

const std::filesystem::path& Cartella() {
    static const std::filesystem::path cartella = [] {
        std::string modello =
            (std::filesystem::temp_directory_path() / "brivetta-fuzz-XXXXXX").string();
        if (::mkdtemp(modello.data()) == nullptr) std::abort();
        return std::filesystem::path(modello);
    }();
    return cartella;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string byte(reinterpret_cast<const char*>(dati), dimensione);

    Impostazioni memoria;
    std::istringstream ingresso(byte);
    LeggiImpostazioni(memoria, ingresso);
    Controlla(memoria, LimitaImpostazioni(memoria));

    std::ofstream(Cartella() / FileImpostazioni, std::ios::binary | std::ios::trunc) << byte;
    Impostazioni file;
    Controlla(file, CaricaImpostazioni(file, Cartella()));

    // The stream and the file give the same settings.
    if (memoria != file) std::abort();

    // Written back and read again, the settings stay the same (the name loses the blanks its
    // cut may have left at its end), unless the set's name holds a key: its line then counts
    // for that key, which comes earlier in the search order. The name's bytes read back are
    // those written: the ones read, or the name in UTF-8 when the file had none.
    if (!SalvaImpostazioni(file, Cartella()).Riuscito) std::abort();
    Impostazioni riletto;
    Controlla(riletto, CaricaImpostazioni(riletto, Cartella()));
    for (const char* chiave : {"Giocatore1=", "Bluff=", "VelocitaCarta=", "VincitaDoppia=",
                               "Personaggio=", "MalloppoIniziale=", "Suono="})
        if (file.Carte.find(chiave) != std::string::npos) return 0;
    Impostazioni atteso = file;
    const std::string testo = TestoImpostazioni(file);
    const std::string_view chiaveNome = "\r\nGiocatore1=";
    const std::size_t inizio = testo.find(chiaveNome) + chiaveNome.size();
    atteso.NomeNelFile = testo.substr(inizio, testo.find("\r\n", inizio) - inizio);
    for (std::string* nome : {&atteso.Nome, &atteso.NomeNelFile})
        while (!nome->empty() && nome->back() == ' ')
            nome->pop_back();
    if (riletto != atteso) std::abort();
    return 0;
}
