#pragma once
// The check of a wave file's header, before the audio side is given the file.

#include <QString>

namespace brivetta {

// Length in milliseconds of a wave file the player accepts, read from its header; -1 for any
// other file. Accepted: RIFF/WAVE, PCM, 8 to 192 kHz, mono or stereo, 8 or 16 bit, a consistent
// block size and byte rate, and a non-empty data chunk wholly inside the file.
int DurataWav(const QString& percorso);

} // namespace brivetta
