#pragma once
// A user interaction that answers the access code prompt with a code given in advance (once;
// a repeated prompt goes to the underlying interaction) and passes everything else on.

#include "app/UserInteraction.h"

namespace hvx::cli {

class AnsweringInteraction : public IUserInteraction {
public:
    AnsweringInteraction(IUserInteraction& next, QString accessCode) : m_next(next), m_accessCode(std::move(accessCode)) {}

    int messageBox(const QString& text, unsigned type, unsigned helpId) override { return m_next.messageBox(text, type, helpId); }
    std::optional<QString> askAccessCode() override;
    void progressBegin(const QString& title, int range) override { m_next.progressBegin(title, range); }
    void progressStep(int position) override { m_next.progressStep(position); }
    void progressEnd() override { m_next.progressEnd(); }
    std::optional<QString> chooseFile(const FileChoice& choice) override { return m_next.chooseFile(choice); }
    void idle() override { m_next.idle(); }
    bool isBatch() const override { return m_next.isBatch(); }

    IUserInteraction& next() const { return m_next; }

private:
    IUserInteraction& m_next;
    QString m_accessCode;
    bool m_answered = false;
};

} // namespace hvx::cli
