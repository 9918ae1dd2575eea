// The device clock: the texts of the question, and the command against the simulated instrument.
#include "../link/SimulatedInstrument.h"

#include "base/BatchInteraction.h"
#include "devicedata/ClockText.h"
#include "devicedata/DeviceClock.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using hvxtest::Commands;
using hvxtest::WithChecksum;
using namespace hvx;

namespace {

constexpr int kPort = 3;
const QString kNotShowable = QStringLiteral("nicht darstellbar");
const QString kQuestion = QStringLiteral("Sollen Datum und Uhrzeit aktualisiert werden?");
const QString kSetFailed = QStringLiteral("Datum/Uhrzeit konnte nicht gesetzt werden!");

// Saturday, 17 May 2031, 13:45:30.
const QDateTime kPcTime(QDate(2031, 5, 17), QTime(13, 45, 30));
const QByteArray kPcTimeBcd("\x30\x45\x13\x06\x17\x05\x31", 7);

QByteArray Bytes(const DateTimeBlock& block)
{
    return QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
}

} // namespace

TEST(ClockText, TimePictureLosesSecondsAndTwelveHourForm)
{
    EXPECT_EQ(TimePictureWithoutSeconds(QStringLiteral("hh:mm:ss")), QStringLiteral("HH:mm"));
    EXPECT_EQ(TimePictureWithoutSeconds(QStringLiteral("h:mm:ss tt")), QStringLiteral("H:mm"));
    EXPECT_EQ(TimePictureWithoutSeconds(QStringLiteral("hh:mm:ss AP")), QStringLiteral("HH:mm"));
    EXPECT_EQ(TimePictureWithoutSeconds(QStringLiteral("HH.mm.ss 'Uhr'")), QStringLiteral("HH.mm 'Uhr'"));
    EXPECT_EQ(TimePictureWithoutSeconds(QStringLiteral("'s' HH:mm")), QStringLiteral("'s' HH:mm"));
}

TEST(ClockText, InstrumentFieldsThatAreNoRealDateCannotBeShown)
{
    test::TestApp testApp;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ClockText(kPcTime), QStringLiteral("Samstag 17.05.2031 13:45"));
    DeviceDateTime value = DecodeDateTime({0x00, 0x07, 0x23, 0x00, 0x31, 0x12, 0x99});
    EXPECT_EQ(ClockText(value), QStringLiteral("Donnerstag 31.12.2099 23:07"));
    value.month = DecodeBcd(0x13);
    EXPECT_FALSE(ClockText(value));
    value = DecodeDateTime({0x00, 0x60, 0x12, 0x00, 0x01, 0x01, 0x20});
    EXPECT_FALSE(ClockText(value)) << "minute 60";
    value = DecodeDateTime({0x00, 0x00, 0x12, 0x00, 0x29, 0x02, 0x21});
    EXPECT_FALSE(ClockText(value)) << "29 February 2021";
    QLocale::setDefault(QLocale::system());
}

class DeviceClockCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        testApp.app().m_nPort = kPort - 1;
        hvxtest::UseShortLinkTimeouts(testApp.app());
    }
    void setInstrumentClock(const QByteArray& bcd)
    {
        sim.instrument().ModifyState([&bcd](hvxsim::InstrumentState& state) {
            hvxsim::DateTimeBcd raw{};
            std::copy(bcd.begin(), bcd.end(), raw.begin());
            state.clock.Write(raw);
        });
    }
    QByteArray instrumentClock() { return Bytes(*ReadDeviceClock()); }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort};
    LocalClock fixedNow = [] { return kPcTime; };
};

