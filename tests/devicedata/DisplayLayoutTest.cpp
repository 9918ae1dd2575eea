// What the instrument display imitation shows for a parameter set and the received values.
#include "devicedata/DisplayLayout.h"
#include "model/Codes.h"
#include "model/NeuerParametersatz.h"
#include "model/ParametersatzLayout.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {

constexpr quint8 kRevisionK = 0x13;

Parametersatz Instrument(quint8 revision, std::array<quint8, 3> types)
{
    Modulbestueckung modules;
    for (std::size_t i = 0; i < modules.size(); ++i)
        modules[i] = {types[i], anfangsReglertyp(types[i], revision >> 4)};
    return neuerParametersatz(revision, modules);
}

// Fields 2..12 of a line: pH module, chlorine module, no third module.
QStringList Fields(const QString& relays, const QString& error = QStringLiteral("0"))
{
    return {"7.21", "24.5", "1", "0.45", "24.6", "1", "", "", "", relays, error};
}

} // namespace

TEST(DisplayLayout, BlocksAreCentredAsAGroup)
{
    EXPECT_EQ(DisplayLayout::BlockStart(0, 1, 300), 100) << "one module: the middle third";
    EXPECT_EQ(DisplayLayout::BlockStart(0, 2, 300), 50) << "two modules: the middle two thirds";
    EXPECT_EQ(DisplayLayout::BlockStart(1, 2, 300), 150);
    EXPECT_EQ(DisplayLayout::BlockStart(0, 3, 300), 0);
    EXPECT_EQ(DisplayLayout::BlockStart(2, 3, 300), 200);
}

TEST(DisplayLayout, ModulesGetNameValueUnitControllerAndSetPoint)
{
    test::TestApp testApp;
    DisplayLayout display;
    display.SetLayout(Instrument(kRevisionK, {modultyp::kPH, modultyp::kChlor, modultyp::kKein}));
    EXPECT_EQ(display.moduleCount(), 2);
    const DisplayBlock& ph = display.block(0);
    EXPECT_EQ(ph.name->text, QStringLiteral("pH"));
    EXPECT_EQ(ph.value->column, 10);
    EXPECT_TRUE(ph.value->rightAligned);
    EXPECT_TRUE(ph.value->large);
    EXPECT_EQ(ph.unit->text, QStringLiteral("pH"));
    EXPECT_EQ(ph.secondUnit->text, QStringLiteral("°C"));
    EXPECT_EQ(ph.secondUnit->column, 7);
    EXPECT_TRUE(ph.setPoint->text.startsWith(QStringLiteral("Soll:")));
    EXPECT_TRUE(ph.setPoint->text.endsWith(QStringLiteral(" pH")));
    EXPECT_EQ(ph.controller->row, 4);
    EXPECT_FALSE(ph.controller->text.isEmpty());
    EXPECT_TRUE(ph.showsValues());
    EXPECT_EQ(display.block(1).name->text, QStringLiteral("Chlor"));
    EXPECT_EQ(display.block(1).unit->text, QStringLiteral("mg/l"));

    // The chlorine family by variant: chlorine dioxide in M.
    display.SetLayout(Instrument(0x33, {modultyp::kChlor, modultyp::kKein, modultyp::kKein}));
    EXPECT_EQ(display.block(0).name->text, QStringLiteral("CLO2"));
}

TEST(DisplayLayout, SetPointsAreFormattedWithTheModulesDecimals)
{
    test::TestApp testApp;
    Parametersatz ps = Instrument(kRevisionK, {modultyp::kPH, modultyp::kRedoxPlusMinus, modultyp::kKein});
    ps.setModulWord(0, modulblock::kSollwert, 720);  // 7.20 pH
    ps.setModulWord(1, modulblock::kSollwert, 750);  // +250 mV after the offset of 500
    DisplayLayout display;
    display.SetLayout(ps);
    EXPECT_EQ(display.block(0).setPoint->text, QStringLiteral("Soll: 7.20 pH"));
    EXPECT_EQ(display.block(1).setPoint->text, QStringLiteral("Soll:  250 mV"));
    EXPECT_EQ(display.block(1).name->text, QStringLiteral("Redox"));
}

