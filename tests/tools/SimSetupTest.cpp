// Building the simulated instrument: parameter sets, alarm samples, configuration files, the
// command line and fault rules in text form, and the BCD clock.

#include "CommandLine.h"
#include "DeviceClock.h"
#include "Faults.h"
#include "InstrumentSetup.h"
#include "ParameterFile.h"
#include "ServiceCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <gtest/gtest.h>

using namespace hvxsim;

TEST(SimClock, BcdEdgeValues)
{
    EXPECT_EQ(ToBcd(59), 0x59);
    EXPECT_EQ(ToBcd(12), 0x12);
    EXPECT_EQ(ToBcd(100), 0x00);
    EXPECT_EQ(FromBcd(0x59), 59);
    EXPECT_EQ(FromBcd(0x9A), 100);
    const auto bcd = EncodeDateTime(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 58)));
    EXPECT_EQ(bcd, (DateTimeBcd{0x58, 0x59, 0x23, 0x04, 0x31, 0x12, 0x99})) << "a Thursday";
    EXPECT_EQ(EncodeDateTime(QDateTime(QDate(2100, 1, 1), QTime(0, 0)))[6], 0x00);
    EXPECT_EQ(EncodeDateTime(QDateTime(QDate(2012, 12, 9), QTime(0, 0)))[3], 0x00) << "Sunday is 0";
}

TEST(SimClock, ClockRunsFromAValidWriteAndFreezesOnAnImpossibleOne)
{
    DeviceClock clock;
    clock.Write({0x00, 0x00, 0x10, 0x05, 0x07, 0x12, 0x12});
    EXPECT_FALSE(clock.IsFrozen());
    EXPECT_EQ(clock.Read()[6], 0x12);
    const DateTimeBcd impossible{0x00, 0x61, 0x10, 0x05, 0x07, 0x12, 0x12};
    clock.Write(impossible);
    EXPECT_TRUE(clock.IsFrozen());
    EXPECT_EQ(clock.Read(), impossible);
}

