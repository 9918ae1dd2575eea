#pragma once
// A new parameter set for a revision and three chosen modules, as the new-configuration command
// and the instrument simulator build it.

#include "model/Modulauswahl.h"
#include "model/Parametersatz.h"

namespace hvx {

// In place, as the new-configuration command does it: byte 0 and descriptor bytes 0 and 1 of the
// three slots are set, the configuration bytes 14..45 cleared, all defaults loaded
// (ladeStandardwerte(ps, 0)) and the flag copies of the descriptors refreshed from the module
// blocks. What the defaults do not reach (blocks without known defaults, the reserved bytes 1
// and 501) keeps its previous bytes.
void richteNeuEin(Parametersatz& ps, quint8 geraetekennung, const Modulbestueckung& module);

// The factory parameter set: richteNeuEin on an all-zero image.
Parametersatz neuerParametersatz(quint8 geraetekennung, const Modulbestueckung& module);

// A change of the module configuration: each slot whose module type differs from the choice
// gets the new type, its initial controller type and its defaults; slots whose type stays keep
// all their values. When any slot changed, the settings that name other modules start over:
// multiple pH off, temperature compensation per module, additional enable and controller
// switch-off "aus" and no maintenance dosing on every present slot. Returns whether any slot
// changed.
bool aendereModulbestueckung(Parametersatz& ps, const Modulbestueckung& module);

} // namespace hvx
