#include "app/cli/TerminalQuestions.h"

#include "base/Language.h"

#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace hvx::cli {
namespace {

constexpr int kTextYesNoPrompt = 3867;  // "%1 [j/N] "
constexpr int kTextCodePrompt = 3868;   // "Zugangscode: "
constexpr int kTextNo = 3869;           // "Nein (kein Terminal)"
constexpr int kTextYes = 3900;          // "j (--yes)"
constexpr unsigned kButtonsMask = 0x0F;

// The terminal does not show what is typed while this lives (an access code is not for the
// people around).
class HiddenInput {
public:
    HiddenInput() : m_hidden(tcgetattr(STDIN_FILENO, &m_saved) == 0)
    {
        if (!m_hidden)
            return;
        termios quiet = m_saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        m_hidden = tcsetattr(STDIN_FILENO, TCSANOW, &quiet) == 0;
    }
    ~HiddenInput()
    {
        if (m_hidden)
            tcsetattr(STDIN_FILENO, TCSANOW, &m_saved);
    }
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;

private:
    termios m_saved{};
    bool m_hidden;
};

bool IsQuestion(unsigned type)
{
    const unsigned buttons = type & kButtonsMask;
    return buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
}

} // namespace

bool TerminalQuestions::IsYes(const QString& answer)
{
    const QString a = answer.trimmed().toLower();
    return a == u'j' || a == u'y' || a == QLatin1String("ja") || a == QLatin1String("yes");
}

TerminalQuestions::TerminalQuestions(IUserInteraction& next, QTextStream& err, bool yes, bool codeGiven)
    : ForwardingInteraction(next), m_err(err), m_yes(yes), m_codeGiven(codeGiven), m_terminal(InputIsTerminal())
{
}

bool TerminalQuestions::InputIsTerminal()
{
    return isatty(STDIN_FILENO) == 1;
}

QString TerminalQuestions::readLine()
{
    char line[256] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return QString();
    return QString::fromLocal8Bit(line).trimmed();
}

int TerminalQuestions::messageBox(const QString& text, unsigned type, unsigned helpId)
{
    if (!IsQuestion(type))
        return ForwardingInteraction::messageBox(text, type, helpId);
    // Answered without asking: the question and its answer stay visible on standard error.
    if (m_yes || !m_terminal) {
        m_err << GetStringsText(kTextYesNoPrompt).arg(text) << GetStringsText(m_yes ? kTextYes : kTextNo) << Qt::endl;
        return m_yes ? IDYES : IDNO;
    }
    m_err << GetStringsText(kTextYesNoPrompt).arg(text) << Qt::flush;
    return IsYes(readLine()) ? IDYES : IDNO;
}

std::optional<QString> TerminalQuestions::askAccessCode()
{
    if (m_codeGiven || !m_terminal)
        return ForwardingInteraction::askAccessCode();
    // Echo off before the prompt shows: a code typed (or pasted) at once is never echoed.
    const HiddenInput hidden;
    m_err << GetStringsText(kTextCodePrompt) << Qt::flush;
    return readLine();
}

} // namespace hvx::cli
