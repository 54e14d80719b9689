#pragma once
// Card image sets: one folder per set in the program's folder, holding the GIF pictures
// "00" (the back) to "40" (card 1..40), each file named by its two digits, then anything,
// then ".gif". The default set is "Piacentine". Picture loading itself belongs to the window.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brivetta {

inline constexpr int PrimaImmagine = 0;   // the card back
inline constexpr int UltimaImmagine = 40; // card 40, the king of Spade

// A set name that names a folder directly inside the program's folder: not empty, not "."
// or "..", no "/", "\" or NUL. Anything else (a path, a way out of the folder) is no set.
bool NomeInsiemeSemplice(std::string_view carte);

// The folder of set `carte` inside `cartellaProgramma`: the exact spelling when it is a
// folder, otherwise a folder whose name differs only in letter case. Links are followed.
// Empty when the name is not plain or no such folder exists.
std::filesystem::path CartellaInsieme(const std::filesystem::path& cartellaProgramma,
                                      const std::string& carte);

// Start-up check, before the first picture load: `carte` becomes "Piacentine", silently, when
// it is empty, is not a plain name, or its folder is missing or holds no ordinary file
// (hidden dot-files do not count). Returns true when `carte` was changed.
bool ControllaCarte(std::string& carte, const std::filesystem::path& cartellaProgramma = ".");

// The picture file of index 0..40 in a set folder: the first ordinary file, in the folder's
// enumeration order, whose name begins with the two digits of the index ("00".."40") and ends
// with ".gif" in any letter case, with anything or nothing between. "05.gif" and
// "05_cinque.GIF" serve index 5, "5.gif" serves none; folders never count, links to files
// do. Empty when there is none, when the folder cannot be read, or for an index outside 0..40.
std::filesystem::path TrovaFileCarta(const std::filesystem::path& cartellaInsieme, int indice);

// The names offered in the options dialog's set list: every entry of the program's folder
// (folders, files, links alike) whose name contains no ".", in enumeration order. That drops
// "." and "..", the settings file, the sounds and the help; an extension-less file is listed.
// Names are the file system's bytes. Empty when the folder cannot be read.
std::vector<std::string> ElencaMazzi(const std::filesystem::path& cartellaProgramma = ".");

// Position in `mazzi` of the entry equal to `carte` with the same letter case (the one the
// list shows selected), or -1 when none is.
int IndiceMazzo(const std::vector<std::string>& mazzi, const std::string& carte);

} // namespace brivetta
