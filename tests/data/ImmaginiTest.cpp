// The window pictures compiled in as resources: each at its size and at exactly double for
// high-density screens, the program's icon at every size, and the resource list matching the
// folder.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "LeggiFile.h"

namespace {

using namespace dati;

const fs::path CartellaImmagini = CartellaUi / "immagini";

using Misura = std::pair<std::uint32_t, std::uint32_t>;

// The size in the header, or 0 x 0 when the file is missing or not a whole PNG (no signature,
// header chunk not first, not ending on the end chunk).
Misura MisuraPng(const std::string& nome) {
    const std::string b = LeggiFile(CartellaImmagini / nome);
    if (b.size() < 57 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        b.compare(12, 4, "IHDR") != 0 || b.compare(b.size() - 8, 4, "IEND") != 0)
        return {0, 0};
    return {Be32(b, 16), Be32(b, 20)};
}

struct Immagine {
    std::string nome;
    Misura misura; // at 1x
};

std::vector<Immagine> ImmaginiDelleFinestre() {
    std::vector<Immagine> v = {
        {"nuova", {20, 20}},      {"scoperta", {20, 20}},
        {"coperta", {20, 20}},    {"stop", {20, 20}},
        {"monete", {135, 18}},    {"turno", {48, 65}},
        {"ok", {24, 24}},         {"annulla", {24, 24}},
        {"fine_gioco", {24, 24}}, {"altra_partita", {24, 24}},
        {"mano", {32, 32}},       {"decoro", {32, 32}},
    };
    for (const std::string umore : {"felice", "triste"}) {
        for (int posto = 2; posto <= 6; ++posto)
            v.push_back({"faccia_" + std::to_string(posto) + "_" + umore, {34, 34}});
        for (int p = 0; p <= 7; ++p)
            v.push_back({"personaggio_" + std::to_string(p) + "_" + umore, {34, 34}});
    }
    return v;
}

TEST(Immagini, OgniImmagineAllaSuaMisuraEAlDoppio) {
    for (const auto& [nome, misura] : ImmaginiDelleFinestre()) {
        EXPECT_EQ(MisuraPng(nome + ".png"), misura) << nome;
        EXPECT_EQ(MisuraPng(nome + "@2x.png"), Misura(2 * misura.first, 2 * misura.second)) << nome;
    }
    for (const std::uint32_t lato : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(MisuraPng("brivetta-" + std::to_string(lato) + ".png"), Misura(lato, lato));
    EXPECT_NE(LeggiFile(CartellaImmagini / "brivetta.svg").find("<svg"), std::string::npos);
}

TEST(Immagini, LElencoDelleRisorseNominaUnaVoltaOgniFileDellaCartella) {
    const std::string qrc = LeggiFile(CartellaUi / "immagini.qrc");
    EXPECT_NE(qrc.find("<qresource prefix=\"/immagini\">"), std::string::npos);
    const std::regex voce(R"re(<file\s+alias="([^"]+)"\s*>\s*immagini/([^<\s]+)\s*</file>)re");
    std::multiset<std::string> elencati;
    for (std::sregex_iterator f(qrc.begin(), qrc.end(), voce), fine; f != fine; ++f) {
        // The alias is the bare name, so that ":/immagini/nuova.png" also finds "nuova@2x.png".
        EXPECT_EQ((*f)[1], (*f)[2]);
        elencati.insert((*f)[2]);
    }
    std::set<std::string> nellaCartella;
    for (const auto& file : fs::directory_iterator(CartellaImmagini))
        nellaCartella.insert(file.path().filename().string());
    for (const auto& nome : nellaCartella)
        EXPECT_EQ(elencati.count(nome), 1U) << nome;
    for (const auto& nome : elencati)
        EXPECT_TRUE(nellaCartella.count(nome)) << "listed but missing: " << nome;
}

} // namespace
