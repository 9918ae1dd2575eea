// The trend chart as a user sees and drives it: what it is given to draw, live lines in batches,
// zooming with the mouse and back, the labels of its axes, and a file read with progress.
#include "app/cli/ChartPainter.h"
#include "devicedata/gui/TrendPicture.h"
#include "support/CliRun.h"
#include "support/EventLoop.h"
#include "support/TestApp.h"

#include "devicedata/DisplayLayout.h"
#include "devicedata/MessStempel.h"
#include "devicedata/MessdatenSpalten.h"
#include "devicedata/gui/MessdatenAnzeigeDlg.h"
#include "devicedata/gui/MesswertTrend.h"
#include "model/NeuerParametersatz.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QDeadlineTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLineSeries>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

// Lines from start on, every step seconds, module 1 with value(i), module 2 constant.
QByteArray Dat(const QDateTime& start, int count, int step, const std::function<double(int)>& value)
{
    QByteArray dat;
    for (int i = 0; i < count; ++i) {
        const QDateTime t = start.addSecs(qint64(i) * step);
        dat += t.toString(QStringLiteral("dd.MM.yy HH:mm:ss")).toLatin1() + '\t' + QByteArray::number(value(i), 'f', 3)
               + "\t24.5\t1\t0.45\t24.6\t1\t\t\t\t6\t0\r\n";
    }
    return dat;
}

std::pair<double, double> TimeRange(CMesswertTrend& trend)
{
    return trend.timeRange();
}

qint64 Seconds(const QDateTime& t)
{
    return QDateTime(t.date(), t.time(), Qt::UTC).toSecsSinceEpoch();
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The texts drawn beside the plot area: below it (the time axis) or left of it.
QStringList AxisLabels(CMesswertTrend& trend, Qt::Alignment side)
{
    trend.grab();
    const QRectF plot = trend.chart()->plotArea();
    QSet<QString> titles;
    for (const QAbstractAxis* axis : trend.chart()->axes())
        titles << axis->titleText();
    QStringList labels;
    for (QGraphicsItem* item : trend.scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty() || titles.contains(text->toPlainText()))
            continue;
        const QRectF box = text->sceneBoundingRect();
        const bool below = box.top() >= plot.bottom() - 1 && box.center().x() >= plot.left() - 40
                           && box.center().x() <= plot.right() + 40 && box.top() < plot.bottom() + 40;
        const bool left = box.right() <= plot.left() + 1 && box.center().y() >= plot.top() - 10
                          && box.center().y() <= plot.bottom() + 10 && box.left() > plot.left() - 80;
        if ((side == Qt::AlignBottom && below) || (side == Qt::AlignLeft && left))
            labels << text->toPlainText();
    }
    return labels;
}

