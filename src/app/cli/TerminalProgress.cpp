#include "app/cli/TerminalProgress.h"

#include <unistd.h>

namespace hvx::cli {

void TerminalProgress::progressBegin(const QString& title, int range)
{
    m_title = title;
    m_range = range;
    m_shownPercent = -1;
    progressStep(0);
}

void TerminalProgress::progressStep(int position)
{
    const int percent = m_range > 0 ? position * 100 / m_range : 100;
    if (percent == m_shownPercent)
        return;
    m_shownPercent = percent;
    m_err << '\r' << m_title << ' ' << position << '/' << m_range << QStringLiteral(" (%1 %)").arg(percent);
    m_err.flush();
}

void TerminalProgress::progressEnd()
{
    m_err << '\n';
    m_err.flush();
}

bool TerminalProgress::ErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

} // namespace hvx::cli
