#include "support/TerminalSession.h"

#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hvxtest {
namespace {

using Clock = std::chrono::steady_clock;

void ExecProgram(const QString& program, const QStringList& arguments)
{
    std::vector<QByteArray> storage{program.toLocal8Bit()};
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

int WaitStatus(pid_t child, bool kill)
{
    if (kill)
        ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (kill || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TerminalResult RunOnTerminal(const QString& program, const QStringList& arguments, const std::vector<TerminalStep>& steps,
                             std::chrono::milliseconds timeout)
{
    TerminalResult result;
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
    if (child < 0)
        return result;
    if (child == 0)
        ExecProgram(program, arguments);

    const auto deadline = Clock::now() + timeout;
    qsizetype searchFrom = 0;
    bool ended = false;
    while (!ended) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd pfd{master, POLLIN, 0};
        if (::poll(&pfd, 1, int(left)) <= 0)
            continue;
        char chunk[4096];
        const ssize_t n = ::read(master, chunk, sizeof chunk);
        if (n <= 0) {
            ended = true; // the program closed the terminal (EIO)
            break;
        }
        result.shown.append(chunk, qsizetype(n));
        while (result.stepsTaken < int(steps.size())) {
            const TerminalStep& step = steps[std::size_t(result.stepsTaken)];
            const qsizetype at = result.shown.indexOf(step.waitFor, searchFrom);
            if (at < 0)
                break;
            searchFrom = at + step.waitFor.size();
            [[maybe_unused]] const ssize_t written = ::write(master, step.type.constData(), std::size_t(step.type.size()));
            ++result.stepsTaken;
        }
    }
    result.exitStatus = WaitStatus(child, !ended);
    ::close(master);
    return result;
}

} // namespace hvxtest
