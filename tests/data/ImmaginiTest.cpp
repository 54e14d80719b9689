// The window pictures compiled in as resources: the resource list matches the folder.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "LeggiFile.h"

namespace {

using namespace dati;

const fs::path CartellaImmagini = CartellaUi / "immagini";

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
