// Measuring range, decimals and unit of a slot, and the scaling of stored measured values.
#include "model/Messbereich.h"

#include "support/TestApp.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {
// Names are language-file texts: the German language set is selected.
class ModelMessbereich : public ::testing::Test {
protected:
    test::TestApp m_app;
};
} // namespace

namespace {

Parametersatz modul(quint8 b0, quint8 typ)
{
    Parametersatz ps;
    ps.setGeraetekennung(b0);
    ps.setModultyp(0, typ);
    return ps;
}

struct Erwartung {
    std::optional<Messbereich> bereich;
    int stellen;
};

void pruefe(const Parametersatz& ps, const Erwartung& e)
{
    EXPECT_EQ(messbereich(ps, 0), e.bereich);
    EXPECT_EQ(nachkommastellen(ps, 0), e.stellen);
}

} // namespace

TEST_F(ModelMessbereich, PHRangeByRangeCode)
{
    Parametersatz ps = modul(0x13, 1);
    const std::pair<quint8, Messbereich> faelle[] = {{1, {0, 14}}, {2, {2, 12}}, {3, {3, 8}}, {0xFF, {0, 14}}};
    for (const auto& [code, bereich] : faelle) {
        ps.setModulByte(0, 18, code);
        SCOPED_TRACE(int(code));
        pruefe(ps, {bereich, 2});
    }
    EXPECT_EQ(messwertEinheit(ps, 0, false), QStringLiteral("pH"));
}

TEST_F(ModelMessbereich, FixedRangesOfRedoxTemperatureAndBlowDown)
{
    pruefe(modul(0x13, 2), {Messbereich{0, 1000}, 0});
    pruefe(modul(0x13, 14), {Messbereich{0, 1000}, 0});
    pruefe(modul(0x13, 15), {Messbereich{-500, 500}, 0});
    pruefe(modul(0x13, 3), {Messbereich{0, 100}, 1});
    pruefe(modul(0x23, 16), {Messbereich{0, 5000}, 0});
    for (quint8 keiner : {0, 8, 12, 13, 18})
        pruefe(modul(0x13, keiner), {std::nullopt, -1});
    EXPECT_EQ(messwertEinheit(modul(0x13, 3), 0, true), QString::fromUtf8("°F"));
    EXPECT_EQ(messwertEinheit(modul(0x13, 3), 0, false), QString::fromUtf8("°C"));
    EXPECT_EQ(messwertEinheit(modul(0x13, 15), 0, false), QStringLiteral("mV"));
    EXPECT_EQ(messwertEinheit(modul(0x23, 16), 0, false), QStringLiteral("uS"));
    EXPECT_TRUE(messwertEinheit(modul(0x13, 13), 0, false).isEmpty());
}

TEST_F(ModelMessbereich, ConductivityByRangeCode)
{
    struct Fall {
        quint8 typ, code;
        int oben, stellen;
    };
    const Fall faelle[] = {
        {5, 1, 2, 3},    {5, 2, 20, 2},   {5, 3, 200, 1},  {5, 4, 2000, 0}, {6, 4, 2000, 0},
        {6, 0, 2, 3},    {17, 1, 5, 3},   {17, 2, 50, 2},  {17, 3, 500, 1}, {17, 4, 5, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "type " << int(f.typ) << " code " << int(f.code));
        Parametersatz ps = modul(0x33, f.typ);
        ps.setModulByte(0, 47, f.code);
        pruefe(ps, {Messbereich{0, f.oben}, f.stellen});
    }
    EXPECT_EQ(messwertEinheit(modul(0x13, 6), 0, false), QStringLiteral("mS"));
    EXPECT_EQ(messwertEinheit(modul(0x13, 5), 0, false), QStringLiteral("uS"));
}

