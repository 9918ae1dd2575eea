#include "devicedata/gui/MesswertTrend.h"

#include "base/Language.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr int kTextTime = 3406;   // "Zeit"
constexpr int kTextModule = 3407; // "Modul %1"
constexpr int kFieldsPerModule = 3;

} // namespace

CMesswertTrend::CMesswertTrend(QWidget* parent) : QChartView(new QChart(), parent)
{
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    Clear();
}

void CMesswertTrend::Clear()
{
    chart()->removeAllSeries();
    for (QAbstractAxis* axis : chart()->axes())
        chart()->removeAxis(axis);
    m_series.fill(nullptr);
    m_axes.fill(nullptr);
    m_first = m_last = QDateTime();
    m_time = new QDateTimeAxis(chart());
    m_time->setFormat(QStringLiteral("HH:mm:ss"));
    m_time->setTitleText(GetStringsText(kTextTime));
    chart()->addAxis(m_time, Qt::AlignBottom);
}

void CMesswertTrend::AddSeries(int slot, const QString& title)
{
    auto* series = new QLineSeries(chart());
    series->setName(title);
    chart()->addSeries(series);
    auto* axis = new QValueAxis(chart());
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.2f"));
    // The first module's axis on the left, the others on the right.
    chart()->addAxis(axis, slot == 0 ? Qt::AlignLeft : Qt::AlignRight);
    series->attachAxis(m_time);
    series->attachAxis(axis);
    axis->setLinePenColor(series->pen().color());
    m_series[std::size_t(slot)] = series;
    m_axes[std::size_t(slot)] = axis;
}

void CMesswertTrend::SetModules(const hvx::DisplayLayout& display)
{
    Clear();
    for (int slot = 0; slot < display.moduleCount(); ++slot) {
        const hvx::DisplayBlock& block = display.block(slot);
        if (!block.value || !block.showsValues())
            continue;
        const QString unit = block.unit ? block.unit->text : QString();
        AddSeries(slot, unit.isEmpty() ? block.name->text : block.name->text + QStringLiteral(" [") + unit + u']');
    }
}

void CMesswertTrend::SetUnnamedModules(const std::vector<hvx::MesswertZeile>& rows)
{
    Clear();
    for (int slot = 0; slot < hvx::DisplayLayout::kSlots; ++slot) {
        const bool hasValues = std::any_of(rows.begin(), rows.end(), [slot](const hvx::MesswertZeile& row) {
            return hvx::MesswertZahl(row.felder.value(kFieldsPerModule * slot)).has_value();
        });
        if (hasValues)
            AddSeries(slot, GetStringsText(kTextModule).arg(slot + 1));
    }
}

void CMesswertTrend::AddLine(const QDateTime& time, const QStringList& fields)
{
    if (!time.isValid())
        return;
    AppendLine(time, fields);
    FitAxes();
}

void CMesswertTrend::SetRows(const std::vector<hvx::MesswertZeile>& rows)
{
    bool any = false;
    for (const hvx::MesswertZeile& row : rows) {
        if (row.zeit.isValid()) {
            AppendLine(row.zeit, row.felder);
            any = true;
        }
    }
    if (any)
        FitAxes();
}

void CMesswertTrend::AppendLine(const QDateTime& time, const QStringList& fields)
{
    if (!m_first.isValid() || time < m_first)
        m_first = time;
    if (!m_last.isValid() || time > m_last)
        m_last = time;
    for (std::size_t slot = 0; slot < m_series.size(); ++slot) {
        QLineSeries* series = m_series[slot];
        const std::optional<double> value = hvx::MesswertZahl(fields.value(kFieldsPerModule * int(slot)));
        if (!series || !value)
            continue;
        const bool first = series->count() == 0;
        series->append(double(time.toMSecsSinceEpoch()), *value);
        m_low[slot] = first ? *value : qMin(m_low[slot], *value);
        m_high[slot] = first ? *value : qMax(m_high[slot], *value);
    }
}

void CMesswertTrend::FitAxes()
{
    // A single point still gets a range of one second, so that the axis can be drawn.
    m_time->setRange(m_first, m_last > m_first ? m_last : m_first.addSecs(1));
    for (std::size_t slot = 0; slot < m_series.size(); ++slot) {
        if (!m_series[slot] || m_series[slot]->count() == 0)
            continue;
        const double low = m_low[slot];
        const double high = m_high[slot];
        const double margin = qMax((high - low) * 0.1, 0.01 * qMax(1.0, qAbs(high)));
        m_axes[slot]->setRange(low - margin, high + margin);
    }
}

int CMesswertTrend::seriesCount() const
{
    return int(std::count_if(m_series.begin(), m_series.end(), [](QLineSeries* s) { return s != nullptr; }));
}

int CMesswertTrend::pointCount(int slot) const
{
    const QLineSeries* series = m_series.at(std::size_t(slot));
    return series ? int(series->count()) : 0;
}

QString CMesswertTrend::axisTitle(int slot) const
{
    const QValueAxis* axis = m_axes.at(std::size_t(slot));
    return axis ? axis->titleText() : QString();
}
