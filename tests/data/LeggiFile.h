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

inline std::uint32_t Byte(const std::string& b, std::size_t i) {
    return i < b.size() ? static_cast<unsigned char>(b[i]) : 0U;
}

// Little-endian integers (WAV); reading past the end gives zeros.
inline std::uint32_t Le16(const std::string& b, std::size_t i) {
    return Byte(b, i) | Byte(b, i + 1) << 8;
}
inline std::uint32_t Le32(const std::string& b, std::size_t i) {
    return Le16(b, i) | Le16(b, i + 2) << 16;
}
} // namespace dati
