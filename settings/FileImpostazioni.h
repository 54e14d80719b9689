#pragma once
// The settings file "brivetta.ini": the player's choices kept between runs, read into and
// written from one Impostazioni value; the game reads its settings from the table, never from
// the file.

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "Impostazioni.h"

namespace brivetta {

inline constexpr const char* FileImpostazioni = "brivetta.ini";
inline constexpr const char* FileImpostazioniNuovo = "brivetta.bak"; // written, then renamed
// Locked while a save runs, so that two copies of the game take turns; its "." keeps it out of
// the card-set list.
inline constexpr const char* FileBlocco = "brivetta.ini.lock";
inline constexpr const char* MazzoPredefinito = "Piacentine";
inline constexpr const char* NomePredefinito = "Anonimo";

// Characters of the human's name kept from the file.
inline constexpr std::size_t LunghezzaNomeFile = 8;
// A folder name has at most this many bytes; a longer Carte can name no set.
inline constexpr std::size_t LunghezzaMassimaCarte = 255;
// Bytes of a value that are kept, counted from its first non-blank byte: far more than any
// setting needs (a name's 8 characters, a folder name's 255 bytes, a number). A key is found
// anywhere in a line of any length, but the reader never holds the line itself, only this
// much of its value and the last few bytes before each "=".
inline constexpr std::size_t LunghezzaMassimaValore = 4096;

// Reads "brivetta.ini" from `cartella` when it is an ordinary file there, then brings every
// setting into range. A missing, unreadable or damaged file leaves the defaults; nothing is
// created and no message is shown. Start from Impostazioni{} (name "Anonimo", sound on, the
// numeric settings at 0): a key the file lacks then gets its default from the range step.
//
// Returns the tick of the sound menu entry: true = ticked (Suono 1), false = not ticked
// (Suono 0), empty = any other number, which plays sounds and stays in SuonoNelFile to be
// written back, while the entry keeps the tick it has in the window layout.
//
// Text: the name is read as UTF-8; a byte that is not part of a valid UTF-8 sequence is taken
// as a Latin-1 character (files written by older editors), so Nome is always valid UTF-8
// and is cut to 8 characters, not bytes. NomeNelFile keeps the same characters' bytes as the
// file held them. Carte is kept byte for byte, since it must match a folder name.
std::optional<bool> CaricaImpostazioni(Impostazioni& impostazioni,
                                       const std::filesystem::path& cartella = ".");

// The reading steps on an open stream, without the range step: each line (ended by CR LF, CR
// or LF) is matched against the keys, later lines win. A stream that fails part-way keeps the
// lines read whole up to there. A value longer than LunghezzaMassimaValore is read from its
// first bytes; one cut there keeps its trailing blanks, since it did not end with them.
void LeggiImpostazioni(Impostazioni& impostazioni, std::istream& ingresso);

// Brings every setting into range with the key defaults, cuts the name to 8 characters and
// replaces an empty Carte, or one too long for a folder name, with "Piacentine". Returns the tick
// as CaricaImpostazioni does. NomeNelFile is cut along with the name.
std::optional<bool> LimitaImpostazioni(Impostazioni& impostazioni);

// The ten lines of the file, CR LF ended, as SalvaImpostazioni writes them. The name goes in
// the bytes of NomeNelFile while Nome is still their reading, otherwise in UTF-8.
std::string TestoImpostazioni(const Impostazioni& impostazioni);

// Made to be shown as "Impossibile salvare le impostazioni in " + Cartella + ": " + Errore.
struct EsitoSalvataggio {
    bool Riuscito = true;
    // Why the save failed, as a reason alone: "Permission denied", "No space left on device",
    // "brivetta.ini is a folder". Empty when Riuscito.
    std::string Errore;
    // The folder written to, absolute and without "." or ".." steps whatever was passed: the
    // one asked for or, when brivetta.ini is a link, that of the file it leads to.
    std::filesystem::path Cartella;
};

// Writes the settings: "brivetta.bak" is created afresh, written, flushed to disk, and renamed
// over "brivetta.ini" in one step, so at any moment the folder holds a complete old or new
// file. When brivetta.ini is a link, the file it leads to is the one replaced, in its own
// folder, and the link stays; the replaced file's permissions carry over. Saves from several
// processes take turns on a lock of "brivetta.ini.lock", so the last one wins whole. The save
// never waits long on another process: a lock held for more than a fifth of a second, or a lock
// file that is no ordinary file (a pipe, a device), makes it fail with that reason. After a save
// no other spelling of brivetta.ini is left in `cartella`.
//
// On failure the old file stays as it was, no "brivetta.bak" is left behind, and the reason
// comes back in the result; the settings in memory are the caller's and stay as they are.
EsitoSalvataggio SalvaImpostazioni(const Impostazioni& impostazioni,
                                   const std::filesystem::path& cartella = ".");

} // namespace brivetta
