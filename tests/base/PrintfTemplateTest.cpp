// Numbered texts with printf placeholders, filled only with what the program passes.
#include "base/PrintfTemplate.h"

#include <gtest/gtest.h>
#include <random>

using hvx::FillPrintfTemplate;

TEST(PrintfTemplate, FillsWidthsZeroPaddingAndSizePrefixes)
{
    EXPECT_EQ(FillPrintfTemplate(QStringLiteral("Erstelldatum: %02d.%02d.%04d %02d:%02d\n"), {5, 7, 2012, 9, 3}),
              QStringLiteral("Erstelldatum: 05.07.2012 09:03\n"));
    EXPECT_EQ(FillPrintfTemplate(QStringLiteral("frei %I64d, gesamt %I64d"), {qint64(5'000'000'000), qint64(-1)}),
              QStringLiteral("frei 5000000000, gesamt -1"));
    EXPECT_EQ(FillPrintfTemplate(QStringLiteral("[%5d|%05d|%03d]"), {42, -42, 7}), QStringLiteral("[   42|-0042|007]"));
    EXPECT_EQ(FillPrintfTemplate(QStringLiteral("Laufwerk %c (%s): "), {QStringLiteral("C"), QStringLiteral("Festplatte")}),
              QStringLiteral("Laufwerk C (Festplatte): "));
}

TEST(PrintfTemplate, NeverReadsMoreThanWasPassed)
{
    // A language file with more placeholders than arguments gets empty texts for the rest.
    EXPECT_EQ(FillPrintfTemplate(QStringLiteral("%s und %s und %d"), {QStringLiteral("eins")}),
              QStringLiteral("eins und  und "));
    // Extra arguments are left out (the German version line names only the first).
    EXPECT_EQ(FillPrintfTemplate(QStringLiteral("HVX-Version: %s\n\n"), {QStringLiteral("1.4.0.0"), QStringLiteral("Jul  5 2012")}),
              QStringLiteral("HVX-Version: 1.4.0.0\n\n"));
    EXPECT_EQ(FillPrintfTemplate(QStringLiteral("100%% %x %n %"), {1}), QStringLiteral("100% %x %n %"));
}

TEST(PrintfTemplate, ZeroPaddingMatchesTheCLibraryForNegativeNumbersToo)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> integers(-99999, 99999);
    for (int i = 0; i < 300; ++i) {
        const int n = integers(random);
        for (const char* format : {"%d", "%6d", "%06d", "%03d", "%02d"})
            EXPECT_EQ(FillPrintfTemplate(QLatin1String(format), {qint64(n)}), QString::asprintf(format, n)) << format << " " << n;
    }
}
