// Recording the measured-data stream: against the simulated instrument over a pseudo-terminal,
// and the link's hand-over of received texts against a bare pseudo-terminal.
#include "../link/SimulatedInstrument.h"

#include "devicedata/MessdatenAufzeichnung.h"
#include "devicedata/Messdaten.h"
#include "devicedata/TextFile.h"
#include "link/KelComm.h"
#include "support/EventLoop.h"
#include "support/LinkPty.h"
#include "support/TestApp.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <condition_variable>
#include <functional>
#include <mutex>

using namespace hvx;
using hvx::test::EnsureEventLoop;
using hvx::test::ProcessEventsUntil;
using namespace std::chrono_literals;

namespace {

constexpr int kPort = 6;

} // namespace

class MessdatenRecording : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureEventLoop();
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        testApp.app().m_nPort = kPort - 1;
        hvxtest::UseShortLinkTimeouts(testApp.app());
        sim.streamEvery(40ms); // the instrument's seconds, quicker
        QObject::connect(&recording, &CMessdatenAufzeichnung::textReceived, [this](const QByteArray& t) { texts << t; });
        QObject::connect(&recording, &CMessdatenAufzeichnung::lineShown, [this](const QStringList& f) { shown << f; });
        QObject::connect(&recording, &CMessdatenAufzeichnung::linkLost, [this] { ++lost; });
    }
    QByteArray convertedFile()
    {
        const QString path = testApp.filePath(QStringLiteral("aufzeichnung.dat"));
        testApp.ui().answerMessageBox(IDOK, QStringLiteral("Die Messdatendatei wurde ordnungsgemäß erstellt."));
        EXPECT_TRUE(recording.ConvertTo(path));
        return ReadDataFile(path).value_or(QByteArray());
    }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort, hvxtest::SimulatedInstrument::StreamingSetup(10)};
    CMessdatenAufzeichnung recording;
    QList<QByteArray> texts;
    QList<QStringList> shown;
    int lost = 0;
};

TEST_F(MessdatenRecording, LinesAreCollectedShownAndConverted)
{
    ASSERT_EQ(recording.Start(), CMessdatenAufzeichnung::StartResult::Recording);
    EXPECT_EQ(recording.intervalText(), QStringLiteral("10"));
    EXPECT_EQ(recording.parametersatz().modultyp(1), 7);
    sim.instrument().AddFault({hvxsim::FaultKind::MalformedLine, std::nullopt, 1, 0, hvxsim::ReplyPhase::Final});
    sim.instrument().AddFault({hvxsim::FaultKind::GarbledTimestamp, std::nullopt, 1, 0, hvxsim::ReplyPhase::Final});
    ASSERT_TRUE(ProcessEventsUntil([this] { return texts.size() >= 5; }));
    const QString temporary = recording.temporaryPath();
    EXPECT_TRUE(recording.Stop());
    EXPECT_FALSE(recording.isRunning());
    EXPECT_FALSE(recording.Stop()) << "a second stop has nothing to end";
    // The instrument was left sending: no connect after the disconnect that started it.
    EXPECT_EQ(sim.received(), hvxtest::Commands({0x10, 0x12, 0x13, 0x11}));
    EXPECT_TRUE(sim.portIsFree());

    // The temporary file holds every text as it came; the display got only well-formed lines.
    QByteArray all;
    for (const QByteArray& text : texts)
        all += text;
    EXPECT_EQ(ReadDataFile(temporary), all);
    // Under load two lines can come in one text; such a text is not shown either.
    const auto single = std::count_if(texts.begin(), texts.end(), [](const QByteArray& t) { return t.count('\t') == 11; });
    EXPECT_EQ(shown.size(), single) << "the malformed line is not shown";
    EXPECT_LT(shown.size(), texts.size());
    EXPECT_EQ(shown.first().size(), 12);

    const QByteArray dat = convertedFile();
    const QList<QByteArray> lines = dat.split('\n');
    EXPECT_EQ(lines.size() - 1, all.count('\n') - 1) << "every line but the malformed one";
    for (const QByteArray& line : lines.mid(0, lines.size() - 1)) {
        EXPECT_EQ(line.count('\t'), 11);
        EXPECT_TRUE(ParseStempelSekunden(std::string_view(line.constData(), 17))) << line.constData();
    }
    EXPECT_FALSE(QFile::exists(temporary));
    EXPECT_TRUE(testApp.logEntries().join(u'\n').contains(QStringLiteral("CHvxMessdatenDlg Format-CUT")));
    EXPECT_TRUE(testApp.logEntries().join(u'\n').contains(QStringLiteral("CHvxMessdatenDlg Data/Time Corr")));
}

