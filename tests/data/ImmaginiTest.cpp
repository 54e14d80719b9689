// The window pictures compiled into the program as Qt resources, read back from the source tree:
// every picture at 1x and 2x with its exact pixel size, the resource list naming each file once,
// and the scalable application icon.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path CartellaUi{BRIVETTA_UI_DIR};
const fs::path CartellaImmagini = CartellaUi / "immagini";

std::string LeggiFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::uint32_t Be32(const std::string& b, std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 3]));
}

std::uint32_t Crc32(const std::string& b, std::size_t inizio, std::size_t lunghezza) {
    static const auto tabella = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1U) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFU;
    for (std::size_t i = inizio; i < inizio + lunghezza; ++i)
        c = tabella[(c ^ static_cast<unsigned char>(b[i])) & 0xFFU] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

struct Png {
    std::uint32_t larghezza = 0;
    std::uint32_t altezza = 0;
    int bit = 0;
    int tipoColore = 0; // 6 = RGB with alpha
};

// Walks every chunk: IHDR first, every CRC right, at least one IDAT, IEND last and nothing after
// it. A half-written or damaged file fails here rather than showing an empty button.
std::optional<Png> LeggiPng(const std::string& b, std::string& errore) {
    static const std::string firma = "\x89PNG\r\n\x1a\n";
    if (b.size() < 8 || b.compare(0, 8, firma) != 0) {
        errore = "no PNG signature";
        return std::nullopt;
    }
    Png png;
    bool ihdr = false, idat = false, iend = false;
    std::size_t i = 8;
    while (i < b.size()) {
        if (iend) {
            errore = "data after IEND";
            return std::nullopt;
        }
        if (b.size() - i < 12) {
            errore = "truncated chunk header";
            return std::nullopt;
        }
        const std::uint32_t lunghezza = Be32(b, i);
        if (lunghezza > b.size() - i - 12) {
            errore = "truncated chunk";
            return std::nullopt;
        }
        const std::string tipo = b.substr(i + 4, 4);
        if (Crc32(b, i + 4, 4 + lunghezza) != Be32(b, i + 8 + lunghezza)) {
            errore = "bad CRC in " + tipo;
            return std::nullopt;
        }
        if (!ihdr && tipo != "IHDR") {
            errore = "first chunk is not IHDR";
            return std::nullopt;
        }
        if (tipo == "IHDR") {
            if (ihdr || lunghezza != 13) {
                errore = "bad IHDR";
                return std::nullopt;
            }
            ihdr = true;
            png.larghezza = Be32(b, i + 8);
            png.altezza = Be32(b, i + 12);
            png.bit = static_cast<unsigned char>(b[i + 16]);
            png.tipoColore = static_cast<unsigned char>(b[i + 17]);
        }
        idat = idat || tipo == "IDAT";
        iend = tipo == "IEND";
        i += 12 + lunghezza;
    }
    if (!idat || !iend) {
        errore = idat ? "no IEND" : "no IDAT";
        return std::nullopt;
    }
    return png;
}

struct Voce {
    std::string nome;
    std::uint32_t larghezza;
    std::uint32_t altezza;
};

// Every picture the windows load, with its size at 1x.
std::vector<Voce> Finestre() {
    std::vector<Voce> v = {
        {"nuova", 20, 20},      {"scoperta", 20, 20},      {"coperta", 20, 20}, {"stop", 20, 20},
        {"monete", 135, 18},    {"turno", 48, 65},         {"ok", 24, 24},      {"annulla", 24, 24},
        {"fine_gioco", 24, 24}, {"altra_partita", 24, 24}, {"mano", 32, 32},    {"decoro", 32, 32},
    };
    for (const char* umore : {"felice", "triste"}) {
        for (int posto = 2; posto <= 6; ++posto)
            v.push_back({"faccia_" + std::to_string(posto) + "_" + umore, 34, 34});
        for (int p = 0; p <= 7; ++p)
            v.push_back({"personaggio_" + std::to_string(p) + "_" + umore, 34, 34});
    }
    return v;
}

const std::array<std::uint32_t, 6> LatiIcona = {16, 32, 48, 64, 128, 256};

std::set<std::string> FileAttesi() {
    std::set<std::string> s;
    for (const auto& v : Finestre()) {
        s.insert(v.nome + ".png");
        s.insert(v.nome + "@2x.png");
    }
    for (auto lato : LatiIcona)
        s.insert("brivetta-" + std::to_string(lato) + ".png");
    s.insert("brivetta.svg");
    return s;
}

void ControllaPng(const fs::path& p, std::uint32_t w, std::uint32_t h) {
    SCOPED_TRACE(p.filename().string());
    ASSERT_TRUE(fs::is_regular_file(p)) << "missing";
    std::string errore;
    const auto png = LeggiPng(LeggiFile(p), errore);
    ASSERT_TRUE(png) << errore;
    EXPECT_EQ(png->larghezza, w);
    EXPECT_EQ(png->altezza, h);
    // Faces, hands and coins sit on the green cloth: they need their alpha channel.
    EXPECT_EQ(png->tipoColore, 6);
    EXPECT_EQ(png->bit, 8);
}

