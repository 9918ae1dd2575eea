// Fahrenheit conversions of the manual temperature and the output-current scaling.
#include "model/Ausgangsstrom.h"
#include "model/NeuerParametersatz.h"
#include "model/Temperatur.h"

#include <gtest/gtest.h>

using namespace hvx;

TEST(ModelTemperatur, ManualTemperatureRoundTripsThroughFahrenheit)
{
    EXPECT_EQ(zehntelFahrenheit(250), 770);  // 25 °C shows as 77.0 °F
    EXPECT_EQ(celsiusAusZehntelFahrenheit(770), 25);
    EXPECT_EQ(zehntelFahrenheit(0), 320);
    EXPECT_EQ(zehntelFahrenheit(1000), 2120);
    // Every whole degree the instrument can hold comes back unchanged.
    for (int c = 0; c <= 100; ++c)
        EXPECT_EQ(celsiusAusZehntelFahrenheit(zehntelFahrenheit(c * 10)), c) << c;
    // An entry just below a whole degree is cut, not rounded up.
    EXPECT_EQ(celsiusAusZehntelFahrenheit(786), 25);  // 25.9 °C
    EXPECT_EQ(fahrenheitAusCelsius(0), 32);
    EXPECT_EQ(fahrenheitAusCelsius(100), 212);
    EXPECT_EQ(fahrenheitAusCelsius(20), 68);
}

TEST(ModelTemperatur, OutputScalingFollowsTheCurrent)
{
    EXPECT_EQ(ausgangsskalierung(2000), 65520);
    EXPECT_EQ(ausgangsskalierung(0), 0);
    EXPECT_EQ(ausgangsskalierung(1000), 32760);
    EXPECT_EQ(ausgangsskalierung(15), 490);  // 480 + 10 + 0: each share truncated on its own

    Parametersatz ps = neuerParametersatz(0x13, {{{1, 3}, {3, 3}, {0, 0}}});
    setzeMaxAusgangsstrom(ps, 1, 1250);
    EXPECT_EQ(ps.modulWord(1, 12), 1250);
    EXPECT_EQ(ps.modulWord(1, 22), ausgangsskalierung(1250));
    EXPECT_EQ(ps.modulWord(0, 12), 2000);
    EXPECT_EQ(ps.modulWord(0, 22), ausgangsskalierung(2000));  // the factory block agrees
}