void Mouse(QWidget* viewport, QEvent::Type type, QPointF at, Qt::MouseButton button)
{
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

// A rubber band over the plot from x fraction a to b, the whole height.
void Drag(CMesswertTrend& trend, double a, double b)
{
    const QRectF plot = trend.chart()->plotArea();
    const QPointF from(plot.left() + a * plot.width(), plot.top() + 1);
    const QPointF to(plot.left() + b * plot.width(), plot.bottom() - 1);
    Mouse(trend.viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(trend.viewport(), QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    Mouse(trend.viewport(), QEvent::MouseMove, to, Qt::LeftButton);
    Mouse(trend.viewport(), QEvent::MouseButtonRelease, to, Qt::LeftButton);
    Settle();
}

void RightClick(CMesswertTrend& trend)
{
    const QPointF at = trend.chart()->plotArea().center();
    Mouse(trend.viewport(), QEvent::MouseButtonPress, at, Qt::RightButton);
    Mouse(trend.viewport(), QEvent::MouseButtonRelease, at, Qt::RightButton);
    Settle();
}

struct ShownFile {
    TestApp t;
    std::unique_ptr<CMessdatenAnzeigeDlg> dialog;
    CMesswertTrend& trend() { return *dialog->trend(); }

    explicit ShownFile(const QByteArray& dat)
    {
        dialog = std::make_unique<CMessdatenAnzeigeDlg>(QStringLiteral("/tmp/x.dat"), hvx::LeseMessdaten(dat));
        dialog->resize(1000, 600);
        dialog->show();
        Settle();
    }
};

} // namespace

TEST(MesswertTrendZoom, TheRightButtonStepsBackAndThenShowsTheWholeRecordingNeverMore)
{
    ShownFile shown(Dat(QDateTime(QDate(2012, 12, 7), QTime(10, 0)), 720, 10, [](int i) { return 7 + std::sin(i / 50.0); }));
    const auto whole = TimeRange(shown.trend());
    Drag(shown.trend(), 0.2, 0.6);
    const auto first = TimeRange(shown.trend());
    ASSERT_LT(first.second - first.first, 0.5 * (whole.second - whole.first)) << "the rubber band zooms in";
    Drag(shown.trend(), 0.5, 0.7);
    ASSERT_LT(TimeRange(shown.trend()).second - TimeRange(shown.trend()).first, first.second - first.first);
    RightClick(shown.trend());
    EXPECT_NEAR(TimeRange(shown.trend()).first, first.first, 1.0) << "one step back";
    EXPECT_NEAR(TimeRange(shown.trend()).second, first.second, 1.0);
    for (int click = 0; click < 3; ++click) {
        RightClick(shown.trend());
        EXPECT_EQ(TimeRange(shown.trend()), whole) << "after the last step the whole recording, click " << click;
    }
}

TEST(MesswertTrendZoom, AZoomToThePlotsRightEdgeKeepsTheNewestLines)
{
    ShownFile shown(Dat(QDateTime(QDate(2012, 12, 7), QTime(10, 0)), 360, 10, [](int i) { return 7 + std::sin(i / 50.0); }));
    const auto whole = TimeRange(shown.trend());
    Drag(shown.trend(), 0.5, 1.0);
    EXPECT_GE(TimeRange(shown.trend()).second, whole.second) << "the newest lines stay in the picture";
}

TEST(MesswertTrendAxes, NoTwoLabelsOfAnAxisReadTheSame)
{
    // A value that hardly moves, and a recording of three seconds.
    for (const auto& [count, value] : {std::pair(100, std::function<double(int)>([](int i) { return 0.489 + 0.002 * (i % 2); })),
                                       std::pair(4, std::function<double(int)>([](int i) { return 7.0 + i; }))}) {
        ShownFile shown(Dat(QDateTime(QDate(2012, 12, 7), QTime(10, 0)), count, 1, value));
        for (const Qt::Alignment side : {Qt::AlignLeft, Qt::AlignBottom}) {
            const QStringList labels = AxisLabels(shown.trend(), side);
            ASSERT_GE(labels.size(), 2) << labels.join(u'|').toStdString();
            EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()) << labels.join(u'|').toStdString();
        }
    }
}

TEST(MesswertTrendAxes, TheTimeAxisShowsTheDateWhenTheSpanCrossesMidnight)
{
    // 27 hours from 22:00 on.
    ShownFile shown(Dat(QDateTime(QDate(2012, 12, 7), QTime(22, 0)), 27 * 60, 60, [](int i) { return 7 + (i % 7) * 0.01; }));
    const QStringList times = AxisLabels(shown.trend(), Qt::AlignBottom);
    ASSERT_FALSE(times.isEmpty());
    EXPECT_TRUE(times.join(u' ').contains(QStringLiteral("08.12.2012")) || times.join(u' ').contains(QStringLiteral("09.12.2012")))
        << times.join(u'|').toStdString();
}

TEST(MesswertTrendZoom, WhileRecordingTheWholeRecordingGrowsAndAZoomedViewStays)
{
    TestApp t;
    CMesswertTrend trend;
    trend.resize(1000, 600);
    trend.show();
    hvx::DisplayLayout display;
    hvx::Modulbestueckung modules;
    modules[0] = {1, hvx::anfangsReglertyp(1, 1)};
    display.SetLayout(hvx::neuerParametersatz(0x13, modules));
    trend.SetModules(display);
    const qint64 start = Seconds(QDateTime(QDate(2012, 12, 7), QTime(10, 0)));
    // Lines, then the batches that draw them (a zoomed view does not move: two batches' time).
    auto addLines = [&](int from, int to, bool grows) {
        for (int i = from; i < to; ++i)
            trend.AddLine(start + i, {QString::number(7 + 0.01 * (i % 20)), "24.5", "1", "", "", "", "", "", "", "0", "0"});
        hvx::test::ProcessEventsUntil([&] { return grows && TimeRange(trend).second >= double(start + to - 1); },
                                      grows ? 5000 : 2 * CMesswertTrend::kBatchMs);
    };
    addLines(0, 600, true);
    EXPECT_EQ(TimeRange(trend), std::pair(double(start), double(start + 599)));
    Drag(trend, 0.25, 0.5);
    const auto zoomed = TimeRange(trend);
    addLines(600, 900, false);
    EXPECT_EQ(TimeRange(trend), zoomed) << "new lines do not move a zoomed view";
    RightClick(trend);
    EXPECT_EQ(TimeRange(trend), std::pair(double(start), double(start + 899))) << "back to the whole recording, newest lines included";
    addLines(900, 960, true);
    EXPECT_EQ(TimeRange(trend).second, double(start + 959)) << "and it grows again";
}

TEST(MesswertTrendDrawing, AFileIsHandedOverInOneReplacePerSeriesWithAtMostFourPointsPerPixelColumn)
{
    TestApp t;
    QByteArray dat;
    const qint64 start = Seconds(QDateTime(QDate(2012, 12, 7), QTime(10, 0)));
    for (int i = 0; i < 20000; ++i)
        dat += hvx::FormatStempelSekunden({start + i, false}) + '\t' + QByteArray::number(7 + (i % 13) * 0.01, 'f', 2)
               + "\t24.5\t1\t0.45\t24.6\t1\t\t\t\t6\t0\r\n";
    CMesswertTrend trend;
    trend.resize(1000, 600);
    trend.SetData(hvx::LeseMessdaten(dat));
    trend.show();
    Settle();
    int added = 0;
    int replaced = 0;
    for (QAbstractSeries* series : trend.chart()->series()) {
        QObject::connect(static_cast<QLineSeries*>(series), &QXYSeries::pointAdded, [&] { ++added; });
        QObject::connect(static_cast<QLineSeries*>(series), &QXYSeries::pointsReplaced, [&] { ++replaced; });
    }
    // A new width is drawn anew from the full data.
    for (const int width : {700, 1300}) {
        replaced = 0;
        trend.resize(width, 600);
        Settle();
        EXPECT_EQ(added, 0) << "never point by point";
        EXPECT_EQ(replaced, trend.seriesCount()) << "one hand-over per series";
        const double plot = trend.chart()->plotArea().width();
        EXPECT_EQ(trend.pointCount(0), 20000);
        EXPECT_LE(trend.drawnPointCount(0), 4 * int(std::ceil(plot)) + 2);
        EXPECT_GT(trend.drawnPointCount(0), int(plot)) << "every column has its points";
    }
    // Zoomed in to a hundred lines, every one of them is drawn.
    trend.ShowRange(double(start + 1000), double(start + 1099));
    EXPECT_EQ(trend.drawnPointCount(0), 100 + 2);
}

TEST(MesswertTrendDrawing, LiveLinesAreDrawnInBatchesNotOneByOne)
{
    TestApp t;
    CMesswertTrend trend;
    hvx::DisplayLayout display;
    hvx::Modulbestueckung modules;
    modules[0] = {1, hvx::anfangsReglertyp(1, 1)};
    display.SetLayout(hvx::neuerParametersatz(0x13, modules));
    trend.SetModules(display);
    int added = 0;
    int replaced = 0;
    for (QAbstractSeries* series : trend.chart()->series()) {
        QObject::connect(static_cast<QLineSeries*>(series), &QXYSeries::pointAdded, [&] { ++added; });
        QObject::connect(static_cast<QLineSeries*>(series), &QXYSeries::pointsReplaced, [&] { ++replaced; });
    }
    const qint64 start = Seconds(QDateTime(QDate(2012, 12, 7), QTime(10, 0)));
    for (int i = 0; i < 100; ++i)
        trend.AddLine(start + i, {"7.20", "24.5", "1", "", "", "", "", "", "", "0", "0"});
    EXPECT_EQ(added + replaced, 0) << "each line drawn as it came";
    EXPECT_EQ(trend.pointCount(0), 100);
    ASSERT_TRUE(hvx::test::ProcessEventsUntil([&] { return replaced > 0; }, 3000));
    EXPECT_EQ(replaced, 1) << "the batch in one hand-over";
    EXPECT_EQ(added, 0);
}

TEST(MesswertTrendLoading, AFileIsReadWithAProgressBarThatCancels)
{
    TestApp t;
    const QString path = t.filePath(QStringLiteral("monat.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint64 start = Seconds(QDateTime(QDate(2012, 12, 7), QTime(10, 0)));
    for (int i = 0; i < 300000; ++i)
        file.write(hvx::FormatStempelSekunden({start + i, false}) + "\t7.20\t24.5\t1\t0.45\t24.6\t1\t\t\t\t6\t0\r\n");
    file.close();

    bool cancelled = true;
    std::optional<hvx::MessdatenSpalten> data = CMessdatenAnzeigeDlg::LoadWithProgress(path, nullptr, &cancelled);
    EXPECT_FALSE(cancelled);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size(), 300000);

    // A click on Cancel at the first look at the progress bar, while the reading runs.
    bool sawBar = false;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* bar = qobject_cast<QProgressDialog*>(widget);
            if (bar && !sawBar) {
                sawBar = true;
                bar->findChild<QPushButton*>()->click();
            }
        }
    });
    cancel.start(1);
    data = CMessdatenAnzeigeDlg::LoadWithProgress(path, nullptr, &cancelled);
    EXPECT_TRUE(sawBar) << "the window kept working while the file was read";
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(data);
}