TEST(Immagini, OgniImmagineCeA1xEA2xConLaMisuraEsatta) {
    for (const auto& v : Finestre()) {
        ControllaPng(CartellaImmagini / (v.nome + ".png"), v.larghezza, v.altezza);
        ControllaPng(CartellaImmagini / (v.nome + "@2x.png"), 2 * v.larghezza, 2 * v.altezza);
    }
}

TEST(Immagini, IconaDelProgrammaAlleMisureFisseSenzaVersione2x) {
    for (auto lato : LatiIcona) {
        const std::string nome = "brivetta-" + std::to_string(lato);
        ControllaPng(CartellaImmagini / (nome + ".png"), lato, lato);
        EXPECT_FALSE(fs::exists(CartellaImmagini / (nome + "@2x.png"))) << nome;
    }
}

TEST(Immagini, IlLettorePngRifiutaFileRovinati) {
    const std::string buono = LeggiFile(CartellaImmagini / "ok.png");
    std::string errore;
    ASSERT_TRUE(LeggiPng(buono, errore)) << errore;

    std::string crcSbagliato = buono;
    crcSbagliato[20] = static_cast<char>(crcSbagliato[20] ^ 0x01); // a bit of the height
    std::string dopoLaFine = buono + "x";
    std::string senzaFirma = buono;
    senzaFirma[1] = 'Q';
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"troncato", buono.substr(0, buono.size() - 5)},
        {"crc sbagliato", crcSbagliato},
        {"dati dopo IEND", dopoLaFine},
        {"senza firma", senzaFirma},
        {"vuoto", ""},
    };
    for (const auto& [nome, dati] : casi)
        EXPECT_FALSE(LeggiPng(dati, errore)) << nome;
}

// A small XML reader: enough to tell whether a file is well formed and to collect what the
// checks below need. Returns the error, or nothing when the document is well formed.
struct Xml {
    std::string radice;
    std::map<std::string, std::string> attributiRadice;
    std::set<std::string> id;
    std::vector<std::string> riferimenti; // targets of url(#x) and href="#x"
};

std::optional<std::string> LeggiXml(const std::string& s, Xml& xml) {
    std::vector<std::string> aperti;
    bool radiceVista = false;
    std::size_t i = 0;
    const auto nomeCar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':' || c == '-' ||
               c == '.';
    };
    const auto spazi = [&] {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
    };
    while (i < s.size()) {
        if (s[i] != '<') {
            if (aperti.empty() && !std::isspace(static_cast<unsigned char>(s[i])))
                return "text outside the root element";
            ++i;
            continue;
        }
        if (s.compare(i, 4, "<!--") == 0 || s.compare(i, 2, "<?") == 0 ||
            s.compare(i, 2, "<!") == 0) {
            const std::string fine = s.compare(i, 4, "<!--") == 0 ? "-->"
                                     : s[i + 1] == '?'            ? "?>"
                                                                  : ">";
            const auto f = s.find(fine, i + 2);
            if (f == std::string::npos) return "unterminated " + s.substr(i, 4);
            i = f + fine.size();
            continue;
        }
        const bool chiusura = s.compare(i, 2, "</") == 0;
        i += chiusura ? 2 : 1;
        const std::size_t inizioNome = i;
        while (i < s.size() && nomeCar(s[i]))
            ++i;
        const std::string nome = s.substr(inizioNome, i - inizioNome);
        if (nome.empty()) return "tag without a name";
        if (chiusura) {
            spazi();
            if (i >= s.size() || s[i] != '>') return "bad end tag " + nome;
            ++i;
            if (aperti.empty() || aperti.back() != nome) return "mismatched end tag " + nome;
            aperti.pop_back();
            continue;
        }
        if (aperti.empty()) {
            if (radiceVista) return "a second root element " + nome;
            radiceVista = true;
            xml.radice = nome;
        }
        std::map<std::string, std::string> attributi;
        bool vuoto = false;
        for (;;) {
            spazi();
            if (i >= s.size()) return "unterminated tag " + nome;
            if (s[i] == '>') {
                ++i;
                break;
            }
            if (s.compare(i, 2, "/>") == 0) {
                i += 2;
                vuoto = true;
                break;
            }
            const std::size_t a = i;
            while (i < s.size() && nomeCar(s[i]))
                ++i;
            const std::string chiave = s.substr(a, i - a);
            spazi();
            if (chiave.empty() || i >= s.size() || s[i] != '=') return "bad attribute in " + nome;
            ++i;
            spazi();
            if (i >= s.size() || (s[i] != '"' && s[i] != '\'')) return "unquoted " + chiave;
            const char virgolette = s[i++];
            const auto f = s.find(virgolette, i);
            if (f == std::string::npos) return "unterminated value of " + chiave;
            const std::string valore = s.substr(i, f - i);
            if (valore.find('<') != std::string::npos) return "'<' in the value of " + chiave;
            if (!attributi.emplace(chiave, valore).second) return "repeated attribute " + chiave;
            i = f + 1;
        }
        for (const auto& [chiave, valore] : attributi) {
            if (chiave == "id") xml.id.insert(valore);
            if ((chiave == "href" || chiave == "xlink:href") && valore.rfind('#', 0) == 0)
                xml.riferimenti.push_back(valore.substr(1));
            for (auto p = valore.find("url(#"); p != std::string::npos;
                 p = valore.find("url(#", p + 1)) {
                const auto f = valore.find(')', p);
                if (f == std::string::npos) return "unterminated url( in " + chiave;
                xml.riferimenti.push_back(valore.substr(p + 5, f - p - 5));
            }
        }
        if (aperti.empty()) xml.attributiRadice = attributi;
        if (!vuoto) aperti.push_back(nome);
    }
    if (!aperti.empty()) return "unclosed element " + aperti.back();
    if (!radiceVista) return "no root element";
    return std::nullopt;
}

