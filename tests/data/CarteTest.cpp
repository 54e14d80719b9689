// The default card set read back byte by byte: file names, GIF structure, picture size,
// transparent corners, and that every picture can be told from every other.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path CartellaCarte = fs::path{BRIVETTA_DATA_DIR} / "Piacentine";
constexpr int NumeroImmagini = 41; // 00 the back, 01..40 the cards

struct Misura {
    const char* sottocartella;
    int larghezza;
    int altezza;
};
constexpr std::array<Misura, 2> Misure{{{"", 58, 99}, {"2x", 116, 198}}};

std::vector<std::uint8_t> LeggiFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

struct Gif {
    int larghezza = 0; // logical screen
    int altezza = 0;
    std::vector<std::array<std::uint8_t, 4>> pixel; // RGBA, alpha 0 where transparent

    const std::array<std::uint8_t, 4>& At(int x, int y) const {
        return pixel[static_cast<std::size_t>(y * larghezza + x)];
    }
};

// GIF's variable-width LZW, least significant bit first, codes up to 12 bits.
std::optional<std::vector<std::uint8_t>> DecodificaLzw(const std::vector<std::uint8_t>& dati,
                                                       int bitMinimi, std::size_t attesi) {
    if (bitMinimi < 2 || bitMinimi > 8) return std::nullopt;
    const int pulisci = 1 << bitMinimi;
    const int fine = pulisci + 1;
    std::array<int, 4096> prefisso{};
    std::array<std::uint8_t, 4096> ultimo{};
    std::array<std::uint8_t, 4096> primo{};
    for (int c = 0; c < pulisci; ++c) {
        ultimo[static_cast<std::size_t>(c)] = primo[static_cast<std::size_t>(c)] =
            static_cast<std::uint8_t>(c);
        prefisso[static_cast<std::size_t>(c)] = -1;
    }
    std::vector<std::uint8_t> uscita;
    std::vector<std::uint8_t> pila;
    auto emetti = [&](int codice) {
        pila.clear();
        for (int c = codice; c >= 0; c = prefisso[static_cast<std::size_t>(c)])
            pila.push_back(ultimo[static_cast<std::size_t>(c)]);
        uscita.insert(uscita.end(), pila.rbegin(), pila.rend());
    };
    int larghezzaCodice = bitMinimi + 1;
    int prossimo = fine + 1;
    int precedente = -1;
    std::size_t bit = 0;
    const std::size_t bitTotali = dati.size() * 8;
    while (bit + static_cast<std::size_t>(larghezzaCodice) <= bitTotali) {
        int codice = 0;
        for (int k = 0; k < larghezzaCodice; ++k, ++bit)
            codice |= ((dati[bit / 8] >> (bit % 8)) & 1) << k;
        if (codice == pulisci) {
            larghezzaCodice = bitMinimi + 1;
            prossimo = fine + 1;
            precedente = -1;
            continue;
        }
        if (codice == fine) break;
        if (precedente < 0) {
            if (codice >= pulisci) return std::nullopt;
            emetti(codice);
            precedente = codice;
            continue;
        }
        std::uint8_t iniziale;
        if (codice < prossimo) {
            iniziale = primo[static_cast<std::size_t>(codice)];
        } else if (codice == prossimo) {
            iniziale = primo[static_cast<std::size_t>(precedente)];
        } else {
            return std::nullopt;
        }
        if (prossimo < 4096) {
            prefisso[static_cast<std::size_t>(prossimo)] = precedente;
            ultimo[static_cast<std::size_t>(prossimo)] = iniziale;
            primo[static_cast<std::size_t>(prossimo)] = primo[static_cast<std::size_t>(precedente)];
            ++prossimo;
        }
        emetti(codice);
        precedente = codice;
        if (prossimo == (1 << larghezzaCodice) && larghezzaCodice < 12) ++larghezzaCodice;
        if (uscita.size() > attesi) return std::nullopt;
    }
    if (uscita.size() != attesi) return std::nullopt;
    return uscita;
}

