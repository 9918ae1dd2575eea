// Text lookup in the language files of the selected language, with the German string table
// built into the program as the fallback for numbered texts.
#include "base/Language.h"

#include "base/HvxApp.h"
#include "base/ProfileReader.h"

#include <QHash>
#include <cstddef>

extern const unsigned char kBuiltinGermanStringsLan[];
extern const std::size_t kBuiltinGermanStringsLanSize;
extern const unsigned char kBuiltinGermanMainLan[];
extern const std::size_t kBuiltinGermanMainLanSize;

namespace {

const QString kStringsSection = QStringLiteral("Strings");

hvx::ProfileContent parseBuiltin(const unsigned char* bytes, std::size_t size)
{
    return hvx::ProfileContent::parse(
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)));
}

const hvx::ProfileContent& builtinGermanStrings()
{
    static const hvx::ProfileContent content = parseBuiltin(kBuiltinGermanStringsLan, kBuiltinGermanStringsLanSize);
    return content;
}

const hvx::ProfileContent& builtinGermanMenu()
{
    static const hvx::ProfileContent content = parseBuiltin(kBuiltinGermanMainLan, kBuiltinGermanMainLanSize);
    return content;
}

} // namespace

QString GetLanText(const QString& section, const QString& key, const QString& file)
{
    return hvx::ReadLanText(file, section, key);
}

QString GetMenuText(const QString& section, const QString& key)
{
    // Before a language is chosen the built-in German texts speak, status bar and tool tips
    // included; a chosen language file decides alone.
    if (theApp().m_strMainLan.isEmpty())
        return hvx::UnescapeLanText(builtinGermanMenu().value(section, key));
    return GetLanText(section, key, theApp().m_strMainLan);
}

QString GetStringsText(int number)
{
    const QString text = hvx::ReadLanText(theApp().m_strStringsLan, kStringsSection, number);
    return text.isEmpty() ? BuiltinGermanText(number) : text;
}

QString GetDialogText(const QString& section, int id)
{
    return hvx::ReadLanText(theApp().m_strDialogLan, section, id);
}

QString GetDialogTextOr(const QString& section, int id, const QString& builtin)
{
    const QString text = GetDialogText(section, id);
    return text.isEmpty() ? builtin : text;
}

QString GetStringsTextForCount(qint64 count, int singular, int plural)
{
    return GetStringsText(count == 1 ? singular : plural);
}

QString LabelWithoutColon(const QString& label)
{
    QString text = label.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QString BuiltinGermanText(int number)
{
    // Unescaped once, at the first use: the table never changes.
    static const QHash<int, QString> texts = [] {
        QHash<int, QString> table;
        for (const QString& key : builtinGermanStrings().keys(kStringsSection)) {
            bool isNumber = false;
            const int n = key.toInt(&isNumber);
            if (isNumber)
                table.insert(n, hvx::UnescapeLanText(builtinGermanStrings().value(kStringsSection, key)));
        }
        return table;
    }();
    return texts.value(number);
}
