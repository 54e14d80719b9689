#pragma once
// The program's folder: where the game finds its card sets, sounds and help, and keeps its
// settings. Start-up makes it the current folder.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace brivetta {

// What the preparation asks of the system; tests replace both.
struct AmbienteCartella {
    // Value of an environment variable, or nothing when it is not set.
    std::function<std::optional<std::string>(const std::string& nome)> variabile;
    // Whether files can be created in a folder.
    std::function<bool(const std::filesystem::path& cartella)> scrivibile;
};

// The real environment and a real write probe.
AmbienteCartella AmbienteDiSistema();

// Creates and removes a temporary file: permission bits say nothing for root or on a read-only
// mount, an actual write does.
bool CartellaScrivibile(const std::filesystem::path& cartella);

// The folder beside the executable when it is writable (a build folder, a per-user install).
// Otherwise (installed for all users) the per-user folder $XDG_DATA_HOME/brivetta, by default
// ~/.local/share/brivetta, created if needed and given a link to every shipped entry it lacks,
// so the player's own brivetta.ini and card sets live beside the shipped ones. Nothing the player
// put there is ever replaced. On any failure the executable's folder is returned: the game still
// starts, it just cannot save.
std::filesystem::path
PreparaCartellaProgramma(const std::filesystem::path& cartellaEseguibile,
                         const AmbienteCartella& ambiente = AmbienteDiSistema());

} // namespace brivetta
