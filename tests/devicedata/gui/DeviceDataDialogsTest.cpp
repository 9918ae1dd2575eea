// The device data windows: the display imitation as painted, the alarm dialog and the
// recording dialog against the simulated instrument inside the program.
#include "../../app/gui/GuiTestSupport.h"

#include "InstrumentInside.h"
#include "base/gui/DialogTexts.h"
#include "devicedata/TextFile.h"
#include "devicedata/gui/AlarmDlg.h"
#include "devicedata/gui/HvxMessdatenDlg.h"
#include "devicedata/gui/HydrovantDisplayCtrl.h"
#include "devicedata/gui/MessdatenAnzeigeDlg.h"
#include "devicedata/gui/MesswertTrend.h"
#include "document/HVXDoc.h"
#include "model/NeuerParametersatz.h"
#include "support/TestApp.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using hvx::test::TestApp;
using namespace std::chrono_literals;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

hvx::Parametersatz Instrument(std::array<quint8, 3> types)
{
    hvx::Modulbestueckung modules;
    for (std::size_t i = 0; i < modules.size(); ++i)
        modules[i] = {types[i], hvx::anfangsReglertyp(types[i], 1)};
    return hvx::neuerParametersatz(0x13, modules);
}

QStringList Fields(const QString& relays, const QString& error = QStringLiteral("0"))
{
    return {"7.21", "24.5", "1", "0.45", "24.6", "1", "", "", "", relays, error};
}

// Whether any pixel of the rectangle is not the background.
bool Drawn(const QImage& image, const QRect& area, const QColor& background)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != background)
                return true;
        }
    }
    return false;
}

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 8000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class SimulatedInstrumentInside : public ::testing::Test {
protected:
    SimulatedInstrumentInside()
    {
        instrument = hvx::test::UseInstrumentInside(t, "1,7,0", 10, 3);
        hvxsim::Timing timing = instrument->GetTiming();
        timing.measuredDataPeriod = 40ms;
        instrument->SetTiming(timing);
    }
    ~SimulatedInstrumentInside() override { hvxsim::ResetInProcessInstrument(); }

    TestApp t;
    std::shared_ptr<hvxsim::Instrument> instrument;
};

} // namespace

TEST(DisplayCtrl, WithoutModulesItSaysSoOnBlue)
{
    TestApp t;
    CHydrovantDisplayCtrl display;
    display.resize(600, 180);
    const QImage image = display.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), kBlue);
    EXPECT_TRUE(Drawn(image, QRect(200, 60, 200, 60), kBlue)) << "\"Keine Aufzeichnung\" in the middle";
}

TEST(DisplayCtrl, OneModuleSitsInTheMiddleThirdTwoInTheMiddleTwoThirds)
{
    TestApp t;
    CHydrovantDisplayCtrl display;
    display.resize(600, 180);
    display.SetLayout(Instrument({1, 0, 0}));
    QImage image = display.grab().toImage();
    EXPECT_FALSE(Drawn(image, QRect(0, 0, 195, 150), kBlue)) << "nothing in the left third";
    EXPECT_TRUE(Drawn(image, QRect(200, 0, 195, 150), kBlue));

    display.SetLayout(Instrument({1, 7, 0}));
    image = display.grab().toImage();
    EXPECT_FALSE(Drawn(image, QRect(0, 0, 95, 150), kBlue)) << "nothing in the left sixth";
    EXPECT_TRUE(Drawn(image, QRect(100, 0, 95, 150), kBlue));
    EXPECT_NE(image.pixelColor(300, 60), kBlue) << "the line between the blocks";
    EXPECT_EQ(image.pixelColor(300, 175), kBlue) << "the line ends at 7/8 of the height";
}

TEST(DisplayCtrl, TheAlarmBitTurnsTheBackgroundRedAndTheNextLineBlueAgain)
{
    TestApp t;
    CHydrovantDisplayCtrl display;
    display.resize(600, 180);
    display.SetLayout(Instrument({1, 7, 0}));
    display.UpdateAll(Fields(QStringLiteral("7"), QStringLiteral("31")));
    EXPECT_EQ(display.grab().toImage().pixelColor(2, 2), kRed);
    EXPECT_EQ(display.layout().alarmText(), QStringLiteral("Grenzwertüberschreitung (Modul 1)"));
    display.UpdateAll(Fields(QStringLiteral("6")));
    EXPECT_EQ(display.grab().toImage().pixelColor(2, 2), kBlue);
    display.UpdateAll(Fields(QStringLiteral("1")));
    display.Reset();
    EXPECT_EQ(display.grab().toImage().pixelColor(2, 2), kBlue);
}

