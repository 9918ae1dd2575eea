// hvxcli record: records the instrument's measured-data lines as the recording dialog does,
// until enough lines have come, the time is up or the user interrupts, then saves them.
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "base/Language.h"
#include "devicedata/MessdatenAufzeichnung.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <csignal>
#include <limits>
#include <fcntl.h>
#include <unistd.h>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption, {"lines", true}, {"seconds", true}, kOverwriteOption};
constexpr int kTextLinkLost = 3401;
constexpr int kTextBadCountRange = 3865; // option, value, maximum

// SIGINT, SIGTERM and SIGHUP (the terminal closed) end the recording through a pipe that the
// event loop watches; the lines so far are saved.
int s_signalPipe[2] = {-1, -1};
constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(s_signalPipe[1], &byte, 1);
}

class SignalsEndLoop {
public:
    explicit SignalsEndLoop(QEventLoop& loop)
    {
        if (::pipe2(s_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(s_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, &loop, &QEventLoop::quit);
        struct sigaction action {};
        action.sa_handler = OnSignal;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
            sigaction(kEndingSignals[i], &action, &m_previous[i]);
    }
    ~SignalsEndLoop()
    {
        if (!m_notifier)
            return;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
            sigaction(kEndingSignals[i], &m_previous[i], nullptr);
        m_notifier.reset();
        ::close(s_signalPipe[0]);
        ::close(s_signalPipe[1]);
        s_signalPipe[0] = s_signalPipe[1] = -1;
    }
    SignalsEndLoop(const SignalsEndLoop&) = delete;
    SignalsEndLoop& operator=(const SignalsEndLoop&) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::array<struct sigaction, 3> m_previous{};
};

// A positive count option up to max; 0 when absent, -1 after a failure message.
int PositiveOption(const CliArguments& arguments, const char* name, int max, CliIo& io)
{
    if (!arguments.has(name))
        return 0;
    bool ok = false;
    const int value = arguments.value(name).toInt(&ok);
    if (!ok || value <= 0 || value > max) {
        Fail(io, GetStringsText(kTextBadCountRange).arg(QLatin1String(name), arguments.value(name)).arg(max));
        return -1;
    }
    return value;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const QString path = SingleFile(arguments, io);
    const int lines = PositiveOption(arguments, "lines", std::numeric_limits<int>::max(), io);
    // The timer counts milliseconds in an int.
    const int seconds = PositiveOption(arguments, "seconds", std::numeric_limits<int>::max() / 1000, io);
    if (path.isEmpty() || lines < 0 || seconds < 0 || !ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    // Checked before the recording, which may run for hours.
    if (!OutputAllowed(arguments, path, {}, io))
        return CommandResult::Failed;

    CMessdatenAufzeichnung recording;
    if (recording.Start() != CMessdatenAufzeichnung::StartResult::Recording)
        return CommandResult::Failed;

    QEventLoop loop;
    int received = 0;
    bool lost = false;
    QObject::connect(&recording, &CMessdatenAufzeichnung::textReceived, &loop, [&](const QByteArray& text) {
        // Lines are counted as they arrive, malformed ones included.
        received += int(qMax<qsizetype>(1, text.count('\n')));
        // What the instrument sends reaches the terminal without its control characters.
        io.out << TerminalText(QString::fromLatin1(text).remove(u'\r')) << Qt::flush;
        io.err << GetStringsTextForCount(received, kTextLineReceived, kTextLinesReceived).arg(received) << Qt::endl;
        if (lines > 0 && received >= lines)
            loop.quit();
    });
    QObject::connect(&recording, &CMessdatenAufzeichnung::linkLost, &loop, [&] {
        lost = true;
        loop.quit();
    });
    QObject::connect(&recording, &CMessdatenAufzeichnung::ended, &loop, &QEventLoop::quit);
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    {
        const SignalsEndLoop signalsEnd(loop);
        loop.exec();
    }
    if (lost)
        Fail(io, GetStringsText(kTextLinkLost));
    const bool saveable = recording.Stop();
    if (!saveable || !recording.ConvertTo(path))
        return CommandResult::Failed;
    return lost ? CommandResult::Failed : CommandResult::Ok;
}

} // namespace

const CliCommand& RecordCommand()
{
    static const CliCommand command{"record", kHelpRecord, kOptions, run};
    return command;
}

} // namespace hvx::cli
