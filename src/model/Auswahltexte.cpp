#include "model/Auswahltexte.h"

#include "model/Codes.h"
#include "model/Texte.h"

namespace hvx {

namespace {

constexpr int kSprachenStandard[] = {3165, 3166, 3167};  // "Deutsch", "Englisch", "Französisch"
constexpr int kSprachenErweitert[] = {3166, 3168, 3169}; // "Englisch", "Italienisch", "Spanisch"

// Row: value 0..3; column: slot 0..2.
constexpr int kZusatzFreigabe[4][3] = {
    {3170, 3171, 3172}, // "Modul 2 und 3", "Modul 1 und 3", "Modul 1 und 2"
    {3174, 3173, 3173}, // "Modul 2", "Modul 1", "Modul 1"
    {3175, 3175, 3174}, // "Modul 3", "Modul 3", "Modul 2"
    {3176, 3176, 3176}, // "aus"
};

constexpr int kModulNummer[] = {3176, 3173, 3174, 3175}; // "aus", "Modul 1" .. "Modul 3"

constexpr int kTemperaturkompensation[] = {3177, 3178, 3179}; // "über Messmodul 1" .. 3
constexpr int kTemperaturkompensationEinzeln = 3180;          // "jedes Messmodul einzeln"

constexpr int kMehrfachPH[] = {3181, 3182, 3183}; // "keine", "2-fach Überprüfung", "3-fach Überprüfung"

} // namespace

int dialogspracheNummer(int code, bool erweiterteSprachen)
{
    if (code < 0 || code > 2)
        return kKeinText;
    return erweiterteSprachen ? kSprachenErweitert[code] : kSprachenStandard[code];
}

QString dialogspracheName(int code, bool erweiterteSprachen)
{
    return modellText(dialogspracheNummer(code, erweiterteSprachen));
}

std::vector<int> dialogspracheAuswahl(int version)
{
    return version == 0 ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 2};
}

int zusatzFreigabeNummer(int wert, int slot)
{
    if (wert < 0 || wert > 3 || slot < 0 || slot > 2)
        return kKeinText;
    return kZusatzFreigabe[wert][slot];
}

QString zusatzFreigabeText(int wert, int slot)
{
    return modellText(zusatzFreigabeNummer(wert, slot));
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

int temperaturkompensationNummer(int wert)
{
    return wert >= 1 && wert <= 3 ? kTemperaturkompensation[wert - 1] : kTemperaturkompensationEinzeln;
}

QString temperaturkompensationText(int wert)
{
    return modellText(temperaturkompensationNummer(wert));
}

std::vector<int> temperaturkompensationAuswahl(int modulanzahl)
{
    std::vector<int> liste{temperaturkompensation::kJedesModulEinzeln};
    if (modulanzahl > 1)
        liste.insert(liste.end(), {1, 2});
    if (modulanzahl > 2)
        liste.push_back(3);
    return liste;
}

int mehrfachPHNummer(int wert)
{
    if (wert < mehrfachph::kKeine || wert > mehrfachph::kDreifach)
        return kKeinText;
    return kMehrfachPH[wert - 1];
}

QString mehrfachPHText(int wert)
{
    return modellText(mehrfachPHNummer(wert));
}

QString erhaltungsdosierungText(int wert)
{
    return wert >= 0 && wert <= 3 ? modellText(kModulNummer[wert]) : QString();
}

std::vector<int> erhaltungsdosierungAuswahl(int slot, int modulanzahl)
{
    if (modulanzahl <= 1)
        return {};
    std::vector<int> liste{0};
    for (int modul = 1; modul <= 3; ++modul) {
        const bool anderes = modul != slot + 1;
        const bool vorhanden = modul <= modulanzahl || slot == 2;
        if (anderes && vorhanden)
            liste.push_back(modul);
    }
    return liste;
}

} // namespace hvx
