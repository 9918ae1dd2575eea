#include "devicedata/gui/HydrovantDisplayCtrl.h"

#include "base/Language.h"
#include "base/gui/DialogTexts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kTextNoRecording = 3408; // "Keine Aufzeichnung"
constexpr int kColumnsPerBlock = 16;
constexpr int kRows = 8;

QFont DisplayFont(int points, bool bold)
{
    QFont font(QStringLiteral("Courier"), points, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

CHydrovantDisplayCtrl::CHydrovantDisplayCtrl(QWidget* parent)
    : QWidget(parent), m_small(DisplayFont(10, false)), m_large(DisplayFont(20, true))
{
    setObjectName(QStringLiteral("HydrovantDisplayCtrl"));
    hvx::gui::SetCtrlId(this, kCtrlId);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor CHydrovantDisplayCtrl::BackgroundOf(bool alarm)
{
    return alarm ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

void CHydrovantDisplayCtrl::SetLayout(const hvx::Parametersatz& ps)
{
    m_layout.SetLayout(ps);
    update();
}

void CHydrovantDisplayCtrl::UpdateAll(const QStringList& fields)
{
    m_layout.UpdateAll(fields);
    update();
}

void CHydrovantDisplayCtrl::Reset()
{
    m_layout.Reset();
    update();
}

QSize CHydrovantDisplayCtrl::Cell() const
{
    const QFontMetrics metrics(m_small);
    return {metrics.horizontalAdvance(u' '), metrics.height()};
}

QSize CHydrovantDisplayCtrl::sizeHint() const
{
    const QSize cell = Cell();
    return {cell.width() * kColumnsPerBlock * hvx::DisplayLayout::kSlots + 8, cell.height() * (kRows + 1)};
}

QSize CHydrovantDisplayCtrl::minimumSizeHint() const
{
    return sizeHint();
}

void CHydrovantDisplayCtrl::paintEvent(QPaintEvent*)
{
    // Drawn off screen first and copied in one piece, so that a fast stream does not flicker.
    QPixmap buffer(size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    {
        QPainter painter(&buffer);
        PaintInto(painter);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void CHydrovantDisplayCtrl::PaintInto(QPainter& painter) const
{
    painter.fillRect(rect(), BackgroundOf(m_layout.alarm()));
    painter.setPen(QPen(Qt::white, 2));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int count = m_layout.moduleCount();
    if (count == 0) {
        painter.setFont(m_large);
        painter.drawText(rect(), Qt::AlignCenter, GetStringsText(kTextNoRecording));
        return;
    }
    for (int i = 0; i < count; ++i) {
        const int left = hvx::DisplayLayout::BlockStart(i, count, width());
        PaintBlock(painter, m_layout.block(i), left);
        if (i > 0)
            painter.drawLine(left, 0, left, height() * 7 / 8);
    }
    PaintItem(painter, hvx::DisplayItem{m_layout.alarmText(), 0, hvx::DisplayLayout::kAlarmRow}, 0);
}

void CHydrovantDisplayCtrl::PaintBlock(QPainter& painter, const hvx::DisplayBlock& block, int left) const
{
    if (block.name)
        PaintItem(painter, *block.name, left);
    if (block.showsValues()) {
        for (const auto& item : {block.value, block.unit, block.second, block.secondUnit, block.controller, block.setPoint}) {
            if (item)
                PaintItem(painter, *item, left);
        }
    }
    if (block.relay)
        PaintItem(painter, *block.relay, left);
}

void CHydrovantDisplayCtrl::PaintItem(QPainter& painter, const hvx::DisplayItem& item, int left) const
{
    const QSize cell = Cell();
    const QFont& font = item.large ? m_large : m_small;
    painter.setFont(font);
    const int x = left + item.column * cell.width();
    const int baseline = (item.row + 1) * cell.height();
    const int textWidth = QFontMetrics(font).horizontalAdvance(item.text);
    painter.drawText(item.rightAligned ? x - textWidth : x, baseline, item.text);
}
