#pragma once
// Yes/No questions of a command-line run: answered "Yes" when the caller said so in advance
// (--yes), asked on the terminal when standard input is one, and otherwise answered "No", so
// that nothing irreversible happens in a run nobody watches. Everything else passes on.

#include "app/cli/ForwardingInteraction.h"

#include <QTextStream>

namespace hvx::cli {

class TerminalQuestion : public ForwardingInteraction {
public:
    enum class Mode { Ask, AnswerYes, AnswerNo };

    TerminalQuestion(IUserInteraction& next, QTextStream& err, Mode mode) : ForwardingInteraction(next), m_err(err), m_mode(mode) {}

    int messageBox(const QString& text, unsigned type, unsigned helpId) override;

    // Ask when standard input is a terminal, else answer "No"; "Yes" when answerYes.
    static Mode ModeFor(bool answerYes);
    // Whether a typed answer means yes ("j", "ja", "y", "yes", any case).
    static bool IsYes(const QString& answer);

private:
    QTextStream& m_err;
    Mode m_mode;
};

} // namespace hvx::cli