// Reads a single-image GIF onto its logical screen. Returns the reason when the file is
// not one the table can show as a whole card.
std::optional<Gif> LeggiGif(const std::vector<std::uint8_t>& b, std::string& errore) {
    std::size_t pos = 0;
    auto resta = [&](std::size_t n) { return pos + n <= b.size(); };
    auto u16 = [&](std::size_t i) { return b[i] | b[i + 1] << 8; };
    if (b.size() < 13 || (std::string(b.begin(), b.begin() + 6) != "GIF89a" &&
                          std::string(b.begin(), b.begin() + 6) != "GIF87a")) {
        errore = "no GIF signature";
        return std::nullopt;
    }
    Gif g;
    g.larghezza = u16(6);
    g.altezza = u16(8);
    const int flagSchermo = b[10];
    pos = 13;
    std::vector<std::uint8_t> tavolozzaGlobale;
    if (flagSchermo & 0x80) {
        const std::size_t n = 3u << ((flagSchermo & 7) + 1);
        if (!resta(n)) {
            errore = "truncated global colour table";
            return std::nullopt;
        }
        tavolozzaGlobale.assign(b.begin() + static_cast<long>(pos),
                                b.begin() + static_cast<long>(pos + n));
        pos += n;
    }
    g.pixel.assign(static_cast<std::size_t>(g.larghezza * g.altezza), {0, 0, 0, 0});
    int trasparente = -1;
    int immagini = 0;
    auto saltaSottoblocchi = [&]() {
        while (resta(1)) {
            const std::size_t n = b[pos++];
            if (n == 0) return true;
            if (!resta(n)) return false;
            pos += n;
        }
        return false;
    };
    while (resta(1)) {
        const int blocco = b[pos++];
        if (blocco == 0x3B) {
            if (immagini != 1) {
                errore = "expected exactly one image, found " + std::to_string(immagini);
                return std::nullopt;
            }
            return g;
        }
        if (blocco == 0x21) {
            if (!resta(1)) break;
            const int etichetta = b[pos++];
            if (etichetta == 0xF9 && resta(6) && b[pos] == 4 && (b[pos + 1] & 1))
                trasparente = b[pos + 4];
            if (!saltaSottoblocchi()) break;
            continue;
        }
        if (blocco != 0x2C) {
            errore = "unknown block " + std::to_string(blocco);
            return std::nullopt;
        }
        if (!resta(10)) break;
        const int x0 = u16(pos), y0 = u16(pos + 2), w = u16(pos + 4), h = u16(pos + 6);
        const int flag = b[pos + 8];
        pos += 9;
        if (x0 + w > g.larghezza || y0 + h > g.altezza) {
            errore = "image outside the logical screen";
            return std::nullopt;
        }
        std::vector<std::uint8_t> tavolozza = tavolozzaGlobale;
        if (flag & 0x80) {
            const std::size_t n = 3u << ((flag & 7) + 1);
            if (!resta(n)) break;
            tavolozza.assign(b.begin() + static_cast<long>(pos),
                             b.begin() + static_cast<long>(pos + n));
            pos += n;
        }
        const int bitMinimi = b[pos++];
        std::vector<std::uint8_t> dati;
        while (resta(1)) {
            const std::size_t n = b[pos++];
            if (n == 0) break;
            if (!resta(n)) {
                errore = "truncated image data";
                return std::nullopt;
            }
            dati.insert(dati.end(), b.begin() + static_cast<long>(pos),
                        b.begin() + static_cast<long>(pos + n));
            pos += n;
        }
        const auto indici = DecodificaLzw(dati, bitMinimi, static_cast<std::size_t>(w * h));
        if (!indici) {
            errore = "LZW data do not decode to " + std::to_string(w * h) + " pixels";
            return std::nullopt;
        }
        // Interlaced rows come in four passes.
        std::vector<int> righe;
        if (flag & 0x40) {
            for (auto [inizio, passo] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
                for (int y = inizio; y < h; y += passo)
                    righe.push_back(y);
        } else {
            for (int y = 0; y < h; ++y)
                righe.push_back(y);
        }
        for (int r = 0; r < h; ++r) {
            for (int x = 0; x < w; ++x) {
                const int i = (*indici)[static_cast<std::size_t>(r * w + x)];
                if (static_cast<std::size_t>(i) * 3 + 2 >= tavolozza.size()) {
                    errore = "colour index outside the palette";
                    return std::nullopt;
                }
                auto& p = g.pixel[static_cast<std::size_t>(
                    (y0 + righe[static_cast<std::size_t>(r)]) * g.larghezza + x0 + x)];
                const auto c = static_cast<std::size_t>(i) * 3;
                p = {tavolozza[c], tavolozza[c + 1], tavolozza[c + 2],
                     static_cast<std::uint8_t>(i == trasparente ? 0 : 255)};
            }
        }
        ++immagini;
    }
    errore = "file ends before the GIF trailer";
    return std::nullopt;
}

// The set's files by picture index, as the game's look-up sees them: two digits, anything,
// ".gif".
std::map<int, std::vector<std::string>> FilePerIndice(const fs::path& cartella) {
    std::map<int, std::vector<std::string>> perIndice;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        if (!voce.is_regular_file()) continue;
        const std::string nome = voce.path().filename().string();
        if (nome.size() < 6 || nome.substr(nome.size() - 4) != ".gif") continue;
        if (!std::isdigit(static_cast<unsigned char>(nome[0])) ||
            !std::isdigit(static_cast<unsigned char>(nome[1])))
            continue;
        perIndice[std::stoi(nome.substr(0, 2))].push_back(nome);
    }
    return perIndice;
}

