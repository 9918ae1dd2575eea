#pragma once
// The wait cursor for as long as the object lives, through the installed user interaction.

#include "base/HvxApp.h"

namespace hvx {

class WaitCursor {
public:
    WaitCursor() { theApp().ui().beginWait(); }
    ~WaitCursor() { theApp().ui().endWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace hvx
