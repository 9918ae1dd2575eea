#pragma once
// The access code comparison: exactly four characters, each equal to the stored byte (no case
// folding, no trimming).

#include "model/Parametersatz.h"

#include <QString>

namespace hvx {

bool AccessCodeMatches(const Parametersatz& image, const QString& entered);

} // namespace hvx