std::vector<Gif> LeggiSet(const Misura& m) {
    const fs::path cartella = CartellaCarte / m.sottocartella;
    const auto perIndice = FilePerIndice(cartella);
    std::vector<Gif> set;
    for (int i = 0; i < NumeroImmagini; ++i) {
        const auto trovato = perIndice.find(i);
        if (trovato == perIndice.end() || trovato->second.size() != 1) return {};
        std::string errore;
        auto g = LeggiGif(LeggiFile(cartella / trovato->second.front()), errore);
        if (!g) return {};
        set.push_back(std::move(*g));
    }
    return set;
}

// Mean absolute difference per channel over a rectangle; transparent pixels count as the
// table green they are shown on.
double Differenza(const Gif& a, const Gif& b, int x0, int y0, int x1, int y1) {
    auto colore = [](const std::array<std::uint8_t, 4>& p) {
        return p[3] ? p : std::array<std::uint8_t, 4>{0, 128, 0, 255};
    };
    long somma = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const auto pa = colore(a.At(x, y)), pb = colore(b.At(x, y));
            for (int c = 0; c < 3; ++c)
                somma +=
                    std::abs(pa[static_cast<std::size_t>(c)] - pb[static_cast<std::size_t>(c)]);
        }
    return static_cast<double>(somma) / (3.0 * (x1 - x0) * (y1 - y0));
}

TEST(Carte, OgniIndiceHaEsattamenteUnFileNelleDueMisure) {
    for (const auto& m : Misure) {
        SCOPED_TRACE(std::string("folder Piacentine/") + m.sottocartella);
        const auto perIndice = FilePerIndice(CartellaCarte / m.sottocartella);
        ASSERT_EQ(perIndice.size(), static_cast<std::size_t>(NumeroImmagini));
        for (int i = 0; i < NumeroImmagini; ++i) {
            const auto trovato = perIndice.find(i);
            ASSERT_NE(trovato, perIndice.end()) << "no picture " << i;
            EXPECT_EQ(trovato->second.size(), 1u) << "picture " << i << " has several files";
            const std::string& nome = trovato->second.front();
            // a descriptive middle between the digits and the extension
            EXPECT_GT(nome.size(), 2u + 1u + 4u) << nome;
            EXPECT_EQ(nome[2], '_') << nome;
        }
    }
}

TEST(Carte, LeDueMisureHannoGliStessiNomi) {
    auto nomi = [](const fs::path& cartella) {
        std::vector<std::string> elenco;
        for (const auto& [indice, file] : FilePerIndice(cartella))
            elenco.insert(elenco.end(), file.begin(), file.end());
        return elenco;
    };
    EXPECT_EQ(nomi(CartellaCarte), nomi(CartellaCarte / "2x"));
}

TEST(Carte, OgniImmagineEUnGifIntegroDellaMisuraDelTavolo) {
    for (const auto& m : Misure) {
        const fs::path cartella = CartellaCarte / m.sottocartella;
        for (const auto& [indice, file] : FilePerIndice(cartella)) {
            for (const auto& nome : file) {
                SCOPED_TRACE(nome + " in Piacentine/" + m.sottocartella);
                std::string errore;
                const auto g = LeggiGif(LeggiFile(cartella / nome), errore);
                ASSERT_TRUE(g) << errore;
                EXPECT_EQ(g->larghezza, m.larghezza);
                EXPECT_EQ(g->altezza, m.altezza);
                // The rounded corners are transparent, the face and its edges are not.
                const int w = g->larghezza, h = g->altezza;
                for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
                    EXPECT_EQ(g->At(x, y)[3], 0) << "corner " << x << "," << y;
                for (auto [x, y] : {std::pair{w / 2, h / 2},
                                    {0, h / 2},
                                    {w - 1, h / 2},
                                    {w / 2, 0},
                                    {w / 2, h - 1}})
                    EXPECT_EQ(g->At(x, y)[3], 255) << "pixel " << x << "," << y;
            }
        }
    }
}

TEST(Carte, IlDecodificatoreRifiutaUnFileTroncato) {
    // Guards the reader the other checks rely on: a cut file must not pass as a card.
    const auto perIndice = FilePerIndice(CartellaCarte);
    ASSERT_TRUE(perIndice.count(7));
    auto byte = LeggiFile(CartellaCarte / perIndice.at(7).front());
    std::string errore;
    ASSERT_TRUE(LeggiGif(byte, errore)) << errore;
    byte.resize(byte.size() / 2);
    EXPECT_FALSE(LeggiGif(byte, errore));
    byte.resize(5);
    EXPECT_FALSE(LeggiGif(byte, errore));
}

