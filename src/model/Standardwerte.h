#pragma once
// Loading factory defaults into a parameter set.

#include "model/Parametersatz.h"

namespace hvx {

// Defaults of the parameter set. welche = 0: all three slots and the system values;
// welche = 1..3: that module slot only. By each slot's `Modultyp` the module and controller
// blocks get their default blocks, zeros, or are left as they were where no default is known.
// The descriptors are not changed. Returns false (nothing changed) for any other welche.
bool ladeStandardwerte(Parametersatz& ps, int welche);

// Copies module block bytes 2 and 7 into descriptor bytes 2 and 3 (`Modulflags`, `Reglerflags`).
void uebernehmeFlagsInModulkopf(Parametersatz& ps, int slot);

// The "Standard" commands: ladeStandardwerte, then each slot in range whose module block was
// loaded from a default block takes descriptor bytes 0, 1, 2, 3 from block bytes 0, 1, 2, 7.
// The module type itself is part of the instrument's fixed configuration: a "Redox (+/-)" slot,
// which shares the redox block with byte 0 = 2, stays type 15, and a slot whose block was not
// loaded keeps its descriptor.
bool setzeStandardeinstellung(Parametersatz& ps, int welche);

} // namespace hvx
