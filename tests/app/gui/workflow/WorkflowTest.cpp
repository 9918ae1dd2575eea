// Seeded random sessions of a technician on the real window (offscreen, instrument simulated in
// the test, no line timing), with the invariants of WorkflowRun.h after every step. A failing
// sequence is shrunk to the fewest steps that still break the same invariant and printed with its
// seed, so that it can be replayed: HVX_WORKFLOW_SEED=<seed> runs that one sequence.
//
// HVX_WORKFLOW_SEQUENCES sets the number of sequences per test (default below), HVX_WORKFLOW_STEPS
// the steps per sequence; HVX_WORKFLOW_IGNORE=name,... passes over the findings of these
// invariants (to look for a further defect while one is known).

#include "WorkflowRun.h"

#include "../GuiTestSupport.h"
#include "InProcessSimulator.h"
#include "support/TestApp.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace hvx::test::workflow {
namespace {

constexpr int kSequenzenJeTest = 20;
constexpr int kSchritteJeSequenz = 25;

int umgebung(const char* name, int vorgabe)
{
    bool ok = false;
    const int wert = qEnvironmentVariableIntValue(name, &ok);
    return ok && wert > 0 ? wert : vorgabe;
}

struct Sequenz {
    quint32 seed = 0;
    Anfang anfang;
    std::vector<Zug> zuege;
};

Sequenz ziehe(quint32 seed, int schritte)
{
    std::mt19937 zufall(seed);
    Sequenz s;
    s.seed = seed;
    s.anfang = zieheAnfang(zufall);
    s.zuege = zieheZuege(zufall, schritte);
    return s;
}

// Leaves out ever smaller runs of steps while the same invariant still breaks.
std::vector<Zug> verkleinere(TestApp& app, const Sequenz& s, const Ergebnis& fehler)
{
    std::vector<Zug> zuege(s.zuege.begin(), s.zuege.begin() + std::max(0, fehler.schritt));
    const auto scheitertGleich = [&](const std::vector<Zug>& versuch) {
        const Ergebnis e = fuehreAus(app, s.anfang, versuch);
        return e.befund && e.befund->invariante == fehler.befund->invariante;
    };
    for (std::size_t stueck = std::max<std::size_t>(1, zuege.size() / 2); stueck >= 1; stueck /= 2) {
        for (std::size_t von = 0; von + stueck <= zuege.size();) {
            std::vector<Zug> versuch = zuege;
            versuch.erase(versuch.begin() + std::ptrdiff_t(von), versuch.begin() + std::ptrdiff_t(von + stueck));
            if (scheitertGleich(versuch))
                zuege = versuch;
            else
                von += stueck;
        }
        if (stueck == 1)
            break;
    }
    return zuege;
}

class Arbeitsablauf : public ::testing::TestWithParam<int> {
protected:
    Arbeitsablauf()
    {
        guiApp();
        QApplication::setQuitOnLastWindowClosed(false);
        hvxsim::RegisterInProcessSimulator();
    }

    // Runs the sequences of seeds [erster, erster + anzahl); stops at the first failing one and
    // reports it shrunk.
    void pruefe(quint32 erster, int anzahl)
    {
        const int schritte = umgebung("HVX_WORKFLOW_STEPS", kSchritteJeSequenz);
        for (int i = 0; i < anzahl; ++i) {
            const Sequenz s = ziehe(erster + quint32(i), schritte);
            const Ergebnis e = fuehreAus(app, s.anfang, s.zuege);
            if (!e.befund)
                continue;
            const std::vector<Zug> kurz = verkleinere(app, s, e);
            const Ergebnis k = fuehreAus(app, s.anfang, kurz);
            const Ergebnis& bericht = k.befund ? k : e;
            ADD_FAILURE() << "HVX_WORKFLOW_SEED=" << s.seed << " broke \"" << bericht.befund->invariante.toStdString()
                          << "\" after " << bericht.schritt << " of " << (k.befund ? kurz.size() : s.zuege.size())
                          << " steps (shrunk from " << e.schritt << "):\n  "
                          << bericht.protokoll.join(QStringLiteral("\n  ")).toStdString() << "\n=> "
                          << bericht.befund->text.toStdString();
            return;
        }
    }

    TestApp app;
};

TEST_P(Arbeitsablauf, RandomSessionsKeepShownSavedSentAndPrintedTheSame)
{
    if (const int seed = umgebung("HVX_WORKFLOW_SEED", 0); seed > 0) {
        if (GetParam() == 0)
            pruefe(quint32(seed), 1);
        return;
    }
    const int anzahl = umgebung("HVX_WORKFLOW_SEQUENCES", kSequenzenJeTest);
    pruefe(quint32(1 + GetParam() * anzahl), anzahl);
}

// Fifteen groups of sequences (300 in all), so that each stays well within the time a test may
// take on a busy machine.
INSTANTIATE_TEST_SUITE_P(Seeds, Arbeitsablauf, ::testing::Range(0, 15));

} // namespace
} // namespace hvx::test::workflow
