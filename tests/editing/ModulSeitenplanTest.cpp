// What a module container shows, and the captions it takes from the model.

#include "editing/ModulSeitenplan.h"
#include "model/NeuerParametersatz.h"
#include "model/Reglerart.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace hvx {
namespace {

Parametersatz mit(quint8 kennung, quint8 a, quint8 b = 0, quint8 c = 0)
{
    Modulbestueckung m{};
    const quint8 typen[] = {a, b, c};
    for (int i = 0; i < 3; ++i)
        m[i] = {typen[i], anfangsReglertyp(typen[i], kennung >> 4)};
    return neuerParametersatz(kennung, m);
}

TEST(ModulSeitenplan, EnableInputTimerAndCoveredPh)
{
    EXPECT_EQ(modulinhalt(mit(0x22, 1, 13), 1), Modulinhalt::Timer);
    EXPECT_EQ(modulinhalt(mit(0x12, 1, 13), 1), Modulinhalt::KeineParameter);
    EXPECT_EQ(modulinhalt(mit(0x12, 1, 2), 1), Modulinhalt::Seiten);

    Parametersatz ps = mit(0x13, 1, 1, 1);
    EXPECT_EQ(modulinhalt(ps, 1), Modulinhalt::Seiten) << "no multiple measurement chosen";
    ps.setMehrfachPH(2);
    EXPECT_EQ(modulinhalt(ps, 0), Modulinhalt::Seiten);
    EXPECT_EQ(modulinhalt(ps, 1), Modulinhalt::KeineParameter);
    EXPECT_EQ(modulinhalt(ps, 2), Modulinhalt::Seiten) << "the third pH module is covered only by a triple measurement";
    ps.setMehrfachPH(3);
    EXPECT_EQ(modulinhalt(ps, 2), Modulinhalt::KeineParameter);
}

TEST(ModulSeitenplan, MeasuringPagePerType)
{
    EXPECT_EQ(messseiteFuer(1), Messseite::PH);
    for (quint8 t : {2, 14, 15})
        EXPECT_EQ(messseiteFuer(t), Messseite::Redox);
    for (quint8 t : {5, 6, 16, 17})
        EXPECT_EQ(messseiteFuer(t), Messseite::LF);
    EXPECT_EQ(messseiteFuer(3), Messseite::Temperatur);
    EXPECT_EQ(messseiteFuer(4), Messseite::Norm);
    EXPECT_EQ(messseiteFuer(7), Messseite::Chlor);
    EXPECT_EQ(messseiteFuer(13), Messseite::Keine);
}

TEST(ModulSeitenplan, ControllerCaptionFollowsKindAndVersion)
{
    test::TestApp app;
    Parametersatz ps = mit(0x33, 1);
    EXPECT_EQ(reglerTabText(ps, 0), QString::fromUtf8("Reglerparameter Signalgerät"));
    setzeReglerart(ps, 0, reglerart::kAdaptivSchnell3);
    EXPECT_EQ(reglerTabText(ps, 0), "Reglerparmeter 3-Punkt-FUZZY adaptiv schnell");
    // The same flags below version 3 name the plain FUZZY controller.
    ps.setGeraetekennung(0x32);
    EXPECT_EQ(reglerTabText(ps, 0), "Reglerparameter FUZZY-3-Punkt");
    EXPECT_TRUE(reglerTabText(mit(0x22, 1, 13), 1).isEmpty());
}

} // namespace
} // namespace hvx

#include "editing/Felder.h"
#include "editing/Seitenkatalog.h"
#include "model/Bestueckung.h"
#include "model/Seitenaufteilung.h"
#include "output/Seitenplan.h"

namespace hvx {
namespace {

TEST(ModulSeitenplan, PagesFieldListPrintoutAndPageCountFollowOneRule)
{
    // Which modules have pages of their own: the same on screen, in the field list, in the
    // printout and the export, and in the page count.
    struct Fall {
        const char* name;
        quint8 kennung;
        std::array<quint8, 3> typen;
        quint8 mehrfachPH;
        std::vector<int> mitSeiten; // slots with pages
    };
    const Fall faelle[] = {
        {"slot 2 empty, a module in slot 3", 0x13, {1, 0, 2}, 1, {0}},
        {"multiple pH 3 with two pH modules", 0x13, {1, 1, 2}, 3, {0, 2}},
        {"multiple pH 2 with three pH modules", 0x13, {1, 1, 1}, 2, {0, 2}},
        {"triple pH", 0x13, {1, 1, 1}, 3, {0}},
        {"multiple pH 3, pH not in slot 2", 0x13, {1, 2, 1}, 3, {0, 1, 2}},
        {"enable input", 0x13, {1, 13, 2}, 1, {0, 2}},
        {"variant L: two pH modules measure each", 0x23, {1, 1, 0}, 2, {0, 1}},
    };
    test::TestApp app;
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Parametersatz ps = mit(fall.kennung, fall.typen[0], fall.typen[1], 0);
        if (fall.typen[2] != 0) {
            ps.setModultyp(2, fall.typen[2]);
            ps.setReglertyp(2, anfangsReglertyp(fall.typen[2], fall.kennung >> 4));
        }
        ps.setMehrfachPH(fall.mehrfachPH);

        std::vector<int> seiten;
        for (const Seitenplatz& p : alleSeiten(ps)) {
            if (p.tab > 0 && p.subPage == 0)
                seiten.push_back(p.slot);
        }
        EXPECT_EQ(seiten, fall.mitSeiten) << "pages";
        EXPECT_EQ(seitenSlots(ps), fall.mitSeiten) << "printout and export";
        EXPECT_EQ(seitenaufteilung(ps).seitenanzahl, int(fall.mitSeiten.size()) + 1) << "page count";

        Parametersatz kopie = ps;
        Bearbeitung bearbeitung(kopie, false);
        std::set<int> tabs;
        for (const Feldangabe& f : felderAuflisten(bearbeitung))
            tabs.insert(f.schluessel.section(QLatin1Char('.'), 0, 0).toInt());
        std::set<int> erwartet{0};
        for (int slot : fall.mitSeiten)
            erwartet.insert(slot + 1);
        EXPECT_EQ(tabs, erwartet) << "field list";
    }
}

} // namespace
} // namespace hvx
