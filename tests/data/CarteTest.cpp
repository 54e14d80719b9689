// The shipped card set: pictures 00 (the back) to 40, once each, whole GIFs the game's own
// reader takes, at table size and 2x.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "CaricaCarte.h"
#include "LeggiFile.h"

namespace {

using namespace dati;

struct Misura {
    const char* cartella;
    int larghezza;
    int altezza;
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
            EXPECT_TRUE(
                brivetta::GifIntegra(QByteArray::fromStdString(b), QSize(m.larghezza, m.altezza)))
                << nome;
        }
        for (int n = 0; n <= 40; ++n)
            EXPECT_EQ(volte[n], 1) << "picture " << n;
        EXPECT_EQ(volte.size(), 41U) << "a picture numbered past 40";
    }
}

} // namespace