TEST_F(MessdatenRecording, AnInstrumentThatVanishesMidLineIsReportedAndTheLinesSoFarAreKept)
{
    ASSERT_EQ(recording.Start(), CMessdatenAufzeichnung::StartResult::Recording);
    ASSERT_TRUE(ProcessEventsUntil([this] { return texts.size() >= 3; }));
    sim.instrument().AddFault({hvxsim::FaultKind::VanishMidLine, std::nullopt, 1, 0, hvxsim::ReplyPhase::Final});
    ASSERT_TRUE(ProcessEventsUntil([this] { return lost == 1; }));
    qsizetype received = 0;
    for (const QByteArray& text : texts)
        received += text.count('\n');
    EXPECT_TRUE(recording.Stop());
    // Cancelling the save dialog leaves the temporary file for another try.
    testApp.ui().answerFileChoice(std::nullopt);
    EXPECT_FALSE(recording.SaveWithDialog());
    EXPECT_TRUE(QFile::exists(recording.temporaryPath()));
    EXPECT_EQ(testApp.ui().questions().last().file.extension, QStringLiteral("dat"));
    const QByteArray dat = convertedFile();
    EXPECT_EQ(dat.count('\n'), received) << "every complete line, nothing of the half one";
    EXPECT_TRUE(dat.endsWith("\r\n"));
}

TEST_F(MessdatenRecording, ABurstOfSixtyLinesIsRecordedAndSavedWhole)
{
    // Three modules: lines whose length does not happen to divide the reads.
    hvxsim::InstrumentSetup setup = hvxtest::SimulatedInstrument::StreamingSetup(10);
    setup.modules = {1, 7, 2};
    hvxtest::SimulatedInstrument three{testApp.app(), kPort + 1, setup};
    ASSERT_TRUE(three.isRunning()) << three.error();
    three.streamEvery(1h); // nothing but the burst
    testApp.app().m_nPort = kPort;
    ASSERT_EQ(recording.Start(), CMessdatenAufzeichnung::StartResult::Recording);
    three.instrument().SendBurst(60);
    const auto lines = [this] {
        qsizetype count = 0;
        for (const QByteArray& text : texts)
            count += text.count('\n');
        return count;
    };
    ASSERT_TRUE(ProcessEventsUntil([&] { return lines() >= 60; })) << lines() << " lines";
    EXPECT_TRUE(recording.Stop());
    EXPECT_EQ(lines(), 60);
    EXPECT_EQ(convertedFile().count('\n'), 60);
}

TEST_F(MessdatenRecording, AnInstrumentThatSendsNothingIsLeftAtOnce)
{
    sim.instrument().ModifyState([](hvxsim::InstrumentState& s) { s.SetMeasuredDataInterval(hvxsim::kIntervalProfibus); });
    testApp.ui().answerMessageBox(IDOK, QStringLiteral("Die Messdatenerfassung ist auf dem HYDROVANT abgeschaltet."));
    EXPECT_EQ(recording.Start(), CMessdatenAufzeichnung::StartResult::IntervalOff);
    EXPECT_FALSE(recording.isRunning());
    EXPECT_TRUE(recording.temporaryPath().isEmpty());
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(MessdatenRecording, AFailedParameterReadEndsWithItsMessage)
{
    sim.fault(hvxsim::FaultKind::NoAnswer, 0x13);
    testApp.ui()
        .answerMessageBox(IDOK, QStringLiteral("Timeout"))
        .answerMessageBox(IDOK, QStringLiteral("Parameter konnten nicht gelesen werden!"));
    EXPECT_EQ(recording.Start(), CMessdatenAufzeichnung::StartResult::Failed);
    EXPECT_TRUE(sim.portIsFree());
}

namespace {

// The link's measured-data reception on a bare pseudo-terminal whose other end the test plays.
class PtyReception {
public:
    PtyReception()
    {
        EXPECT_TRUE(pty.isValid());
        testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kPort), pty.slavePath());
        EXPECT_TRUE(link.OpenConnection(kPort));
        EXPECT_TRUE(link.ReceiveMesswerte({[this](const QByteArray& text) { update([&] { m_texts << text; }); },
                                           [this] { update([&] { m_lost = true; }); }}));
    }
    ~PtyReception() { link.Close(0); }

    // Waits until done() holds for the texts so far and whether the line was lost.
    bool waitFor(const std::function<bool(const QList<QByteArray>&, bool)>& done, std::chrono::milliseconds timeout = 3s)
    {
        std::unique_lock lock(m_mutex);
        return m_arrived.wait_for(lock, timeout, [&] { return done(m_texts, m_lost); });
    }
    QList<QByteArray> texts()
    {
        const std::lock_guard lock(m_mutex);
        return m_texts;
    }
    bool lost()
    {
        const std::lock_guard lock(m_mutex);
        return m_lost;
    }

    test::TestApp testApp;
    hvxtest::LinkPty pty;
    CKelComm link;

private:
    void update(const std::function<void()>& change)
    {
        const std::lock_guard lock(m_mutex);
        change();
        m_arrived.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_arrived;
    QList<QByteArray> m_texts;
    bool m_lost = false;
};

qsizetype LineCount(const QList<QByteArray>& texts)
{
    return texts.join().count('\n');
}

} // namespace