TEST(Carte, OgniCartaSiDistingueDalleAltreAncheDallAngolo) {
    for (const auto& m : Misure) {
        SCOPED_TRACE(std::string("folder Piacentine/") + m.sottocartella);
        const auto set = LeggiSet(m);
        ASSERT_EQ(set.size(), static_cast<std::size_t>(NumeroImmagini));
        // The corner holds the rank and the suit: its top-left sixth of the width and quarter
        // of the height must differ visibly between any two faces.
        const int xa = m.larghezza / 6, ya = m.altezza / 4;
        for (int i = 1; i < NumeroImmagini; ++i)
            for (int j = i + 1; j < NumeroImmagini; ++j) {
                EXPECT_GT(Differenza(set[static_cast<std::size_t>(i)],
                                     set[static_cast<std::size_t>(j)], 0, 0, xa, ya),
                          6.0)
                    << "corners of " << i << " and " << j << " look alike";
            }
        for (int i = 0; i < NumeroImmagini; ++i)
            for (int j = i + 1; j < NumeroImmagini; ++j)
                EXPECT_GT(Differenza(set[static_cast<std::size_t>(i)],
                                     set[static_cast<std::size_t>(j)], 0, 0, m.larghezza,
                                     m.altezza),
                          4.0)
                    << "pictures " << i << " and " << j << " look alike";
    }
}

TEST(Carte, IlDoppioMostraLaStessaCartaDelSingolo) {
    const auto uno = LeggiSet(Misure[0]);
    const auto due = LeggiSet(Misure[1]);
    ASSERT_EQ(uno.size(), static_cast<std::size_t>(NumeroImmagini));
    ASSERT_EQ(due.size(), static_cast<std::size_t>(NumeroImmagini));
    // Halve each 2x picture by averaging 2 x 2 blocks; it must be nearest to the 1x picture
    // with the same index.
    std::vector<Gif> ridotte;
    for (const auto& g : due) {
        Gif r;
        r.larghezza = g.larghezza / 2;
        r.altezza = g.altezza / 2;
        for (int y = 0; y < r.altezza; ++y)
            for (int x = 0; x < r.larghezza; ++x) {
                std::array<int, 4> s{};
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) {
                        auto p = g.At(2 * x + dx, 2 * y + dy);
                        if (!p[3]) p = {0, 128, 0, 0};
                        for (std::size_t c = 0; c < 4; ++c)
                            s[c] += p[c];
                    }
                r.pixel.push_back({static_cast<std::uint8_t>(s[0] / 4),
                                   static_cast<std::uint8_t>(s[1] / 4),
                                   static_cast<std::uint8_t>(s[2] / 4),
                                   static_cast<std::uint8_t>(s[3] >= 510 ? 255 : 0)});
            }
        ridotte.push_back(std::move(r));
    }
    for (int i = 0; i < NumeroImmagini; ++i) {
        const auto& r = ridotte[static_cast<std::size_t>(i)];
        const double stessa =
            Differenza(r, uno[static_cast<std::size_t>(i)], 0, 0, r.larghezza, r.altezza);
        EXPECT_LT(stessa, 12.0) << "picture " << i;
        for (int j = 0; j < NumeroImmagini; ++j) {
            if (j == i) continue;
            EXPECT_LT(stessa,
                      Differenza(r, uno[static_cast<std::size_t>(j)], 0, 0, r.larghezza, r.altezza))
                << "2x picture " << i << " looks more like 1x picture " << j;
        }
    }
}

TEST(Carte, IlDorsoELoStessoCapovolto) {
    // A covered card must not show which way up it lies.
    for (const auto& m : Misure) {
        SCOPED_TRACE(std::string("folder Piacentine/") + m.sottocartella);
        const auto set = LeggiSet(m);
        ASSERT_FALSE(set.empty());
        const Gif& dorso = set.front();
        Gif girato = dorso;
        for (int y = 0; y < dorso.altezza; ++y)
            for (int x = 0; x < dorso.larghezza; ++x)
                girato.pixel[static_cast<std::size_t>(y * dorso.larghezza + x)] =
                    dorso.At(dorso.larghezza - 1 - x, dorso.altezza - 1 - y);
        EXPECT_LT(Differenza(dorso, girato, 0, 0, dorso.larghezza, dorso.altezza), 2.0);
    }
}

} // namespace
