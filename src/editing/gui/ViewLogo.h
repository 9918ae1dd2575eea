#pragma once
// The logo in the background of the editing view: an SVG file beside the program, placed by the
// "Options" settings. Printing uses the same file and width.

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
    QRectF placement() const;
    void paint(QPainter& painter) const;

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QString m_strFile;
    int m_nWidth = 0;
    int m_nPosX = 0;
    int m_nPosY = 0;
};
