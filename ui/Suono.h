#pragma once
// The sound files: the look-up in the current folder and the check of a wave file's header.

#include <QString>

namespace brivetta {

// The ordinary file of the current folder whose name matches, ignoring letter case; empty when
// there is none. Looked up at every call, so a file deleted meanwhile is simply not found.
QString TrovaFileProgramma(const QString& nome);

// Length in milliseconds of a wave file the player accepts, read from its header; -1 for any
// other file. Accepted: RIFF/WAVE, PCM, 8 to 192 kHz, mono or stereo, 8 or 16 bit, a consistent
// block size and byte rate, and a non-empty data chunk wholly inside the file.
int DurataWav(const QString& percorso);

} // namespace brivetta
