#pragma once
// Adapting a parameter set to another software revision of the same device variant, one
// version step at a time. Going down drops what the lower version does not know.

#include "model/Parametersatz.h"

namespace hvx {

// Converts ps to the revision with byte 0 = ziel, stepping through the versions (bits 0..2) in
// between; the language set bit is taken from ziel. Refused (false, nothing changed) when the
// current or the target version is not supported or the variant differs. The current revision
// as target changes nothing and succeeds.
bool passeVersionAn(Parametersatz& ps, quint8 ziel);

// Rewrites the seven entries of a timer block between the 10-byte and 13-byte layout. Converting
// up gives each entry the factory values of the three new fields; converting down drops them.
// Bytes of the block outside the entries keep their values.
void konvertiereTimerEintraege(Parametersatz& ps, int slot, bool nachLang);

} // namespace hvx
