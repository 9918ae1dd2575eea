#pragma once
// Helpers of the window tests: the one QApplication of the test program, and acting on a modal
// dialog that a command opens (the test cannot reach it while exec() runs).

#include <QApplication>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

namespace hvx::test {

// The QApplication of the test program, created on first use (offscreen platform).
QApplication& guiApp();

// Runs action on the next modal dialog of type D once it is shown; gives up after a few seconds
// (the test then fails on what the dialog did not do).
template <typename D>
void whenModal(std::function<void(D*)> action);

// Closes every open modal dialog (after a failed expectation, so that the test does not hang).
void closeModalDialogs();

// Writes a text file (UTF-8).
void writeTextFile(const QString& path, const QString& text);

// Takes the URLs the program asks the desktop to open (see QDesktopServices::setUrlHandler).
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

namespace detail {
void pollModal(std::function<bool(QWidget*)> tryAction, int attemptsLeft);
}

template <typename D>
void whenModal(std::function<void(D*)> action)
{
    detail::pollModal(
        [action](QWidget* modal) {
            auto* dialog = qobject_cast<D*>(modal);
            if (dialog == nullptr || !dialog->isVisible())
                return false;
            action(dialog);
            return true;
        },
        300);
}

} // namespace hvx::test
