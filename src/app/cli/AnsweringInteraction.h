#pragma once
// A user interaction that answers every access code prompt with a code given in advance (a
// transfer may ask for the file's and for the instrument's code) and passes everything else on.
// A wrong code is not asked again: each check tries the given code once and ends at its failure.

#include "app/cli/ForwardingInteraction.h"

namespace hvx::cli {

class AnsweringInteraction : public ForwardingInteraction {
public:
    AnsweringInteraction(IUserInteraction& next, QString accessCode)
        : ForwardingInteraction(next), m_accessCode(std::move(accessCode)) {}

    std::optional<QString> askAccessCode() override { return m_accessCode; }
    bool canRetryAccessCode() const override { return false; }

private:
    QString m_accessCode;
};

} // namespace hvx::cli
