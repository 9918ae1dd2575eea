#pragma once
// A trend chart of measured values over time: one line per module with its own value axis,
// titled with the module's name and unit, and a time axis from the lines' stamps (wall-clock
// time). The recording dialog feeds it live, a saved measured-data file is shown in it whole,
// and hvxcli chart draws it off screen.
//
// The full data stay in packed columns; the chart gets, per line and in one hand-over, only the
// points that change the picture at the current width and time range (ChartDecimation.h),
// recomputed on every zoom and resize. Live lines are collected and drawn in batches.
// Zoom by dragging a rectangle; the right button steps back, after the last step to the whole
// recording.

#include "devicedata/DisplayLayout.h"
#include "devicedata/MessdatenSpalten.h"

#include <QChartView>
#include <QTimer>
#include <array>
#include <optional>
#include <utility>
#include <vector>

class QCategoryAxis;
class QLineSeries;

class CMesswertTrend : public QChartView {
    Q_OBJECT
public:
    static constexpr int kBatchMs = 250;

    explicit CMesswertTrend(QWidget* parent = nullptr);

    // Live: one line for each fitted module that has a measured value, named from the display.
    void SetModules(const hvx::DisplayLayout& display);
    // A file's columns: one line per module whose first value holds numbers, "Modul n" with the
    // unit the file's values carry.
    void SetData(hvx::MessdatenSpalten columns);
    // Live: the time and fields 2..12 of a line; drawn with the next batch.
    void AddLine(qint64 seconds, const QStringList& fields);

    // The time range [from, to] in wall-clock seconds, as the start of zooming (no step back).
    void ShowRange(double from, double to);
    // The whole recording, with the value axes fitted to all of it.
    void ShowAll();
    // One zoom step back; after the last one the whole recording.
    void ZoomBack();
    // Draws for the current size and range at once (normally done when the event loop runs).
    void RedrawNow();

    std::pair<double, double> timeRange() const;
    // The first and last time of the data; nothing without data.
    std::optional<std::pair<qint64, qint64>> dataRange() const;
    int seriesCount() const;
    int pointCount(int slot) const;       // points of the data
    int drawnPointCount(int slot) const;  // points handed to the chart
    QString axisTitle(int slot) const;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Curve {
        QLineSeries* series = nullptr;
        QCategoryAxis* axis = nullptr;
        int column = -1; // into m_data.spalten
        double low = 0, high = 0;
        bool hasValue = false;
    };
    struct View {
        double from, to;
        std::array<std::pair<double, double>, hvx::DisplayLayout::kSlots> values;
    };

    void Clear();
    void AddCurve(int slot, int column, const QString& title);
    void Extend(Curve& curve, float value);
    void FitTimeAxis();
    void FitValueAxes();
    View CurrentView() const;
    void Apply(const View& view);
    void ScheduleRedraw();
    void Redraw();
    void UpdateTimeTicks(double from, double to, double width);
    void OnBatch();

    hvx::MessdatenSpalten m_data;
    std::array<Curve, hvx::DisplayLayout::kSlots> m_curves{};
    QCategoryAxis* m_time = nullptr;
    std::vector<View> m_zoomSteps; // the view before each zoom step
    QTimer m_batch;
    bool m_newLines = false;
    bool m_redrawPending = false;
    QSizeF m_drawnPlot;
};
