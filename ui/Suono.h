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

// Length in milliseconds of a wave file the player accepts, read from its header; -1 for any
// other file. Accepted: RIFF/WAVE, PCM, 8 to 192 kHz, mono or stereo, 8 or 16 bit, a consistent
// block size and byte rate, and a non-empty data chunk wholly inside the file.
int DurataWav(const QString& percorso);

} // namespace brivetta
