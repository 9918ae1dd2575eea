#include "devicedata/gui/MesswertTrend.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "devicedata/AxisTicks.h"
#include "devicedata/ChartDecimation.h"
#include "devicedata/ClockText.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QMouseEvent>
#include <QRubberBand>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kTextTime = 3406;   // "Zeit"
constexpr int kTextModule = 3407; // "Modul %1"
constexpr int kFieldsPerModule = 3;
constexpr double kTimeLabelPixels = 110; // room of one time label, a date and a time
constexpr double kValueLabelPixels = 45;
constexpr double kSnapPixels = 3;    // a rubber band this close to an edge of the plot reaches it
constexpr double kMinimumZoomPixels = 4;
constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();

using Ticks = std::vector<std::pair<double, QString>>;

// The axis's labels at exactly these values; Qt's own labels would repeat or read "-0.00".
void SetTicks(QCategoryAxis* axis, const Ticks& ticks)
{
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    axis->setStartValue(axis->min());
    for (const auto& [value, label] : ticks)
        axis->append(label, value);
}

QCategoryAxis* NewAxis(const QString& title)
{
    auto* axis = new QCategoryAxis();
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(title);
    return axis;
}

// A date and a time on two lines: the labels are rich text.
QString TwoLines(QString label)
{
    return label.replace(u'\n', QStringLiteral("<br>"));
}

} // namespace

CMesswertTrend::CMesswertTrend(QWidget* parent) : QChartView(new QChart(), parent)
{
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    m_batch.setInterval(kBatchMs);
    connect(&m_batch, &QTimer::timeout, this, &CMesswertTrend::OnBatch);
    // A new width or height needs other points and ticks.
    connect(chart(), &QChart::plotAreaChanged, this, [this](const QRectF& plot) {
        if (plot.size() != m_drawnPlot)
            ScheduleRedraw();
    });
    Clear();
}

void CMesswertTrend::Clear()
{
    m_batch.stop();
    chart()->removeAllSeries();
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
    m_curves = {};
    m_zoomSteps.clear();
    m_data = hvx::MessdatenSpalten();
    m_time = NewAxis(GetStringsText(kTextTime));
    chart()->addAxis(m_time, Qt::AlignBottom);
}

void CMesswertTrend::AddCurve(int slot, int column, const QString& title)
{
    auto* series = new QLineSeries();
    series->setName(title);
    chart()->addSeries(series);
    QCategoryAxis* axis = NewAxis(title);
    // The first module's axis on the left, the others on the right.
    chart()->addAxis(axis, slot == 0 ? Qt::AlignLeft : Qt::AlignRight);
    series->attachAxis(m_time);
    series->attachAxis(axis);
    axis->setLinePenColor(series->pen().color());
    Curve& curve = m_curves[std::size_t(slot)];
    curve.series = series;
    curve.axis = axis;
    curve.column = column;
}

void CMesswertTrend::SetModules(const hvx::DisplayLayout& display)
{
    Clear();
    for (int slot = 0; slot < display.moduleCount(); ++slot) {
        const hvx::DisplayBlock& block = display.block(slot);
        if (!block.value || !block.showsValues())
            continue;
        const QString unit = block.unit ? block.unit->text : QString();
        m_data.spalten.push_back({slot, false, unit, {}});
        AddCurve(slot, int(m_data.spalten.size()) - 1,
                 unit.isEmpty() ? block.name->text : block.name->text + QStringLiteral(" [") + unit + u']');
    }
    m_batch.start();
    ShowAll();
}

void CMesswertTrend::SetData(hvx::MessdatenSpalten columns)
{
    Clear();
    m_data = std::move(columns);
    for (int slot = 0; slot < hvx::DisplayLayout::kSlots; ++slot) {
        const hvx::Messwertspalte* column = m_data.spalte(slot);
        if (!column)
            continue;
        const QString name = GetStringsText(kTextModule).arg(slot + 1);
        AddCurve(slot, int(column - m_data.spalten.data()),
                 column->einheit.isEmpty() ? name : name + QStringLiteral(" [") + column->einheit + u']');
        Curve& curve = m_curves[std::size_t(slot)];
        for (const float value : column->werte)
            Extend(curve, value);
    }
    ShowAll();
}

void CMesswertTrend::Extend(Curve& curve, float value)
{
    if (std::isnan(value))
        return;
    curve.low = curve.hasValue ? std::min(curve.low, double(value)) : value;
    curve.high = curve.hasValue ? std::max(curve.high, double(value)) : value;
    curve.hasValue = true;
}

