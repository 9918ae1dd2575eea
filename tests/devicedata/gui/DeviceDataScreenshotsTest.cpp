// Pictures of the device data windows for a person to look at: runs only when HVX_SHOTS_DIR
// names a folder, in the language of HVX_SHOTS_LANGUAGE ("English", else German), e.g.
//   HVX_SHOTS_DIR=/tmp/shots xvfb-run build/bin/hvx_gui_tests --gtest_filter='DeviceDataScreenshots*'
#include "InstrumentInside.h"
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
        instrument = hvx::test::UseInstrumentInside(t, "1,7,2", 1, 9);
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

    CMessdatenAnzeigeDlg chart(path, hvx::LeseMessdaten(*hvx::ReadDataFile(path)));
    chart.show();
    Save(&chart, QStringLiteral("dat-chart"));
}
