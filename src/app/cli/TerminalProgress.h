#pragma once
// Progress of a long operation on the error stream, for a person watching a terminal: one line
// rewritten in place. Everything else passes on.

#include "app/cli/ForwardingInteraction.h"

#include <QString>
#include <QTextStream>

namespace hvx::cli {

class TerminalProgress : public ForwardingInteraction {
public:
    TerminalProgress(IUserInteraction& next, QTextStream& err) : ForwardingInteraction(next), m_err(err) {}

    void progressBegin(const QString& title, int range) override;
    void progressStep(int position) override;
    void progressEnd() override;

    // Whether the process's standard error is a terminal.
    static bool ErrorIsTerminal();

private:
    QTextStream& m_err;
    QString m_title;
    int m_range = 0;
    int m_shownPercent = -1;
};

} // namespace hvx::cli
