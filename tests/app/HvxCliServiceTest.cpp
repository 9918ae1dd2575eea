// hvxcli's service tools end to end against the simulated instrument: eeprom read and write
// with ranges and the question, service send and block.
#include "../link/SimulatedInstrument.h"

#include "base/BatchInteraction.h"
#include "app/cli/TerminalQuestions.h"
#include "devicedata/EepromImage.h"
#include "devicedata/ServiceCommands.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using hvxtest::Commands;
using namespace hvx;

namespace {

constexpr int kPort = 6;
const QString kPortOption = QStringLiteral("--port=5");

class HvxCliService : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        hvxtest::UseShortLinkTimeouts(testApp.app());
        testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("TimeBetweenBytes"), 0);
        testApp.app().SetUserInteraction(&batch);
        sim.instrument().ModifyState([](hvxsim::InstrumentState& state) {
            for (size_t i = 0; i < state.eeprom.size(); ++i)
                state.eeprom[i] = quint8(i * 3 + (i >> 8));
        });
    }
    void TearDown() override { testApp.app().SetUserInteraction(&testApp.ui()); }

    int run(const QStringList& arguments)
    {
        const test::CliOutput output = test::RunCli(arguments);
        out = output.out;
        err = output.err;
        return output.status;
    }
    QByteArray instrumentBytes(int first, int count)
    {
        const auto eeprom = sim.instrument().State().eeprom;
        return QByteArray(reinterpret_cast<const char*>(eeprom.data()) + first, count);
    }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort};
    BatchInteraction batch{nullptr};
    QString out, err;
};

} // namespace

TEST_F(HvxCliService, EepromReadOfARangeWritesAll128LinesWithFFOutsideIt)
{
    const QString path = testApp.filePath(QStringLiteral("bild.hxp"));
    ASSERT_EQ(run({QStringLiteral("eeprom"), QStringLiteral("read"), kPortOption, path, QStringLiteral("--range"),
                   QStringLiteral("100-110")}),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("16 Bytes ab Adresse 0x100"))) << out.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EepromImage image{};
    EXPECT_EQ(ReadHxpText(text, image).linesTaken, 128);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()) + 0x100, 16), instrumentBytes(0x100, 16));
    EXPECT_EQ(image[0xFF], 0xFF);
    EXPECT_EQ(image[0x110], 0xFF);
    EXPECT_EQ(sim.received(), Commands({0x10, 0x18, 0x01, 0x00, 0x10, 0x11}));
}

TEST_F(HvxCliService, EepromWriteOfARangeWithYesWritesOnlyThoseBytes)
{
    EepromImage image = FreshEepromImage();
    image[0x20] = 0x12;
    image[0x21] = 0x34;
    const QString path = testApp.filePath(QStringLiteral("schreiben.hxp"));
    ASSERT_TRUE(SaveHxpFile(path, image, nullptr));
    const QByteArray before = instrumentBytes(0, 0x40);
    ASSERT_EQ(run({QStringLiteral("eeprom"), QStringLiteral("write"), kPortOption, path, QStringLiteral("--range=20-22"),
                   QStringLiteral("--yes")}),
              0)
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("send 2 Bytes"))) << "the question is shown with its answer";
    EXPECT_EQ(instrumentBytes(0x20, 2), QByteArray("\x12\x34"));
    EXPECT_EQ(instrumentBytes(0, 0x20), before.left(0x20));
    EXPECT_EQ(instrumentBytes(0x22, 0x1E), before.mid(0x22));
}

TEST_F(HvxCliService, EepromWriteUnansweredWritesNothing)
{
    if (isatty(STDIN_FILENO) == 1)
        GTEST_SKIP() << "standard input is a terminal";
    const QString path = testApp.filePath(QStringLiteral("leer.hxp"));
    ASSERT_TRUE(SaveHxpFile(path, FreshEepromImage(), nullptr));
    EXPECT_EQ(run({QStringLiteral("eeprom"), QStringLiteral("write"), kPortOption, path}), 3);
    EXPECT_TRUE(err.contains(QStringLiteral("2048 Bytes"))) << err.toStdString();
    EXPECT_TRUE(sim.received().isEmpty());
}

