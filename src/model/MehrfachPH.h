#pragma once
// The multiple pH measurement: with pH in slots 1 and 2, module 1 measures and the further pH
// modules check it. Before every save their blocks become copies of module 1's, each keeping
// its own calibration.

#include "model/Parametersatz.h"

namespace hvx {

void wendeMehrfachPHRegelAn(Parametersatz& ps);

} // namespace hvx
