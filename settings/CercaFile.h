#pragma once
// Look-ups of the program's files ignore letter case, as the game's players expect from the
// file systems they come from: "Risata.wav" and "risata.wav" name the same file.

#include <filesystem>
#include <string_view>

namespace brivetta {

// The entry of `cartella` named `nome`: the exact spelling when it exists, otherwise the first
// entry (in enumeration order) whose name equals `nome` ignoring ASCII letter case. Empty when
// there is none or the folder cannot be read. Any kind of entry counts; callers check the kind.
std::filesystem::path CercaFile(const std::filesystem::path& cartella, std::string_view nome);

// ASCII letters compared without case; other bytes (UTF-8 included) compared as they are.
bool UgualeSenzaMaiuscole(std::string_view a, std::string_view b);

} // namespace brivetta