TEST(MesswertTrendPicture, HvxcliChartWritesThePictureInTheFormatAndSizeAskedFor)
{
    TestApp t;
    t.ui().setBatch(true);
    hvx::cli::SetChartPainter(hvx::gui::WriteTrendPicture);
    const QString dat = t.filePath(QStringLiteral("tag.dat"));
    QFile file(dat);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint64 start = Seconds(QDateTime(QDate(2012, 12, 7), QTime(0, 0)));
    for (int i = 0; i < 86400; i += 10)
        file.write(hvx::FormatStempelSekunden({start + i, false}) + "\t" + QByteArray::number(7 + std::sin(i / 3600.0) * 0.2, 'f', 2)
                   + " pH\t24.5\t1\t" + (i == 43200 ? "2.50" : "0.45") + "\t24.6\t1\t650 mV\t24.4\t1\t6\t0\r\n");
    file.close();

    struct Case {
        const char* name;
        QSize size;
        std::function<void(const QByteArray&, QSize)> check;
    };
    const Case cases[] = {
        {"tag.png", QSize(800, 500),
         [](const QByteArray& bytes, QSize size) {
             const QImage image = QImage::fromData(bytes, "PNG");
             ASSERT_EQ(image.size(), size);
             int drawn = 0;
             for (int y = 0; y < image.height(); y += 2)
                 for (int x = 0; x < image.width(); x += 2)
                     drawn += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
             EXPECT_GT(drawn, 2000) << "curves, axes and labels";
         }},
        {"tag.svg", QSize(640, 480),
         [](const QByteArray& bytes, QSize) {
             EXPECT_TRUE(bytes.contains("<svg"));
             EXPECT_TRUE(bytes.contains("viewBox=\"0 0 640 480\""));
             for (const char* name : {"Modul 1 [pH]", "Modul 3 [mV]", "Modul 2", "Zeit"})
                 EXPECT_TRUE(bytes.contains(name)) << name;
         }},
        {"tag.pdf", QSize(1000, 600),
         [](const QByteArray& bytes, QSize) {
             EXPECT_TRUE(bytes.startsWith("%PDF"));
             static const QRegularExpression page(QStringLiteral("/MediaBox \\[0 0 750(\\.0+)? 450(\\.0+)?\\]"));
             EXPECT_TRUE(page.match(QString::fromLatin1(bytes)).hasMatch()) << "1000 x 600 pixels at 96 dpi";
         }},
    };
    // A command's standard error is for its own messages: the picture is painted without a window,
    // so the window system has nothing to warn about.
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            warnings << text;
    });
    for (const Case& c : cases) {
        const QString out = t.filePath(QString::fromLatin1(c.name));
        const hvx::test::CliOutput result =
            hvx::test::RunCli({QStringLiteral("chart"), dat, out, QStringLiteral("--size"),
                               QStringLiteral("%1x%2").arg(c.size.width()).arg(c.size.height())});
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(QStringLiteral("8640 Zeilen von 07.12.12 00:00:00 bis 07.12.12 23:59:50"))) << result.out.toStdString();
        QFile picture(out);
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << c.name;
        c.check(picture.readAll(), c.size);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
    hvx::cli::SetChartPainter({});
}
