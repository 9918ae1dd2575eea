#pragma once
// Puts an interaction in charge of the application's questions for the length of a scope, and
// the one before it again at the end.

#include "base/HvxApp.h"
#include "base/UserInteraction.h"

namespace hvx::cli {

class ScopedInteraction {
public:
    explicit ScopedInteraction(IUserInteraction& interaction) : m_previous(theApp().ui())
    {
        theApp().SetUserInteraction(&interaction);
    }
    ~ScopedInteraction() { theApp().SetUserInteraction(&m_previous); }
    ScopedInteraction(const ScopedInteraction&) = delete;
    ScopedInteraction& operator=(const ScopedInteraction&) = delete;

private:
    IUserInteraction& m_previous;
};

} // namespace hvx::cli