TEST_F(ModelMessbereich, ChlorineFamilyByVariantVersionAndRangeCode)
{
    struct Fall {
        quint8 b0, code;
        int oben, stellen;
    };
    const Fall faelle[] = {
        {0x10, 1, 2, 2},    {0x10, 2, 2, 2},    {0x11, 1, 2, 2},    {0x11, 2, 20, 1},   {0x23, 2, 20, 1},
        {0x31, 1, 2, 2},    {0x31, 2, 2, 2},    {0x30, 1, 2, 2},
        {0x40, 1, 2000, 0}, {0x41, 1, 200, 1},  {0x41, 2, 2000, 0},
        {0x50, 1, 5000, 0}, {0x51, 1, 500, 1},  {0x53, 2, 5000, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << std::hex << "byte 0 " << int(f.b0) << " code " << int(f.code));
        Parametersatz ps = modul(f.b0, 7);
        ps.setModulByte(0, 29, f.code);
        pruefe(ps, {Messbereich{0, f.oben}, f.stellen});
        EXPECT_EQ(messwertEinheit(ps, 0, false), QStringLiteral("mg/l"));
    }
}

TEST_F(ModelMessbereich, StandardSignalMeasuresLikeTheKindOfSignal1)
{
    struct Fall {
        int art;
        std::optional<Messbereich> bereich;
        int stellen;
        const char* einheit;
    };
    const Fall faelle[] = {
        {0, Messbereich{0, 14}, 2, "pH"},      {1, Messbereich{0, 1000}, 0, "mV"},
        {2, Messbereich{0, 20}, 1, "mg/l"},    {3, Messbereich{0, 20}, 1, "mA"},
        {4, Messbereich{0, 1000}, 0, "mV"},    {5, Messbereich{0, 200}, 1, "mS"},
        {6, Messbereich{0, 200}, 1, "°C"},     {7, Messbereich{0, 200}, 1, "°F"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        Parametersatz ps = modul(0x13, 4);
        ps.setModulByte(0, 2, quint8(0x82 | f.art << 4));  // input 4-20 mA and output bits kept apart
        ps.setModulByte(0, 29, 2);
        ps.setModulByte(0, 47, 3);
        ps.setModulByte(0, 18, 0xFF);
        EXPECT_EQ(normsignalArt(ps, 0), f.art);
        pruefe(ps, {f.bereich, f.stellen});
        EXPECT_EQ(messwertEinheit(ps, 0, false), QString::fromUtf8(f.einheit));
    }
}

TEST_F(ModelMessbereich, StoredValuesOfChlorineAndRedoxPlusMinus)
{
    // A chlorine module of variant K with range code 1: a stored 1500 is 150 hundredths, 1.50 mg/l.
    Parametersatz cl = modul(0x13, 7);
    cl.setModulByte(0, 29, 1);
    EXPECT_EQ(messwertZaehlwert(cl, 0, 1500, true), 150);
    EXPECT_EQ(messwertSpeicherwert(cl, 0, 150, true), 1500);
    // Peracetic acid is stored as it is.
    Parametersatz pes = modul(0x41, 7);
    EXPECT_EQ(messwertZaehlwert(pes, 0, 1500, true), 1500);
    // "Redox (+/-)" keeps -200 mV as 300; the switching distance carries no offset.
    Parametersatz rx = modul(0x13, 15);
    EXPECT_EQ(messwertSpeicherwert(rx, 0, -200, true), 300);
    EXPECT_EQ(messwertZaehlwert(rx, 0, 300, true), -200);
    EXPECT_EQ(messwertZaehlwert(rx, 0, 300, false), 300);
    // Standard signal of kind current is stored ten times finer as well; kind redox is not.
    Parametersatz ns = modul(0x13, 4);
    ns.setModulByte(0, 2, 3 << 4);
    EXPECT_EQ(messwertZaehlwert(ns, 0, 125, true), 12);
    ns.setModulByte(0, 2, 1 << 4);
    EXPECT_EQ(messwertZaehlwert(ns, 0, 125, true), 125);
}
