// hvxcli inventory of a plant archive of 1,000 configuration files (some of them broken), run in
// this process as the command runs, as a table, CSV and JSON. The physical floor is reading the
// same files' bytes (open, read, close, warm cache); the ratio says what listing costs beyond it.
// Build optimised (HVX_BUILD_TYPE=Release scripts/build), run build/bin/bench_inventory [rounds].

#include "BenchSupport.h"

#include "app/cli/HvxCli.h"
#include "document/ConfigFileLayout.h"
#include "document/HVXDoc.h"
#include "document/InfoBlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFiles = 1000;
constexpr int kBrokenEvery = 50; // one file in fifty is no configuration file

struct Vorlage {
    quint8 kennung;
    hvx::Modulbestueckung module;
};

// Five kinds of plant, saved once; the archive holds copies with texts of their own.
std::vector<QByteArray> vorlagen(const QString& dir)
{
    const Vorlage vorlagen[] = {
        {0x13, {{{1, 3}, {5, 3}, {2, 3}}}},
        {0x23, {{{1, 3}, {13, 15}, {}}}},
        {0x43, {{{7, 3}, {4, 3}, {2, 3}}}},
        {0x33, {{{7, 3}, {}, {}}}},
        {0x53, {{{1, 3}, {1, 3}, {3, 3}}}},
    };
    std::vector<QByteArray> bytes;
    for (const Vorlage& v : vorlagen) {
        CHVXDoc doc;
        doc.OnNewDocument(NeueKonfiguration{v.kennung, v.module});
        const QString path = dir + QStringLiteral("/vorlage.hxd");
        QFile::remove(path);
        if (!doc.DoSave(path))
            std::fprintf(stderr, "template not saved\n");
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        bytes.push_back(f.readAll());
    }
    return bytes;
}

void legeArchivAn(const QString& archiv, const std::vector<QByteArray>& vorlagen)
{
    for (int i = 0; i < kFiles; ++i) {
        QByteArray bytes = vorlagen[size_t(i) % vorlagen.size()];
        const hvx::InfoTexts texte{QStringLiteral("HV-%1").arg(10000 + i), QStringLiteral("Stadtwerke %1\r\nKlärwerk %2").arg(i % 37).arg(i % 5),
                                   QStringLiteral("Becken %1").arg(i % 9), QStringLiteral("Sonde getauscht\r\nWartung %1").arg(i)};
        const hvx::InfoBlockBytes block = hvx::EncodeInfoBlock(texte);
        bytes.replace(hvx::configfile::kInfoBlockOffset, qsizetype(block.size()), reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
        if (i % kBrokenEvery == 0)
            bytes = QByteArray("Notizen zur Anlage\n");
        QDir().mkpath(archiv + QStringLiteral("/kunde%1").arg(i % 20));
        QFile f(archiv + QStringLiteral("/kunde%1/anlage%2.hxd").arg(i % 20).arg(i));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
}

double leseAlles(const QString& archiv)
{
    const auto start = Clock::now();
    qint64 summe = 0;
    QDirIterator it(archiv, {QStringLiteral("*.hxd")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        summe += f.readAll().size();
    }
    if (summe == 0)
        std::fprintf(stderr, "nothing read\n");
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double inventur(const QString& archiv, const char* format, int& zeilen)
{
    QString ausgabe;
    QString fehler;
    QTextStream out(&ausgabe);
    QTextStream err(&fehler);
    QStringList argumente{QStringLiteral("inventory"), QStringLiteral("--recursive"), archiv};
    if (*format)
        argumente << QLatin1String(format);
    const auto start = Clock::now();
    hvx::cli::RunHvxCli(argumente, out, err);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    zeilen = int(ausgabe.count(QLatin1Char('\n')));
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    bench::BenchApp bench(0);
    bench.app.ReadStartupSettings();
    const int runden = bench::Rounds(argc, argv, 9);
    const QString archiv = bench.dir.filePath(QStringLiteral("archiv"));
    legeArchivAn(archiv, vorlagen(bench.dir.path()));

    std::vector<double> lesen;
    for (int i = 0; i < runden; ++i)
        lesen.push_back(leseAlles(archiv));
    const double boden = bench::Median(lesen);
    std::printf("%d files (every %dth broken), median of %d rounds\n", kFiles, kBrokenEvery, runden);
    std::printf("%-24s %9s %7s %7s\n", "", "ms", "/floor", "lines");
    std::printf("%-24s %9.2f %7.2f\n", "read the bytes (floor)", boden, 1.0);
    for (const char* format : {"", "--csv", "--json"}) {
        std::vector<double> zeiten;
        int zeilen = 0;
        for (int i = 0; i < runden; ++i)
            zeiten.push_back(inventur(archiv, format, zeilen));
        const double ms = bench::Median(zeiten);
        std::printf("inventory %-14s %9.2f %7.2f %7d\n", *format ? format : "(table)", ms, ms / boden, zeilen);
    }
    return 0;
}
