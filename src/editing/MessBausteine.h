#pragma once
// Rows and groups that several measuring pages share: current signal, compensation with the
// manual temperature, calibration monitoring, output current and the values at 0/4 and 20 mA.

#include "editing/MessSeiten.h"

namespace hvx {

// The module's unit is Fahrenheit (flag of the slot's descriptor).
bool modulInFahrenheit(const SeitenKontext& k);

// "0 bis 20 mA" / "4 bis 20 mA" as a radio group or as the list "0"/"4" on bit 1 of the module
// flags, kept along in the flags' copy in the slot's descriptor, which the instrument takes from
// the block when it is sent the set.
Steuerelement stromRadio(int ersterKnopf, int zweiterKnopf);
Steuerelement stromListe(int id, int labelId);

// "automatisch"/"manuell" and the manual temperature field, enabled only while "manuell".
std::vector<Steuerelement> kompensation(int automatischId, int manuellId, int temperaturId, int labelId,
                                        int einheitId);
// The unit label beside the manual temperature: "°C" or "°F".
Seitentext temperatureinheit(const SeitenKontext& k, int einheitId);

// Calibration monitoring: "Aus" and the weeks, shown from instrument revision 3 on.
Gruppe kalibrierueberwachung(const messpara::Kalibrierids& ids);

// Maximum output current in tenths of mA (stored in hundredths, with its scaling value).
Steuerelement ausgangsstrom(int id, int labelId, int einheitId);

// The measured value at 0/4 mA or 20 mA, in the module's decimals and range.
Steuerelement stromwert(int id, int offset, int labelId, int einheitId);

// Checks an entry against the slot's measuring range with its decimals.
Pruefung alsMesswert();

// A list whose choices are given by text number and value.
struct Listenwahl {
    int text;
    int wert;
};
AuswahlListe auswahlAus(std::initializer_list<Listenwahl> wahl);

// A range chosen in the list listId for the byte at offset of the module block: the page is saved with the
// range its values are shown in, then the new range is stored and the module container
// re-initialises its pages (values are shown with the new decimals, never converted).
Kommando bereichGewechselt(int listId, int offset);

} // namespace hvx
