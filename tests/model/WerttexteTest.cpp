// Number and value texts shared by export, printout and pages.
#include "model/Werttexte.h"
#include "model/Wertfeld.h"

#include "support/TestApp.h"

#include <gtest/gtest.h>

using namespace hvx;

TEST(Werttexte, NumbersRoundLikeTheCLibraryAndNeverShowMinusZero)
{
    EXPECT_EQ(zahlText(59.16, 1), QStringLiteral("59.2"));
    EXPECT_EQ(zahlText(15.5, 0), QStringLiteral("16"));  // a tie in binary rounds to even
    EXPECT_EQ(zahlText(0.125, 2), QStringLiteral("0.12"));
    EXPECT_EQ(zahlText(2.675, 2), QStringLiteral("2.67")); // 2.675 is stored a little below
    EXPECT_EQ(zahlText(-0.5, 2), QStringLiteral("-0.50"));
    EXPECT_EQ(zahlText(-0.004, 2), QStringLiteral("0.00"));
    EXPECT_EQ(zahlText(-0.0, 1), QStringLiteral("0.0"));
    EXPECT_EQ(zahlText(1234.5678, 3), QStringLiteral("1234.568"));
}

TEST(Werttexte, TemplatesFromLanguageFilesAreFilledSafely)
{
    // The two-stage current-signal text: first decimals and unit, then current and value.
    const QString format = formatiere(QStringLiteral("%%d mA entspricht %%.%df %s"), {qint64(2), QStringLiteral("pH")});
    EXPECT_EQ(format, QStringLiteral("%d mA entspricht %.2f pH"));
    EXPECT_EQ(formatiere(format, {qint64(4), 7.0}), QStringLiteral("4 mA entspricht 7.00 pH"));
    EXPECT_EQ(formatiere(QStringLiteral("%02d:%02d"), {qint64(8), qint64(5)}), QStringLiteral("08:05"));
    // Missing or mistyped arguments never read what was not given.
    EXPECT_EQ(formatiere(QStringLiteral("%d und %d"), {qint64(1)}), QStringLiteral("1 und %d"));
    EXPECT_EQ(formatiere(QStringLiteral("%s %n %p"), {QStringLiteral("a")}), QStringLiteral("a %n %p"));
    EXPECT_EQ(formatiere(QStringLiteral("%d"), {QStringLiteral("x")}), QStringLiteral("0"));
    EXPECT_EQ(formatiere(QStringLiteral("100%"), {}), QStringLiteral("100%"));
}

TEST(Werttexte, MeasuredValuesUseTheSlotsScalingAndDecimals)
{
    test::TestApp app;
    Parametersatz ps;
    ps.setGeraetekennung(0x13);
    ps.setModultyp(0, modultyp::kRedoxPlusMinus);
    ps.setModultyp(1, modultyp::kChlor);
    ps.setModulByte(1, modulblock::kChlorMessbereich, 1);
    EXPECT_EQ(wertfeldText(ps, 0, 500), QStringLiteral("0"));
    EXPECT_EQ(wertfeldText(ps, 0, 120), QStringLiteral("-380"));
    ps.setModulWord(0, modulblock::kSchaltpunktabstandLW, 120);
    ps.setModulByte(0, modulblock::kVorzeichenLW, 0);
    EXPECT_EQ(lwText(ps, 0), QStringLiteral("-120")); // no offset, negative by its sign byte
    EXPECT_EQ(wertfeldText(ps, 1, 1234), QStringLiteral("1.23")); // stored x10, two decimals
    EXPECT_EQ(temperaturText(25, false), QStringLiteral("25 °C"));
    EXPECT_EQ(temperaturText(25, true), QStringLiteral("77.0 °F"));
    EXPECT_EQ(temperaturText(37, true), QStringLiteral("98.0 °F")); // 98.6 + 0.05, whole degrees
}
