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
template <class F> std::vector<std::string> InOrdine(const fs::path& cartella, F tieni) {
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(cartella))
        if (tieni(voce)) nomi.push_back(voce.path().filename().string());
    return nomi;
}

TEST(ControllaCarte, InsiemeMancanteDiventaPiacentine) {
    CartellaTemporanea dir;
    dir.Scrivi("Napoletane/01.gif", "x");
    dir.Scrivi("Vuota/.nascosto", "x");
    dir.Cartella("Vuota/sotto");
    dir.Scrivi("SoloFile", "x");
    dir.Scrivi("Fuori/01.gif", "x");
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"", "Piacentine"},
        {"Mancante", "Piacentine"},
        {"Vuota", "Piacentine"},
        {"SoloFile", "Piacentine"},
        {".", "Piacentine"},
        {"..", "Piacentine"},
        {"Napoletane/", "Piacentine"},
        {"../" + dir().filename().string() + "/Napoletane", "Piacentine"},
        {"Napoletane\\", "Piacentine"},
        {std::string("Napoletane\0x", 12), "Piacentine"},
        {"Napoletane", "Napoletane"},
        {"NAPOLETANE", "NAPOLETANE"}, // same folder, letter case ignored
        {"Piacentine", "Piacentine"},
    };
    for (const auto& [carte, attesa] : casi) {
        SCOPED_TRACE(carte);
        StatoTavolo s;
        s.Carte = carte;
        EXPECT_EQ(ControllaCarte(s, dir()), attesa != carte);
        EXPECT_EQ(s.Carte, attesa);
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

    const auto primo05 = InOrdine(
        dir(), [](const auto& v) { return v.path().filename().string().rfind("05", 0) == 0; });
    ASSERT_EQ(primo05.size(), 2u);
    const std::vector<std::pair<int, std::string>> casi = {
        {0, "00_dorso.gif"}, {1, "01.Gif"}, {5, primo05[0]}, {7, ""},   {8, "08_collegato.gif"},
        {9, "09.GIF"},       {11, ""},      {12, ""},        {13, ""},  {23, ""},
        {40, "40.gif"},      {-1, ""},      {41, ""},        {100, ""},
    };
    for (const auto& [indice, atteso] : casi) {
        SCOPED_TRACE(indice);
        const fs::path trovato = TrovaFileCarta(dir(), indice);
        EXPECT_EQ(trovato, atteso.empty() ? fs::path() : dir / atteso);
    }
    EXPECT_EQ(TrovaFileCarta(dir / "nonesiste", 1), fs::path());

    // "5.gif" serves no picture, not even picture 5 when it is the only candidate.
    CartellaTemporanea solo;
    solo.Scrivi("5.gif", "gif");
    solo.Scrivi("05.GIF", "gif");
    EXPECT_EQ(TrovaFileCarta(solo(), 5), solo / "05.GIF");
    fs::remove(solo / "05.GIF");
    EXPECT_EQ(TrovaFileCarta(solo(), 5), fs::path());
}

TEST(ElencaMazzi, NomiSenzaPuntoInOrdine) {
    CartellaTemporanea dir;
    dir.Scrivi("Piacentine/00.gif", "x");
    dir.Scrivi("Napoletane/00.gif", "x");
    dir.Scrivi("napoletane/00.gif", "x");
    dir.Cartella("vecchie.carte");
    for (const char* nome :
         {"brivetta.ini", "Brivetta.htm", "SOUND112.wav", "LEGGIMI", ".nascosto"})
        dir.Scrivi(nome, "x");

    const auto mazzi = ElencaMazzi(dir());
    const auto attesi = InOrdine(dir(), [](const auto& v) {
        return v.path().filename().string().find('.') == std::string::npos;
    });
    EXPECT_EQ(mazzi, attesi);
    ASSERT_EQ(mazzi.size(), 4u); // both Napoletane spellings, Piacentine, LEGGIMI

    const auto posizione = [&](const std::string& n) {
        return static_cast<int>(std::find(mazzi.begin(), mazzi.end(), n) - mazzi.begin());
    };
    EXPECT_EQ(IndiceMazzo(mazzi, "Napoletane"), posizione("Napoletane"));
    EXPECT_EQ(IndiceMazzo(mazzi, "napoletane"), posizione("napoletane"));
    EXPECT_EQ(IndiceMazzo(mazzi, "NAPOLETANE"), -1);
    EXPECT_EQ(IndiceMazzo(mazzi, ""), -1);
    EXPECT_TRUE(ElencaMazzi(dir / "nonesiste").empty());
}

} // namespace
} // namespace brivetta
