#pragma once
// A hex view of a byte buffer that the owner keeps: rows of bytes with an address column, a hex
// column and optionally a character column. The user places the caret and selects bytes with the
// mouse and the keyboard, overwrites the nibble at the caret by typing a hex digit, and has the
// standard edit commands (undo, cut, copy, paste, delete, select all) in a context menu. The
// buffer's length never changes: cut and delete fill the bytes with the fill byte, paste
// overwrites from the selection's start. The clipboard carries the bytes in the private format
// "BinaryData" and as hex text.

#include <QAbstractScrollArea>
#include <QByteArray>
#include <utility>
#include <vector>

class QMenu;

class CHexEdit : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr const char* kBinaryMimeType = "BinaryData";

    explicit CHexEdit(QWidget* parent = nullptr);

    struct Options {
        int bytesPerRow = 16;
        bool addressColumn = true;
        bool hexColumn = true;
        bool charColumn = false;
        int addressDigits = 4; // 4 or 8
    };
    void setOptions(const Options& options);
    const Options& options() const { return m_options; }

    // The buffer shown and edited; not owned, it must outlive the view or be replaced. Caret to
    // the first byte; selection, highlight and undo are cleared.
    void setData(quint8* data, int length);
    quint8* data() const { return m_data; }
    int length() const { return m_length; }
    // Copies the bytes as edited into out (up to length bytes), for an owner that keeps its own.
    void copyData(quint8* out, int length) const;
    // Bytes written by cut and delete.
    void setFillByte(quint8 fill) { m_fill = fill; }

    // (start, end) with end exclusive, or (-1, -1) when nothing is selected.
    std::pair<int, int> selection() const;
    void setSelection(int start, int end);
    int caret() const { return m_caret; }
    bool caretOnLowNibble() const { return m_lowNibble; }
    void setCaret(int offset);
    // Bytes first .. end - 1 drawn marked (an operation's progress); (-1, -1) for none.
    void setHighlight(int first, int end);
    std::pair<int, int> highlight() const { return {m_highlightFirst, m_highlightEnd}; }
    // Scrolls so that the byte's row is visible.
    void ensureVisible(int offset);
    int firstVisibleRow() const;

    bool canUndo() const { return !m_undo.empty(); }
    void clearUndo() { m_undo.clear(); }

public Q_SLOTS:
    void undo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();

Q_SIGNALS:
    void edited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Edit {
        int offset;
        QByteArray before;
        int caret;
        bool lowNibble;
    };

    int rows() const;
    int rowHeight() const;
    int charWidth() const;
    int hexColumnX() const;
    int charColumnX() const;
    int contentWidth() const;
    void updateScrollBars();
    // The byte under a viewport point, or -1.
    int offsetAt(const QPoint& point) const;
    // Moves the caret; with extend the selection runs from the anchor to the new caret.
    void moveCaret(int offset, bool lowNibble, bool extend);
    void clearSelection();
    // Overwrites bytes from offset (clipped at the end), recording the old bytes for undo.
    void overwrite(int offset, const QByteArray& bytes);
    void typeNibble(int value);
    QByteArray selectedBytes() const;

    Options m_options;
    quint8* m_data = nullptr;
    int m_length = 0;
    quint8 m_fill = 0x00;
    int m_caret = 0;
    bool m_lowNibble = false;
    int m_anchor = -1;
    int m_selStart = -1;
    int m_selEnd = -1;
    int m_highlightFirst = -1;
    int m_highlightEnd = -1;
    std::vector<Edit> m_undo;
};