void CMesswertTrend::AddLine(qint64 seconds, const QStringList& fields)
{
    std::array<float, hvx::kWertspalten> values;
    values.fill(kNoValue);
    for (std::size_t slot = 0; slot < m_curves.size(); ++slot) {
        Curve& curve = m_curves[slot];
        if (!curve.series)
            continue;
        const QByteArray field = fields.value(kFieldsPerModule * int(slot)).toLatin1();
        if (const std::optional<hvx::ZahlMitEinheit> value = hvx::ParseMesswert(std::string_view(field.constData(), std::size_t(field.size())))) {
            values[slot * hvx::kWerteProModul] = float(value->zahl);
            Extend(curve, float(value->zahl));
        }
    }
    m_data.Anfuegen(seconds, values);
    m_newLines = true;
}

void CMesswertTrend::OnBatch()
{
    if (!m_newLines)
        return;
    m_newLines = false;
    m_data.Sortiere();
    // The whole recording grows with it; a zoomed view stays where the user put it.
    if (m_zoomSteps.empty()) {
        FitTimeAxis();
        FitValueAxes();
    }
    Redraw();
}

void CMesswertTrend::FitTimeAxis()
{
    if (const std::optional<std::pair<qint64, qint64>> range = dataRange()) {
        // A single point still gets a range of one second, so that the axis can be drawn.
        m_time->setRange(double(range->first), double(std::max(range->second, range->first + 1)));
    }
}

void CMesswertTrend::FitValueAxes()
{
    for (Curve& curve : m_curves) {
        if (!curve.series || !curve.hasValue)
            continue;
        const double margin = std::max((curve.high - curve.low) * 0.1, 0.01 * std::max(1.0, std::abs(curve.high)));
        curve.axis->setRange(curve.low - margin, curve.high + margin);
    }
}

void CMesswertTrend::ShowAll()
{
    m_zoomSteps.clear();
    FitTimeAxis();
    FitValueAxes();
    Redraw();
}

void CMesswertTrend::ShowRange(double from, double to)
{
    m_zoomSteps.clear();
    m_time->setRange(from, std::max(to, from + 1));
    // The value axes fit the lines in that range.
    const auto begin = std::lower_bound(m_data.zeit.begin(), m_data.zeit.end(), from, [](qint64 t, double x) { return double(t) < x; });
    const auto end = std::upper_bound(m_data.zeit.begin(), m_data.zeit.end(), to, [](double x, qint64 t) { return x < double(t); });
    for (Curve& curve : m_curves) {
        if (!curve.series)
            continue;
        curve.hasValue = false;
        const std::vector<float>& values = m_data.spalten[std::size_t(curve.column)].werte;
        for (auto i = begin - m_data.zeit.begin(); i < end - m_data.zeit.begin(); ++i)
            Extend(curve, values[std::size_t(i)]);
    }
    FitValueAxes();
    Redraw();
}

void CMesswertTrend::ZoomBack()
{
    if (m_zoomSteps.size() <= 1) {
        ShowAll();
        return;
    }
    const View view = m_zoomSteps.back();
    m_zoomSteps.pop_back();
    Apply(view);
    Redraw();
}

CMesswertTrend::View CMesswertTrend::CurrentView() const
{
    View view{m_time->min(), m_time->max(), {}};
    for (std::size_t slot = 0; slot < m_curves.size(); ++slot) {
        if (m_curves[slot].axis)
            view.values[slot] = {m_curves[slot].axis->min(), m_curves[slot].axis->max()};
    }
    return view;
}

void CMesswertTrend::Apply(const View& view)
{
    m_time->setRange(view.from, view.to);
    for (std::size_t slot = 0; slot < m_curves.size(); ++slot) {
        if (m_curves[slot].axis)
            m_curves[slot].axis->setRange(view.values[slot].first, view.values[slot].second);
    }
}

