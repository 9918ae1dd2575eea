#pragma once
// Controls of a page held in maps, for tests of the exchange and the validators without widgets:
// the same maps a page run without a window uses.

#include "editing/KartenControls.h"

namespace hvx::test {

using FakeControls = KartenControls;

} // namespace hvx::test