TEST(MesswertTrendChart, LinesOfAFileGiveOneSeriesPerModuleWithValues)
{
    TestApp t;
    const QByteArray dat = "07.12.12 10:00:00\t7.20\t24.5\t1\t0.45\t24.6\t1\t\t\t\t6\t0\r\n"
                           "07.12.12 10:00:10\t7.30\t24.5\t1\t0.47\t24.6\t1\t\t\t\t6\t0\r\n";
    CMessdatenAnzeigeDlg dialog(QStringLiteral("/tmp/x.dat"), hvx::LeseMessdaten(dat));
    EXPECT_EQ(dialog.trend()->seriesCount(), 2);
    EXPECT_EQ(dialog.trend()->pointCount(0), 2);
    EXPECT_EQ(dialog.trend()->axisTitle(1), QStringLiteral("Modul 2"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Messdaten - x.dat"));

    CMesswertTrend live;
    hvx::DisplayLayout display;
    display.SetLayout(Instrument({1, 13, 7}));
    live.SetModules(display);
    EXPECT_EQ(live.seriesCount(), 2) << "the enable module has no value to draw";
    EXPECT_EQ(live.axisTitle(0), QStringLiteral("pH [pH]"));
    EXPECT_EQ(live.axisTitle(2), QStringLiteral("Chlor [mg/l]"));
}

TEST_F(SimulatedInstrumentInside, TheAlarmDialogFetchesListsSortsAndOffersSavingOnClose)
{
    CHVXDoc doc;
    QString temporary;
    {
        CAlarmDlg dialog(doc);
        dialog.show();
        dialog.OnFetch();
        QTableWidget* list = dialog.list();
        ASSERT_EQ(list->rowCount(), 3);
        EXPECT_EQ(list->horizontalHeaderItem(0)->text(), QStringLiteral("Alarm von"));
        EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("01.03.2024 08:15:00"));
        EXPECT_EQ(list->item(0, 2)->text(), QStringLiteral("Grenzwertüberschreitung (Modul 1)"));
        EXPECT_TRUE(list->item(0, 0)->textAlignment() & Qt::AlignRight);
        EXPECT_EQ(dialog.findChild<QLineEdit*>()->text().isEmpty(), false);
        auto* save = qobject_cast<QPushButton*>(hvx::gui::FindCtrl(&dialog, CAlarmDlg::kSave));
        EXPECT_TRUE(save->isEnabled());
        dialog.OnColumnClick(0);
        EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("03.03.2024 12:29:26")) << "descending now";
        temporary = dialog.state().shownPath();
        ASSERT_TRUE(QFile::exists(temporary));
        t.ui().answerFileChoice(std::nullopt);
        dialog.reject(); // the window's close: OK
        EXPECT_EQ(t.ui().questions().size(), 1) << "the save dialog was offered";
    }
    EXPECT_FALSE(QFile::exists(temporary));
}

TEST_F(SimulatedInstrumentInside, TheRecordingDialogShowsLinesOnTheDisplayAndChartAndSaves)
{
    CHvxMessdatenDlg dialog;
    dialog.show();
    auto* start = qobject_cast<QPushButton*>(hvx::gui::FindCtrl(&dialog, CHvxMessdatenDlg::kStart));
    auto* stop = qobject_cast<QPushButton*>(hvx::gui::FindCtrl(&dialog, CHvxMessdatenDlg::kStop));
    EXPECT_TRUE(start->isVisible());
    EXPECT_FALSE(stop->isVisible());
    dialog.OnStart();
    ASSERT_TRUE(dialog.recording().isRunning());
    EXPECT_TRUE(stop->isVisible());
    EXPECT_FALSE(dialog.cancelButton()->isEnabled()) << "no cancelling while recording";
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.trend()->pointCount(0) >= 3; }));
    EXPECT_EQ(dialog.display()->layout().moduleCount(), 2);
    EXPECT_FALSE(dialog.display()->layout().block(0).value->text.isEmpty());
    EXPECT_EQ(qobject_cast<QLineEdit*>(hvx::gui::FindCtrl(&dialog, CHvxMessdatenDlg::kInterval))->text(), QStringLiteral("10"));
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible()) << "Abbrechen does nothing while recording";

    const QString path = t.filePath(QStringLiteral("schicht.dat"));
    t.ui().answerFileChoice(path).answerMessageBox(hvx::IDOK, QStringLiteral("ordnungsgemäß erstellt"));
    dialog.OnStop();
    EXPECT_FALSE(dialog.recording().isRunning());
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(dialog.cancelButton()->isEnabled());
    EXPECT_GE(hvx::ReadDataFile(path)->count("\r\n"), 3);
}
