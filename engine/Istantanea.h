#pragma once
// The table written down as an Istantanea and read back: every field of the game's state and of
// the table as the window shows it. Reading checks every value against its range, so a damaged
// record is refused rather than played.

#include "Registro.h"
#include "StatoTavolo.h"
#include "VistaTavolo.h"

namespace brivetta {

Istantanea Fotografa(const StatoTavolo& s, const VistaTavolo& v, int altezza);
// False, and nothing changed, when the record is not one this version or the one before wrote,
// or a value is out of its range.
bool Sviluppa(const Istantanea& i, StatoTavolo& s, VistaTavolo& v, int& altezza);

} // namespace brivetta
