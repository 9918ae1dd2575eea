#include "model/Auswahltexte.h"

#include "model/Codes.h"

namespace hvx {

namespace {

constexpr const char* kSprachenStandard[] = {"Deutsch", "Englisch", "Französisch"};
constexpr const char* kSprachenErweitert[] = {"Englisch", "Italienisch", "Spanisch"};

// Row: value 0..3; column: slot 0..2.
constexpr const char* kZusatzFreigabe[4][3] = {
    {"Modul 2 und 3", "Modul 1 und 3", "Modul 1 und 2"},
    {"Modul 2", "Modul 1", "Modul 1"},
    {"Modul 3", "Modul 3", "Modul 2"},
    {"aus", "aus", "aus"},
};

constexpr const char* kTemperaturkompensation[] = {"über Messmodul 1", "über Messmodul 2", "über Messmodul 3"};
constexpr const char* kTemperaturkompensationEinzeln = "jedes Messmodul einzeln";
constexpr int kTemperaturkompensationEinzelnWert = 4;

constexpr const char* kMehrfachPH[] = {"keine", "2-fach Überprüfung", "3-fach Überprüfung"};

} // namespace

QString dialogspracheName(int code, bool erweiterteSprachen)
{
    if (code < 0 || code > 2)
        return QString();
    return QString::fromUtf8(erweiterteSprachen ? kSprachenErweitert[code] : kSprachenStandard[code]);
}

std::vector<int> dialogspracheAuswahl(int version)
{
    return version == 0 ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 2};
}

QString zusatzFreigabeText(int wert, int slot)
{
    if (wert < 0 || wert > 3 || slot < 0 || slot > 2)
        return QString();
    return QString::fromUtf8(kZusatzFreigabe[wert][slot]);
}

std::vector<int> zusatzFreigabeAuswahl(int slot, int modulanzahl)
{
    std::vector<int> liste{zusatzfreigabe::kAus};
    if (modulanzahl <= 1)
        return liste;
    liste.push_back(zusatzfreigabe::kErstesAnderes);
    // The third module's list names modules 1 and 2, which exist whenever it does.
    if (modulanzahl > 2 || slot == 2)
        liste.insert(liste.end(), {zusatzfreigabe::kZweitesAnderes, zusatzfreigabe::kBeideAnderen});
    return liste;
}

QString temperaturkompensationText(int wert)
{
    if (wert >= 1 && wert <= 3)
        return QString::fromUtf8(kTemperaturkompensation[wert - 1]);
    return QString::fromUtf8(kTemperaturkompensationEinzeln);
}

std::vector<int> temperaturkompensationAuswahl(int modulanzahl)
{
    std::vector<int> liste{kTemperaturkompensationEinzelnWert};
    if (modulanzahl > 1)
        liste.insert(liste.end(), {1, 2});
    if (modulanzahl > 2)
        liste.push_back(3);
    return liste;
}

QString mehrfachPHText(int wert)
{
    if (wert < mehrfachph::kKeine || wert > mehrfachph::kDreifach)
        return QString();
    return QString::fromUtf8(kMehrfachPH[wert - 1]);
}

} // namespace hvx
