#include "devicedata/gui/HexEdit.h"

#include "devicedata/EepromImage.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kMargin = 4;
constexpr int kColumnGap = 2; // characters between columns
const QColor kHighlightColor(255, 230, 120);

// The digit typed, or -1 when the key gave no single hex digit.
int HexValue(const QString& text)
{
    return text.size() == 1 ? hvx::HexDigitValue(text[0]) : -1;
}

} // namespace

CHexEdit::CHexEdit(QWidget* parent) : QAbstractScrollArea(parent)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
}

void CHexEdit::setOptions(const Options& options)
{
    m_options = options;
    m_options.bytesPerRow = std::max(1, m_options.bytesPerRow);
    m_options.addressDigits = m_options.addressDigits > 4 ? 8 : 4;
    updateScrollBars();
    viewport()->update();
}

void CHexEdit::setData(quint8* data, int length)
{
    m_data = data;
    m_length = data ? std::max(0, length) : 0;
    m_caret = 0;
    m_lowNibble = false;
    clearSelection();
    m_highlightFirst = m_highlightEnd = -1;
    m_undo.clear();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void CHexEdit::copyData(quint8* out, int length) const
{
    if (m_data && out != m_data)
        std::copy_n(m_data, std::min(length, m_length), out);
}

std::pair<int, int> CHexEdit::selection() const
{
    if (m_selStart < 0)
        return {-1, -1};
    return {m_selStart, m_selEnd};
}

void CHexEdit::setSelection(int start, int end)
{
    start = std::clamp(start, 0, m_length);
    end = std::clamp(end, 0, m_length);
    if (end <= start) {
        clearSelection();
    } else {
        m_anchor = start;
        m_selStart = start;
        m_selEnd = end;
        m_caret = end - 1;
        m_lowNibble = false;
    }
    viewport()->update();
}

void CHexEdit::clearSelection()
{
    m_anchor = -1;
    m_selStart = m_selEnd = -1;
}

void CHexEdit::setCaret(int offset)
{
    moveCaret(offset, false, false);
}

void CHexEdit::setHighlight(int first, int end)
{
    m_highlightFirst = first;
    m_highlightEnd = end;
    viewport()->update();
}

int CHexEdit::rows() const
{
    return (m_length + m_options.bytesPerRow - 1) / m_options.bytesPerRow;
}

int CHexEdit::rowHeight() const
{
    return fontMetrics().height();
}

int CHexEdit::charWidth() const
{
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

int CHexEdit::hexColumnX() const
{
    return kMargin + (m_options.addressColumn ? (m_options.addressDigits + 1 + kColumnGap) * charWidth() : 0);
}

int CHexEdit::charColumnX() const
{
    return hexColumnX() + (m_options.hexColumn ? (m_options.bytesPerRow * 3 - 1 + kColumnGap) * charWidth() : 0);
}

int CHexEdit::contentWidth() const
{
    return charColumnX() + (m_options.charColumn ? m_options.bytesPerRow * charWidth() : 0) + kMargin;
}

int CHexEdit::firstVisibleRow() const
{
    return verticalScrollBar()->value();
}

void CHexEdit::updateScrollBars()
{
    const int visibleRows = std::max(1, viewport()->height() / std::max(1, rowHeight()));
    verticalScrollBar()->setRange(0, std::max(0, rows() - visibleRows));
    verticalScrollBar()->setPageStep(visibleRows);
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void CHexEdit::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CHexEdit::ensureVisible(int offset)
{
    const int row = offset / m_options.bytesPerRow;
    const int visibleRows = verticalScrollBar()->pageStep();
    if (row < firstVisibleRow())
        verticalScrollBar()->setValue(row);
    else if (row >= firstVisibleRow() + visibleRows)
        verticalScrollBar()->setValue(row - visibleRows + 1);
}

void CHexEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QPalette& pal = palette();
    const int h = rowHeight();
    const int cw = charWidth();
    const int ascent = fontMetrics().ascent();
    const int dx = -horizontalScrollBar()->value();
    const int perRow = m_options.bytesPerRow;
    const int first = firstVisibleRow();
    const int last = std::min(rows(), first + viewport()->height() / std::max(1, h) + 1);
    const bool focused = hasFocus();
    for (int row = first; row < last; ++row) {
        const int y = (row - first) * h;
        if (m_options.addressColumn) {
            painter.setPen(Qt::darkBlue);
            painter.drawText(kMargin + dx, y + ascent,
                             QStringLiteral("%1:").arg(row * perRow, m_options.addressDigits, 16, QLatin1Char('0')).toUpper());
        }
        for (int i = 0; i < perRow; ++i) {
            const int offset = row * perRow + i;
            if (offset >= m_length)
                break;
            const quint8 value = m_data[offset];
            const bool selected = offset >= m_selStart && offset < m_selEnd;
            const bool highlighted = offset >= m_highlightFirst && offset < m_highlightEnd;
            QColor background = selected ? pal.color(QPalette::Highlight) : highlighted ? kHighlightColor : QColor();
            const QColor text = selected ? pal.color(QPalette::HighlightedText) : QColor(Qt::black);
            if (m_options.hexColumn) {
                const int x = hexColumnX() + i * 3 * cw + dx;
                if (background.isValid())
                    painter.fillRect(x, y, 2 * cw + (selected && offset + 1 < m_selEnd && i + 1 < perRow ? cw : 0), h, background);
                painter.setPen(text);
                painter.drawText(x, y + ascent, QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper());
                if (offset == m_caret && focused)
                    painter.fillRect(x + (m_lowNibble ? cw : 0), y + h - 2, cw, 2, Qt::black);
            }
            if (m_options.charColumn) {
                const int x = charColumnX() + i * cw + dx;
                if (background.isValid())
                    painter.fillRect(x, y, cw, h, background);
                painter.setPen(text);
                const QChar c = value >= 0x20 && value < 0x7F ? QChar(value) : QLatin1Char('.');
                painter.drawText(x, y + ascent, QString(c));
            }
        }
    }
}

int CHexEdit::offsetAt(const QPoint& point) const
{
    const int cw = charWidth();
    const int x = point.x() + horizontalScrollBar()->value();
    const int row = firstVisibleRow() + point.y() / std::max(1, rowHeight());
    int column = -1;
    if (m_options.hexColumn && x >= hexColumnX() && x < hexColumnX() + m_options.bytesPerRow * 3 * cw)
        column = (x - hexColumnX()) / (3 * cw);
    else if (m_options.charColumn && x >= charColumnX() && x < charColumnX() + m_options.bytesPerRow * cw)
        column = (x - charColumnX()) / cw;
    else if (x < hexColumnX())
        column = 0;
    else
        column = m_options.bytesPerRow - 1;
    const int offset = row * m_options.bytesPerRow + column;
    return std::clamp(offset, 0, std::max(0, m_length - 1));
}

void CHexEdit::moveCaret(int offset, bool lowNibble, bool extend)
{
    if (m_length == 0)
        return;
    offset = std::clamp(offset, 0, m_length - 1);
    if (extend) {
        if (m_anchor < 0)
            m_anchor = m_caret;
        m_selStart = std::min(m_anchor, offset);
        m_selEnd = std::max(m_anchor, offset) + 1;
    } else {
        clearSelection();
    }
    m_caret = offset;
    m_lowNibble = lowNibble && !extend;
    ensureVisible(offset);
    viewport()->update();
}

void CHexEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_length == 0)
        return;
    const int offset = offsetAt(event->position().toPoint());
    moveCaret(offset, false, event->modifiers().testFlag(Qt::ShiftModifier));
    if (!event->modifiers().testFlag(Qt::ShiftModifier))
        m_anchor = offset;
}

void CHexEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (!event->buttons().testFlag(Qt::LeftButton) || m_length == 0)
        return;
    const int offset = offsetAt(event->position().toPoint());
    if (m_anchor < 0)
        m_anchor = m_caret;
    if (offset != m_caret || m_selStart >= 0)
        moveCaret(offset, false, true);
}

void CHexEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo))
        return undo();
    if (event->matches(QKeySequence::Copy))
        return copy();
    if (event->matches(QKeySequence::Cut))
        return cut();
    if (event->matches(QKeySequence::Paste))
        return paste();
    if (event->matches(QKeySequence::SelectAll))
        return selectAll();
    if (event->key() == Qt::Key_Delete)
        return deleteSelection();
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const int perRow = m_options.bytesPerRow;
    const int page = std::max(1, verticalScrollBar()->pageStep()) * perRow;
    switch (event->key()) {
    case Qt::Key_Left:
        if (!shift && m_lowNibble)
            return moveCaret(m_caret, false, false);
        return moveCaret(m_caret - 1, !shift && m_caret > 0, shift);
    case Qt::Key_Right:
        if (!shift && !m_lowNibble)
            return moveCaret(m_caret, true, false);
        return moveCaret(m_caret + 1, false, shift);
    case Qt::Key_Up: return moveCaret(m_caret - perRow < 0 ? m_caret : m_caret - perRow, m_lowNibble, shift);
    case Qt::Key_Down:
        return moveCaret(m_caret + perRow >= m_length ? m_caret : m_caret + perRow, m_lowNibble, shift);
    case Qt::Key_PageUp: return moveCaret(std::max(m_caret % perRow, m_caret - page), false, shift);
    case Qt::Key_PageDown: return moveCaret(m_caret + page < m_length ? m_caret + page : m_caret, false, shift);
    case Qt::Key_Home: return moveCaret(ctrl ? 0 : m_caret - m_caret % perRow, false, shift);
    case Qt::Key_End: return moveCaret(ctrl ? m_length - 1 : std::min(m_length - 1, m_caret - m_caret % perRow + perRow - 1), false, shift);
    default: break;
    }
    const int nibble = HexValue(event->text());
    if (nibble >= 0 && !ctrl)
        return typeNibble(nibble);
    QAbstractScrollArea::keyPressEvent(event);
}

void CHexEdit::typeNibble(int value)
{
    if (m_length == 0)
        return;
    const quint8 old = m_data[m_caret];
    const quint8 changed = m_lowNibble ? quint8((old & 0xF0) | value) : quint8((old & 0x0F) | (value << 4));
    overwrite(m_caret, QByteArray(1, char(changed)));
    if (m_lowNibble)
        moveCaret(std::min(m_caret + 1, m_length - 1), m_caret + 1 >= m_length, false);
    else
        moveCaret(m_caret, true, false);
}

