#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "InsiemiCarte.h"

namespace brivetta {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;

// Names of `cartella` in the order the system enumerates them, kept when `tieni` says so.
std::vector<std::string> InOrdine(const fs::path& cartella, bool (*tieni)(const std::string&)) {
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(cartella))
        if (tieni(voce.path().filename().string())) nomi.push_back(voce.path().filename());
    return nomi;
}

TEST(ControllaCarte, InsiemeMancanteDiventaPiacentine) {
    CartellaTemporanea dir;
    dir.Scrivi("Napoletane/01.gif", "x");
    dir.Scrivi("Vuota/.nascosto", "x");
    dir.Cartella("Vuota/sotto");
    dir.Scrivi("SoloFile", "x");
    // Only a plain name of a folder holding a file names a set; the folder's letter case is free.
    const std::string fuori = "../" + dir().filename().string() + "/Napoletane";
    for (const std::string& carte : std::vector<std::string>{
             "", "Mancante", "Vuota", "SoloFile", ".", "Napoletane/", fuori, "Napoletane\\",
             std::string("Napoletane\0x", 12), "Napoletane", "NAPOLETANE"}) {
        std::string controllato = carte;
        const bool valido = carte == "Napoletane" || carte == "NAPOLETANE";
        EXPECT_EQ(ControllaCarte(controllato, dir()), !valido) << carte;
        EXPECT_EQ(controllato, valido ? carte : "Piacentine");
    }
}

TEST(TrovaFileCarta, PrimoFileConLeDueCifreEGif) {
    CartellaTemporanea dir;
    for (const char* nome : {"00_dorso.gif", "05_a.gif", "05_b.gif", "5.gif", "09.GIF",
                             "12.gif.txt", "13gif", "40.gif", "01.Gif", "1.gif"})
        dir.Scrivi(nome, "gif");
    dir.Cartella("07x.gif");
    dir.Scrivi("altrove/08.gif", "gif");
    fs::create_symlink(dir / "altrove/08.gif", dir / "08_collegato.gif");
    fs::create_symlink(dir / "manca.gif", dir / "11_rotto.gif");

    const auto primo05 =
        InOrdine(dir(), [](const std::string& n) { return n.rfind("05", 0) == 0; });
    const std::vector<std::pair<int, std::string>> casi = {
        {0, "00_dorso.gif"},     {1, "01.Gif"}, {5, primo05.at(0)}, {7, ""},
        {8, "08_collegato.gif"}, {9, "09.GIF"}, {11, ""},           {12, ""},
        {40, "40.gif"},          {41, ""}};
    for (const auto& [indice, atteso] : casi)
        EXPECT_EQ(TrovaFileCarta(dir(), indice), atteso.empty() ? fs::path() : dir / atteso)
            << indice;
    EXPECT_EQ(TrovaFileCarta(dir / "nonesiste", 1), fs::path());

    // "5.gif" serves no picture, not even picture 5 when it is the only candidate.
    CartellaTemporanea solo;
    solo.Scrivi("5.gif", "gif");
    EXPECT_EQ(TrovaFileCarta(solo(), 5), fs::path());
}

TEST(ElencaMazzi, NomiSenzaPuntoInOrdine) {
    CartellaTemporanea dir;
    for (const char* nome :
         {"Piacentine/00.gif", "Napoletane/00.gif", "napoletane/00.gif", "vecchie.carte/00.gif",
          "brivetta.ini", "SOUND112.wav", "LEGGIMI", ".nascosto"})
        dir.Scrivi(nome, "x");

    const auto mazzi = ElencaMazzi(dir());
    EXPECT_EQ(mazzi, InOrdine(dir(), [](const std::string& n) {
                  return n.find('.') == std::string::npos;
              }));
    ASSERT_EQ(mazzi.size(), 4u); // both Napoletane spellings, Piacentine, LEGGIMI
    EXPECT_EQ(mazzi[IndiceMazzo(mazzi, "napoletane")], "napoletane"); // the exact spelling
    EXPECT_EQ(IndiceMazzo(mazzi, "NAPOLETANE"), -1);
    EXPECT_TRUE(ElencaMazzi(dir / "nonesiste").empty());
}

} // namespace
} // namespace brivetta