void CMesswertTrend::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        ZoomBack();
        event->accept();
        return;
    }
    auto* band = findChild<QRubberBand*>();
    if (event->button() != Qt::LeftButton || !band || !band->isVisible()) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    // The zoom is done here rather than by the chart: a band dragged to an edge of the plot
    // reaches it (the band's whole pixels fall a pixel short, which cut the newest seconds).
    band->hide();
    event->accept();
    const QRectF plot = chart()->plotArea();
    const QRectF rect = QRectF(mapToScene(band->geometry().topLeft()), mapToScene(band->geometry().bottomRight()) + QPointF(1, 1))
                            .intersected(plot);
    if (rect.width() < kMinimumZoomPixels || rect.height() < kMinimumZoomPixels)
        return;
    const View before = CurrentView();
    // The value at a pixel between the plot's start and end, snapped to an edge near it.
    auto part = [](double a, double b, double pixel, double plotStart, double plotLength, bool fromEnd) {
        double fraction = (pixel - plotStart) / plotLength;
        if (pixel - plotStart < kSnapPixels)
            fraction = 0;
        if (plotStart + plotLength - pixel < kSnapPixels)
            fraction = 1;
        return fromEnd ? b - fraction * (b - a) : a + fraction * (b - a);
    };
    View zoomed = before;
    zoomed.from = part(before.from, before.to, rect.left(), plot.left(), plot.width(), false);
    zoomed.to = part(before.from, before.to, rect.right(), plot.left(), plot.width(), false);
    for (std::size_t slot = 0; slot < m_curves.size(); ++slot) {
        const auto [low, high] = before.values[slot];
        // Pixels grow downwards, values upwards.
        zoomed.values[slot] = {part(low, high, rect.bottom(), plot.top(), plot.height(), true),
                               part(low, high, rect.top(), plot.top(), plot.height(), true)};
    }
    m_zoomSteps.push_back(before);
    Apply(zoomed);
    Redraw();
}

void CMesswertTrend::ScheduleRedraw()
{
    if (m_redrawPending)
        return;
    m_redrawPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_redrawPending)
            Redraw();
    });
}

void CMesswertTrend::RedrawNow()
{
    Redraw();
}

void CMesswertTrend::Redraw()
{
    m_redrawPending = false;
    const QRectF plot = chart()->plotArea();
    m_drawnPlot = plot.size();
    const double from = m_time->min();
    const double to = m_time->max();
    const int columns = std::max(1, int(std::ceil(plot.width())));
    const int valueTicks = std::max(3, int(plot.height() / kValueLabelPixels));
    for (Curve& curve : m_curves) {
        if (!curve.series)
            continue;
        const std::vector<float>& values = m_data.spalten[std::size_t(curve.column)].werte;
        curve.series->replace(hvx::ReduceToPixelColumns(m_data.zeit, values, from, to, columns));
        const hvx::ValueTicks ticks = hvx::NiceValueTicks(curve.axis->min(), curve.axis->max(), valueTicks);
        Ticks labels;
        for (int i = 0; i < ticks.count; ++i)
            labels.emplace_back(ticks.at(i), ticks.label(i));
        SetTicks(curve.axis, labels);
    }
    UpdateTimeTicks(from, to, plot.width());
}

void CMesswertTrend::UpdateTimeTicks(double from, double to, double width)
{
    Ticks labels;
    if (!m_data.empty()) {
        const CHVXApp& app = theApp();
        const hvx::TimePictures pictures{app.m_strDateFormat, hvx::TimePictureWithSeconds(app.m_strTimeFormat),
                                         hvx::TimePictureWithoutSeconds(app.m_strTimeFormat)};
        for (const hvx::TimeTick& tick : hvx::NiceTimeTicks(from, to, std::max(3, int(width / kTimeLabelPixels)), pictures))
            labels.emplace_back(double(tick.seconds), TwoLines(tick.label));
    }
    SetTicks(m_time, labels);
}

std::pair<double, double> CMesswertTrend::timeRange() const
{
    return {m_time->min(), m_time->max()};
}

std::optional<std::pair<qint64, qint64>> CMesswertTrend::dataRange() const
{
    if (m_data.empty())
        return std::nullopt;
    return std::pair(m_data.zeit.front(), m_data.zeit.back());
}

int CMesswertTrend::seriesCount() const
{
    return int(std::count_if(m_curves.begin(), m_curves.end(), [](const Curve& c) { return c.series != nullptr; }));
}

int CMesswertTrend::pointCount(int slot) const
{
    const Curve& curve = m_curves.at(std::size_t(slot));
    if (!curve.series)
        return 0;
    const std::vector<float>& values = m_data.spalten[std::size_t(curve.column)].werte;
    return int(std::count_if(values.begin(), values.end(), [](float v) { return !std::isnan(v); }));
}

int CMesswertTrend::drawnPointCount(int slot) const
{
    const Curve& curve = m_curves.at(std::size_t(slot));
    return curve.series ? int(curve.series->count()) : 0;
}

QString CMesswertTrend::axisTitle(int slot) const
{
    const Curve& curve = m_curves.at(std::size_t(slot));
    return curve.axis ? curve.axis->titleText() : QString();
}
