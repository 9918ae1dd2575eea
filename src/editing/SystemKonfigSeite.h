#pragma once
// The system page: instrument-wide settings of the parameter set (first main tab).

#include "editing/PageDescription.h"

namespace hvx {

namespace systemkonfig {
inline constexpr int kVorlage = 139;
inline constexpr int kDialogsprache = 1010;
inline constexpr int kZugangscodeAktiv = 1011;
inline constexpr int kZugangscode = 1012;
inline constexpr int kTemperaturkompensation = 1013;
inline constexpr int kMehrfachPH = 1014;
inline constexpr int kLeerlaufzeit = 1015;
inline constexpr int kAlarmwiederholungAus = 1016;
inline constexpr int kAlarmverzoegerung = 1017;
inline constexpr int kAlarmwiederholung = 1018;
inline constexpr int kMessdatenAus = 1019;
inline constexpr int kMessdatenintervall = 1020;
inline constexpr int kKalibrierungNichtSchuetzen = 1021;
inline constexpr int kAlarmzaehler = 1372;
inline constexpr int kProfibus = 1384;
inline constexpr int kAlarmrelaisInvertieren = 1570;
// static texts and group frames
inline constexpr int kTextDialogsprache = 1495;
inline constexpr int kTextMehrfachPH = 1496;
inline constexpr int kTextLeerlaufzeit = 1497;
inline constexpr int kTextMin = 1498;
inline constexpr int kTextTemperaturkompensation = 1499;
inline constexpr int kGruppeMessdaten = 1500;
inline constexpr int kTextAlle = 1501;
inline constexpr int kTextSec = 1502;
inline constexpr int kGruppeZugangscode = 1503;
inline constexpr int kTextZugangscode = 1504;
inline constexpr int kGruppeLimitAlarm = 1505;
inline constexpr int kTextVerzoegerung = 1506;
inline constexpr int kTextSecAlarm = 1507;
inline constexpr int kGruppeAlarmwiederholung = 1508;
inline constexpr int kTextNach = 1509;
inline constexpr int kTextMinWiederholung = 1510;
} // namespace systemkonfig

// Shown instead of the access code in read-only mode.
inline constexpr const char* kMaskierterZugangscode = "**********";

const Seitenbeschreibung& systemKonfigSeite();

} // namespace hvx
