#pragma once
// The print preview: the printed pages of the document with a tool bar to print, page forward and
// back, show one or two pages, zoom in and out, and close. Button texts come from the language
// section "PrintPreview-Dialog".

#include <QDialog>

class CHVXDoc;
class QPrinter;
class QPrintPreviewWidget;
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

Q_SIGNALS:
    // "Drucken..." asks for the print dialog; the preview then closes.
    void printRequested();

private:
    void updateButtons();
    void applyZoom();

    const CHVXDoc& m_doc;
    QPrintPreviewWidget* m_preview = nullptr;
    QLabel* m_seitenText = nullptr;
    bool m_twoPages = false;
    int m_zoom = 0; // 0 = whole page, then larger
};

} // namespace hvx::gui
