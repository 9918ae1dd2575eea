#pragma once
// The title bitmap shown over the main window at start-up, until its time runs out or the user
// clicks or presses a key.

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>

class CTitleWnd : public QWidget {
    Q_OBJECT
public:
    CTitleWnd(const QImage& image, QWidget* parent);

    // Reads a Windows bitmap file as the title needs it. nullopt when it cannot be opened (no
    // message); otherwise the image, or a null image with the number of the message to show.
    struct Loaded {
        QImage image;
        int messageId = 0;
    };
    static std::optional<Loaded> LoadBitmapFile(const QString& path);

    // Which bitmap setting a screen of this colour depth uses; none below 256 colours.
    enum class BitmapChoice { None, Colours256, TrueColour };
    static BitmapChoice BitmapForDepth(int bitsPerPixel);

    // The whole title display over the frame: settings, colour depth, file, wait. Returns
    // whether a title was shown.
    static bool ShowTitle(QWidget* frame);

    // Waits up to milliseconds for a mouse press or key press anywhere in the program.
    static void WaitForDismissal(int milliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
