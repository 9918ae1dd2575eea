#pragma once
// Runs a program on a pseudo-terminal as a person at a terminal would: its standard input,
// output and error are the terminal, and the test types each answer once the program's output
// shows the text it waits for. Only what the terminal shows comes back, so that whether a typed
// text is echoed can be seen.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <vector>

namespace hvxtest {

struct TerminalStep {
    QByteArray waitFor; // text the output shows (after the previous step's) before typing
    QByteArray type;    // what is typed then, line end included
};

struct TerminalResult {
    int exitStatus = -1;   // -1 when the program did not end in time (it is killed then)
    QByteArray shown;      // everything the terminal showed
    int stepsTaken = 0;    // steps whose text appeared and whose answer was typed
};

TerminalResult RunOnTerminal(const QString& program, const QStringList& arguments, const std::vector<TerminalStep>& steps,
                             std::chrono::milliseconds timeout);

} // namespace hvxtest
