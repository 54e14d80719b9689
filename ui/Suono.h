#pragma once
// The sound player: a wave file of the current folder played to its end.

#include <QString>
#include <string>

namespace brivetta {

// Plays the file and returns when it has finished. A missing or damaged file, or a machine
// without an audio output, is silent and returns at once; a player that never reports the end
// is cut off shortly after the sound's own length.
void SuonaEffetto(const std::string& file);

// The ordinary file of the current folder whose name matches, ignoring letter case; empty when
// there is none. Looked up at every call, so a file deleted meanwhile is simply not found.
QString TrovaFileProgramma(const QString& nome);

// Length in milliseconds of a PCM wave file read from its header, or -1 when the file is not
// a wave file the player can use.
int DurataWav(const QString& percorso);

} // namespace brivetta
