// Comparison of two parameter sets in page fields, calibration values and bytes no page shows.
#include "base/Language.h"
#include "editing/EditingTexts.h"
#include "editing/SeitenFixture.h"
#include "editing/Vergleich.h"
#include "model/Kalibrierung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

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

TEST_F(VergleichTest, OnlyTheControllerTypeOfAnEnableInputIsNoDifference)
{
    // Slot 2 holds type 13: an enable input, or in variant L the timer. Only the enable input has
    // no controller, so only its controller-type byte says nothing.
    struct Fall {
        quint8 kennung;
        quint8 typ2;
        int offset;
        bool gleich;
    };
    const int reglertyp2 = Parametersatz::modulkopfOffset(1) + modulkopf::kReglertyp;
    const Fall faelle[] = {
        {0x13, modultyp::kFreigabeOderTimer, reglertyp2, true},
        {0x31, modultyp::kFreigabeOderTimer, reglertyp2, true},
        {0x23, modultyp::kFreigabeOderTimer, reglertyp2, false},
        {0x13, modultyp::kRedox, reglertyp2, false},
        {0x13, modultyp::kFreigabeOderTimer, Parametersatz::modulkopfOffset(1) + modulkopf::kModulflags, false},
        {0x13, modultyp::kFreigabeOderTimer, Parametersatz::modulkopfOffset(0) + modulkopf::kReglertyp, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << std::hex << int(f.kennung) << " type " << std::dec << int(f.typ2) << " @" << f.offset);
        const Parametersatz a = test::konfiguration(f.kennung, modultyp::kPH, f.typ2);
        Parametersatz b = a;
        b.setByte(f.offset, quint8(a.byte(f.offset) ^ 0x0F));
        EXPECT_EQ(vergleiche(a, b).gleich(), f.gleich);
        EXPECT_EQ(vergleiche(b, a).gleich(), f.gleich);
    }
}

} // namespace

#include "editing/Felder.h"
#include "model/Reglerart.h"
#include "model/Standardwerte.h"

namespace {

// The fields one side shows, for checking the rows against.
std::vector<Feldangabe> felderVon(const Parametersatz& ps)
{
    Parametersatz kopie = ps;
    Bearbeitung bearbeitung(kopie, false);
    return felderAuflisten(bearbeitung);
}

bool zeigt(const std::vector<Feldangabe>& felder, const Unterschied& u, const QString& wert)
{
    return std::any_of(felder.begin(), felder.end(), [&](const Feldangabe& f) {
        return f.schluessel == u.schluessel && f.beschriftung == u.beschriftung
               && (f.wert == wert || QStringLiteral("%1 %2").arg(f.wert, f.einheit).trimmed() == wert);
    });
}

} // namespace

TEST_F(VergleichTest, EachSideShowsItsFieldsUnderItsOwnLabelsAndARowIsADifference)
{
    struct Fall {
        const char* name;
        int artA, artB;      // controller kinds of module 1
        quint16 sollA, sollB; // set points of module 1
        bool fahrenheitB = false; // module 3 (conductivity) in Fahrenheit on side B
        quint8 modul3B = modultyp::kLfKonduktiv;
    };
    const Fall faelle[] = {
        {"signal device against PID", reglerart::kSignalgeraet, reglerart::kPid2, 730, 730},
        {"the same set point, other kinds and values", reglerart::kPid2, reglerart::kFuzzy3, 730, 730},
        {"another set point under other kinds", reglerart::kSignalgeraet, reglerart::kPid3, 730, 750},
        {"another set point under the same kind", reglerart::kSignalgeraet, reglerart::kSignalgeraet, 730, 750},
        {"another unit", reglerart::kSignalgeraet, reglerart::kSignalgeraet, 730, 730, true},
        {"another module in slot 3", reglerart::kSignalgeraet, reglerart::kSignalgeraet, 730, 730, false, modultyp::kPH},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Parametersatz a = m_a;
        Parametersatz b = m_a;
        setzeReglerart(a, 0, fall.artA);
        setzeReglerart(b, 0, fall.artB);
        a.setModulWord(0, modulblock::kSchaltdifferenzXSD, 30);
        b.setModulWord(0, modulblock::kProportionalbereichXP1, 500);
        a.setModulWord(0, modulblock::kSollwert, fall.sollA);
        b.setModulWord(0, modulblock::kSollwert, fall.sollB);
        if (fall.modul3B != b.modultyp(2)) {
            b.setModultyp(2, fall.modul3B);
            b.setReglertyp(2, reglertyp::kSignalgeraet);
            ladeStandardwerte(b, 3);
        }
        if (fall.fahrenheitB) {
            b.setModulflags(2, b.modulflags(2) | modulflags::kFahrenheit);
            b.setModulByte(2, modulblock::kModulflags, b.modulflags(2));
        }
        const std::vector<Feldangabe> felderA = felderVon(a);
        const std::vector<Feldangabe> felderB = felderVon(b);
        const std::vector<Unterschied> zeilen = vergleiche(a, b).gruppe(Unterschiedsgruppe::Feld);
        EXPECT_FALSE(zeilen.empty());
        for (const Unterschied& u : zeilen) {
            SCOPED_TRACE(QStringLiteral("%1 | %2 | %3 | %4 | %5").arg(u.schluessel, u.seite, u.beschriftung, u.wertA, u.wertB).toStdString());
            EXPECT_NE(u.wertA, u.wertB);
            EXPECT_TRUE(u.wertA.isEmpty() || zeigt(felderA, u, u.wertA));
            EXPECT_TRUE(u.wertB.isEmpty() || zeigt(felderB, u, u.wertB));
            const int tab = u.schluessel.section(QLatin1Char('.'), 0, 0).toInt();
            EXPECT_TRUE(tab == 0 || u.seite.startsWith(QStringLiteral("Modul %1 ").arg(tab)));
        }
        const bool sollwertZeile = std::any_of(zeilen.begin(), zeilen.end(), [](const Unterschied& u) {
            return u.schluessel == QStringLiteral("1.2.1050");
        });
        EXPECT_EQ(sollwertZeile, fall.sollA != fall.sollB);
    }
}

