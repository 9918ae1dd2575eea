#include "GuiTestSupport.h"

#include <QDialog>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace hvx::test {

QApplication& guiApp()
{
    static int argc = 1;
    static char name[] = "hvx_gui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

namespace {
// Every window test needs the application before its first widget.
const bool g_applicationReady = (guiApp(), true);
} // namespace

namespace detail {

void pollModal(std::function<bool(QWidget*)> tryAction, int attemptsLeft)
{
    QTimer::singleShot(10, [tryAction, attemptsLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && tryAction(modal))
            return;
        if (attemptsLeft > 0)
            pollModal(tryAction, attemptsLeft - 1);
        else
            ADD_FAILURE() << "The expected dialog did not open";
    });
}

} // namespace detail

void closeModalDialogs()
{
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
}

void writeTextFile(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

} // namespace hvx::test
