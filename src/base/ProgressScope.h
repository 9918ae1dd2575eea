#pragma once
// A progress display through the installed user interaction for as long as the object lives:
// closed on every way out of the work it shows.

#include "base/HvxApp.h"
#include "base/Language.h"

namespace hvx {

class ProgressScope {
public:
    ProgressScope(int titleNumber, int range) : m_ui(theApp().ui()) { m_ui.progressBegin(GetStringsText(titleNumber), range); }
    ~ProgressScope() { m_ui.progressEnd(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void step(int done) { m_ui.progressStep(done); }

private:
    IUserInteraction& m_ui;
};

} // namespace hvx
