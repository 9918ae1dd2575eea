#pragma once
// The instrument's own 16-bit measuring scale. Thresholds the instrument compares measured
// values with are stored on this scale; each module type maps its stored value onto it with
// the instrument's integer arithmetic, so the same bytes come out as the instrument computes.

#include "model/Parametersatz.h"

namespace hvx {

// S(v) of a stored value v of the slot's module (set point, limit, threshold), kept to 16 bits.
quint16 instrumentskala(const Parametersatz& ps, int slot, quint16 v);

} // namespace hvx
