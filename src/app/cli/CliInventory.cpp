// hvxcli inventory: one row per configuration file of the folders named, for a service company's
// archive of plants: who, where, which modules, when made and last transferred. A file that
// cannot be read gets a row with its cause and the listing goes on.
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "document/ConfigFileSummary.h"
#include "document/HVXDoc.h"
#include "model/Modulnamen.h"
#include "model/Reglerart.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <map>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {{"recursive", false}, {"json", false}, {"csv", false}};

// Lines of the multi-line texts share one cell.
const QString kLineJoint = QStringLiteral(" / ");

// The configuration files an argument names: the *.hxd files of a folder (and of its sub
// folders), sorted by path, or the argument itself when it is a file.
QStringList configFiles(const QString& argument, bool recursive)
{
    if (QFileInfo(argument).isFile())
        return {argument};
    QStringList files;
    QDirIterator it(argument, {QStringLiteral("*.") + QLatin1String(CHVXDoc::kFileExtension)}, QDir::Files | QDir::Hidden,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files << it.next();
    std::sort(files.begin(), files.end());
    return files;
}

// Texts looked up once per run: a thousand files name the same few modules and revisions.
class Texts {
public:
    QString accessCode(bool active) { return active ? m_on : m_off; }
    QString revision(quint8 kennung) { return cached(m_revisions, kennung, [&] { return RevisionWithCode(kennung); }); }
    QString module(const ConfigFileSummary& s, int slot)
    {
        const quint8 typ = s.modultypen[size_t(slot)];
        const int art = s.reglerarten[size_t(slot)];
        const int familie = s.geraetekennung >> 4;
        return cached(m_modules, (familie << 16) | (typ << 8) | (art & 0xFF), [&] { return ModuleText(typ, art, familie); });
    }

private:
    template <typename F>
    static QString cached(std::map<int, QString>& cache, int key, F&& make)
    {
        auto it = cache.find(key);
        if (it == cache.end())
            it = cache.emplace(key, make()).first;
        return it->second;
    }
    const QString m_on = GetStringsText(kTextInfoAccessCodeOn);
    const QString m_off = GetStringsText(kTextInfoAccessCodeOff);
    std::map<int, QString> m_revisions;
    std::map<int, QString> m_modules;
};

// One row: the cells of a read file, or the path and the cause.
struct Row {
    QString path;
    QString error;
    QStringList cells; // after the path: serial .. access code
    ConfigFileSummary summary;
};

enum Column { kSerial, kCustomer, kSite, kRemark, kRevision, kModule1, kModule2, kModule3, kCreated, kTransferred, kAccessCode, kColumnCount };

// Table headings (the labels of hvxcli info without their colon) and the keys of CSV and JSON.
struct ColumnName {
    int text;
    const char* key;
};
constexpr ColumnName kPathColumn{kTextInfoFile, "path"};
constexpr ColumnName kColumns[kColumnCount] = {
    {kTextInfoSerial, "serial"},       {kTextInfoCustomer, "customer"}, {kTextInfoSite, "site"},
    {kTextInfoRemark, "remark"},       {kTextInfoRevision, "revision"}, {kTextInfoModule, "module1"},
    {kTextInfoModule, "module2"},      {kTextInfoModule, "module3"},    {kTextInfoCreated, "created"},
    {kTextInfoTransferred, "transferred"}, {kTextInfoAccessCode, "accessCode"},
};
constexpr const char* kErrorKey = "error";

QString heading(const ColumnName& column, int index)
{
    const QString text = GetStringsText(column.text);
    return LabelWithoutColon(column.text == kTextInfoModule ? text.arg(index - kModule1 + 1) : text);
}

QString oneLine(const QString& text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QString(text).replace(QStringLiteral("\r\n"), kLineJoint).replace(QLatin1Char('\n'), kLineJoint).replace(QLatin1Char('\r'), kLineJoint);
}

Row rowOf(const ConfigFileSummary& s, Texts& texts)
{
    Row row{s.path, s.error, {}, s};
    if (!s.error.isEmpty())
        return row;
    row.cells = QStringList(kColumnCount, QString());
    row.cells[kSerial] = oneLine(s.texts.seriennummer);
    row.cells[kCustomer] = oneLine(s.texts.kunde);
    row.cells[kSite] = oneLine(s.texts.standort);
    row.cells[kRemark] = FirstLine(s.texts.bemerkung);
    row.cells[kRevision] = texts.revision(s.geraetekennung);
    for (int slot = 0; slot < 3; ++slot)
        row.cells[kModule1 + slot] = texts.module(s, slot);
    row.cells[kCreated] = StampText(s.stamps[configfile::kStampCreated]);
    row.cells[kTransferred] = StampText(s.stamps[configfile::kStampTransferred]);
    row.cells[kAccessCode] = texts.accessCode(s.zugangscodeAktiv);
    return row;
}

QString tableText(const std::vector<Row>& rows)
{
    QStringList headings{heading(kPathColumn, -1)};
    for (int c = 0; c < kColumnCount; ++c)
        headings << heading(kColumns[c], c);
    std::vector<qsizetype> widths;
    for (const QString& h : headings)
        widths.push_back(h.size());
    for (const Row& row : rows) {
        widths[0] = std::max(widths[0], row.path.size());
        for (qsizetype c = 0; c < row.cells.size(); ++c)
            widths[size_t(c + 1)] = std::max(widths[size_t(c + 1)], row.cells[c].size());
    }
    const auto line = [&widths](const QStringList& cells) -> QString {
        QString text;
        for (qsizetype c = 0; c < cells.size(); ++c)
            text += c + 1 < cells.size() ? cells[c].leftJustified(widths[size_t(c)] + 2) : cells[c];
        return text.trimmed() + QLatin1Char('\n');
    };
    QString text = line(headings);
    for (const Row& row : rows) {
        // The cause of an unreadable file stands where its serial number would.
        text += row.error.isEmpty() ? line(QStringList{row.path} + row.cells)
                                    : line({row.path, GetStringsText(kTextInventoryError) + QStringLiteral(": ") + row.error});
    }
    return text;
}

QString csvCell(const QString& text)
{
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char('"') || c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
    if (plain)
        return text;
    QString quoted = text;
    return QLatin1Char('"') + quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString csvText(const std::vector<Row>& rows)
{
    QStringList keys{QLatin1String(kPathColumn.key)};
    for (const ColumnName& column : kColumns)
        keys << QLatin1String(column.key);
    keys << QLatin1String(kErrorKey);
    QString text = keys.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const Row& row : rows) {
        QStringList cells{row.path};
        cells += row.error.isEmpty() ? row.cells : QStringList(kColumnCount, QString());
        if (row.error.isEmpty())
            cells[kAccessCode + 1] = QLatin1String(row.summary.zugangscodeAktiv ? "yes" : "no");
        cells << row.error;
        for (QString& cell : cells)
            cell = csvCell(cell);
        text += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text;
}

QJsonValue jsonText(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonObject jsonRow(const Row& row, Texts& texts)
{
    QJsonObject o{{QLatin1String(kPathColumn.key), row.path}};
    if (!row.error.isEmpty()) {
        o.insert(QLatin1String(kErrorKey), row.error);
        return o;
    }
    const ConfigFileSummary& s = row.summary;
    const auto lines = [](const QString& t) { return QString(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); };
    o.insert(QStringLiteral("serial"), lines(s.texts.seriennummer));
    o.insert(QStringLiteral("customer"), lines(s.texts.kunde));
    o.insert(QStringLiteral("site"), lines(s.texts.standort));
    o.insert(QStringLiteral("remark"), row.cells[kRemark]);
    o.insert(QStringLiteral("revision"), texts.revision(s.geraetekennung));
    QJsonArray modules;
    for (int slot = 0; slot < 3; ++slot) {
        const quint8 typ = s.modultypen[size_t(slot)];
        modules.append(QJsonObject{{QStringLiteral("slot"), slot + 1},
                                   {QStringLiteral("type"), typ},
                                   {QStringLiteral("module"), modulName(typ, s.geraetekennung >> 4)},
                                   {QStringLiteral("controller"), jsonText(typ == modultyp::kKein ? QString() : reglerartName(s.reglerarten[size_t(slot)]))}});
    }
    o.insert(QStringLiteral("modules"), modules);
    o.insert(QStringLiteral("created"), jsonText(row.cells[kCreated]));
    o.insert(QStringLiteral("transferred"), jsonText(row.cells[kTransferred]));
    o.insert(QStringLiteral("accessCodeActive"), s.zugangscodeAktiv);
    return o;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.isEmpty())
        return Fail(io, GetStringsText(kTextInventoryNoFolder));
    if (arguments.has("json") && arguments.has("csv"))
        return Fail(io, GetStringsText(kTextInventoryOneFormat));

    Texts texts;
    std::vector<Row> rows;
    int failures = 0;
    for (const QString& argument : arguments.positional) {
        ConfigFileSummary missing;
        missing.path = argument;
        if (!QFileInfo(argument).isDir() && !QFileInfo(argument).isFile()) {
            missing.error = GetStringsText(kTextInventoryNoSuchFolder).arg(argument);
            missing.errorBit = kErrOpenException;
            rows.push_back(rowOf(missing, texts));
        }
        for (const QString& path : configFiles(argument, arguments.has("recursive")))
            rows.push_back(rowOf(SummarizeConfigFile(path), texts));
    }
    for (const Row& row : rows) {
        if (row.error.isEmpty())
            continue;
        ++failures;
        LogEntry(1, QStringLiteral("hvxcli::inventory"), row.path + QStringLiteral(": ") + row.error);
        theApp().SetErrorCode(kErrorAreaConfigFile, row.summary.errorBit);
    }

    if (arguments.has("json")) {
        QJsonArray list;
        for (const Row& row : rows)
            list.append(jsonRow(row, texts));
        io.out << QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented));
    } else {
        io.out << (arguments.has("csv") ? csvText(rows) : tableText(rows));
    }
    io.out.flush();
    io.err << GetStringsText(kTextInventoryCount).arg(rows.size()).arg(failures) << Qt::endl;
    return failures == 0 ? CommandResult::Ok : CommandResult::Failed;
}

} // namespace

const CliCommand& InventoryCommand()
{
    static const CliCommand command{"inventory", kHelpInventory, kOptions, run};
    return command;
}

} // namespace hvx::cli
