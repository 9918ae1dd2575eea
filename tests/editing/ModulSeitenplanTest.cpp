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
