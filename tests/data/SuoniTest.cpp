// The shipped sounds: the format every player's machine can play, and short.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LeggiFile.h"

namespace {

using namespace dati;

struct Suono {
    const char* nome;
    double durataMassima; // seconds: the table waits for the sound to finish
};

// A function of its own, so that a failed ASSERT stops only this sound's checks.
void Controlla(const Suono& s) {
    SCOPED_TRACE(s.nome);
    const std::string b = LeggiFile(CartellaDati / s.nome);
    ASSERT_GE(b.size(), 12U) << "missing or empty";
    ASSERT_EQ(b.substr(0, 4) + b.substr(8, 4), "RIFFWAVE");
    ASSERT_EQ(Le32(b, 4) + 8ULL, b.size()) << "RIFF size against file length";

    // Other chunks may stand between "fmt " and "data"; odd sizes are padded.
    std::string fmt;
    std::vector<int> campioni;
    bool data = false;
    for (std::size_t i = 12; i + 8 <= b.size();) {
        const std::string id = b.substr(i, 4);
        const std::size_t n = Le32(b, i + 4);
        ASSERT_LE(i + 8 + n, b.size()) << "chunk " << id << " runs past the end";
        if (id == "fmt ") fmt = b.substr(i + 8, n);
        if (id == "data") {
            data = true;
            for (std::size_t k = 0; k + 1 < n; k += 2)
                campioni.push_back(static_cast<std::int16_t>(Le16(b, i + 8 + k)));
        }
        i += 8 + n + n % 2;
    }
    ASSERT_GE(fmt.size(), 16U);
    ASSERT_TRUE(data);
    EXPECT_EQ(Le16(fmt, 0), 1U) << "integer PCM";
    EXPECT_EQ(Le16(fmt, 2), 1U) << "mono";
    EXPECT_EQ(Le32(fmt, 4), 44100U);
    EXPECT_EQ(Le32(fmt, 8), 88200U) << "bytes per second";
    EXPECT_EQ(Le16(fmt, 12), 2U) << "block align";
    EXPECT_EQ(Le16(fmt, 14), 16U);

    ASSERT_GT(campioni.size(), 441U) << "at least 10 ms";
    EXPECT_LE(static_cast<double>(campioni.size()) / 44100.0, s.durataMassima);
}

TEST(Suoni, Pcm16MonoA44100Corti) {
    for (const Suono& s :
         {Suono{"SOUND112.wav", 0.4}, Suono{"laser.wav", 0.4}, Suono{"dindin.wav", 0.25},
          Suono{"oh_no.wav", 1.2}, Suono{"Risata.wav", 1.2}})
        Controlla(s);
}

} // namespace
