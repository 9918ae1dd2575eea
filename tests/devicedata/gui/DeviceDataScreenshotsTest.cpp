// Pictures of the device data windows for a person to look at: runs only when HVX_SHOTS_DIR
// names a folder, in the language of HVX_SHOTS_LANGUAGE ("English", else German), e.g.
//   HVX_SHOTS_DIR=/tmp/shots xvfb-run build/bin/hvx_gui_tests --gtest_filter='DeviceDataScreenshots*'
#include "InProcessSimulator.h"
#include "devicedata/TextFile.h"
#include "devicedata/gui/AlarmDlg.h"
#include "devicedata/gui/HvxMessdatenDlg.h"
#include "devicedata/gui/MessdatenAnzeigeDlg.h"
#include "devicedata/gui/MesswertTrend.h"
#include "document/HVXDoc.h"
#include "support/TestApp.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

using hvx::test::TestApp;
using namespace std::chrono_literals;

namespace {

QString ShotsDir()
{
    return qEnvironmentVariable("HVX_SHOTS_DIR");
}

TestApp::Language ShotsLanguage()
{
    return qEnvironmentVariable("HVX_SHOTS_LANGUAGE") == QLatin1String("English") ? TestApp::Language::English
                                                                                   : TestApp::Language::German;
}

void Settle(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Save(QWidget* widget, const QString& name)
{
    Settle(300);
    const QString suffix = ShotsLanguage() == TestApp::Language::English ? QStringLiteral("-en") : QStringLiteral("-de");
    ASSERT_TRUE(widget->grab().save(QDir(ShotsDir()).filePath(name + suffix + QStringLiteral(".png"))));
}

class DeviceDataScreenshots : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ShotsDir().isEmpty())
            GTEST_SKIP() << "HVX_SHOTS_DIR not set";
        QDir().mkpath(ShotsDir());
        hvxsim::RegisterInProcessSimulator();
        hvxsim::ResetInProcessInstrument();
        CHVXApp& app = t.app();
        app.WriteProfileString("Ports", "COM1", "sim");
        app.WriteProfileString("Simulator", "Modules", "1,7,2");
        app.WriteProfileInt("Simulator", "AccessCodeActive", 0);
        app.WriteProfileInt("Simulator", "MeasuredDataInterval", 1);
        app.WriteProfileInt("Simulator", "Alarms", 9);
        app.m_nPort = 0;
        app.m_strAlarmdatDir = t.dir();
        app.m_strMessdatDir = t.dir();
        std::string error;
        instrument = hvxsim::InProcessInstrument(&error);
        t.ui().allowUnusedAnswers();
    }
    void TearDown() override { hvxsim::ResetInProcessInstrument(); }

    TestApp t{ShotsLanguage()};
    std::shared_ptr<hvxsim::Instrument> instrument;
};

} // namespace

TEST_F(DeviceDataScreenshots, AlarmDialogWithRecords)
{
    CHVXDoc doc;
    CAlarmDlg dialog(doc);
    dialog.show();
    dialog.OnFetch();
    Save(&dialog, QStringLiteral("alarm-dialog"));
    t.ui().answerFileChoice(std::nullopt);
    dialog.reject();
}

TEST_F(DeviceDataScreenshots, RecordingDialogDuringARecordingAndTheSavedFileAsAChart)
{
    CHvxMessdatenDlg dialog;
    dialog.show();
    dialog.OnStart();
    Settle(4000);
    instrument->AddFault({hvxsim::FaultKind::GarbledTimestamp, std::nullopt, 1, 0, hvxsim::ReplyPhase::Final});
    Settle(8000);
    Save(&dialog, QStringLiteral("recording-dialog"));
    const QString path = t.filePath(QStringLiteral("schicht.dat"));
    t.ui().answerFileChoice(path).answerMessageBox(hvx::IDOK);
    dialog.OnStop();
    dialog.hide();

    const std::vector<hvx::MesswertZeile> rows = hvx::ReadMessdaten(*hvx::ReadWholeFile(path));
    CMessdatenAnzeigeDlg chart(path, rows);
    chart.show();
    Save(&chart, QStringLiteral("dat-chart"));
}
