#pragma once
// Texts and choices of the coded one-byte settings: instrument dialog language, additional
// controller enable, temperature compensation source and multiple pH measurement. Each text
// is offered as its Strings.lan number (for lists filled from the language file) and as text.

#include <QString>
#include <QtGlobal>

#include <vector>

namespace hvx {

// `Dialogsprache` 0..2; the extended language set (byte 0 bit 3) offers English, Italian and
// Spanish instead of German, English and French. No text for other codes.
int dialogspracheNummer(int code, bool erweiterteSprachen);
QString dialogspracheName(int code, bool erweiterteSprachen);
// The codes offered: the third language exists from version 1 on.
std::vector<int> dialogspracheAuswahl(int version);

// `ZusatzFreigabe` (and "Reglerabschaltung", same coding) of slot 0..2: names the other modules.
int zusatzFreigabeNummer(int wert, int slot);
QString zusatzFreigabeText(int wert, int slot);
// The values offered on a slot, in list order, starting with "aus"; with one module only "aus".
std::vector<int> zusatzFreigabeAuswahl(int slot, int modulanzahl);

// Maintenance dosing source of a chlorine-family module ("Erhaltungsdosierung"): 0 "aus",
// 1..3 the module it follows. Offered only with more than one module: "aus" and the other
// modules that exist (slot 3 always offers modules 1 and 2).
QString erhaltungsdosierungText(int wert);
std::vector<int> erhaltungsdosierungAuswahl(int slot, int modulanzahl);

// `Temperaturkompensation`: 1..3 = via module 1..3, anything else = each module on its own.
int temperaturkompensationNummer(int wert);
QString temperaturkompensationText(int wert);
// Values offered, in list order: 4, then 1 and 2 with more than one module, 3 with three.
std::vector<int> temperaturkompensationAuswahl(int modulanzahl);

// `MehrfachPH` 1..3; no text for other values.
int mehrfachPHNummer(int wert);
QString mehrfachPHText(int wert);

} // namespace hvx
