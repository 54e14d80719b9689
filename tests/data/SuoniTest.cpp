// The sound files that ship beside the game, read back as the player's machine will read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path CartellaDati{BRIVETTA_DATA_DIR};

std::string LeggiFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::uint32_t Le32(const std::string& b, std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 3])) << 24;
}

std::uint16_t Le16(const std::string& b, std::size_t i) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[i]) |
                                      static_cast<unsigned char>(b[i + 1]) << 8);
}

struct Wave {
    std::uint16_t formato = 0; // 1 = integer PCM
    std::uint16_t canali = 0;
    std::uint32_t frequenza = 0;
    std::uint32_t byteAlSecondo = 0;
    std::uint16_t allineamento = 0;
    std::uint16_t bit = 0;
    std::vector<std::int16_t> campioni; // filled only for 16-bit PCM
};

// Walks the RIFF chunks; any chunk may come between "fmt " and "data" (LIST, fact ...), and odd
// chunk sizes are padded to an even length. Returns the reason when the file is not usable.
std::optional<Wave> LeggiWave(const std::string& b, std::string& errore) {
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        errore = "not a RIFF/WAVE file";
        return std::nullopt;
    }
    if (Le32(b, 4) + 8ULL != b.size()) {
        errore = "RIFF size does not match the file length";
        return std::nullopt;
    }
    Wave w;
    bool fmt = false;
    bool data = false;
    std::size_t i = 12;
    while (i + 8 <= b.size()) {
        const std::string id = b.substr(i, 4);
        const std::uint64_t n = Le32(b, i + 4);
        const std::size_t corpo = i + 8;
        if (corpo + n > b.size()) {
            errore = "chunk '" + id + "' runs past the end of the file";
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (n < 16) {
                errore = "fmt chunk too short";
                return std::nullopt;
            }
            w.formato = Le16(b, corpo);
            w.canali = Le16(b, corpo + 2);
            w.frequenza = Le32(b, corpo + 4);
            w.byteAlSecondo = Le32(b, corpo + 8);
            w.allineamento = Le16(b, corpo + 12);
            w.bit = Le16(b, corpo + 14);
            fmt = true;
        } else if (id == "data") {
            if (!fmt) {
                errore = "data chunk before fmt chunk";
                return std::nullopt;
            }
            if (w.formato == 1 && w.bit == 16) {
                if (n % 2 != 0) {
                    errore = "odd number of bytes in 16-bit data";
                    return std::nullopt;
                }
                for (std::size_t k = 0; k < n; k += 2)
                    w.campioni.push_back(static_cast<std::int16_t>(Le16(b, corpo + k)));
            }
            data = true;
        }
        i = corpo + n + (n % 2);
    }
    if (!fmt || !data) {
        errore = fmt ? "no data chunk" : "no fmt chunk";
        return std::nullopt;
    }
    return w;
}

std::string Chunk(const std::string& id, const std::string& corpo) {
    std::string c = id;
    const auto n = static_cast<std::uint32_t>(corpo.size());
    for (int k = 0; k < 4; ++k)
        c += static_cast<char>((n >> (8 * k)) & 0xFF);
    c += corpo;
    if (corpo.size() % 2) c += '\0';
    return c;
}

std::string Riff(const std::string& chunks) {
    std::string corpo = "WAVE" + chunks;
    return Chunk("RIFF", corpo);
}

std::string Fmt(std::uint16_t formato, std::uint16_t canali, std::uint32_t freq,
                std::uint16_t bit) {
    std::string c;
    auto metti = [&c](std::uint32_t v, int byte) {
        for (int k = 0; k < byte; ++k)
            c += static_cast<char>((v >> (8 * k)) & 0xFF);
    };
    const auto allineamento = static_cast<std::uint16_t>(canali * bit / 8);
    metti(formato, 2);
    metti(canali, 2);
    metti(freq, 4);
    metti(freq * allineamento, 4);
    metti(allineamento, 2);
    metti(bit, 2);
    return Chunk("fmt ", c);
}

