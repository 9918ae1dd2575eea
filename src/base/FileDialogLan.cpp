#include "base/FileDialogLan.h"

#include "base/HvxApp.h"
#include "base/Language.h"

#include <QFileInfo>

namespace hvx {

std::optional<QString> FileDialogLan(bool open, const QString& directory, int titleNumber, int filterNumber,
                                     const QString& extension, const QString& fileName, const QString& allFiles)
{
    FileChoice choice;
    choice.open = open;
    choice.title = GetStringsText(titleNumber);
    choice.filterDescription = GetStringsText(filterNumber);
    choice.extension = extension;
    choice.directory = directory;
    choice.fileName = fileName;
    choice.allFiles = allFiles;
    return theApp().ui().chooseFile(choice);
}

QString ProposedFileName(const QString& documentPath, const QString& extension, const QDate& today)
{
    const QString name = documentPath.isEmpty() ? today.toString(QStringLiteral("yyyyMMdd"))
                                                : QFileInfo(documentPath).completeBaseName();
    return name + QLatin1Char('.') + extension;
}

} // namespace hvx
