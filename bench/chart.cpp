// A measured-data file shown as a chart: a day, a week and a month of lines at one line per second
// (generated), each read and drawn once as "Messdaten anzeigen..." does, in a process of its own
// so that its peak memory is its own. The time is compared with its I/O floor, `wc -l` of the
// same file; the growth from the day to the month shows whether the cost is linear.
// Build optimised (HVX_BUILD_TYPE=Release scripts/build), run build/bin/bench_chart [LIMIT_S]
// (a case that takes longer than LIMIT_S seconds, default 600, is stopped and shown as "> LIMIT").

#include "base/HvxApp.h"
#include "devicedata/MessdatenSpalten.h"
#include "devicedata/gui/MessdatenAnzeigeDlg.h"
#include "devicedata/gui/MesswertTrend.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

struct Case {
    const char* name;
    long lines;
};
constexpr Case kCases[] = {{"day", 86400}, {"week", 7 * 86400}, {"month", 31 * 86400}};

// Lines as a pH, chlorine and redox instrument sends them, one per second from 01.03.24 00:00:00,
// with slow waves and one short chlorine spike in the middle.
void Generate(const QString& path, long lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    std::string buffer;
    buffer.reserve(1 << 20);
    long day = 1, month = 3, year = 24;
    constexpr int kDaysIn[] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (long i = 0; i < lines; ++i) {
        const long s = i % 86400;
        if (i > 0 && s == 0 && ++day > kDaysIn[month]) {
            day = 1;
            month = month % 12 + 1;
        }
        const double ph = 7.2 + 0.15 * std::sin(i / 3600.0);
        const double chlorine = (i == lines / 2) ? 2.5 : 0.45 + 0.05 * std::sin(i / 900.0);
        const long redox = 650 + long(15 * std::sin(i / 7200.0));
        char line[128];
        const int n = std::snprintf(line, sizeof line,
                                    "%02ld.%02ld.%02ld %02ld:%02ld:%02ld\t%.2f\t24.5\t1\t%.2f\t24.6\t1\t%ld\t24.4\t1\t%ld\t0\r\n",
                                    day, month, year, s / 3600, s / 60 % 60, s % 60, ph, chlorine, redox, i % 8);
        buffer.append(line, std::size_t(n));
        if (buffer.size() > (1 << 20) - 128) {
            file.write(buffer.data(), qint64(buffer.size()));
            buffer.clear();
        }
    }
    file.write(buffer.data(), qint64(buffer.size()));
}

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// The child: reads and draws the file once, prints the seconds it took.
int ReadAndDraw(int argc, char** argv, const QString& path)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dir;
    qputenv("HVX_SETTINGS", dir.filePath(QStringLiteral("hvx.ini")).toLocal8Bit());
    CHVXApp app;
    app.ReadStartupSettings();
    const auto start = Clock::now();
    std::optional<hvx::MessdatenSpalten> columns = CMessdatenAnzeigeDlg::LoadWithProgress(path, nullptr);
    if (!columns)
        return 1;
    CMessdatenAnzeigeDlg dialog(path, std::move(*columns));
    dialog.resize(kWidth, kHeight);
    const QImage picture = dialog.grab().toImage();
    std::printf("%.3f %d\n", Seconds(start), picture.width());
    return 0;
}

struct Outcome {
    double seconds = -1; // negative: stopped at the limit
    double cpuSeconds = 0; // user and system time of the process, which a busy machine does not inflate
    double peakMb = 0;
};

double CpuSeconds(const rusage& usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the program with the arguments, stopped after limit seconds; its time and peak memory.
Outcome Run(const std::vector<std::string>& arguments, double limit, std::string* output = nullptr)
{
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return {};
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], STDOUT_FILENO);
        close(pipeFd[0]);
        std::vector<char*> argv;
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFd[1]);
    Outcome outcome;
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (Seconds(start) > limit) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            close(pipeFd[0]);
            outcome.peakMb = double(usage.ru_maxrss) / 1024.0;
            outcome.cpuSeconds = CpuSeconds(usage);
            return outcome;
        }
        usleep(20000);
    }
    outcome.seconds = Seconds(start);
    outcome.peakMb = double(usage.ru_maxrss) / 1024.0;
    outcome.cpuSeconds = CpuSeconds(usage);
    char buffer[256];
    const ssize_t n = read(pipeFd[0], buffer, sizeof buffer - 1);
    close(pipeFd[0]);
    if (output && n > 0)
        *output = std::string(buffer, std::size_t(n));
    return outcome;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--one") == 0)
        return ReadAndDraw(argc, argv, QString::fromLocal8Bit(argv[2]));
    const double limit = argc > 1 ? std::atof(argv[1]) : 600.0;
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;

    std::printf("%-6s %9s %7s %9s %9s %8s %9s %9s %10s\n", "file", "lines", "MB", "wc -l s", "chart s", "/wc -l", "cpu s",
                "peak MB", "us/line");
    for (const Case& c : kCases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".dat"));
        Generate(path, c.lines);
        const std::string file = path.toStdString();
        Run({"wc", "-l", file}, limit); // the file in the page cache for both
        const Outcome wc = Run({"wc", "-l", file}, limit);
        std::string printed;
        const Outcome chart = Run({argv[0], "--one", file}, limit, &printed);
        const double mb = double(QFile(path).size()) / (1024.0 * 1024.0);
        if (chart.seconds < 0) {
            std::printf("%-6s %9ld %7.1f %9.3f %9s %8s %9.1f %9.0f %10s\n", c.name, c.lines, mb, wc.seconds,
                        ("> " + std::to_string(int(limit))).c_str(), "-", chart.cpuSeconds, chart.peakMb, "-");
        } else {
            const double inside = std::atof(printed.c_str()); // read and draw, without the start-up
            std::printf("%-6s %9ld %7.1f %9.3f %9.3f %8.1f %9.1f %9.0f %10.2f\n", c.name, c.lines, mb, wc.seconds, inside,
                        inside / wc.seconds, chart.cpuSeconds, chart.peakMb, 1e6 * inside / double(c.lines));
        }
        std::fflush(stdout);
        QFile::remove(path);
    }
    return 0;
}
