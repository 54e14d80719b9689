// The shipped card set: pictures 00 (the back) to 40, once each, at table size and 2x.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "LeggiFile.h"

namespace {

using namespace dati;

// Follows the blocks from the header to the trailer without decoding the pixels: a cut,
// padded or animated file comes out as the reason, a sound one as "".
std::string ControllaGif(const std::string& b) {
    if (b.compare(0, 6, "GIF87a") != 0 && b.compare(0, 6, "GIF89a") != 0) return "no signature";
    std::size_t i = 13;
    const auto tavolozza = [&](std::uint32_t flag) {
        if (flag & 0x80) i += 3U << ((flag & 7) + 1);
    };
    const auto sottoblocchi = [&] {
        while (i < b.size() && b[i] != 0)
            i += Byte(b, i) + 1;
        ++i;
    };
    tavolozza(Byte(b, 10));
    int immagini = 0;
    while (i < b.size()) {
        const auto blocco = Byte(b, i++);
        if (blocco == 0x3B) {
            if (i != b.size()) return "bytes after the trailer";
            return immagini == 1 ? "" : std::to_string(immagini) + " images";
        }
        if (blocco == 0x21) { // extension: label, then sub-blocks
            ++i;
            sottoblocchi();
        } else if (blocco == 0x2C) { // image: descriptor, palette, code size, data
            const auto flag = Byte(b, i + 8);
            i += 9;
            tavolozza(flag);
            ++i;
            sottoblocchi();
            ++immagini;
        } else {
            return "unknown block " + std::to_string(blocco);
        }
    }
    return "no trailer";
}

struct Misura {
    const char* cartella;
    std::uint32_t larghezza;
    std::uint32_t altezza;
};

TEST(Carte, OgniIndiceUnaVoltaComeGifIntegroDellaMisuraGiusta) {
    // The game finds picture N as the file "NN<anything>.gif".
    const std::regex nomeCarta(R"(\d\d.*\.gif)");
    for (const Misura& m : {Misura{"Piacentine", 58, 99}, Misura{"Piacentine/2x", 116, 198}}) {
        SCOPED_TRACE(m.cartella);
        std::map<int, int> volte;
        for (const auto& voce : fs::directory_iterator(CartellaDati / m.cartella)) {
            const std::string nome = voce.path().filename().string();
            if (!voce.is_regular_file() || !std::regex_match(nome, nomeCarta)) continue;
            ++volte[std::stoi(nome.substr(0, 2))];
            const std::string b = LeggiFile(voce.path());
            EXPECT_EQ(ControllaGif(b), "") << nome;
            EXPECT_EQ(Le16(b, 6), m.larghezza) << nome;
            EXPECT_EQ(Le16(b, 8), m.altezza) << nome;
        }
        for (int n = 0; n <= 40; ++n)
            EXPECT_EQ(volte[n], 1) << "picture " << n;
        EXPECT_EQ(volte.size(), 41U) << "a picture numbered past 40";
    }
}

} // namespace
