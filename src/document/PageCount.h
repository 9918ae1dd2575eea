#pragma once
// Number of pages of the editing view (and of module sections of the export): one system page
// plus one page per module that has parameters to show, and a continuation page for a timer
// with more than four entries in use.

#include "model/Parametersatz.h"

namespace hvx {

struct TimerContinuation {
    int splitEntry = -1; // the entry that starts the continuation page
    int pageIndex = -1;  // page index of the continued timer page
    bool active = false;
    bool operator==(const TimerContinuation&) const = default;
};

struct PageCount {
    int pages = 0;
    TimerContinuation continuation;
};

PageCount CountPages(const Parametersatz& ps, int moduleCount, bool multiplePhPossible, bool triplePhPossible);

} // namespace hvx
