#pragma once
// The user interaction of a batch run: nobody is there to answer, so every question gets the
// answer fixed for its type and whatever a person would have seen goes to standard error.

#include "base/UserInteraction.h"

#include <cstdio>

namespace hvx {

class BatchInteraction : public IUserInteraction {
public:
    explicit BatchInteraction(std::FILE* errorStream = stderr) : m_errorStream(errorStream) {}

    // The answer for a message box type taken as a whole: OK for OK and OK/Cancel, Abort for
    // Abort/Retry/Ignore, Yes for Yes/No/Cancel and Yes/No, Retry for any other value
    // (every type with icon flags included). The default button is the window's concern only.
    static int BatchAnswer(unsigned type);

    int messageBox(const QString& text, unsigned type, unsigned helpId) override;
    std::optional<QString> askAccessCode() override;
    void progressBegin(const QString& title, int range) override;
    void progressStep(int position) override;
    void progressEnd() override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;
    void idle() override {}
    void beginWait() override {} // no window, no cursor
    void endWait() override {}
    bool isBatch() const override { return true; }

    // The name of an answer as the batch output shows it ("Ja", "Nein", ...).
    static QString answerText(int answer);

private:
    void writeLine(const QString& text);
    std::FILE* m_errorStream;
};

} // namespace hvx
