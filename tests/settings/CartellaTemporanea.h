#pragma once
// A fresh folder under the system's temporary folder, or another, removed with everything in it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace brivetta::test {

class CartellaTemporanea {
  public:
    explicit CartellaTemporanea(
        const std::filesystem::path& dentro = std::filesystem::temp_directory_path()) {
        std::string modello = (dentro / "brivetta-XXXXXX").string();
        if (::mkdtemp(modello.data()) == nullptr) std::abort();
        cartella_ = modello;
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(cartella_, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::filesystem::path& operator()() const { return cartella_; }
    std::filesystem::path operator/(const std::string& nome) const { return cartella_ / nome; }

    // Paths are taken within the folder; an absolute path is taken as it is.
    void Scrivi(const std::filesystem::path& nome, const std::string& byte) const {
        const auto file = cartella_ / nome;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << byte;
    }
    std::string Leggi(const std::filesystem::path& nome) const {
        std::ifstream in(cartella_ / nome, std::ios::binary);
        std::ostringstream t;
        t << in.rdbuf();
        return t.str();
    }
    void Cartella(const std::string& nome) const {
        std::filesystem::create_directories(cartella_ / nome);
    }

  private:
    std::filesystem::path cartella_;
};

} // namespace brivetta::test
