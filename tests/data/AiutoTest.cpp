// The help document F1 opens: one file that reads whole offline and names every key of the game.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <regex>
#include <string>

#include "LeggiFile.h"

namespace {

using namespace dati;

const fs::path Aiuto = CartellaDati / "Brivetta.htm";

TEST(Aiuto, UnSoloDocumentoConTestaTitoloECorpoInOrdine) {
    const std::string html = LeggiFile(Aiuto);
    ASSERT_FALSE(html.empty()) << Aiuto << " missing or empty";
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

TEST(Aiuto, NessunaRisorsaEsternaTranneIRecapitiDelGruppo) {
    const std::string html = LeggiFile(Aiuto);
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

TEST(Aiuto, NominaOgniScorciatoiaEOgniTastoDiGioco) {
    const std::string html = LeggiFile(Aiuto);
    for (const char* tasto :
         {"F2",      "Ctrl+N", "Ctrl+F4", "Ctrl+Q", "F1",     "Ctrl+R", "Ctrl+F8",
          "Ctrl+F9", "F3",     "F4",      "Ctrl+P", "Ctrl+K", "Ctrl+G", "F10",
          "F11",     "S",      "C",       "F",      "+",      "-"})
        EXPECT_NE(html.find(std::string("<kbd>") + tasto + "</kbd>"), std::string::npos) << tasto;
}

} // namespace
