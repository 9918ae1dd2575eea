// Comparison of two parameter sets in page fields, calibration values and bytes no page shows.
#include "base/Language.h"
#include "editing/EditingTexts.h"
#include "editing/SeitenFixture.h"
#include "editing/Vergleich.h"
#include "model/Kalibrierung.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {

class VergleichTest : public test::SeitenTest {
protected:
    void SetUp() override { m_a = test::konfiguration(0x13, modultyp::kPH, modultyp::kRedox, modultyp::kLfKonduktiv); }

    static QStringList schluessel(const std::vector<Unterschied>& liste)
    {
        QStringList s;
        for (const Unterschied& u : liste)
            s << u.schluessel;
        return s;
    }

    Parametersatz m_a;
};

TEST_F(VergleichTest, EqualSetsShowNothing)
{
    EXPECT_TRUE(vergleiche(m_a, m_a).gleich());
    EXPECT_TRUE(unterschiedsZeilen(vergleiche(m_a, Parametersatz(m_a))).isEmpty());
}

TEST_F(VergleichTest, SetPointModuleTypeCalibrationAndDerivedByteEachShowOnceInTheirGroup)
{
    Parametersatz b = m_a;
    b.setModulWord(0, modulblock::kSollwert, quint16(m_a.modulWord(0, modulblock::kSollwert) + 25));
    // Fluoride uses the redox pages: the type is the one field of module 2 that changes.
    b.setModultyp(1, modultyp::kFluorid);
    b.setModulByte(1, modulblock::kModultyp, modultyp::kFluorid);
    b.setModulByte(0, modulblock::kKalibrierbyte, quint8(m_a.modulByte(0, modulblock::kKalibrierbyte) ^ 0x5A));
    b.setModulByte(0, modulblock::kObereSchaltschwelle, quint8(m_a.modulByte(0, modulblock::kObereSchaltschwelle) + 1));

    const Vergleich v = vergleiche(m_a, b);
    const auto felder = v.gruppe(Unterschiedsgruppe::Feld);
    const auto kalibrierung = v.gruppe(Unterschiedsgruppe::Kalibrierung);
    const auto bytes = v.gruppe(Unterschiedsgruppe::Byte);
    ASSERT_EQ(felder.size(), 2u) << schluessel(felder).join(u' ').toStdString();
    ASSERT_EQ(kalibrierung.size(), 1u) << schluessel(kalibrierung).join(u' ').toStdString();
    ASSERT_EQ(bytes.size(), 1u) << schluessel(bytes).join(u' ').toStdString();
    EXPECT_EQ(v.unterschiede.size(), 4u);

    EXPECT_TRUE(felder[0].schluessel.startsWith(QLatin1String("1.2."))) << "the set point on the controller page of module 1";
    EXPECT_NE(felder[0].wertA, felder[0].wertB);
    EXPECT_TRUE(felder[1].schluessel.startsWith(QLatin1String("2."))) << "the module type on a page of module 2";
    EXPECT_TRUE(felder[1].wertB.contains(QLatin1String("Fluorid")) || felder[1].wertA != felder[1].wertB);
    EXPECT_EQ(kalibrierung[0].offset, Parametersatz::modulblockOffset(0) + modulblock::kKalibrierbyte);
    EXPECT_EQ(kalibrierung[0].laenge, 1);
    EXPECT_EQ(bytes[0].offset, Parametersatz::modulblockOffset(0) + modulblock::kObereSchaltschwelle);
    EXPECT_EQ(bytes[0].wertA.toInt(nullptr, 16) + 1, bytes[0].wertB.toInt(nullptr, 16));
    // Fields first, then calibration, then bytes; each line names page and label.
    EXPECT_EQ(v.unterschiede[2].gruppe, Unterschiedsgruppe::Kalibrierung);
    const QStringList zeilen = unterschiedsZeilen(v);
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_TRUE(zeilen[0].contains(felder[0].wertA + QStringLiteral(" -> ") + felder[0].wertB)) << zeilen[0].toStdString();
    EXPECT_FALSE(zeilen[0].contains(QStringLiteral("::"))) << zeilen[0].toStdString();
}

TEST_F(VergleichTest, AShownCalibrationValueGoesToTheCalibrationGroupAndNothingIsKeptThatDiffers)
{
    // Everything a transfer with calibration keeping takes over from the other set is
    // calibration; after keeping, no calibration row is left.
    Parametersatz b = m_a;
    for (const Kalibrierfeld& f : kalibrierfelder(modultyp::kPH))
        b.setModulByte(0, f.offset, quint8(m_a.modulByte(0, f.offset) + 3));
    const Vergleich v = vergleiche(m_a, b);
    EXPECT_FALSE(v.gruppe(Unterschiedsgruppe::Kalibrierung).empty());
    EXPECT_TRUE(v.gruppe(Unterschiedsgruppe::Byte).empty());
    EXPECT_TRUE(v.gruppe(Unterschiedsgruppe::Feld).empty());

    Parametersatz erhalten = m_a;
    erhalteKalibrierung(erhalten, b);
    EXPECT_TRUE(vergleiche(erhalten, b).gleich());
}