namespace {

// Whether a look at the set shows something else once byte `offset` takes `wert`.
bool zeigtAnders(const Parametersatz& ps, const std::vector<Feldangabe>& felder, int offset, quint8 wert)
{
    Parametersatz geaendert = ps;
    geaendert.setByte(offset, wert);
    const std::vector<Feldangabe> danach = felderVon(geaendert);
    return !std::equal(felder.begin(), felder.end(), danach.begin(), danach.end(), [](const Feldangabe& x, const Feldangabe& y) {
        return x.schluessel == y.schluessel && x.beschriftung == y.beschriftung && x.wert == y.wert && x.einheit == y.einheit;
    });
}

// A byte the comparison passes over on purpose: the module block's copy of a descriptor byte
// that differs itself, or the controller type of a slot that holds type 13 on both sides.
bool stillerUnterschied(const Parametersatz& a, const Parametersatz& b, int offset)
{
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        const std::pair<int, int> kopien[] = {{modulblock::kModultyp, modulkopf::kModultyp},
                                              {modulblock::kReglertyp, modulkopf::kReglertyp},
                                              {modulblock::kModulflags, modulkopf::kModulflags},
                                              {modulblock::kReglerflags, modulkopf::kReglerflags}};
        for (const auto& [kopie, original] : kopien) {
            const int o = Parametersatz::modulkopfOffset(slot) + original;
            if (offset == Parametersatz::modulblockOffset(slot) + kopie && a.byte(o) != b.byte(o))
                return true;
        }
        if (offset == Parametersatz::modulkopfOffset(slot) + modulkopf::kReglertyp
            && a.modultyp(slot) == modultyp::kFreigabeOderTimer && b.modultyp(slot) == modultyp::kFreigabeOderTimer)
            return true;
    }
    return false;
}

} // namespace

// Seeded pairs of sets, alike but for a few bytes or of other modules altogether: a byte lies in a
// byte row exactly when putting the other side's value into it alone changes what neither side's
// pages show. Any other differing byte shows on a page, or is one passed over on purpose.
TEST_F(VergleichTest, AByteIsInAByteRowExactlyWhenItAloneShowsOnNoPage)
{
    const quint8 kennungen[] = {0x10, 0x13, 0x1B, 0x23, 0x31, 0x43, 0x53};
    const quint8 typen[] = {modultyp::kKein, modultyp::kPH, modultyp::kRedox, modultyp::kTemperatur, modultyp::kNormsignal,
                            modultyp::kLfKonduktiv, modultyp::kLfInduktiv, modultyp::kChlor, modultyp::kFreigabeOderTimer};
    std::mt19937 zufall(20261209);
    const auto eines = [&zufall](const auto& liste) { return liste[zufall() % std::size(liste)]; };
    const auto satz = [&] {
        return test::konfiguration(eines(kennungen), quint8(modultyp::kPH + zufall() % 7), eines(typen), eines(typen));
    };
    for (int paar = 0; paar < 16; ++paar) {
        const Parametersatz a = satz();
        Parametersatz b = paar % 3 == 0 ? satz() : a;
        for (int n = int(1 + zufall() % 8); n > 0; --n)
            b.setByte(int(1 + zufall() % (Parametersatz::kGroesse - 1)), quint8(zufall()));
        const Vergleich v = vergleiche(a, b);
        const std::vector<Feldangabe> felderA = felderVon(a);
        const std::vector<Feldangabe> felderB = felderVon(b);
        std::vector<int> verschieden;
        for (int i = 0; i < Parametersatz::kGroesse; ++i) {
            if (a.byte(i) != b.byte(i))
                verschieden.push_back(i);
        }
        std::shuffle(verschieden.begin(), verschieden.end(), zufall);
        verschieden.resize(std::min<std::size_t>(verschieden.size(), 10));
        for (int offset : verschieden) {
            SCOPED_TRACE(testing::Message() << "pair " << paar << " @" << offset);
            const bool inByteZeile = std::any_of(v.unterschiede.begin(), v.unterschiede.end(), [offset](const Unterschied& u) {
                return u.laenge > 0 && offset >= u.offset && offset < u.offset + u.laenge;
            });
            const bool zeigt = zeigtAnders(a, felderA, offset, b.byte(offset)) || zeigtAnders(b, felderB, offset, a.byte(offset));
            if (inByteZeile)
                EXPECT_FALSE(zeigt) << "a byte row holds a byte that a page shows";
            else
                EXPECT_TRUE(zeigt || stillerUnterschied(a, b, offset)) << "a differing byte is neither shown nor in a byte row";
        }
    }
}
