// The help documents F1 opens, Italian beside English and Spanish: each one file that reads whole
// offline and names every key of the game.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
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

TEST_P(Aiuto, UnSoloDocumentoConTestaTitoloECorpoInOrdine) {
    ASSERT_FALSE(html.empty()) << GetParam() << " missing or empty";
    std::ptrdiff_t prima = -1;
    for (const char* tag : {"<html[\\s>]", "<head[\\s>]", "<title[\\s>]", "</title>", "</head>",
                            "<body[\\s>]", "</body>", "</html>"}) {
        const std::regex r(tag, std::regex::icase);
        const std::sregex_iterator trovato(html.begin(), html.end(), r);
        ASSERT_EQ(std::distance(trovato, std::sregex_iterator()), 1) << tag;
        EXPECT_GT(trovato->position(), prima) << tag << " out of order";
        prima = trovato->position();
    }
    // Without it a browser may show the accents and the euro sign as garbage.
    EXPECT_TRUE(std::regex_search(html, std::regex("<meta charset=\"?utf-8", std::regex::icase)));
}

TEST_P(Aiuto, NessunaRisorsaEsternaTranneIRecapitiDelGruppo) {
    const std::regex attributo(R"re(\b(src|srcset|href|action)\s*=\s*["']?([^"'\s>]*))re",
                               std::regex::icase);
    for (std::sregex_iterator a(html.begin(), html.end(), attributo), fine; a != fine; ++a) {
        const std::string valore = (*a)[2];
        if (valore.starts_with('#')) { // a section of the document itself
            EXPECT_NE(html.find("id=\"" + valore.substr(1) + "\""), std::string::npos) << valore;
            continue;
        }
        EXPECT_TRUE(valore.starts_with("https://brivetta.example.org/") ||
                    valore.starts_with("mailto:brivetta@example.org"))
            << (*a)[0];
    }
    for (const char* vietato : {"@import", "url("})
        EXPECT_EQ(html.find(vietato), std::string::npos) << vietato;
}

TEST_P(Aiuto, NominaOgniScorciatoiaEOgniTastoDiGioco) {
    for (const char* tasto :
         {"F2",      "Ctrl+N", "Ctrl+F4", "Ctrl+Q", "F1",     "Ctrl+R", "Ctrl+F8",
          "Ctrl+F9", "F3",     "F4",      "Ctrl+P", "Ctrl+K", "Ctrl+G", "F10",
          "F11",     "S",      "C",       "F",      "+",      "-"})
        EXPECT_NE(html.find(std::string("<kbd>") + tasto + "</kbd>"), std::string::npos) << tasto;
}

// A translation says it in its own language, section for section.
TEST_P(Aiuto, NellaSuaLinguaConLeSezioniDellItaliano) {
    const std::string nome = GetParam(); // Brivetta.xx.htm, or Brivetta.htm for Italian
    const std::string lingua = nome.size() == 15 ? nome.substr(9, 2) : "it";
    EXPECT_NE(html.find("<html lang=\"" + lingua + "\">"), std::string::npos) << lingua;
    EXPECT_EQ(Sezioni(html), Sezioni(LeggiFile(CartellaDati / "Brivetta.htm")));
}

INSTANTIATE_TEST_SUITE_P(Lingue, Aiuto,
                         testing::Values("Brivetta.htm", "Brivetta.en.htm", "Brivetta.es.htm"));

} // namespace