TEST(DisplayLayout, ModulesWithoutAMeasuredValueShowDashesAndTheirRelayLineOnly)
{
    test::TestApp testApp;
    DisplayLayout display;
    display.SetLayout(Instrument(kRevisionK, {modultyp::kPH, modultyp::kFreigabeOderTimer, modultyp::kKein}));
    const DisplayBlock& enable = display.block(1);
    EXPECT_EQ(enable.name->text, QStringLiteral("---"));
    EXPECT_EQ(enable.unit->text, QStringLiteral("---"));
    EXPECT_EQ(enable.unit->column, 9);
    EXPECT_FALSE(enable.showsValues());
    EXPECT_FALSE(enable.value);
    EXPECT_TRUE(enable.relay);
    display.UpdateAll(Fields(QStringLiteral("10")));
    EXPECT_EQ(display.block(1).relay->text, QStringLiteral("Relais:  5"));
}

TEST(DisplayLayout, RelayBitsNameTheRelaysOfEachModule)
{
    test::TestApp testApp;
    DisplayLayout display;
    display.SetLayout(Instrument(kRevisionK, {modultyp::kPH, modultyp::kChlor, modultyp::kKein}));
    display.UpdateAll(Fields(QStringLiteral("6")));
    EXPECT_EQ(display.block(0).relay->text, QStringLiteral("Relais:2 3"));
    EXPECT_EQ(display.block(0).value->text, QStringLiteral("7.21"));
    EXPECT_EQ(display.block(1).second->text, QStringLiteral("24.6"));
    EXPECT_EQ(display.block(1).relay->text, QStringLiteral("Relais:   ")) << "bits 3 and 4 are clear";
    display.UpdateAll(Fields(QStringLiteral("2")));
    EXPECT_EQ(display.block(0).relay->text, QStringLiteral("Relais:2  "));
    display.UpdateAll(Fields(QStringLiteral("18")));
    EXPECT_EQ(display.block(1).relay->text, QStringLiteral("Relais:4 5")) << "0x18: bits 3 and 4";
    display.UpdateAll(Fields(QStringLiteral("8")));
    EXPECT_EQ(display.block(1).relay->text, QStringLiteral("Relais:4  "));
    EXPECT_EQ(display.block(2).relay->text, QStringLiteral("Freigabe aus")) << "an empty enable text";
    QStringList off = Fields(QStringLiteral("6"));
    off[2] = QStringLiteral("0");
    display.UpdateAll(off);
    EXPECT_EQ(display.block(0).relay->text, QStringLiteral("Freigabe aus"));
}

TEST(DisplayLayout, TheAlarmBitShowsTheAlarmTextUntilTheNextLineWithoutIt)
{
    test::TestApp testApp;
    DisplayLayout display;
    display.SetLayout(Instrument(kRevisionK, {modultyp::kPH, modultyp::kChlor, modultyp::kKein}));
    display.UpdateAll(Fields(QStringLiteral("7"), QStringLiteral("31")));
    EXPECT_TRUE(display.alarm());
    EXPECT_EQ(display.alarmText(), QStringLiteral("Grenzwertüberschreitung (Modul 1)"));
    display.UpdateAll(Fields(QStringLiteral("6"), QStringLiteral("31")));
    EXPECT_FALSE(display.alarm());
    EXPECT_TRUE(display.alarmText().isEmpty());
    display.UpdateAll(Fields(QStringLiteral("1"), QStringLiteral("12")));
    EXPECT_EQ(display.alarmText(), QStringLiteral("Unbekannter Fehler 12"));
    display.Reset();
    EXPECT_FALSE(display.alarm());
}

TEST(DisplayLayout, TheSetPointIsShownInTheUnitOfTheControllerPage)
{
    // 50.0 °C stored: shown as 122.0 °F where the controller shows Fahrenheit.
    test::TestApp testApp;
    struct Fall {
        quint8 typ;
        quint8 flags;
        const char* text;
    };
    const Fall faelle[] = {
        {modultyp::kTemperatur, modulflags::kFahrenheit, "Soll:122.0°F"},
        {modultyp::kTemperatur, 0, "Soll: 50.0°C"},
        {modultyp::kNormsignal, quint8(normsignalart::kTemperaturFahrenheit << modulflags::kNormsignalArtShift), "Soll:122.0 °F"},
        {modultyp::kNormsignal, quint8(normsignalart::kTemperaturCelsius << modulflags::kNormsignalArtShift), "Soll: 50.0 °C"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        Parametersatz ps = Instrument(kRevisionK, {fall.typ, modultyp::kKein, modultyp::kKein});
        ps.setModulByte(0, modulblock::kModulflags, fall.flags);
        ps.setModulflags(0, fall.flags);
        ps.setModulWord(0, modulblock::kSollwert, 500);
        DisplayLayout display;
        display.SetLayout(ps);
        ASSERT_TRUE(display.block(0).setPoint.has_value());
        EXPECT_EQ(display.block(0).setPoint->text, QString::fromUtf8(fall.text));
    }
}