// The reader is what vouches for the shipped files, so it must itself see through a file.
TEST(LettoreWave, TrovaIDatiDopoAltriChunkEdEvitaIlPadding) {
    const std::string dati{"\x01\x00\xff\x7f\x00\x80", 6};
    std::string errore;
    const auto w =
        LeggiWave(Riff(Fmt(1, 1, 44100, 16) + Chunk("LIST", "abc") + Chunk("data", dati)), errore);
    ASSERT_TRUE(w) << errore;
    EXPECT_EQ(w->frequenza, 44100u);
    EXPECT_EQ(w->byteAlSecondo, 88200u);
    EXPECT_EQ(w->campioni, (std::vector<std::int16_t>{1, 32767, -32768}));
}

TEST(LettoreWave, RifiutaFileRovinati) {
    const std::string dati(8, '\0');
    const std::string buono = Riff(Fmt(1, 1, 44100, 16) + Chunk("data", dati));
    struct Caso {
        const char* nome;
        std::string byte;
    };
    const std::vector<Caso> casi = {
        {"vuoto", ""},
        {"troncato", buono.substr(0, buono.size() - 2)},
        {"non WAVE", "RIFX" + buono.substr(4)},
        {"senza data", Riff(Fmt(1, 1, 44100, 16))},
        {"senza fmt", Riff(Chunk("data", dati))},
        {"data dichiarato piu' lungo",
         Riff(Fmt(1, 1, 44100, 16) + "data" + std::string("\x40\x00\x00\x00", 4) + dati)},
    };
    for (const auto& c : casi) {
        std::string errore;
        EXPECT_FALSE(LeggiWave(c.byte, errore)) << c.nome;
    }
}

struct Suono {
    const char* nome;
    double durataMassima; // seconds: playback blocks the table, so every sound is short
};

const std::vector<Suono> Suoni = {
    {"SOUND112.wav", 0.4}, {"laser.wav", 0.4},  {"dindin.wav", 0.25},
    {"oh_no.wav", 1.2},    {"Risata.wav", 1.2},
};

void PrintTo(const Suono& s, std::ostream* os) {
    *os << s.nome;
}

class SuonoSpedito : public ::testing::TestWithParam<Suono> {};

TEST_P(SuonoSpedito, EPcm16MonoA44100CortoNormalizzatoESenzaClic) {
    const Suono s = GetParam();
    const fs::path p = CartellaDati / s.nome;
    ASSERT_TRUE(fs::is_regular_file(p)) << p;
    std::string errore;
    const auto w = LeggiWave(LeggiFile(p), errore);
    ASSERT_TRUE(w) << s.nome << ": " << errore;

    EXPECT_EQ(w->formato, 1) << "integer PCM";
    EXPECT_EQ(w->canali, 1);
    EXPECT_EQ(w->frequenza, 44100u);
    EXPECT_EQ(w->bit, 16);
    EXPECT_EQ(w->allineamento, 2);
    EXPECT_EQ(w->byteAlSecondo, 88200u);
    ASSERT_GT(w->campioni.size(), 441u) << "at least 10 ms of sound";

    const double durata = static_cast<double>(w->campioni.size()) / 44100.0;
    EXPECT_LE(durata, s.durataMassima);

    int picco = 0;
    for (const std::int16_t c : w->campioni)
        picco = std::max(picco, std::abs(static_cast<int>(c)));
    const double dbfs = 20.0 * std::log10(picco / 32768.0);
    EXPECT_GE(dbfs, -4.0);
    EXPECT_LE(dbfs, -2.0);

    // Starting or stopping on a non-zero sample is heard as a click: the file must fade in and out.
    EXPECT_LE(std::abs(w->campioni.front()), 32);
    EXPECT_LE(std::abs(w->campioni.back()), 32);
    const std::size_t bordo = 10;
    for (std::size_t k = 0; k < bordo; ++k) {
        EXPECT_LE(std::abs(w->campioni[k]), picco / 20) << "sample " << k;
        EXPECT_LE(std::abs(w->campioni[w->campioni.size() - 1 - k]), picco / 20)
            << "sample " << k << " from the end";
    }
}

INSTANTIATE_TEST_SUITE_P(Dati, SuonoSpedito, ::testing::ValuesIn(Suoni), [](const auto& info) {
    std::string n = info.param.nome;
    n = n.substr(0, n.find('.'));
    return n;
});

TEST(Suoni, SonoTuttiDiversi) {
    std::set<std::string> contenuti;
    for (const auto& s : Suoni)
        contenuti.insert(LeggiFile(CartellaDati / s.nome));
    EXPECT_EQ(contenuti.size(), Suoni.size()) << "two sound files are identical";
}

} // namespace
