// Reading the shipped files back as bytes, and the integers their formats are made of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace dati {

namespace fs = std::filesystem;

inline const fs::path CartellaDati{BRIVETTA_DATA_DIR};
inline const fs::path CartellaUi{BRIVETTA_UI_DIR};

inline std::string LeggiFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A little-endian integer (WAV); reading past the end gives zeros.
inline std::uint32_t Le32(const std::string& b, std::size_t i) {
    std::uint32_t n = 0;
    for (std::size_t k = 4; k-- > 0;)
        n = n << 8 | (i + k < b.size() ? static_cast<unsigned char>(b[i + k]) : 0U);
    return n;
}
} // namespace dati
