// The shipped sounds: the format every player's machine can play, and short, read by the game's
// own header check.
#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "FileWav.h"
#include "LeggiFile.h"

namespace {

using namespace dati;

TEST(Suoni, Pcm16MonoA44100Corti) {
    // PCM, one channel, 44,100 samples a second, 88,200 bytes, blocks of 2, 16 bit.
    const std::string formato("\x01\x00\x01\x00\x44\xAC\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00",
                              16);
    // The longest each may last, in ms: the table waits for the sound to finish.
    for (const auto& [nome, durataMassima] : {std::pair{"SOUND112.wav", 400},
                                              {"laser.wav", 400},
                                              {"dindin.wav", 250},
                                              {"oh_no.wav", 1200},
                                              {"Risata.wav", 1200}}) {
        SCOPED_TRACE(nome);
        const std::string b = LeggiFile(CartellaDati / nome);
        ASSERT_GE(b.size(), 12U) << "missing or empty";
        EXPECT_EQ(Le32(b, 4) + 8ULL, b.size()) << "RIFF size against file length";
        const std::size_t fmt = b.find("fmt ");
        ASSERT_NE(fmt, std::string::npos);
        EXPECT_EQ(b.substr(fmt + 8, 16), formato);
        const int durata =
            brivetta::DurataWav(QString::fromStdString((CartellaDati / nome).string()));
        EXPECT_GE(durata, 10);
        EXPECT_LE(durata, durataMassima);
    }
}

} // namespace
