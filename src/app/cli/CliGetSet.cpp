// hvxcli get and set: the fields of the editing pages by key, through the pages themselves.
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "app/cli/QuietInteraction.h"
#include "app/cli/ScopedInteraction.h"
#include "base/FileLock.h"
#include "base/Language.h"
#include "document/ConfigFileSummary.h"
#include "document/HVXDoc.h"
#include "editing/Felder.h"
#include "editing/InputError.h"
#include "editing/Nachbau.h"

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

// A text of the information block on one line, its line breaks as set-info takes them.
QString einzeilig(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\\n")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

// What a text diff of two files needs beyond the fields: the general information, the revision
// and the modules, and the bytes no page shows, each group under its title. No time of day: the
// stamps of the file are left out, a save alone changes nothing here.
void schreibeRest(QTextStream& out, const CHVXDoc& doc, const Parametersatz& ps, const std::vector<Feldangabe>& felder)
{
    const auto titel = [&out](const QString& text) { out << QStringLiteral("== %1 ==\n").arg(text); };
    const auto zeile = [&out](const QStringList& teile) { out << teile.join(QLatin1Char('\t')) << '\n'; };
    const InfoTexts& texte = doc.infoTexts();
    titel(GetStringsText(kTextGeneralInformation));
    zeile({GetStringsText(kTextInfoSerial), einzeilig(texte.seriennummer)});
    zeile({GetStringsText(kTextInfoCustomer), einzeilig(texte.kunde)});
    zeile({GetStringsText(kTextInfoSite), einzeilig(texte.standort)});
    zeile({GetStringsText(kTextInfoRemark), einzeilig(texte.bemerkung)});

    titel(GetStringsText(kTextFittedModules));
    zeile({GetStringsText(kTextInfoRevision), RevisionWithCode(ps.geraetekennung())});
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        zeile({GetStringsText(kTextInfoModule).arg(slot + 1), ModuleText(ps, slot)});

    std::vector<Unterschied> bytes;
    {
        // The rebuild enters values as set does; its messages are no concern of this look.
        QuietInteraction quiet(theApp().ui());
        const ScopedInteraction scope(quiet);
        bytes = bytesOhneSeite(ps, felder);
    }
    for (const Unterschiedsgruppe gruppe : {Unterschiedsgruppe::Kalibrierung, Unterschiedsgruppe::Byte}) {
        bool ersteZeile = true;
        for (const Unterschied& u : bytes) {
            if (u.gruppe != gruppe)
                continue;
            if (std::exchange(ersteZeile, false))
                titel(gruppenTitel(gruppe));
            zeile({u.schluessel, u.seite, u.beschriftung, u.wertB});
        }
    }
}

CommandResult runGet(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.isEmpty())
        return Fail(io, GetStringsText(kTextOneFile));
    CHVXDoc doc;
    if (!OpenExistingFile(doc, arguments.positional.first(), io, false))
        return CommandResult::Failed;
    // The pages may settle values as they load; the rest of the view shows the file as it is.
    const Parametersatz datei = doc.parametersatz();
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
        io.out << alsZeile(f) << '\n';
    // The whole file as text (what git diffs of configuration files show): after the fields
    // whatever else the file holds, so that no change goes unseen.
    if (schluessel.isEmpty())
        schreibeRest(io.out, doc, datei, alle);
    io.out.flush();
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
