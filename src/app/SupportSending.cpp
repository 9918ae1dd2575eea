#include "app/SupportSending.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <optional>

namespace hvx {
namespace {

enum Text : int {
    kSupportAddress = 373,
    kSubject = 374,
    kBody = 375,
    kCopied = 377,
    kNoMailProgram = 3004,
    kSaveTitle = 3005,
    kSupportFiles = 3006,
    kCopyFailed = 3007,
};

constexpr int kQueryTimeoutMs = 5000;

// The output of a desktop query tool, or nullopt when it is missing or fails.
std::optional<QString> queryTool(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(kQueryTimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool copyFile(const QString& source, const QString& target)
{
    QFile in(source);
    return in.open(QIODevice::ReadOnly) && WriteWholeFile(target, in.readAll());
}

} // namespace

QString SupportMailBody(const QString& format, const QString& supportFile)
{
    QString body;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        bool isEscape = false;
        const int code = format.mid(i + 2, 2).toInt(&isEscape, 16);
        if (c == u'%' && format.mid(i, 2) == QLatin1String("%%") && format.size() >= i + 4 && isEscape) {
            body += QChar(code);
            i += 3;
        } else if (c == u'%' && format.mid(i, 2) == QLatin1String("%s")) {
            body += supportFile;
            ++i;
        } else if (c == u'%' && format.mid(i, 2) == QLatin1String("%%")) {
            body += u'%';
            ++i;
        } else {
            body += c;
        }
    }
    return body;
}

SupportMail SupportMailFor(const QString& supportFile)
{
    SupportMail mail;
    mail.address = theApp().GetStringSetting(settings::kMailto, GetStringsText(kSupportAddress));
    mail.subject = GetStringsText(kSubject);
    mail.body = SupportMailBody(GetStringsText(kBody), supportFile);
    mail.attachment = supportFile;
    return mail;
}

QString MailtoUrl(const SupportMail& mail)
{
    return QStringLiteral("mailto:") + QString::fromUtf8(QUrl::toPercentEncoding(mail.address, "@"))
        + QStringLiteral("?subject=") + QString::fromUtf8(QUrl::toPercentEncoding(mail.subject))
        + QStringLiteral("&body=") + QString::fromUtf8(QUrl::toPercentEncoding(mail.body));
}

bool XdgMailClient::HasMailProgram()
{
    const auto handler = queryTool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                               QStringLiteral("x-scheme-handler/mailto")});
    return handler.has_value() && !handler->isEmpty();
}

bool XdgMailClient::OpenMail(const SupportMail& mail)
{
    // Started on its own: the mail program it opens lives on after this program.
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    return !tool.isEmpty()
        && QProcess::startDetached(tool, {QStringLiteral("--subject"), mail.subject, QStringLiteral("--body"), mail.body,
                                          QStringLiteral("--attach"), mail.attachment, mail.address});
}

bool OfferSupportFile(const QString& supportFile, IMailClient& client)
{
    if (client.HasMailProgram()) {
        const SupportMail mail = SupportMailFor(supportFile);
        if (client.OpenMail(mail))
            return true;
        LogEntry(0, QStringLiteral("ShellExecute::mailto"), MailtoUrl(mail));
        LogInt(0, QStringLiteral("ShellExecute::mailto"), 0);
    }

    IUserInteraction& ui = theApp().ui();
    if (ui.isBatch())
        return false; // nobody could choose a folder
    const QString question = GetStringsText(kNoMailProgram).replace(QLatin1String("%s"), supportFile);
    FileChoice choice;
    choice.open = false;
    choice.title = GetStringsText(kSaveTitle);
    choice.filterDescription = GetStringsText(kSupportFiles);
    choice.extension = QStringLiteral("spt");
    choice.directory = QDir::homePath();
    choice.fileName = QFileInfo(supportFile).fileName();
    for (;;) {
        if (LogMessageBox(question, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
            return false;
        const std::optional<QString> target = ui.chooseFile(choice);
        if (!target)
            continue;
        if (copyFile(supportFile, *target)) {
            LogEntryId(1, kCopied);
            return true;
        }
        LogMessageBox(GetStringsText(kCopyFailed).replace(QLatin1String("%s"), *target), MB_OK | MB_ICONEXCLAMATION);
    }
}

} // namespace hvx