TEST(MesswerteReception, TextsArePassedOnWholeWhenTheyEndWithALineFeed)
{
    PtyReception reception;
    const auto texts = [](qsizetype count) { return [count](const QList<QByteArray>& t, bool) { return t.size() >= count; }; };
    // A line in two pieces is one text once its line feed has come.
    reception.pty.send("07.12.12 10:00:00\t1\t2\t1\t\t\t\t\t\t\t0\t0\r");
    std::this_thread::sleep_for(50ms);
    reception.pty.send("\n");
    ASSERT_TRUE(reception.waitFor(texts(1)));
    reception.pty.send("07.12.12 10:00:10\t1\t2\t1\t\t\t\t\t\t\t0\t0\r\n07.12.12 10:00:20\t1\t2\t1\t\t\t\t\t\t\t0\t0\r\n");
    ASSERT_TRUE(reception.waitFor(texts(2)));
    EXPECT_EQ(reception.texts()[0], QByteArray("07.12.12 10:00:00\t1\t2\t1\t\t\t\t\t\t\t0\t0\r\n"));
    EXPECT_EQ(reception.texts()[1].count('\n'), 2) << "two lines of one read stay together";
    const QString logged =
        reception.testApp.logEntries().filter(QStringLiteral("CKelComm::ReceiveMesswerte")).join(u'\n');
    EXPECT_TRUE(logged.contains(QStringLiteral("# > 1"))) << logged.toStdString();

    // Noise without a line feed that would fill the buffer is one line too long to keep: it is
    // dropped up to its line feed, and the stream goes on with the next line.
    reception.pty.send(QByteArray(1500, 'x'));
    std::this_thread::sleep_for(100ms);
    reception.pty.send("noise end\r\nok\r\n");
    ASSERT_TRUE(reception.waitFor(texts(3)));
    EXPECT_EQ(reception.texts()[2], QByteArray("ok\r\n"));
}

TEST(MesswerteReception, EveryCompleteLineOfAReadIsHandedOverAtOnce)
{
    // Lines that come together (an adapter flushing what it held, a recording stopped by the
    // system for a while) and lines before a hang-up: every complete line is kept. The values
    // vary in width, as an instrument's do.
    const auto lines = [](int count) {
        QByteArray text;
        for (int i = 0; i < count; ++i)
            text += "07.12.12 10:00:00\t" + QByteArray::number(i * 37) + "\t24.5\t1\t0.45\t24.5\t1\t\t\t\t3\t0\r\n";
        return text;
    };
    const QByteArray half = lines(1).left(30);
    struct Case {
        const char* name;
        int lines;
        QByteArray tail;
        bool hangUp;
    };
    const Case cases[] = {
        {"a burst of 60 lines", 60, QByteArray(), false},
        {"a burst ending in half a line", 20, half, false},
        {"half a line, then a hang-up", 3, half, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyReception reception;
        reception.pty.send(lines(c.lines) + c.tail);
        if (c.hangUp) {
            // Once the port has read them: a hang-up drops what the terminal still holds.
            reception.waitFor([&](const QList<QByteArray>& t, bool) { return LineCount(t) >= c.lines; }, 1s);
            reception.pty.closeMaster();
        }
        reception.waitFor([&](const QList<QByteArray>& t, bool lost) { return LineCount(t) >= c.lines && lost == c.hangUp; });
        EXPECT_EQ(LineCount(reception.texts()), c.lines);
        EXPECT_TRUE(reception.texts().join() == lines(c.lines));
        EXPECT_EQ(reception.lost(), c.hangUp);
    }
}
