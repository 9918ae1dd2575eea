#pragma once
// A user interaction that answers every message as a batch run would, without showing it: for
// work behind a command that nobody asked to watch (hvxcli get rebuilding a set from its fields).
// Everything else is passed on.

#include "app/cli/ForwardingInteraction.h"
#include "base/BatchInteraction.h"

namespace hvx::cli {

class QuietInteraction : public ForwardingInteraction {
public:
    using ForwardingInteraction::ForwardingInteraction;

    int messageBox(const QString&, unsigned type, unsigned) override { return BatchInteraction::BatchAnswer(type); }
};

} // namespace hvx::cli
