// Export and printout of the largest configurations: the text export (its lines and bytes, then
// the whole atomic file write) and the PDF of every page. The file write is compared with its
// physical floor, the same bytes written through the same temporary-file-and-rename with its
// flush to disk; the lines and the PDF with their budgets (export 5 ms, PDF 300 ms).
// Build optimised (HVX_BUILD_TYPE=Release scripts/build), run build/bin/bench_output [rounds].

#include "base/HvxApp.h"
#include "document/HVXDoc.h"
#include "model/Modulauswahl.h"
#include "output/TextExport.h"
#include "output/gui/Druckausgabe.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kExportBudgetMs = 5.0;
constexpr double kPdfBudgetMs = 300.0;

struct Fall {
    const char* name;
    quint8 kennung;
    std::array<quint8, 3> module;
};

void fuelle(CHVXDoc& doc, const Fall& fall)
{
    NeueKonfiguration wahl{fall.kennung, {}};
    for (int slot = 0; slot < 3; ++slot)
        wahl.module[size_t(slot)] = hvx::ModulWahl{fall.module[size_t(slot)], hvx::anfangsReglertyp(fall.module[size_t(slot)], fall.kennung >> 4)};
    doc.OnNewDocument(wahl);
    hvx::Parametersatz& ps = doc.parametersatz();
    // Every timer entry in use: the longest timer page and its continuation.
    for (int slot = 0; slot < 3; ++slot) {
        if (ps.modultyp(slot) == hvx::modultyp::kFreigabeOderTimer)
            for (int k = 0; k < hvx::timereintrag::kAnzahl; ++k)
                ps.setModulByte(slot, ps.timerEintragOffset(k) + hvx::timereintrag::kWochentage, 0x7F);
    }
}

template <typename F>
double medianMs(int runden, F&& f)
{
    std::vector<double> zeiten;
    for (int i = 0; i < runden; ++i) {
        const auto start = Clock::now();
        f();
        zeiten.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir dir;
    qputenv("HVX_SETTINGS", dir.filePath(QStringLiteral("hvx.ini")).toUtf8());
    CHVXApp app;
    app.ReadStartupSettings();
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    const Fall faelle[] = {
        {"K 54: pH, conductivity, chlorine", 0x13, {hvx::modultyp::kPH, hvx::modultyp::kLfInduktiv, hvx::modultyp::kChlor}},
        {"N 24: chlorine, standard signal, redox", 0x43, {hvx::modultyp::kChlor, hvx::modultyp::kNormsignal, hvx::modultyp::kRedox}},
        {"L 24: blow-down, timer (7 entries), redox", 0x23, {hvx::modultyp::kAbsalzKonduktiv, hvx::modultyp::kFreigabeOderTimer, hvx::modultyp::kRedox}},
    };
    std::printf("%-44s %9s %8s %9s %7s %9s %8s %6s\n", "configuration", "lines ms", "/budget", "file ms", "/floor", "PDF ms",
                "/budget", "pages");
    for (const Fall& fall : faelle) {
        CHVXDoc doc;
        fuelle(doc, fall);
        const QString txt = dir.filePath(QStringLiteral("bench.txt"));
        const QString pdf = dir.filePath(QStringLiteral("bench.pdf"));
        const hvx::Ausgabequelle quelle{doc.parametersatz(), doc.infoTexts(), true};
        // The lines and their bytes alone, then the whole export with its atomic file write.
        const double zeilen = medianMs(runden, [&] { hvx::exportDatei(hvx::exportZeilen(quelle, QDateTime::currentDateTime())); });
        const double export_ = medianMs(runden, [&] { hvx::schreibeExport(doc, txt); });
        const QByteArray bytes = hvx::exportDatei(hvx::exportZeilen(quelle, QDateTime::currentDateTime()));
        const double boden = medianMs(runden, [&] {
            QSaveFile file(txt);
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            file.commit();
        });
        const double druck = medianMs(std::max(1, runden / 4), [&] { hvx::gui::druckePdf(doc, pdf); });
        std::printf("%-44s %9.3f %8.3f %9.3f %7.2f %9.1f %8.3f %6d\n", fall.name, zeilen, zeilen / kExportBudgetMs, export_,
                    export_ / boden, druck, druck / kPdfBudgetMs, hvx::gui::druckSeitenanzahl(doc));
    }
    return 0;
}
