#pragma once
// The controller page (sub page 2 of a module container) and the timer page of variant L.

#include "editing/PageDescription.h"

namespace hvx {

namespace reglerpara {
inline constexpr int kVorlage = 147;
// six rows: edit, label, unit
inline constexpr int kZeilen = 6;
inline constexpr int kEingabe[kZeilen] = {1050, 1051, 1052, 1053, 1054, 1055};
inline constexpr int kBeschriftung[kZeilen] = {1066, 1067, 1068, 1070, 1071, 1072};
inline constexpr int kEinheit[kZeilen] = {1069, 1073, 1074, 1075, 1076, 1077};
inline constexpr int kGruppeRegler = 1093;
inline constexpr int kPositiv = 1056;
inline constexpr int kNegativ = 1057;
inline constexpr int kEin = 1058;
inline constexpr int kAus = 1059;
inline constexpr int kLimitPlusAus = 1060;
inline constexpr int kLimitPlus = 1061;
inline constexpr int kLimitMinusAus = 1062;
inline constexpr int kLimitMinus = 1063;
inline constexpr int kReglerabschaltung = 1064;
inline constexpr int kLimitX2SD = 1065;
// chlorine family
inline constexpr int kGruppeChlor = 1078;
inline constexpr int kUnterbrechungszeit = 1079;
inline constexpr int kVerzoegerungszeit = 1083;
inline constexpr int kDfueAus = 1086;
inline constexpr int kDfueVerzoegerung = 1087;
inline constexpr int kErhaltungsdosierung = 1090;
inline constexpr int kErhaltungsanteil = 1091;
// static texts and group frames
inline constexpr int kGruppeWirksinn = 1680;
inline constexpr int kGruppeEinAus = 1681;
inline constexpr int kGruppeLimit = 1682;
inline constexpr int kTextLimitMinus = 1683;
inline constexpr int kEinheitLimitMinus = 1684;
inline constexpr int kTextLimitPlus = 1685;
inline constexpr int kEinheitLimitPlus = 1686;
inline constexpr int kTextLimitX2SD = 1687;
inline constexpr int kEinheitLimitX2SD = 1688;
inline constexpr int kTextReglerabschaltung = 1689;
inline constexpr int kGruppeDfue = 1690;
inline constexpr int kEinheitDfue = 1691;
inline constexpr int kGruppeErhaltung = 1692;
inline constexpr int kEinheitErhaltung = 1693;
inline constexpr int kTextUnterbrechung = 1694;
inline constexpr int kEinheitUnterbrechung = 1695;
inline constexpr int kTextVerzoegerung = 1696;
inline constexpr int kEinheitVerzoegerung = 1697;
} // namespace reglerpara

namespace timerpara {
inline constexpr int kVorlage = 163;
inline constexpr int kZeitpunkt = 1204; // buttons 1204..1210 for entries 1..7
inline constexpr int kUhrzeit = 1190;
inline constexpr int kDosierzeit = 1191;
inline constexpr int kEinwirkzeit = 1192;
inline constexpr int kAbsalzschwelle = 1193;
inline constexpr int kRelais = 1194;    // 1194..1196
inline constexpr int kMontag = 1197;    // 1197..1203
inline constexpr int kVorumwaelzung = 1562;
inline constexpr int kStarts = 1564;
inline constexpr int kUnterbrechung = 1566;
inline constexpr int kUnterbrechungAus = 1567;
inline constexpr int kVorumwaelzungAus = 1568;
inline constexpr int kStartsAus = 1569;
// static texts and group frames
inline constexpr int kGruppeVorumwaelzung = 1556;
inline constexpr int kEinheitVorumwaelzung = 1557;
inline constexpr int kGruppeUeberwachung = 1558;
inline constexpr int kTextStarts = 1559;
inline constexpr int kEinheitStarts = 1560;
inline constexpr int kGruppeUnterbrechung = 1561;
inline constexpr int kTextUnterbrechung = 1563;
inline constexpr int kEinheitUnterbrechung = 1565;
inline constexpr int kGruppeZeitpunkt = 1211;
inline constexpr int kTextUhrzeit = 1212;
inline constexpr int kTextDosierzeit = 1213;
inline constexpr int kEinheitDosierzeit = 1214;
inline constexpr int kTextEinwirkzeit = 1215;
inline constexpr int kEinheitEinwirkzeit = 1216;
inline constexpr int kTextAbsalzschwelle = 1217;
inline constexpr int kEinheitAbsalzschwelle = 1218;
inline constexpr int kGruppeRelais = 1219;
inline constexpr int kGruppeWochentage = 1220;
inline constexpr int kGruppeEintrag = 1221;
} // namespace timerpara

const Seitenbeschreibung& reglerParaSeite();
const Seitenbeschreibung& timerParaSeite();

} // namespace hvx
