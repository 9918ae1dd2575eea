// hvxcli diff: two parameter sets compared in page fields, from two files or from a file and the
// instrument (read as hvxcli read reads it; nothing is written anywhere).
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "base/Language.h"
#include "document/HVXDoc.h"
#include "editing/Vergleich.h"
#include "link/RemoteProgramming.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption, {"json", false}};

const char* gruppenName(Unterschiedsgruppe g)
{
    switch (g) {
    case Unterschiedsgruppe::Feld: return "field";
    case Unterschiedsgruppe::Kalibrierung: return "calibration";
    case Unterschiedsgruppe::Byte: return "bytes";
    }
    return "";
}

QString alsJson(const Vergleich& v, const QString& nameA, const QString& nameB)
{
    QJsonArray liste;
    for (const Unterschied& u : v.unterschiede) {
        QJsonObject o{{QStringLiteral("group"), QLatin1String(gruppenName(u.gruppe))},
                      {QStringLiteral("key"), u.schluessel},
                      {QStringLiteral("page"), u.seite},
                      {QStringLiteral("label"), u.beschriftung},
                      {QStringLiteral("a"), u.wertA},
                      {QStringLiteral("b"), u.wertB},
                      {QStringLiteral("unit"), u.einheit}};
        if (u.offset >= 0) {
            o.insert(QStringLiteral("offset"), u.offset);
            o.insert(QStringLiteral("length"), u.laenge);
        }
        liste.append(o);
    }
    const QJsonObject ganzes{{QStringLiteral("a"), nameA},
                             {QStringLiteral("b"), nameB},
                             {QStringLiteral("equal"), v.gleich()},
                             {QStringLiteral("differences"), liste}};
    return QString::fromUtf8(QJsonDocument(ganzes).toJson(QJsonDocument::Indented));
}

// A look at a file: a code in force does not stop it, as with get.
bool leseDatei(const QString& path, Parametersatz& ps, CliIo& io)
{
    CHVXDoc doc;
    if (!OpenExistingFile(doc, path, io, false))
        return false;
    ps = doc.parametersatz();
    return true;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const bool amGeraet = arguments.has(kPortOption.name);
    if (arguments.positional.size() != (amGeraet ? 1 : 2))
        return Fail(io, GetStringsText(kTextDiffArguments));
    if (!ApplyPortOption(arguments, io))
        return CommandResult::Failed;

    // Against the instrument: A is the instrument, B the file, so that the table reads as what a
    // transfer of the file would change.
    Parametersatz a;
    Parametersatz b;
    const QString nameA = amGeraet ? geraeteseite() : arguments.positional.at(0);
    const QString nameB = arguments.positional.last();
    if (!leseDatei(nameB, b, io))
        return CommandResult::Failed;
    if (amGeraet ? !ReadInstrumentParameters(a) : !leseDatei(nameA, a, io))
        return CommandResult::Failed;

    const Vergleich v = vergleiche(a, b);
    io.out << (arguments.has("json") ? alsJson(v, nameA, nameB) : vergleichsTabelle(v, nameA, nameB));
    io.out.flush();
    return v.gleich() ? CommandResult::Ok : CommandResult::Different;
}

} // namespace

const CliCommand& DiffCommand()
{
    static const CliCommand command{"diff", kHelpDiff, kOptions, run};
    return command;
}

} // namespace hvx::cli
