// The daily log book. Every entry opens the file, appends its whole line and closes it again, so
// the file can be read or copied at any time; a lock keeps lines of the two threads apart.
#include "base/HvxLogFile.h"

#include "base/HvxApp.h"
#include "base/Language.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <mutex>

namespace {

constexpr int kTextLogNotWritable = 366;
// One form for every line, whatever the language: log books of different days, sites and
// languages are read side by side, and a support request carries them.
const QString kDatePicture = QStringLiteral("dd.MM.yyyy");
const QString kTimePicture = QStringLiteral("hh:mm:ss");
std::mutex g_writeMutex;

// A failed write cannot go to the log book itself. In a batch run nobody could answer a box,
// so the message goes to standard error there.
void reportWriteFailure(int cause)
{
    const QString message = GetStringsText(kTextLogNotWritable).replace(QLatin1String("%d"), QString::number(cause));
    hvx::IUserInteraction& ui = theApp().ui();
    if (ui.isBatch()) {
        std::fprintf(stderr, "HVX: %s\n", message.toUtf8().constData());
        std::fflush(stderr);
    } else {
        ui.messageBox(message, hvx::MB_OK, 0);
    }
}

} // namespace

QString CHvxLogFile::FileNameFor(const QDateTime& day)
{
    const QDate date = day.date();
    return QString::asprintf("%04d%02d%02d.log", date.year(), date.month(), date.day());
}

void CHvxLogFile::SetLogDir(const QString& directory)
{
    QString path = directory;
    if (!path.isEmpty() && !path.endsWith(u'/') && !path.endsWith(u'\\'))
        path += u'/';
    m_strPath = path + FileNameFor(QDateTime::currentDateTime());
}

QString CHvxLogFile::FormatLine(const QDateTime& now, const QString& text, bool hasDetail, const QString& detail)
{
    const QLocale locale = QLocale::c();
    QString line = locale.toString(now.date(), kDatePicture) + u' ' + locale.toString(now.time(), kTimePicture) + u' ' + text;
    if (hasDetail) {
        line += u' ';
        const QString indentation(line.size(), u' ');
        // A detail's final line feeds end the entry; they must not leave a line of blanks.
        QString body = detail;
        while (body.endsWith(u'\n'))
            body.chop(1);
        line += body;
        line.replace(u'\n', u'\n' + indentation);
    }
    line += u'\n';
    return line;
}

void CHvxLogFile::Write(int level, const QString& text, bool hasDetail, const QString& detail)
{
    if (level > m_nLevel)
        return;
    const QByteArray line = FormatLine(QDateTime::currentDateTime(), text, hasDetail, detail).toUtf8();

    int failure = 0;
    {
        const std::lock_guard lock(g_writeMutex);
        QFile file(m_strPath);
        if (m_strPath.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Append))
            return; // no directory or no rights: the entry is dropped without a message
        const bool written = file.write(line) == line.size() && file.flush();
        if (!written)
            failure = static_cast<int>(file.error());
        file.close();
    }
    // Outside the lock, so that the other thread's entries are not held up by an open box.
    if (failure != 0)
        reportWriteFailure(failure);
}
