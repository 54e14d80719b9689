// The help documents F1 opens, Italian beside English and Spanish: each in its language, with the
// Italian's sections, naming every key of the game.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "LeggiFile.h"

namespace {

using namespace dati;

class Aiuto : public testing::TestWithParam<const char*> {
  protected:
    const std::string html = LeggiFile(CartellaDati / GetParam());
};

// Every id of a section, in order.
std::vector<std::string> Sezioni(const std::string& html) {
    std::vector<std::string> id;
    const std::regex r("id=\"([^\"]*)\"");
    for (std::sregex_iterator i(html.begin(), html.end(), r), fine; i != fine; ++i)
        id.push_back((*i)[1]);
    return id;
}

// A translation says it in its own language, section for section, and names every key.
TEST_P(Aiuto, NellaSuaLinguaConLeSezioniEITastiDellItaliano) {
    const std::string nome = GetParam(); // Brivetta.xx.htm, or Brivetta.htm for Italian
    const std::string lingua = nome.size() == 15 ? nome.substr(9, 2) : "it";
    ASSERT_FALSE(html.empty()) << nome << " missing or empty";
    EXPECT_NE(html.find("<html lang=\"" + lingua + "\">"), std::string::npos) << lingua;
    EXPECT_EQ(Sezioni(html), Sezioni(LeggiFile(CartellaDati / "Brivetta.htm")));
    for (const char* tasto :
         {"F2",      "Ctrl+N", "Ctrl+F4", "Ctrl+Q", "F1",     "Ctrl+R", "Ctrl+F8",
          "Ctrl+F9", "F3",     "F4",      "Ctrl+P", "Ctrl+K", "Ctrl+G", "F10",
          "F11",     "S",      "C",       "F",      "+",      "-"})
        EXPECT_NE(html.find(std::string("<kbd>") + tasto + "</kbd>"), std::string::npos) << tasto;
}

INSTANTIATE_TEST_SUITE_P(Lingue, Aiuto,
                         testing::Values("Brivetta.htm", "Brivetta.en.htm", "Brivetta.es.htm"));

} // namespace