TEST_F(DeviceClockCommand, AnImpossibleInstrumentDateIsAnnouncedAndTheClockIsSet)
{
    setInstrumentClock(QByteArray("\x00\x10\x09\x02\x01\x13\x24", 7));
    testApp.ui().answerMessageBox(hvx::IDOK, kNotShowable);
    EXPECT_TRUE(SetDeviceClock(fixedNow));
    const auto questions = testApp.ui().questions();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].type, unsigned(hvx::MB_OK));
    EXPECT_TRUE(questions[0].text.contains(QStringLiteral("PC:\t") + ClockText(kPcTime) + u'\n'));
    EXPECT_TRUE(questions[0].text.endsWith(QStringLiteral("Hydrovant:\t") + kNotShowable));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x15, 0x11, 0x10, 0x16}) + WithChecksum(kPcTimeBcd) + Commands({0x11}));
}

TEST_F(DeviceClockCommand, AnsweringNoWritesNothingAndSaysNothing)
{
    setInstrumentClock(QByteArray("\x00\x10\x09\x02\x01\x12\x24", 7));
    testApp.ui().answerMessageBox(hvx::IDNO, QStringLiteral("Hydrovant:\tSonntag 01.12.2024 09:10"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_FALSE(SetDeviceClock(fixedNow));
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(testApp.ui().questions().size(), 1);
    EXPECT_EQ(testApp.ui().questions()[0].type, unsigned(hvx::MB_YESNO));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x15, 0x11}));
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(DeviceClockCommand, TheTimeWrittenIsTheTimeOfTheAnswer)
{
    int calls = 0;
    const LocalClock advancing = [&calls] { return kPcTime.addSecs(60 * calls++); };
    testApp.ui().answerMessageBox(hvx::IDYES, kQuestion);
    EXPECT_TRUE(SetDeviceClock(advancing));
    EXPECT_EQ(sim.received().mid(5, 7), QByteArray("\x30\x46\x13\x06\x17\x05\x31", 7));
}

TEST_F(DeviceClockCommand, InBatchModeTheClockIsSetWithoutInteraction)
{
    hvx::BatchInteraction batch{nullptr};
    testApp.app().m_bRemote = true;
    testApp.app().SetUserInteraction(&batch);
    EXPECT_TRUE(SetDeviceClock(fixedNow));
    EXPECT_EQ(sim.received().mid(5, 7), kPcTimeBcd);
    EXPECT_TRUE(testApp.logEntries().contains(QStringLiteral("CHVXDoc::OnHvxSetDeviceClock")));
    // The instrument runs on from the time written.
    EXPECT_EQ(instrumentClock().mid(1, 6), kPcTimeBcd.mid(1, 6));
}

TEST_F(DeviceClockCommand, FailuresEndWithTheSummaryMessage)
{
    sim.fault(hvxsim::FaultKind::NoAnswer, hvxsim::kReadDateTime);
    testApp.ui()
        .answerMessageBox(hvx::IDOK, QStringLiteral("Timeout beim Empfang von Daten!"))
        .answerMessageBox(hvx::IDOK, QStringLiteral("Datum/Uhrzeit konnte nicht gelesen werden!"))
        .answerMessageBox(hvx::IDOK, kSetFailed);
    EXPECT_FALSE(SetDeviceClock(fixedNow));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x15, 0x11}));

    sim.fault(hvxsim::FaultKind::NoAnswer, hvxsim::kConnect);
    testApp.ui()
        .answerMessageBox(hvx::IDOK, QStringLiteral("Konnte Verbindung zum HYDROVANT nicht aufbauen!"))
        .answerMessageBox(hvx::IDOK, kSetFailed);
    EXPECT_FALSE(SetDeviceClock(fixedNow));

    sim.fault(hvxsim::FaultKind::NackV, hvxsim::kWriteDateTime);
    testApp.ui()
        .answerMessageBox(hvx::IDYES, kQuestion)
        .answerMessageBox(hvx::IDOK, QStringLiteral("Checksummenfehler beim Senden!"))
        .answerMessageBox(hvx::IDOK, kSetFailed);
    EXPECT_FALSE(SetDeviceClock(fixedNow));
    EXPECT_TRUE(sim.portIsFree());
}
