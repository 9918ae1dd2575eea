#include "app/gui/DesktopMail.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

namespace hvx::gui {
namespace {
bool haveXdgTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty();
}
} // namespace

bool DesktopMailClient::HasMailProgram()
{
    // Without the tools nobody can say beforehand; the desktop's answer to the address decides.
    return haveXdgTools() ? XdgMailClient::HasMailProgram() : true;
}

bool DesktopMailClient::OpenMail(const SupportMail& mail)
{
    if (haveXdgTools())
        return XdgMailClient::OpenMail(mail);
    return QDesktopServices::openUrl(QUrl(MailtoUrl(mail)));
}

} // namespace hvx::gui
