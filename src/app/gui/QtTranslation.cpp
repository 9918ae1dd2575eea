#include "app/gui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace hvx::gui {
namespace {

struct LanguageLocale {
    const char* displayName;
    const char* locale;
};

constexpr LanguageLocale kLocales[] = {
    {"Deutsch", "de"}, {"English", "en"}, {"Francais", "fr"}, {"Français", "fr"}, {"Espanol", "es"},
    {"Español", "es"}, {"Italiano", "it"}, {"Nederlands", "nl"}, {"Polski", "pl"}, {"Cesky", "cs"},
};

std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QString LocaleOfLanguageFolder(const QString& folder)
{
    const QString name = folder.mid(3);
    for (const LanguageLocale& entry : kLocales) {
        if (name.compare(QString::fromUtf8(entry.displayName), Qt::CaseInsensitive) == 0)
            return QLatin1String(entry.locale);
    }
    return QString();
}

void InstallQtTranslation(const QString& folder)
{
    std::unique_ptr<QTranslator>& current = installed();
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    // Without a language the program speaks its built-in German.
    const QString locale = folder.isEmpty() ? QStringLiteral("de") : LocaleOfLanguageFolder(folder);
    if (locale.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        current = std::move(translator);
    }
}

} // namespace hvx::gui
