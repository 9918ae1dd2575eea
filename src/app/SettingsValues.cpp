#include "app/SettingsValues.h"

#include "base/HvxApp.h"

#include <QRegularExpression>

namespace hvx {
namespace {

QString sectionOf(const settings::Text& row)
{
    return QLatin1String(row.section);
}

QString nameOf(const settings::Text& row)
{
    return QLatin1String(row.name);
}

const DirectoryRow kDirectories[] = {
    {settings::kWorkDir, &CHVXApp::m_strWorkDir},     {settings::kBackupDir, &CHVXApp::m_strBackupDir},
    {settings::kExportDir, &CHVXApp::m_strExportDir}, {settings::kMessdatDir, &CHVXApp::m_strMessdatDir},
    {settings::kAlarmdatDir, &CHVXApp::m_strAlarmdatDir},
};
static_assert(std::size(kDirectories) == std::tuple_size_v<decltype(DirectoryValues::paths)>);

} // namespace

std::span<const DirectoryRow> DirectoryRows()
{
    return kDirectories;
}

DirectoryValues DirectoryValues::Load(CHVXApp& app)
{
    DirectoryValues values;
    for (size_t i = 0; i < values.paths.size(); ++i)
        values.paths.at(i) = app.GetProfileString(sectionOf(kDirectories[i].setting), nameOf(kDirectories[i].setting), QString());
    return values;
}

void DirectoryValues::Store(CHVXApp& app) const
{
    for (size_t i = 0; i < paths.size(); ++i)
        app.WriteProfileString(sectionOf(kDirectories[i].setting), nameOf(kDirectories[i].setting), paths.at(i));
}

void ReloadDirectories(CHVXApp& app)
{
    for (const DirectoryRow& row : kDirectories)
        app.*row.member = app.GetStringSetting(row.setting, QString());
}

const std::array<const settings::Int*, PrintMarginValues::kCount>& PrintMarginValues::Rows()
{
    static const std::array<const settings::Int*, kCount> rows = {
        &settings::kPrintLeft, &settings::kPrintRightForOptions, &settings::kPrintIndent1, &settings::kPrintIndent2,
        &settings::kPrintIndent3ForOptions};
    return rows;
}

PrintMarginValues PrintMarginValues::Load(CHVXApp& app)
{
    PrintMarginValues margins;
    for (size_t i = 0; i < margins.values.size(); ++i)
        margins.values.at(i) = app.GetIntSetting(*Rows().at(i));
    return margins;
}

PrintMarginValues PrintMarginValues::Defaults()
{
    PrintMarginValues margins;
    for (size_t i = 0; i < margins.values.size(); ++i)
        margins.values.at(i) = Rows().at(i)->defaultValue;
    return margins;
}

void PrintMarginValues::Store(CHVXApp& app) const
{
    for (size_t i = 0; i < values.size(); ++i)
        app.WriteProfileInt(QLatin1String(Rows().at(i)->section), QLatin1String(Rows().at(i)->name), values.at(i));
}

LogOptionValues LogOptionValues::Load(CHVXApp& app)
{
    LogOptionValues options;
    options.directory = app.GetProfileString(sectionOf(settings::kLogDir), nameOf(settings::kLogDir), QString());
    options.level = app.GetProfileInt(QLatin1String(settings::kLogLevel.section), QLatin1String(settings::kLogLevel.name),
                                      settings::kLogLevel.defaultValue);
    return options;
}

void LogOptionValues::Store(CHVXApp& app) const
{
    app.WriteProfileString(sectionOf(settings::kLogDir), nameOf(settings::kLogDir), directory);
    app.WriteProfileInt(QLatin1String(settings::kLogLevel.section), QLatin1String(settings::kLogLevel.name), level);
}

std::optional<int> ParseWholeNumber(const QString& text)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    if (!wholeNumber.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool StoreValidPages(std::span<ISettingsPage* const> pages)
{
    bool allValid = true;
    for (ISettingsPage* page : pages) {
        if (page->OnOK())
            page->Store();
        else
            allValid = false;
    }
    return allValid;
}

} // namespace hvx
