// The help document opened by F1: one file that must read well offline, in any browser.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path Aiuto = fs::path{BRIVETTA_DATA_DIR} / "Brivetta.htm";

std::string LeggiAiuto() {
    std::ifstream f(Aiuto, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string Minuscolo(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool Utf8Valido(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t seguito = 0;
        if (c < 0x80)
            seguito = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            seguito = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            seguito = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            seguito = 3;
        else
            return false;
        if (i + seguito >= s.size() && seguito > 0) return false;
        for (std::size_t k = 1; k <= seguito; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += seguito + 1;
    }
    return true;
}

struct Tag {
    std::string nome; // lower case
    bool chiusura = false;
    std::string testo; // the whole tag, lower case
};

// The tags of the document in order, leaving out comments, the doctype and the style sheet's body.
std::vector<Tag> Tags(const std::string& html) {
    std::vector<Tag> tags;
    std::size_t i = 0;
    while ((i = html.find('<', i)) != std::string::npos) {
        if (html.compare(i, 4, "<!--") == 0) {
            const std::size_t fine = html.find("-->", i);
            i = fine == std::string::npos ? html.size() : fine + 3;
            continue;
        }
        const std::size_t fine = html.find('>', i);
        if (fine == std::string::npos) break;
        Tag t;
        t.testo = Minuscolo(html.substr(i, fine - i + 1));
        std::size_t k = 1;
        if (t.testo[k] == '/') {
            t.chiusura = true;
            ++k;
        }
        while (k < t.testo.size() && (std::isalnum(static_cast<unsigned char>(t.testo[k])) != 0))
            t.nome += t.testo[k++];
        i = fine + 1;
        if (t.nome.empty()) continue; // <!doctype>
        tags.push_back(t);
        if (t.nome == "style" && !t.chiusura) {
            const std::size_t chiude = Minuscolo(html).find("</style", i);
            i = chiude == std::string::npos ? html.size() : chiude;
        }
    }
    return tags;
}

bool Vuoto(const std::string& nome) {
    static const std::vector<std::string> vuoti = {"area",   "base",  "br",    "col",  "embed",
                                                   "hr",     "img",   "input", "link", "meta",
                                                   "source", "track", "wbr"};
    return std::find(vuoti.begin(), vuoti.end(), nome) != vuoti.end();
}

TEST(Aiuto, CEEUnSoloFileUtf8) {
    ASSERT_TRUE(fs::is_regular_file(Aiuto)) << Aiuto;
    const std::string html = LeggiAiuto();
    EXPECT_TRUE(Utf8Valido(html)) << "accents and the euro sign must be UTF-8";
    EXPECT_NE(Minuscolo(html).find("<meta charset=\"utf-8\">"), std::string::npos)
        << "without the declaration a browser may show the accents as garbage";
    EXPECT_EQ(Minuscolo(html.substr(0, 15)), "<!doctype html>");
}

TEST(Aiuto, HaLaStrutturaDiBaseAnnidataBene) {
    const std::vector<Tag> tags = Tags(LeggiAiuto());
    std::vector<std::string> aperti;
    std::vector<std::string> visti;
    for (const Tag& t : tags) {
        if (Vuoto(t.nome)) continue;
        if (!t.chiusura) {
            aperti.push_back(t.nome);
            visti.push_back(t.nome);
            continue;
        }
        ASSERT_FALSE(aperti.empty()) << "</" << t.nome << "> closes nothing";
        ASSERT_EQ(aperti.back(), t.nome) << "</" << t.nome << "> closes <" << aperti.back() << ">";
        aperti.pop_back();
    }
    EXPECT_TRUE(aperti.empty()) << "<" << aperti.back() << "> is never closed";
    for (const char* nome : {"html", "head", "title", "body"})
        EXPECT_EQ(std::count(visti.begin(), visti.end(), nome), 1) << nome;
    const auto dove = [&visti](const char* nome) {
        return std::find(visti.begin(), visti.end(), nome) - visti.begin();
    };
    EXPECT_LT(dove("html"), dove("head"));
    EXPECT_LT(dove("head"), dove("title"));
    EXPECT_LT(dove("title"), dove("body"));
}

TEST(Aiuto, NonRimandaAFileOSitiEsterni) {
    const std::string html = Minuscolo(LeggiAiuto());
    // Inside the document, and the two addresses of the makers; nothing else to fetch.
    const std::vector<std::string> ammessi = {"#", "mailto:brivetta@example.org",
                                              "https://brivetta.example.org/"};
    for (const std::string attributo : {"href=", "src=", "action=", "srcset="}) {
        std::size_t i = 0;
        while ((i = html.find(attributo, i)) != std::string::npos) {
            i += attributo.size();
            const char virgolette = html[i];
            const std::size_t inizio = (virgolette == '"' || virgolette == '\'') ? i + 1 : i;
            const std::size_t fine = html.find_first_of("\"' >", inizio);
            const std::string valore = html.substr(inizio, fine - inizio);
            const bool ok = std::any_of(ammessi.begin(), ammessi.end(), [&](const std::string& a) {
                return valore.compare(0, a.size(), a) == 0 && (a != "#" || valore.size() > 1);
            });
            EXPECT_TRUE(ok) << attributo << valore;
        }
    }
    for (const char* vietato :
         {"<link", "<script", "<iframe", "<object", "<embed", "@import", "url(", "<img"})
        EXPECT_EQ(html.find(vietato), std::string::npos) << vietato;
}

TEST(Aiuto, IRimandiInterniPortanoAUnaSezione) {
    const std::string html = LeggiAiuto();
    std::size_t i = 0;
    while ((i = html.find("href=\"#", i)) != std::string::npos) {
        i += 7;
        const std::string id = html.substr(i, html.find('"', i) - i);
        EXPECT_NE(html.find("id=\"" + id + "\""), std::string::npos) << "#" << id;
    }
}

// The help must keep up with the game: every menu entry, shortcut, play key and settings key.
TEST(Aiuto, DescriveMenuTastiEImpostazioni) {
    const std::string html = LeggiAiuto();
    for (const char* testo : {"Nuova partita",
                              "Esci",
                              "Cambia ...",
                              "Suono",
                              "Help",
                              "Regole di Brivetta",
                              "Mail all'autore",
                              "Visita Lampo Home Page ...",
                              "Info su Brivetta ...",
                              "<kbd>F2</kbd>",
                              "<kbd>Ctrl+F4</kbd>",
                              "<kbd>F1</kbd>",
                              "<kbd>Ctrl+R</kbd>",
                              "<kbd>Ctrl+F8</kbd>",
                              "<kbd>Ctrl+F9</kbd>",
                              "<kbd>F4</kbd>",
                              "<kbd>S</kbd>",
                              "<kbd>C</kbd>",
                              "<kbd>F</kbd>",
                              "<kbd>+</kbd>",
                              "<kbd>-</kbd>",
                              "Altra carta scoperta",
                              "Altra carta coperta",
                              "OK mi basta e mi fermo.",
                              "Vincite raddoppiate con Brivetta reale",
                              "brivetta.ini",
                              "Giocatore1",
                              "Bluff",
                              "VelocitaCarta",
                              "VincitaDoppia",
                              "Personaggio",
                              "MalloppoIniziale",
                              "Carte",
                              "Raimondo",
                              "Ottavio",
                              "Beatrice",
                              "Rosina",
                              "Uomo baffuto",
                              "Bambino",
                              "Bambina",
                              "Donna (Zarina)",
                              "Piacentine",
                              "58 × 99",
                              "116 × 198",
                              "~/.local/share/brivetta",
                              "€"})
        EXPECT_NE(html.find(testo), std::string::npos) << testo;
}

} // namespace
