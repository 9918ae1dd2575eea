#include "app/gui/TitleWnd.h"

#include "base/HvxApp.h"
#include "base/Log.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;
constexpr int kTextCannotLoad = 244;
constexpr int kTextTooBig = 245;
constexpr unsigned kHelpContextTitle = 64;
constexpr int kMinDepth = 8;
constexpr int kTrueColourDepth = 24;

// Ends the wait at the first mouse press or key press, wherever it happens.
class DismissFilter : public QObject {
public:
    explicit DismissFilter(QEventLoop& loop) : m_loop(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::KeyPress:
            m_loop.quit();
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    QEventLoop& m_loop;
};

// A relative name is looked for in the current directory first, then beside the program, where
// the title bitmaps are installed.
QString resolveBitmapPath(const QString& name)
{
    if (QFileInfo(name).isAbsolute() || QFileInfo::exists(name))
        return name;
    return QDir(theApp().m_strProgDir).filePath(name);
}

} // namespace

CTitleWnd::CTitleWnd(const QImage& image, QWidget* parent)
    : QWidget(parent)
    , m_image(image)
{
    setObjectName(QStringLiteral("Title"));
    setFixedSize(image.size() + QSize(2, 2));
}

void CTitleWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QRect(1, 1, width() - 2, height() - 2), m_image);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

CTitleWnd::BitmapChoice CTitleWnd::BitmapForDepth(int bitsPerPixel)
{
    if (bitsPerPixel < kMinDepth)
        return BitmapChoice::None;
    return bitsPerPixel >= kTrueColourDepth ? BitmapChoice::TrueColour : BitmapChoice::Colours256;
}

std::optional<CTitleWnd::Loaded> CTitleWnd::LoadBitmapFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.read(kFileHeaderSize);
    const QByteArray rest = file.readAll();
    Loaded loaded;
    loaded.messageId = kTextCannotLoad;
    if (header.size() != kFileHeaderSize || !header.startsWith("BM") || rest.size() != file.size() - kFileHeaderSize
        || rest.size() < 4)
        return loaded;
    const auto* info = reinterpret_cast<const uchar*>(rest.constData());
    const quint32 infoSize = qFromLittleEndian<quint32>(info);
    qint64 width = 0;
    qint64 height = 0;
    if (infoSize >= kInfoHeaderSize && rest.size() >= kInfoHeaderSize) {
        width = qFromLittleEndian<qint32>(info + 4);
        height = qFromLittleEndian<qint32>(info + 8);
    } else if (infoSize == kCoreHeaderSize && rest.size() >= kCoreHeaderSize) {
        width = qFromLittleEndian<quint16>(info + 4);
        height = qFromLittleEndian<quint16>(info + 6);
    } else {
        return loaded;
    }
    if (width < 0 || height < 0) {
        LogMessageBoxId(kTextTooBig, hvx::MB_OK | hvx::MB_ICONEXCLAMATION, kHelpContextTitle);
        return loaded;
    }
    if (!loaded.image.loadFromData(header + rest, "BMP"))
        return loaded;
    loaded.messageId = 0;
    return loaded;
}

bool CTitleWnd::ShowTitle(QWidget* frame)
{
    CHVXApp& app = theApp();
    const int seconds = app.GetIntSetting(hvx::settings::kTitletime);
    if (seconds <= 0)
        return false;
    const QScreen* screen = frame->screen() != nullptr ? frame->screen() : QGuiApplication::primaryScreen();
    const BitmapChoice choice = BitmapForDepth(screen != nullptr ? screen->depth() : 0);
    if (choice == BitmapChoice::None)
        return false;
    const QString name = choice == BitmapChoice::TrueColour ? app.GetStringSetting(hvx::settings::kBitmapFile24)
                                                            : app.GetStringSetting(hvx::settings::kBitmapFile256);
    const std::optional<Loaded> loaded = LoadBitmapFile(resolveBitmapPath(name));
    if (!loaded)
        return false;
    if (loaded->image.isNull()) {
        LogMessageBoxId(kTextCannotLoad, hvx::MB_OK | hvx::MB_ICONEXCLAMATION, kHelpContextTitle);
        return false;
    }
    CTitleWnd title(loaded->image, frame);
    title.move((frame->width() - title.width()) / 2, (frame->height() - title.height()) / 2);
    title.show();
    title.raise();
    frame->repaint();
    WaitForDismissal(seconds * 1000);
    return true;
}

void CTitleWnd::WaitForDismissal(int milliseconds)
{
    QEventLoop loop;
    DismissFilter filter(loop);
    qApp->installEventFilter(&filter);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    qApp->removeEventFilter(&filter);
}