TEST_F(VergleichTest, NeighbouringHiddenBytesOfOneBlockMakeOneRowAndTheAccessCodeStaysHidden)
{
    Parametersatz b = m_a;
    for (int i = 0; i < 4; ++i)
        b.setByte(layout::kReserviertEnde + i, 0xA0);
    b.setByte(layout::kReserviertEnde + 6, 0xA1);
    b.setZugangscode({'4', '7', '1', '1'});
    const Vergleich v = vergleiche(m_a, b);
    const auto bytes = v.gruppe(Unterschiedsgruppe::Byte);
    std::vector<Unterschied> reserviert;
    for (const Unterschied& u : bytes) {
        if (u.offset >= layout::kReserviertEnde)
            reserviert.push_back(u);
    }
    ASSERT_EQ(reserviert.size(), 2u);
    EXPECT_EQ(reserviert[0].laenge, 4);
    EXPECT_EQ(reserviert[0].wertB, QStringLiteral("A0 A0 A0 A0"));
    EXPECT_EQ(reserviert[1].laenge, 1);
    for (const Unterschied& u : v.unterschiede) {
        EXPECT_FALSE(u.wertB.contains(QLatin1String("34")) && u.offset == layout::kZugangscode) << "the code is never shown";
        EXPECT_FALSE(u.wertB.contains(QLatin1String("4711")));
    }
}

TEST_F(VergleichTest, AnAccessCodeDifferingInOneByteStaysMaskedInEveryByte)
{
    for (int differing = 0; differing < layout::kZugangscodeGroesse; ++differing) {
        SCOPED_TRACE(differing);
        Parametersatz a = m_a;
        a.setZugangscode({'9', '1', '5', '7'});
        Parametersatz b = a;
        b.setByte(layout::kZugangscode + differing, quint8('8'));
        const Vergleich v = vergleiche(a, b);
        ASSERT_FALSE(v.gleich());
        for (const Unterschied& u : v.unterschiede) {
            for (const QString& wert : {u.wertA, u.wertB})
                EXPECT_FALSE(wert.contains(QLatin1String("9157")) || wert.contains(QLatin1String("9158"))) << wert.toStdString();
            if (u.offset < 0)
                continue;
            const QStringList bytesA = u.wertA.split(u' ');
            const QStringList bytesB = u.wertB.split(u' ');
            for (int i = 0; i < u.laenge; ++i) {
                const int offset = u.offset + i;
                if (offset >= layout::kZugangscode && offset < layout::kZugangscode + layout::kZugangscodeGroesse) {
                    EXPECT_EQ(bytesA.value(i), QStringLiteral("**")) << offset;
                    EXPECT_EQ(bytesB.value(i), QStringLiteral("**")) << offset;
                }
            }
        }
    }
}

TEST_F(VergleichTest, AByteNoPageShowsIsNamedByTheBlockItLiesIn)
{
    const struct {
        int offset;
        int block;
        int byteInBlock;
    } cases[] = {
        {layout::kReserviertEnde, editingtext::kOrtReserviert, 0},
        {layout::kReserviertEnde + layout::kReserviertEndeGroesse - 1, editingtext::kOrtReserviert,
         layout::kReserviertEndeGroesse - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        Parametersatz b = m_a;
        b.setByte(c.offset, quint8(m_a.byte(c.offset) ^ 0x11));
        const auto bytes = vergleiche(m_a, b).gruppe(Unterschiedsgruppe::Byte);
        ASSERT_EQ(bytes.size(), 1u);
        EXPECT_EQ(bytes[0].seite, GetStringsText(c.block));
        EXPECT_EQ(bytes[0].beschriftung, QStringLiteral("Byte %1").arg(c.byteInBlock));
    }
}

TEST_F(VergleichTest, AModuleOnlyOneSetHasShowsItsFieldsWithAnEmptyOtherSide)
{
    const Parametersatz b = test::konfiguration(0x13, modultyp::kPH, modultyp::kRedox);
    const Vergleich v = vergleiche(m_a, b);
    bool nurA = false;
    for (const Unterschied& u : v.gruppe(Unterschiedsgruppe::Feld)) {
        if (u.schluessel.startsWith(QLatin1String("3.")) && u.wertB.isEmpty() && !u.wertA.isEmpty())
            nurA = true;
    }
    EXPECT_TRUE(nurA);
    EXPECT_EQ(vergleiche(b, m_a).unterschiede.size(), v.unterschiede.size()) << "the comparison is symmetric";
}

} // namespace