TEST(Immagini, IlLettoreXmlRifiutaDocumentiMalFormati) {
    const std::vector<std::pair<std::string, bool>> casi = {
        {"<?xml version=\"1.0\"?><!-- a --><svg a=\"1\"><g/><g b='2'>t</g></svg>", true},
        {"<svg><g></svg>", false},
        {"<svg></svg><svg/>", false},
        {"<svg a=1/>", false},
        {"<svg a=\"1\" a=\"2\"/>", false},
        {"<svg><g></h></svg>", false},
        {"<svg", false},
        {"testo <svg/>", false},
        {"", false},
    };
    for (const auto& [testo, buono] : casi) {
        Xml xml;
        EXPECT_EQ(!LeggiXml(testo, xml).has_value(), buono) << testo;
    }
}

TEST(Immagini, IconaSvgBenFormataConRadiceSvg) {
    const std::string testo = LeggiFile(CartellaImmagini / "brivetta.svg");
    ASSERT_FALSE(testo.empty());
    Xml xml;
    const auto errore = LeggiXml(testo, xml);
    ASSERT_FALSE(errore) << *errore;
    EXPECT_EQ(xml.radice, "svg");
    EXPECT_EQ(xml.attributiRadice["xmlns"], "http://www.w3.org/2000/svg");
    // Square, so the icon renders undistorted at every size.
    const std::regex quadrato(R"(\s*0\s+0\s+(\d+(\.\d+)?)\s+\1\s*)");
    EXPECT_TRUE(std::regex_match(xml.attributiRadice["viewBox"], quadrato))
        << xml.attributiRadice["viewBox"];
    // A gradient named wrongly paints nothing: every reference must point at a definition.
    EXPECT_FALSE(xml.riferimenti.empty());
    for (const auto& r : xml.riferimenti)
        EXPECT_TRUE(xml.id.count(r)) << "url(#" << r << ")";
}

TEST(Immagini, IlFileQrcElencaOgniImmagineUnaVoltaConIlSuoNome) {
    const std::string qrc = LeggiFile(CartellaUi / "immagini.qrc");
    Xml xml;
    const auto errore = LeggiXml(qrc, xml);
    ASSERT_FALSE(errore) << *errore;
    EXPECT_EQ(xml.radice, "RCC");

    const std::regex sezione(R"re(<qresource\s+prefix="([^"]*)">([\s\S]*?)</qresource>)re");
    const std::regex voce(R"re(<file\s+alias="([^"]*)"\s*>\s*([^<\s]*)\s*</file>)re");
    std::multiset<std::string> alias;
    int sezioni = 0;
    for (std::sregex_iterator s(qrc.begin(), qrc.end(), sezione), fine; s != fine; ++s) {
        ++sezioni;
        EXPECT_EQ((*s)[1].str(), "/immagini");
        const std::string corpo = (*s)[2].str();
        for (std::sregex_iterator f(corpo.begin(), corpo.end(), voce); f != fine; ++f) {
            const std::string nome = (*f)[1].str();
            // The alias is the bare file name, so ":/immagini/nuova.png" finds "nuova@2x.png".
            EXPECT_EQ((*f)[2].str(), "immagini/" + nome);
            alias.insert(nome);
        }
    }
    EXPECT_EQ(sezioni, 1);

    const auto attesi = FileAttesi();
    for (const auto& nome : attesi)
        EXPECT_EQ(alias.count(nome), 1U) << nome;
    std::set<std::string> presenti;
    for (const auto& e : fs::directory_iterator(CartellaImmagini)) {
        presenti.insert(e.path().filename().string());
        EXPECT_TRUE(alias.count(e.path().filename().string()))
            << "not in the resource list: " << e.path().filename();
    }
    for (const auto& nome : alias) {
        EXPECT_TRUE(attesi.count(nome)) << "unexpected: " << nome;
        EXPECT_TRUE(presenti.count(nome)) << "listed but missing: " << nome;
    }
}

} // namespace
