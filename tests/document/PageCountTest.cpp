// Pages of the editing view: modules without a page, copied pH modules, the timer continuation.
#include "document/PageCount.h"
#include "model/Bestueckung.h"
#include "model/NeuerParametersatz.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {

constexpr ModulWahl kPH{modultyp::kPH, reglertyp::kSignalgeraet};
constexpr ModulWahl kKein{};

PageCount count(const Parametersatz& ps)
{
    return CountPages(ps, modulanzahl(ps), mehrfachPHMoeglich(ps), dreifachPHMoeglich(ps));
}

// Timer in slot 2 of revision byte0 with the given entries in use.
Parametersatz timerSet(quint8 byte0, int entriesInUse, int firstInUse = 0)
{
    Parametersatz ps = neuerParametersatz(byte0, {kPH, {modultyp::kFreigabeOderTimer, reglertyp::kTimer}, kKein});
    for (int k = 0; k < timereintrag::kAnzahl; ++k) {
        const bool used = k >= firstInUse && k < firstInUse + entriesInUse;
        ps.setModulByte(1, ps.timerEintragOffset(k) + timereintrag::kWochentage, used ? 0x7F : 0);
    }
    return ps;
}

} // namespace

TEST(PageCount, FreigabeHasNoPage)
{
    const Parametersatz ps = neuerParametersatz(0x13, {kPH, {modultyp::kFreigabeOderTimer, 0}, kKein});
    EXPECT_EQ(count(ps).pages, 2);
}

TEST(PageCount, CopiedPhModulesHaveNoPage)
{
    Parametersatz ps = neuerParametersatz(0x13, {kPH, kPH, kPH});
    EXPECT_EQ(count(ps).pages, 4);
    ps.setMehrfachPH(mehrfachph::kZweifach);
    EXPECT_EQ(count(ps).pages, 3);
    ps.setMehrfachPH(mehrfachph::kDreifach);
    EXPECT_EQ(count(ps).pages, 2);
}

TEST(PageCount, TimerWithMoreThanFourEntriesGetsContinuationFromVersion3)
{
    const PageCount four = count(timerSet(0x23, 4));
    EXPECT_EQ(four.pages, 3);
    EXPECT_FALSE(four.continuation.active);

    const PageCount five = count(timerSet(0x23, 5, 2));
    EXPECT_EQ(five.pages, 4);
    EXPECT_EQ(five.continuation, (TimerContinuation{6, 3, true})) << "split at the fifth entry in use, page of slot 2";

    EXPECT_FALSE(count(timerSet(0x22, 7)).continuation.active) << "version 2 has no continuation";
}
