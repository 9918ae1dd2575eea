#pragma once
// A new parameter set for a revision and three chosen modules, as the new-configuration command
// and the instrument simulator build it.

#include "model/Modulauswahl.h"
#include "model/Parametersatz.h"

namespace hvx {

// In place, as the new-configuration command does it: byte 0 and descriptor bytes 0 and 1 of the
// three slots are set, all defaults loaded (ladeStandardwerte(ps, 0)) and the flag copies of
// the descriptors refreshed from the module blocks. Everything the defaults do not reach
// (blocks without known defaults, configuration bytes 1 and 14..45) keeps its previous bytes.
void richteNeuEin(Parametersatz& ps, quint8 geraetekennung, const Modulbestueckung& module);

// The factory parameter set: richteNeuEin on an all-zero image.
Parametersatz neuerParametersatz(quint8 geraetekennung, const Modulbestueckung& module);

} // namespace hvx
