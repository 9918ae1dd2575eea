#pragma once
// A user interaction that passes everything on to another one; subclasses take over single
// kinds of question.

#include "base/UserInteraction.h"

namespace hvx::cli {

class ForwardingInteraction : public IUserInteraction {
public:
    explicit ForwardingInteraction(IUserInteraction& next) : m_next(next) {}

    int messageBox(const QString& text, unsigned type, unsigned helpId) override { return m_next.messageBox(text, type, helpId); }
    std::optional<QString> askAccessCode() override { return m_next.askAccessCode(); }
    bool canRetryAccessCode() const override { return m_next.canRetryAccessCode(); }
    void progressBegin(const QString& title, int range) override { m_next.progressBegin(title, range); }
    void progressStep(int position) override { m_next.progressStep(position); }
    void progressEnd() override { m_next.progressEnd(); }
    std::optional<QString> chooseFile(const FileChoice& choice) override { return m_next.chooseFile(choice); }
    void idle() override { m_next.idle(); }
    void beginWait() override { m_next.beginWait(); }
    void endWait() override { m_next.endWait(); }
    bool isBatch() const override { return m_next.isBatch(); }

    IUserInteraction& next() const { return m_next; }

private:
    IUserInteraction& m_next;
};

} // namespace hvx::cli
