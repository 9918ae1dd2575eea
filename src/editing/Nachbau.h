#pragma once
// A parameter set rebuilt from what its pages show: the factory set of the same revision and
// modules with every shown value entered as hvxcli set enters it. Whatever the rebuilt set does
// not share with the original is what no page shows (calibration data, derived values left
// stale, reserved bytes); listed with the fields, it makes a text view of a configuration that
// tells every change of the set, as a text diff of two configurations needs.

#include "editing/Felder.h"
#include "editing/Vergleich.h"
#include "model/Parametersatz.h"

#include <vector>

namespace hvx {

// felder: the shown fields of ps (felderAuflisten). A value the pages refuse is left out, so the
// result depends on the revision, the modules and the shown values alone. Messages the pages show
// on the way go to the installed interaction; no input error is left behind.
Parametersatz nachbau(const Parametersatz& ps, const std::vector<Feldangabe>& felder);

// The byte rows of the comparison of the rebuilt set with ps (groups calibration data and bytes
// without a page, ps's values on side B, the access code masked), in the comparison's order.
std::vector<Unterschied> bytesOhneSeite(const Parametersatz& ps, const std::vector<Feldangabe>& felder);

} // namespace hvx
