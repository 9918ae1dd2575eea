// The system page of the export and the printout.
#include "output/Ausgabe.h"
#include "output/Zeilen.h"

#include "model/Auswahltexte.h"
#include "model/Bestueckung.h"
#include "model/Modulnamen.h"

namespace hvx {

namespace {

using namespace zeilen;
using ausgabe::text;

constexpr int kMessdatenintervallAus = 255;
constexpr int kAlarmwiederholungAus = 255;
constexpr int kMaskierterCode = 10;
constexpr int kVersionMitSystemflags = 3;

// Line breaks of a text block as one kind ("\n"), whatever the file held.
QString zeilenumbrueche(QString block)
{
    block.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    block.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return block;
}

Ausgabezeile textblock(int label, const QString& block)
{
    Ausgabezeile zeile = wert(text(label), zeilenumbrueche(block));
    zeile.mehrzeilig = true;
    return zeile;
}

QString zugangscodeText(const Ausgabequelle& quelle)
{
    const Parametersatz& ps = quelle.ps;
    if (!ps.zugangscodeAktiv())
        return aus();
    QString code;
    if (quelle.zugangErlaubt) {
        for (const char c : ps.zugangscode())
            code += QChar::fromLatin1(c);
    } else {
        code = QString(kMaskierterCode, QLatin1Char('*'));
    }
    if (ps.version() == kVersionMitSystemflags && !(ps.systemflags() & systemflags::kZugangscodeSchuetztKalibrierung))
        code += text(ausgabe::kOhneKalibrierung);
    return code;
}

QString messdatenText(quint8 intervall)
{
    if (intervall == kMessdatenintervallAus)
        return aus();
    if (intervall == kMessdatenintervallProfibus)
        return text(ausgabe::kProfibus);
    return sec(intervall);
}

QString alarmwiederholungText(quint8 minuten)
{
    if (minuten == kAlarmwiederholungAus)
        return aus();
    return text(ausgabe::kNach) + QLatin1Char(' ') + min(minuten);
}

} // namespace

Ausgabe systemteil(const Ausgabequelle& quelle)
{
    const Parametersatz& ps = quelle.ps;
    Ausgabe a;
    a.push_back(titel(text(ausgabe::kAllgemeineAngaben)));
    a.push_back(leer());
    a.push_back(wert(text(ausgabe::kSeriennummer), quelle.texte.seriennummer));
    a.push_back(textblock(ausgabe::kKunde, quelle.texte.kunde));
    a.push_back(textblock(ausgabe::kStandort, quelle.texte.standort));
    a.push_back(textblock(ausgabe::kBemerkung, quelle.texte.bemerkung));
    a.push_back(leer());

    a.push_back(titel(text(ausgabe::kModulbestueckung)));
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        a.push_back(wert(modul(slot), modulName(ps.modultyp(slot), ps.familie())));
    a.push_back(leer());

    a.push_back(ueberschrift(text(ausgabe::kSystemkonfiguration)));
    a.push_back(wert(text(ausgabe::kDialogsprache), dialogspracheName(ps.dialogsprache(), ps.erweiterteSprachen())));
    a.push_back(wert(text(ausgabe::kLeerlaufzeit), min(ps.leerlaufzeit())));
    a.push_back(wert(text(ausgabe::kTemperaturkompensation), temperaturkompensationText(ps.temperaturkompensation())));
    if (mehrfachPHMoeglich(ps))
        a.push_back(wert(text(ausgabe::kMehrfachPH), mehrfachPHText(ps.mehrfachPH())));
    a.push_back(wert(text(ausgabe::kMessdatenerfassung), messdatenText(ps.messdatenintervall())));
    if (ps.version() != 0)
        a.push_back(wert(text(ausgabe::kAlarmzaehler), einAus(ps.alarmzaehlerAnzeige() == 1)));
    if (ps.version() == kVersionMitSystemflags)
        a.push_back(wert(text(ausgabe::kAlarmrelaisInvertieren),
                         einAus(ps.systemflags() & systemflags::kAlarmrelaisInvertieren)));
    a.push_back(wert(text(ausgabe::kZugangscode), zugangscodeText(quelle)));
    a.push_back(ueberschrift(text(ausgabe::kLimitAlarm)));
    a.push_back(wert(text(ausgabe::kVerzoegerungszeit), sec(ps.alarmverzoegerung())));
    a.push_back(wert(text(ausgabe::kAlarmwiederholung), alarmwiederholungText(ps.alarmwiederholung())));
    return a;
}

} // namespace hvx
