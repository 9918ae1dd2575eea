// hvxcli get and set: the fields of the editing pages by key, through the pages themselves.
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "base/FileLock.h"
#include "base/Language.h"
#include "document/HVXDoc.h"
#include "editing/Felder.h"
#include "editing/InputError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace hvx::cli {
namespace {

constexpr OptionDef kGetOptions[] = {{"json", false}};
constexpr OptionDef kSetOptions[] = {{"access-code", true}};

QJsonObject alsJson(const Feldangabe& f)
{
    QJsonObject o{{QStringLiteral("key"), f.schluessel},     {QStringLiteral("page"), f.seite},
                  {QStringLiteral("label"), f.beschriftung}, {QStringLiteral("value"), f.wert},
                  {QStringLiteral("unit"), f.einheit}};
    if (f.istListe)
        o.insert(QStringLiteral("choices"), QJsonArray::fromStringList(f.auswahl));
    return o;
}

QString alsZeile(const Feldangabe& f)
{
    QStringList teile{f.schluessel, f.beschriftung, f.wert};
    if (!f.einheit.isEmpty())
        teile << f.einheit;
    return teile.join(QLatin1Char('\t'));
}

CommandResult runGet(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.isEmpty())
        return Fail(io, GetStringsText(kTextOneFile));
    CHVXDoc doc;
    if (!OpenExistingFile(doc, arguments.positional.first(), io, false))
        return CommandResult::Failed;
    Bearbeitung bearbeitung(doc.parametersatz(), doc.accessGranted() != 0);
    const std::vector<Feldangabe> alle = felderAuflisten(bearbeitung);

    std::vector<Feldangabe> gewaehlt;
    const QStringList schluessel = arguments.positional.mid(1);
    if (schluessel.isEmpty())
        gewaehlt = alle;
    for (const QString& s : schluessel) {
        const auto it = std::find_if(alle.begin(), alle.end(), [&s](const Feldangabe& f) { return f.schluessel == s; });
        if (it == alle.end())
            return Fail(io, GetStringsText(kTextNoSuchField).arg(s));
        gewaehlt.push_back(*it);
    }
    if (arguments.has("json")) {
        QJsonArray liste;
        for (const Feldangabe& f : gewaehlt)
            liste.append(alsJson(f));
        io.out << QString::fromUtf8(QJsonDocument(liste).toJson(QJsonDocument::Indented));
        return CommandResult::Ok;
    }
    for (const Feldangabe& f : gewaehlt)
        io.out << alsZeile(f) << Qt::endl;
    return CommandResult::Ok;
}

// The message of a refused value: the page's own for a refused entry.
QString ablehnung(Setzergebnis ergebnis, const QString& schluessel, const QString& wert)
{
    switch (ergebnis) {
    case Setzergebnis::UnbekannterSchluessel: return GetStringsText(kTextNoSuchField).arg(schluessel);
    case Setzergebnis::Gesperrt: return GetStringsText(kTextFieldLocked).arg(schluessel);
    case Setzergebnis::KeineAuswahl: return GetStringsText(kTextNotAChoice).arg(schluessel, wert);
    case Setzergebnis::Eingabefehler:
    case Setzergebnis::Ok: break;
    }
    return GetStringsText(kTextFieldRefused).arg(schluessel, InputErrorText(inputError()).trimmed());
}

CommandResult runSet(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.isEmpty())
        return Fail(io, GetStringsText(kTextOneFile));
    const QStringList zuweisungen = arguments.positional.mid(1);
    if (zuweisungen.isEmpty())
        return Fail(io, GetStringsText(kTextNothingToAssign));
    for (const QString& z : zuweisungen) {
        if (!z.contains(QLatin1Char('=')))
            return Fail(io, GetStringsText(kTextNotAnAssignment).arg(z));
    }
    const QString path = arguments.positional.first();
    // Read, change and save as one step: a change made at the same time by another command or
    // window waits, and is neither lost nor loses this one.
    const FileLock lock(path);
    CHVXDoc doc;
    if (!OpenExistingFile(doc, path, io, true))
        return CommandResult::Failed;
    if (doc.accessGranted() == 0)
        return Fail(io, GetStringsText(kTextReadOnly));

    // All or nothing: the record is edited in place and the file written only when every value
    // and every touched page was accepted.
    Bearbeitung bearbeitung(doc.parametersatz(), true);
    std::vector<Zuweisung> werte;
    for (const QString& z : zuweisungen) {
        const qsizetype gleich = z.indexOf(QLatin1Char('='));
        werte.push_back({z.left(gleich), z.mid(gleich + 1)});
    }
    if (const std::optional<Ablehnung> a = felderSetzen(bearbeitung, werte))
        return Fail(io, ablehnung(a->ergebnis, a->zuweisung.schluessel, a->zuweisung.wert));
    // Values equal to the shown ones change nothing: the file is not written at all.
    if (!bearbeitung.hatBearbeitete()) {
        io.out << GetStringsText(kTextNothingChanged).arg(path) << Qt::endl;
        return CommandResult::Ok;
    }
    if (!bearbeitung.speichereBearbeitete())
        return Fail(io, InputErrorText(inputError()).trimmed());
    doc.setModifiedFlag(true);
    if (!doc.DoSave(path))
        return FailedFile(doc, path, io);
    io.out << GetStringsText(kTextFieldsSaved).arg(path) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& GetCommand()
{
    static const CliCommand command{"get", kHelpGet, kGetOptions, runGet};
    return command;
}

const CliCommand& SetCommand()
{
    static const CliCommand command{"set", kHelpSet, kSetOptions, runSet};
    return command;
}

} // namespace hvx::cli
