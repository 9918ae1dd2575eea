#include "app/cli/TerminalQuestion.h"

#include "base/Language.h"
#include "app/cli/CliTexts.h"

#include <cstdio>
#include <unistd.h>

namespace hvx::cli {

int TerminalQuestion::messageBox(const QString& text, unsigned type, unsigned helpId)
{
    constexpr unsigned kButtonMask = 0x0F;
    if ((type & kButtonMask) != MB_YESNO)
        return ForwardingInteraction::messageBox(text, type, helpId);
    m_err << text << GetStringsText(kTextQuestionSuffix);
    if (m_mode != Mode::Ask) {
        const bool yes = m_mode == Mode::AnswerYes;
        m_err << GetStringsText(yes ? kTextAnsweredYes : kTextAnsweredNo) << Qt::endl;
        return yes ? IDYES : IDNO;
    }
    m_err.flush();
    char line[64] = {};
    const bool read = std::fgets(line, sizeof line, stdin) != nullptr;
    return read && IsYes(QString::fromLocal8Bit(line)) ? IDYES : IDNO;
}

TerminalQuestion::Mode TerminalQuestion::ModeFor(bool answerYes)
{
    if (answerYes)
        return Mode::AnswerYes;
    return isatty(STDIN_FILENO) == 1 ? Mode::Ask : Mode::AnswerNo;
}

bool TerminalQuestion::IsYes(const QString& answer)
{
    const QString word = answer.trimmed().toLower();
    return word == QLatin1String("j") || word == QLatin1String("ja") || word == QLatin1String("y") ||
           word == QLatin1String("yes");
}

} // namespace hvx::cli
