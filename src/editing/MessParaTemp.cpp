// The measuring page of temperature modules.
#include "editing/MessBausteine.h"

namespace hvx {

namespace {

using namespace messparatemp;

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Messparameter-Temperatur-Dialog");
    s.vorlage = kVorlage;
    Gruppe strom{.titelId = kGruppeStromsignal};
    strom.elemente = {stromRadio(kStrom0bis20, kStrom4bis20), ausgangsstrom(kAusgangsstrom, kTextAusgangsstrom, kTextMA)};
    s.gruppen = {strom};
    return s;
}

} // namespace

const Seitenbeschreibung& messParaTempSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
