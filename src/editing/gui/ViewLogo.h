#pragma once
// The logo in the background of the editing view: an SVG file beside the program, placed by the
// "Options" settings. Printing uses the same file and width.

#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

class CViewLogo {
public:
    CViewLogo();
    ~CViewLogo();

    // Reads "LogoFileEMF", "LogoWidth", "LogoPosX" and "LogoPosY"; a missing or unreadable
    // file leaves the logo out.
    void load();
    bool isLoaded() const;
    QString filePath() const { return m_strFile; }
    // The rectangle at (LogoPosX, LogoPosY), LogoWidth wide, as high as the picture's
    // width-to-height ratio asks.
    // offset: how far the view's bottom-right corner lies beyond that of the designed window
    // size, so that the logo keeps its place relative to that corner when the window grows.
    QRectF placement(QPointF offset = {}) const;
    void paint(QPainter& painter, QPointF offset = {}) const;

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QString m_strFile;
    int m_nWidth = 0;
    int m_nPosX = 0;
    int m_nPosY = 0;
};
