#pragma once
// A trend chart of measured values over time: one line per module with its own value axis,
// titled with the module's name and unit, and a time axis from the lines' stamps. The recording
// dialog feeds it live; a saved measured-data file is shown in it whole. Zoom by dragging a
// rectangle with the mouse; the right button zooms out again.

#include "devicedata/DisplayLayout.h"
#include "devicedata/Messdaten.h"

#include <QChartView>
#include <QDateTime>
#include <array>

class QLineSeries;
class QValueAxis;
class QDateTimeAxis;

class CMesswertTrend : public QChartView {
    Q_OBJECT
public:
    explicit CMesswertTrend(QWidget* parent = nullptr);

    // One line for each fitted module that has a measured value, named from the display.
    void SetModules(const hvx::DisplayLayout& display);
    // Modules known only from a file: "Modul n" for each slot that has values.
    void SetUnnamedModules(const std::vector<hvx::MesswertZeile>& rows);
    // The first value of each module from fields 2..12 of a line.
    void AddLine(const QDateTime& time, const QStringList& fields);
    void SetRows(const std::vector<hvx::MesswertZeile>& rows);

    int seriesCount() const;
    int pointCount(int slot) const;
    QString axisTitle(int slot) const;

private:
    void AddSeries(int slot, const QString& title);
    void Clear();
    void AppendLine(const QDateTime& time, const QStringList& fields);
    void FitAxes();

    QDateTimeAxis* m_time = nullptr;
    std::array<QLineSeries*, hvx::DisplayLayout::kSlots> m_series{};
    std::array<QValueAxis*, hvx::DisplayLayout::kSlots> m_axes{};
    QDateTime m_first;
    QDateTime m_last;
    // Points are only ever appended, so each slot's value range grows with them: fitting the
    // axes then costs the same however long the recording is.
    std::array<double, hvx::DisplayLayout::kSlots> m_low{};
    std::array<double, hvx::DisplayLayout::kSlots> m_high{};
};
