// The edit commands of the hex view: overwriting with undo, the clipboard in both formats and
// the context menu.
#include "devicedata/gui/HexEdit.h"

#include "devicedata/EepromImage.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

namespace {

constexpr size_t kUndoDepth = 256;

// Hex text "A5 00 FF" (blanks optional) as bytes; empty when it is not such a text.
QByteArray BytesOfHexText(const QString& text)
{
    QByteArray digits;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        if (hvx::HexDigitValue(c) < 0)
            return {};
        digits += char(c.toLatin1());
    }
    if (digits.size() % 2 != 0)
        return {};
    return QByteArray::fromHex(digits);
}

} // namespace

void CHexEdit::overwrite(int offset, const QByteArray& bytes)
{
    const int count = std::min<int>(int(bytes.size()), m_length - offset);
    if (count <= 0)
        return;
    m_undo.push_back({offset, QByteArray(reinterpret_cast<const char*>(m_data + offset), count), m_caret, m_lowNibble});
    if (m_undo.size() > kUndoDepth)
        m_undo.erase(m_undo.begin());
    std::copy_n(bytes.constData(), count, m_data + offset);
    viewport()->update();
    Q_EMIT edited();
}

void CHexEdit::undo()
{
    if (m_undo.empty())
        return;
    const Edit edit = m_undo.back();
    m_undo.pop_back();
    std::copy_n(edit.before.constData(), edit.before.size(), m_data + edit.offset);
    moveCaret(edit.caret, edit.lowNibble, false);
    Q_EMIT edited();
}

QByteArray CHexEdit::selectedBytes() const
{
    if (m_selStart < 0)
        return {};
    return QByteArray(reinterpret_cast<const char*>(m_data + m_selStart), m_selEnd - m_selStart);
}

void CHexEdit::copy()
{
    const QByteArray bytes = selectedBytes();
    if (bytes.isEmpty())
        return;
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(kBinaryMimeType), bytes);
    mime->setText(QString::fromLatin1(bytes.toHex(' ').toUpper()));
    QApplication::clipboard()->setMimeData(mime);
}

void CHexEdit::cut()
{
    copy();
    deleteSelection();
}

void CHexEdit::deleteSelection()
{
    if (m_selStart < 0)
        return;
    const int start = m_selStart;
    overwrite(start, QByteArray(m_selEnd - m_selStart, char(m_fill)));
    moveCaret(start, false, false);
}

void CHexEdit::paste()
{
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (mime == nullptr || m_length == 0)
        return;
    QByteArray bytes = mime->data(QLatin1String(kBinaryMimeType));
    if (bytes.isEmpty() && mime->hasText())
        bytes = BytesOfHexText(mime->text());
    if (bytes.isEmpty())
        return;
    const int start = m_selStart >= 0 ? m_selStart : m_caret;
    overwrite(start, bytes);
    moveCaret(std::min(start + int(bytes.size()), m_length - 1), false, false);
}

void CHexEdit::selectAll()
{
    setSelection(0, m_length);
}

void CHexEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The standard edit commands, with the platform's texts and shortcuts.
    QMenu menu(this);
    const bool selected = m_selStart >= 0;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const bool pasteable = mime && (mime->hasFormat(QLatin1String(kBinaryMimeType)) || mime->hasText());
    struct Entry {
        const char* text;
        QKeySequence::StandardKey key;
        void (CHexEdit::*slot)();
        bool enabled;
    };
    const Entry entries[] = {
        {QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"), QKeySequence::Undo, &CHexEdit::undo, canUndo()},
        {QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"), QKeySequence::Cut, &CHexEdit::cut, selected},
        {QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"), QKeySequence::Copy, &CHexEdit::copy, selected},
        {QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"), QKeySequence::Paste, &CHexEdit::paste, pasteable},
        {QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"), QKeySequence::Delete, &CHexEdit::deleteSelection, selected},
        {QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"), QKeySequence::SelectAll, &CHexEdit::selectAll, m_length > 0},
    };
    for (const Entry& entry : entries) {
        if (entry.key == QKeySequence::Cut || entry.key == QKeySequence::SelectAll)
            menu.addSeparator();
        QAction* action = menu.addAction(QCoreApplication::translate("QWidgetTextControl", entry.text), this, entry.slot);
        action->setShortcut(entry.key);
        action->setEnabled(entry.enabled);
    }
    menu.exec(event->globalPos());
}