TEST_F(HvxCliService, EepromFailuresGiveTheLinkAreaOrUsageErrors)
{
    const QString path = testApp.filePath(QStringLiteral("x.hxp"));
    for (const char* range : {"110-100", "0-801", "zz-10", "100"}) {
        EXPECT_EQ(run({QStringLiteral("eeprom"), QStringLiteral("read"), path, QStringLiteral("--range"),
                       QString::fromLatin1(range)}),
                  3)
            << range;
    }
    EXPECT_EQ(run({QStringLiteral("eeprom"), QStringLiteral("copy"), path}), 3);
    QFile bad(path);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("0000: 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE GG\r\n");
    bad.close();
    EXPECT_EQ(run({QStringLiteral("eeprom"), QStringLiteral("write"), kPortOption, path, QStringLiteral("--yes")}), 3);
    EXPECT_TRUE(err.contains(QStringLiteral("Zeile 1"))) << err.toStdString();
    hvxsim::FaultRule rule;
    rule.kind = hvxsim::FaultKind::BadAddress;
    rule.command = 0x18;
    rule.argument = 0x123;
    sim.instrument().AddFault(rule);
    const QString readPath = testApp.filePath(QStringLiteral("gelesen.hxp"));
    EXPECT_EQ(run({QStringLiteral("eeprom"), QStringLiteral("read"), kPortOption, readPath}), 2);
    EXPECT_EQ(testApp.app().ErrorCode(), 0x82000003u) << "checksum error at the failing block";
    EXPECT_FALSE(QFile::exists(readPath)) << "an incomplete image is not saved";

}

TEST_F(HvxCliService, ServiceSendPrintsTheAnswerBytesAndTheirCount)
{
    ASSERT_EQ(run({QStringLiteral("service"), QStringLiteral("send"), kPortOption, QStringLiteral("1B")}), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("0x1b \n0x3f \nEmpfangene Bytes: 1\n"));
    EXPECT_EQ(run({QStringLiteral("service"), QStringLiteral("send"), kPortOption, QStringLiteral("1B2")}), 3);
    EXPECT_EQ(sim.received(), Commands({0x1B}));
}

TEST_F(HvxCliService, ServiceBlockWritesTheEntry)
{
    ASSERT_EQ(run({QStringLiteral("service"), QStringLiteral("block"), kPortOption, QStringLiteral("--entry=3"),
                   QStringLiteral("--id=7"), QStringLiteral("--value=1.5")}),
              0)
        << err.toStdString();
    EXPECT_EQ(sim.instrument().State().serviceBlock, BuildServiceBlock({3, 7, 1.5f}));
    EXPECT_EQ(run({QStringLiteral("service"), QStringLiteral("block"), kPortOption, QStringLiteral("--entry=12"),
                   QStringLiteral("--id=7"), QStringLiteral("--value=1.5")}),
              3);
}

TEST(TerminalQuestions, YesNoQuestionsAreAnsweredAsToldAndOtherMessagesPassOn)
{
    BatchInteraction batch{nullptr};
    QString text;
    QTextStream err(&text);
    cli::TerminalQuestions yes(batch, err, true, false);
    EXPECT_EQ(yes.messageBox(QStringLiteral("Wirklich?"), MB_YESNO | MB_DEFBUTTON2, 0), IDYES);
    EXPECT_EQ(yes.messageBox(QStringLiteral("Info"), MB_OK, 0), IDOK);
    if (!cli::TerminalQuestions::InputIsTerminal()) {
        cli::TerminalQuestions no(batch, err, false, false);
        EXPECT_EQ(no.messageBox(QStringLiteral("Wirklich?"), MB_YESNO | MB_ICONQUESTION, 0), IDNO);
    }
    err.flush();
    EXPECT_EQ(text.count(QStringLiteral("Wirklich?")), cli::TerminalQuestions::InputIsTerminal() ? 1 : 2);
    EXPECT_TRUE(cli::TerminalQuestions::IsYes(QStringLiteral(" Ja\n")));
    EXPECT_TRUE(cli::TerminalQuestions::IsYes(QStringLiteral("y")));
    EXPECT_FALSE(cli::TerminalQuestions::IsYes(QStringLiteral("\n")));
    EXPECT_FALSE(cli::TerminalQuestions::IsYes(QStringLiteral("nein")));
}
