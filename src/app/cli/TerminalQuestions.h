#pragma once
// Questions of a command that changes the instrument: asked on the terminal when standard input
// is one, answered "No" when it is not, and answered "Yes" without asking after --yes. On a
// terminal the access code is typed there too (unless --access-code gave it).

#include "app/cli/ForwardingInteraction.h"

#include <QTextStream>

namespace hvx::cli {

class TerminalQuestions : public ForwardingInteraction {
public:
    TerminalQuestions(IUserInteraction& next, QTextStream& err, bool yes, bool codeGiven);

    int messageBox(const QString& text, unsigned type, unsigned helpId) override;
    std::optional<QString> askAccessCode() override;
    bool isBatch() const override { return !m_terminal; }

    static bool InputIsTerminal();
    // Whether a typed answer means yes ("j", "ja", "y", "yes", any case).
    static bool IsYes(const QString& answer);

private:
    QString readLine();

    QTextStream& m_err;
    bool m_yes;
    bool m_codeGiven;
    bool m_terminal;
};

} // namespace hvx::cli
