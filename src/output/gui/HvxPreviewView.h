#pragma once
// The print preview: the printed pages of the document with a tool bar to print, page forward and
// back, show one or two pages, zoom in and out (also by a click on a page, under the zoom cursor),
// and close. Button texts come from the language section "PrintPreview-Dialog". Page Down and
// Page Up turn the pages, Home and End go to the first and the last; in a zoomed page they
// scroll it, as in any view.

#include <QDialog>

class CHVXDoc;
class QPrinter;
class QPrintPreviewWidget;
class QGraphicsView;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace hvx::gui {

class CHvxPreviewView : public QDialog {
    Q_OBJECT
public:
    // ids of the tool bar buttons (their keys in the language file)
    enum : int {
        kIdClose = 58112,
        kIdOneTwoPages = 58113,
        kIdNext = 58114,
        kIdPrevious = 58115,
        kIdPrint = 58116,
        kIdZoomIn = 58117,
        kIdZoomOut = 58118,
    };

    CHvxPreviewView(const CHVXDoc& doc, QPrinter& printer, QWidget* parent = nullptr);
    ~CHvxPreviewView() override;

    int currentPage() const;
    int pageCount() const;
    bool twoPages() const { return m_twoPages; }
    int zoomLevel() const { return m_zoom; }
    QPushButton* button(int id) const;
    QString pageText() const;

    void next();
    void previous();
    void toggleTwoPages();
    void zoomIn();
    void zoomOut();
    // The area of the pages: over a page it shows the zoom cursor, and a click on a page zooms one
    // step in around that point, from the largest step back to the whole page.
    QWidget* pageArea() const;

Q_SIGNALS:
    // "Drucken..." asks for the print dialog; the preview then closes.
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Turns the pages for Page Down, Page Up, Home and End; false for any other key.
    bool blaettere(int taste);
    bool ueberSeite(QPoint stelle) const;
    void zoomAt(QPoint stelle);
    void updateButtons();
    void applyZoom();

    const CHVXDoc& m_doc;
    QPrintPreviewWidget* m_preview = nullptr;
    QGraphicsView* m_ansicht = nullptr; // inside m_preview
    QLabel* m_seitenText = nullptr;
    bool m_twoPages = false;
    int m_zoom = 0; // 0 = whole page, then larger
};

} // namespace hvx::gui
