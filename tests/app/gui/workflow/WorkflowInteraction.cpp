#include "WorkflowInteraction.h"

#include "base/Language.h"
#include "document/DocumentTexts.h"

#include <QApplication>
#include <QLineEdit>

namespace hvx::test::workflow {

int Interaktion::messageBox(const QString& text, unsigned type, unsigned)
{
    meldungen << text;
    switch (type & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
        ++speicherfragen;
        return speichernAntwort;
    case MB_YESNO:
        // A wrong access code is not typed again; every other question (overwrite the
        // calibration values) is answered "Ja".
        if (text.startsWith(GetStringsText(kTextAccessWrongDocument).left(30)))
            return IDNO;
        return IDYES;
    case MB_OKCANCEL: return IDOK;
    default: return IDOK;
    }
}

std::optional<QString> Interaktion::askAccessCode()
{
    return zugangscode ? zugangscode() : std::nullopt;
}

void Interaktion::progressBegin(const QString&, int)
{
    // The progress window comes to the front: the field that has the focus loses it.
    if (auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        feld->clearFocus();
}

std::optional<QString> Interaktion::chooseFile(const FileChoice&)
{
    if (dateiwahl.isEmpty())
        return std::nullopt;
    return dateiwahl;
}

} // namespace hvx::test::workflow