TEST(SimFaultRules, ParseTheTextForm)
{
    std::string error;
    auto rule = ParseFaultRule("delay:0x13:2:1500", &error);
    ASSERT_TRUE(rule) << error;
    EXPECT_EQ(rule->kind, FaultKind::Delay);
    EXPECT_EQ(rule->command, 0x13);
    EXPECT_EQ(rule->count, 2);
    EXPECT_EQ(rule->argument, 1500);

    rule = ParseFaultRule("no-answer:20@ack", &error);
    ASSERT_TRUE(rule) << error;
    EXPECT_EQ(rule->command, 20);
    EXPECT_EQ(rule->phase, ReplyPhase::First);

    rule = ParseFaultRule("garbled-timestamp::-1", &error);
    ASSERT_TRUE(rule) << error;
    EXPECT_FALSE(rule->command);
    EXPECT_EQ(rule->count, -1);

    for (const char* bad : {"", "nack-x", "nack-v:0x100", "nack-v:0x14:0", "delay:0x13:1:-5", "nack-v@later", "a:1:2:3:4"}) {
        EXPECT_FALSE(ParseFaultRule(bad, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimFaultRules, RulesAreTakenInOrderAndOnlyWhereTheyFit)
{
    FaultPlan plan;
    plan.Add({FaultKind::WrongChecksum, std::nullopt, 1, 0, ReplyPhase::Final});
    plan.Add({FaultKind::NackV, 0x14, 2, 0, ReplyPhase::Final});
    EXPECT_FALSE(plan.Take({0x14, ReplyKind::Acknowledgement, ReplyPhase::First})) << "wrong phase";
    EXPECT_FALSE(plan.Take({0x10, ReplyKind::Acknowledgement, ReplyPhase::Final})) << "wrong command";
    EXPECT_EQ(plan.Take({0x14, ReplyKind::Acknowledgement, ReplyPhase::Final})->kind, FaultKind::NackV);
    EXPECT_EQ(plan.Take({0x12, ReplyKind::Data, ReplyPhase::Final})->kind, FaultKind::WrongChecksum);
    EXPECT_FALSE(plan.Take({0x12, ReplyKind::Data, ReplyPhase::Final}));
    EXPECT_EQ(plan.Take({0x14, ReplyKind::Acknowledgement, ReplyPhase::Final})->kind, FaultKind::NackV);
    EXPECT_TRUE(plan.Empty());
    plan.Add({FaultKind::Delay, std::nullopt, 1, 0, ReplyPhase::Final});
    EXPECT_EQ(plan.Take({0x12, ReplyKind::Data, ReplyPhase::Final})->argument, DefaultArgument(FaultKind::Delay));
    EXPECT_FALSE(FaultApplies(FaultKind::MalformedLine, ReplyKind::Data));
    EXPECT_FALSE(FaultApplies(FaultKind::NoAnswer, ReplyKind::MeasuredLine));
}

TEST(SimSetup, NewParameterSetCarriesRevisionModulesAndAccessCode)
{
    const auto image = NewParameterSet(0x21, {1, 7, 16}).bild();
    EXPECT_EQ(image[0], 0x21);
    EXPECT_EQ(image[2], 1);
    EXPECT_EQ(image[3], 3) << "signal device";
    EXPECT_EQ(image[6], 7);
    EXPECT_EQ(image[10], 16);
    EXPECT_EQ(image[11], 8) << "blow-down device";
    EXPECT_EQ(image[46], 1) << "module block 1 repeats the type";
    EXPECT_EQ(std::string(image.begin() + 476, image.begin() + 480), "9157");
    EXPECT_EQ(image[480], 0);
    EXPECT_EQ(image[518], 255) << "factory default: measured data off";
}

TEST(SimSetup, RefusesInstrumentsThatCannotExist)
{
    std::string error;
    InstrumentSetup setup;
    setup.revision = 0x14; // no revision K 55
    EXPECT_FALSE(BuildInstrument(setup, &error));
    EXPECT_NE(error.find("0x14"), std::string::npos);
    setup.revision = 0x20;
    setup.modules = {13, 1, 0}; // a timer in slot 1
    EXPECT_FALSE(BuildInstrument(setup, &error));
    setup.modules = {0, 1, 0};
    EXPECT_FALSE(BuildInstrument(setup, &error));
    setup.modules = {1, 13, 0};
    EXPECT_TRUE(BuildInstrument(setup, &error)) << error;
}

TEST(SimSetup, OptionsOverrideTheParameterSet)
{
    InstrumentSetup setup;
    setup.accessCode = "1234";
    setup.accessCodeActive = true;
    setup.measuredDataInterval = 255;
    setup.alarms = 0;
    std::string error;
    const auto state = BuildInstrument(setup, &error);
    ASSERT_TRUE(state) << error;
    EXPECT_EQ(state->AccessCode(), "1234");
    EXPECT_TRUE(state->AccessCodeActive());
    EXPECT_EQ(state->MeasuredDataInterval(), 255);
    EXPECT_EQ(state->eeprom[0x300], 0);
    EXPECT_EQ(state->eeprom[0x302], 0);
    EXPECT_EQ(state->eeprom[0x304], 0xFF) << "the rest of the EEPROM is erased";
}

TEST(SimSetup, AlarmSamplesUseTheRecordLayout)
{
    const EepromImage eeprom = EepromWithAlarms(2);
    EXPECT_EQ(eeprom[0x302], 2);
    const std::uint8_t* record = eeprom.data() + 0x304;
    EXPECT_EQ(record[0], 24);   // 2024, binary
    EXPECT_EQ(record[1], 0x03); // March, BCD
    EXPECT_EQ(record[2], 0x01);
    EXPECT_EQ(record[3], 0x08);
    EXPECT_EQ(record[4], 0x15);
    EXPECT_EQ(record[6], 31);
    EXPECT_EQ(record[7 + 4], 0x40) << "ends 25:40 later";
    EXPECT_EQ(eeprom[0x304 + 13 + 6], 6) << "second record";
    EXPECT_EQ(eeprom[0x304 + 26], 0xFF) << "nothing after the stored records";
    EXPECT_EQ(EepromWithAlarms(1000)[0x302], kMaxAlarmRecords);
}

TEST(SimSetup, ParameterSetComesFromAConfigurationFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anlage.hxd"));
    QByteArray file(1280, '\0');
    file.replace(0, 48, QByteArray("HXD Version 1.0 Parameter Image File Format     "));
    for (int i = 0; i < 558; ++i) {
        const int offset = i < 14 ? 720 + i : i < 46 ? 736 + i - 14 : i < 526 ? 768 + i - 46 : 1248 + i - 526;
        file[offset] = static_cast<char>((i * 13 + 1) & 0xFF);
    }
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    std::string error;
    const auto image = ReadParameterFile(path.toStdString(), &error);
    ASSERT_TRUE(image) << error;
    for (int i = 0; i < 558; ++i)
        ASSERT_EQ(image->byte(i), (i * 13 + 1) & 0xFF) << i;

    InstrumentSetup setup;
    setup.parameterFile = path.toStdString();
    setup.measuredDataInterval = 10;
    const auto state = BuildInstrument(setup, &error);
    ASSERT_TRUE(state) << error;
    EXPECT_EQ(state->Revision(), 1);
    EXPECT_EQ(state->MeasuredDataInterval(), 10);

    QFile::resize(path, 1000);
    EXPECT_FALSE(ReadParameterFile(path.toStdString(), &error));
    EXPECT_NE(error.find("1280"), std::string::npos);
    EXPECT_FALSE(ReadParameterFile(dir.filePath(QStringLiteral("missing.hxd")).toStdString(), &error));
}

TEST(SimCommandLine, OptionsReachTheSetupTimingAndFaults)
{
    std::string error;
    const auto options = ParseSimulatorOptions(
        {QStringLiteral("hvx-sim"), QStringLiteral("--revision"), QStringLiteral("0x1B"), QStringLiteral("--modules"),
         QStringLiteral("5,0"), QStringLiteral("--access-code"), QStringLiteral("0815"),
         QStringLiteral("--access-code-active"), QStringLiteral("--interval"), QStringLiteral("30"),
         QStringLiteral("--fault"), QStringLiteral("nack-v:0x14"), QStringLiteral("--fault"),
         QStringLiteral("short-reply:0x12"), QStringLiteral("--turnaround-ms"), QStringLiteral("12"),
         QStringLiteral("--no-line-rate"), QStringLiteral("--link"), QStringLiteral("/tmp/x")},
        &error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->setup.revision, 0x1B);
    EXPECT_EQ(options->setup.modules, (std::array<std::uint8_t, 3>{5, 0, 0}));
    EXPECT_EQ(options->setup.accessCode, "0815");
    EXPECT_EQ(options->setup.accessCodeActive, true);
    EXPECT_EQ(options->setup.measuredDataInterval, 30);
    ASSERT_EQ(options->faults.size(), 2u);
    EXPECT_EQ(options->faults[1].kind, FaultKind::ShortReply);
    EXPECT_EQ(options->timing.turnaround, std::chrono::milliseconds(12));
    EXPECT_FALSE(options->timing.lineRate);
    EXPECT_EQ(options->linkPath, "/tmp/x");
}

TEST(SimCommandLine, RevisionAndModulesByNameAsHvxcliNewTakesThem)
{
    std::string error;
    auto options = ParseSimulatorOptions({QStringLiteral("hvx-sim"), QStringLiteral("--revision"),
                                          QStringLiteral("Revision K 54"), QStringLiteral("--modules"),
                                          QStringLiteral("pH,LF konduktiv")},
                                         &error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->setup.revision, 0x13);
    EXPECT_EQ(options->setup.modules, (std::array<std::uint8_t, 3>{1, 5, 0}));

    // The names of the revision's variant: "Timer" exists in variant L only.
    options = ParseSimulatorOptions({QStringLiteral("hvx-sim"), QStringLiteral("--revision"), QStringLiteral("l 21"),
                                     QStringLiteral("--modules"), QStringLiteral("Absalz induktiv,Timer,0")},
                                    &error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->setup.revision, 0x20);
    EXPECT_EQ(options->setup.modules, (std::array<std::uint8_t, 3>{16, 13, 0}));
    EXPECT_FALSE(ParseSimulatorOptions({QStringLiteral("hvx-sim"), QStringLiteral("--modules"), QStringLiteral("Timer")},
                                       &error))
        << "no timer in K 54";
    EXPECT_FALSE(ParseSimulatorOptions({QStringLiteral("hvx-sim"), QStringLiteral("--revision"), QStringLiteral("Z 99")},
                                       &error));
}

TEST(SimCommandLine, BadValuesAreRefusedWithTheOptionNamed)
{
    const QStringList bad[] = {
        {QStringLiteral("--revision"), QStringLiteral("0x100")},
        {QStringLiteral("--modules"), QStringLiteral("1,2,3,4")},
        {QStringLiteral("--access-code"), QStringLiteral("12345")},
        {QStringLiteral("--interval"), QStringLiteral("0")},
        {QStringLiteral("--turnaround-ms"), QStringLiteral("fast")},
        {QStringLiteral("--bogus")},
    };
    for (const QStringList& arguments : bad) {
        std::string error;
        EXPECT_FALSE(ParseSimulatorOptions(QStringList{QStringLiteral("hvx-sim")} + arguments, &error))
            << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimSetup, RevisionNames)
{
    EXPECT_EQ(RevisionName(0x13), "K 54");
    EXPECT_EQ(RevisionName(0x20), "L 21");
    EXPECT_EQ(RevisionName(0x51), "N7400 52");
    EXPECT_EQ(RevisionName(0x1B), "K 54 (E, I, S)");
    EXPECT_EQ(RevisionName(0x70), "?");
}

// The instrument's clock is set as wall-clock time and reads back the same under any zone of the
// PC, also in the hour a change to summer time skips; a time that is none is refused.
TEST(SimCommandLine, ClockStartsAtTheWallClockTimeGivenUnderAnyZone)
{
    const QByteArray zoneBefore = qgetenv("TZ");
    for (const char* zone : {"UTC", "Europe/Berlin", "America/New_York"}) {
        SCOPED_TRACE(zone);
        qputenv("TZ", zone);
        tzset();
        std::string error;
        const auto options = ParseSimulatorOptions(
            {QStringLiteral("hvx-sim"), QStringLiteral("--clock"), QStringLiteral("2027-03-28 02:30:00")}, &error);
        ASSERT_TRUE(options) << error;
        const auto state = BuildInstrument(options->setup, &error);
        ASSERT_TRUE(state) << error;
        const DateTimeBcd read = state->clock.Read();
        // Seconds may have passed; date, hour and minute are those given.
        EXPECT_EQ(DateTimeBcd({0, read[1], read[2], read[3], read[4], read[5], read[6]}),
                  DateTimeBcd({0, 0x30, 0x02, 0x00, 0x28, 0x03, 0x27}));
    }
    qputenv("TZ", zoneBefore);
    tzset();
    for (const char* refused : {"2027-03-28", "2027-02-30 10:00:00", "1999-12-31 23:59:59", "2100-01-01 00:00:00", "morgen"}) {
        std::string error;
        EXPECT_FALSE(ParseSimulatorOptions({QStringLiteral("hvx-sim"), QStringLiteral("--clock"), QLatin1String(refused)}, &error))
            << refused;
        EXPECT_NE(error.find("--clock"), std::string::npos) << refused;
    }
}
