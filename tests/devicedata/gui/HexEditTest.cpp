// The hex view as a user drives it: typing over nibbles, selecting, the clipboard in both
// formats, and undo.
#include "devicedata/gui/HexEdit.h"

#include "../../editing/gui/EditingViewFixture.h"

#include <QClipboard>
#include <QMimeData>
#include <QKeyEvent>
#include <QMouseEvent>
#include <array>

namespace {

class HexEditTest : public ::testing::Test {
protected:
    HexEditTest()
    {
        hvx::test::editingGuiApp();
        for (size_t i = 0; i < buffer.size(); ++i)
            buffer[i] = quint8(i);
        edit.resize(500, 200);
        edit.setData(buffer.data(), int(buffer.size()));
        edit.show();
        edit.setFocus();
    }
    // The viewport point in the middle of the hex digits of a byte.
    QPoint pointOf(int offset)
    {
        const int cw = edit.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        const int h = edit.fontMetrics().height();
        const int row = offset / 16 - edit.firstVisibleRow();
        const int xHex = 4 + (4 + 1 + 2) * cw;
        return {xHex + (offset % 16) * 3 * cw + cw, row * h + h / 2};
    }
    void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
        QApplication::sendEvent(&edit, &press);
    }
    void type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            key(QChar(*k).toUpper().unicode(), Qt::NoModifier, QString(QLatin1Char(*k)));
    }
    void mouse(QEvent::Type type, int offset, Qt::MouseButtons buttons)
    {
        const QPoint at = pointOf(offset);
        QMouseEvent event(type, at, edit.viewport()->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(edit.viewport(), &event);
    }

    std::array<quint8, 256> buffer{};
    CHexEdit edit;
};

} // namespace

TEST_F(HexEditTest, TypedHexDigitsOverwriteTheNibbleAtTheCaretInTheOwnersBuffer)
{
    edit.setCaret(0x10);
    type("A");
    EXPECT_EQ(buffer[0x10], 0xA0) << "high nibble first";
    EXPECT_TRUE(edit.caretOnLowNibble());
    type("5");
    EXPECT_EQ(buffer[0x10], 0xA5);
    EXPECT_EQ(edit.caret(), 0x11) << "next byte after the low nibble";
    type("fx3");
    EXPECT_EQ(buffer[0x11], 0xF3) << "lower case counts, other keys do not";
    EXPECT_EQ(buffer[0x12], 0x12);
    key(Qt::Key_Left);
    type("0");
    EXPECT_EQ(buffer[0x11], 0xF0) << "one step left is the low nibble of the byte before";
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    type("1");
    EXPECT_EQ(buffer[0x11], 0x10);
    edit.setCaret(255);
    type("77");
    EXPECT_EQ(buffer[255], 0x77);
    EXPECT_EQ(edit.caret(), 255) << "the caret stays on the last byte";
}

TEST_F(HexEditTest, TheSelectionIsStartAndEndOrMinusOneWhenThereIsNone)
{
    EXPECT_EQ(edit.selection(), std::make_pair(-1, -1));
    edit.setCaret(0x20);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit.selection(), std::make_pair(0x20, 0x23)) << "end exclusive";
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(edit.selection(), std::make_pair(0x20, 0x33));
    key(Qt::Key_Right);
    EXPECT_EQ(edit.selection(), std::make_pair(-1, -1)) << "a plain move drops the selection";

    mouse(QEvent::MouseButtonPress, 0x45, Qt::LeftButton);
    mouse(QEvent::MouseMove, 0x42, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, 0x42, Qt::NoButton);
    EXPECT_EQ(edit.selection(), std::make_pair(0x42, 0x46)) << "dragged backwards";
    mouse(QEvent::MouseButtonPress, 0x50, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, 0x50, Qt::NoButton);
    EXPECT_EQ(edit.selection(), std::make_pair(-1, -1));
    EXPECT_EQ(edit.caret(), 0x50);
    edit.selectAll();
    EXPECT_EQ(edit.selection(), std::make_pair(0, 256));
}

TEST_F(HexEditTest, CopyAndPasteCarryTheBytesInBothClipboardFormats)
{
    edit.setSelection(0x10, 0x14);
    edit.copy();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->data(QStringLiteral("BinaryData")), QByteArray("\x10\x11\x12\x13"));
    EXPECT_EQ(mime->text(), QStringLiteral("10 11 12 13"));

    edit.setCaret(0x80);
    edit.paste();
    EXPECT_EQ(buffer[0x80], 0x10);
    EXPECT_EQ(buffer[0x83], 0x13);
    EXPECT_EQ(buffer[0x84], 0x84) << "overwritten, not inserted";

    QApplication::clipboard()->setText(QStringLiteral("de ad BE EF"));
    edit.setSelection(0xFE, 0x100);
    edit.paste();
    EXPECT_EQ(buffer[0xFE], 0xDE);
    EXPECT_EQ(buffer[0xFF], 0xAD) << "clipped at the end of the buffer";

    QApplication::clipboard()->setText(QStringLiteral("not hex"));
    edit.setCaret(0);
    edit.paste();
    EXPECT_EQ(buffer[0], 0x00) << "a text that is no bytes pastes nothing";
}

TEST_F(HexEditTest, CutAndDeleteFillAndUndoRestoresStepByStep)
{
    edit.setFillByte(0xFF);
    EXPECT_FALSE(edit.canUndo());
    edit.setSelection(0x30, 0x32);
    edit.cut();
    EXPECT_EQ(buffer[0x30], 0xFF);
    EXPECT_EQ(buffer[0x31], 0xFF);
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data(QStringLiteral("BinaryData")), QByteArray("\x30\x31"));
    edit.setCaret(0x40);
    type("9");
    EXPECT_EQ(buffer[0x40], 0x90);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(buffer[0x40], 0x40);
    EXPECT_EQ(buffer[0x30], 0xFF) << "one step at a time";
    edit.undo();
    EXPECT_EQ(buffer[0x30], 0x30);
    EXPECT_EQ(buffer[0x31], 0x31);
    EXPECT_FALSE(edit.canUndo());
    edit.setSelection(0x00, 0x02);
    key(Qt::Key_Delete);
    EXPECT_EQ(buffer[0x01], 0xFF);
    edit.setData(buffer.data(), int(buffer.size()));
    EXPECT_FALSE(edit.canUndo()) << "new data starts a new history";
}

TEST_F(HexEditTest, TheViewScrollsToTheCaretAndPaintsRowsOfSixteen)
{
    edit.setCaret(0);
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(edit.caret(), 255);
    EXPECT_GT(edit.firstVisibleRow(), 0);
    const int rowsShown = edit.viewport()->height() / edit.fontMetrics().height();
    EXPECT_GE(edit.firstVisibleRow() + rowsShown, 16) << "the last row is in view";
    edit.ensureVisible(0);
    EXPECT_EQ(edit.firstVisibleRow(), 0);
    edit.setHighlight(3, 5);
    const QImage image = edit.grab().toImage();
    EXPECT_FALSE(image.isNull());
}
