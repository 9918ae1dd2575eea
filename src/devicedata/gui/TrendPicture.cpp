#include "devicedata/gui/TrendPicture.h"

#include "base/WholeFile.h"
#include "devicedata/gui/MesswertTrend.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace hvx::gui {
namespace {

constexpr int kPdfResolution = 96; // one pixel of the chart is one dot of the page

void Paint(CMesswertTrend& trend, QPaintDevice& device, QSize size)
{
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    trend.scene()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), trend.chart()->sceneBoundingRect());
}

QByteArray Picture(CMesswertTrend& trend, PictureFormat format, QSize size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case PictureFormat::Png: {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        Paint(trend, image, size);
        image.save(&buffer, "PNG");
        break;
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        Paint(trend, svg, size);
        break;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setPageSize(QPageSize(QSizeF(size.width() * 72.0 / kPdfResolution, size.height() * 72.0 / kPdfResolution),
                                  QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        Paint(trend, pdf, size);
        break;
    }
    }
    return buffer.data();
}

} // namespace

bool WriteTrendPicture(MessdatenSpalten data, const QString& path, QSize size,
                       std::optional<std::pair<double, double>> range, QString* cause)
{
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format)
        return false;
    CMesswertTrend trend;
    trend.setAttribute(Qt::WA_DontShowOnScreen);
    trend.setFrameShape(QFrame::NoFrame);
    trend.resize(size);
    // The chart takes the picture's size itself: the view is never shown, so no window is made
    // for it (a window system without one would only complain).
    trend.chart()->resize(QSizeF(size));
    trend.SetData(std::move(data));
    if (range)
        trend.ShowRange(range->first, range->second);
    // The chart lays itself out in the event loop; the labels it then has can narrow the plot
    // once more.
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::processEvents();
        trend.RedrawNow();
    }
    QCoreApplication::processEvents();
    return WriteWholeFile(path, Picture(trend, *format, size), cause);
}

} // namespace hvx::gui
