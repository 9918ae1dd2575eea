#pragma once
// The measuring parameter pages (sub page 1 of a module container), one per measuring kind.

#include "editing/PageDescription.h"

namespace hvx {

namespace messpara {
// calibration monitoring, per page: frame, "Aus", "alle", weeks, "Wochen"
struct Kalibrierids {
    int rahmen, aus, alle, wochen, einheit;
};
} // namespace messpara

namespace messparaph {
inline constexpr int kVorlage = 153;
inline constexpr int kMessbereich = 1120;
inline constexpr int kStrom0bis20 = 1121;
inline constexpr int kStrom4bis20 = 1122;
inline constexpr int kAusgangsstrom = 1123;
inline constexpr int kAutomatisch = 1124;
inline constexpr int kManuell = 1125;
inline constexpr int kManuelleTemperatur = 1126;
inline constexpr int kMaxAbweichung = 1127;
inline constexpr int kTextMaxAbweichung = 1128;
inline constexpr int kTextPH = 1129;
inline constexpr int kGruppeMaxAbweichung = 1130;
inline constexpr messpara::Kalibrierids kKalibrierung{1545, 1546, 1547, 1548, 1549};
inline constexpr int kTextMessbereich = 1600;
inline constexpr int kGruppeStromsignal = 1601;
inline constexpr int kTextAusgangsstrom = 1602;
inline constexpr int kTextMA = 1603;
inline constexpr int kGruppeKompensation = 1604;
inline constexpr int kTextManuelleTemperatur = 1605;
inline constexpr int kTextTemperatureinheit = 1606;
} // namespace messparaph

namespace messpararedox {
inline constexpr int kVorlage = 146;
inline constexpr int kMessbereich = 1100;
inline constexpr int kStrom = 1101;
inline constexpr int kWert20mA = 1102;
inline constexpr int kWertAnfang = 1103;
inline constexpr int kAutomatisch = 1104;
inline constexpr int kManuell = 1105;
inline constexpr int kManuelleTemperatur = 1106;
inline constexpr int kTemperaturkoeffizient = 1107;
inline constexpr messpara::Kalibrierids kKalibrierung{1550, 1551, 1552, 1553, 1554};
inline constexpr int kTextMessbereich = 1610;
inline constexpr int kTextStrom = 1611;
inline constexpr int kTextWertAnfang = 1612;
inline constexpr int kTextMVAnfang = 1613;
inline constexpr int kTextWert20mA = 1614;
inline constexpr int kTextMV20mA = 1615;
inline constexpr int kGruppeKompensation = 1616;
inline constexpr int kTextManuelleTemperatur = 1617;
inline constexpr int kTextTemperatureinheit = 1618;
inline constexpr int kTextTemperaturkoeffizient = 1619;
inline constexpr int kTextMVK = 1620;
inline constexpr int kGruppeStromeingang = 1621;
} // namespace messpararedox

namespace messparatemp {
inline constexpr int kVorlage = 155;
inline constexpr int kStrom0bis20 = 1140;
inline constexpr int kStrom4bis20 = 1141;
inline constexpr int kAusgangsstrom = 1142;
inline constexpr int kGruppeStromsignal = 1630;
inline constexpr int kTextAusgangsstrom = 1631;
inline constexpr int kTextMA = 1632;
} // namespace messparatemp

namespace messparalf {
inline constexpr int kVorlage = 154;
inline constexpr int kMessbereich = 1150;
inline constexpr int kStrom = 1151;
inline constexpr int kWertAnfang = 1152;
inline constexpr int kWert20mA = 1153;
inline constexpr int kAutomatisch = 1154;
inline constexpr int kManuell = 1155;
inline constexpr int kManuelleTemperatur = 1156;
inline constexpr int kEinbaufaktor = 1157;
inline constexpr int kTemperaturkoeffizient = 1158;
inline constexpr messpara::Kalibrierids kKalibrierung{1540, 1541, 1542, 1543, 1544};
inline constexpr int kTextMessbereich = 1640;
inline constexpr int kTextStrom = 1641;
inline constexpr int kTextWertAnfang = 1642;
inline constexpr int kTextEinheitAnfang = 1643;
inline constexpr int kTextWert20mA = 1644;
inline constexpr int kTextEinheit20mA = 1645;
inline constexpr int kTextEinbaufaktor = 1646;
inline constexpr int kGruppeKompensation = 1647;
inline constexpr int kTextManuelleTemperatur = 1648;
inline constexpr int kTextTemperatureinheit = 1649;
inline constexpr int kTextTemperaturkoeffizient = 1650;
inline constexpr int kTextProzentK = 1651;
inline constexpr int kGruppeStromeingang = 1652;
} // namespace messparalf

namespace messparachlor {
inline constexpr int kVorlage = 156;
inline constexpr int kMessbereich = 1362;
inline constexpr int kStrom = 1170;
inline constexpr int kWertAnfang = 1171;
inline constexpr int kWert20mA = 1172;
inline constexpr messpara::Kalibrierids kKalibrierung{1535, 1536, 1537, 1538, 1539};
inline constexpr int kTextMessbereich = 1660;
inline constexpr int kTextStrom = 1661;
inline constexpr int kTextWertAnfang = 1662;
inline constexpr int kTextMglAnfang = 1663;
inline constexpr int kTextWert20mA = 1664;
inline constexpr int kTextMgl20mA = 1665;
inline constexpr int kGruppeStromeingang = 1666;
} // namespace messparachlor

namespace messparanorm {
inline constexpr int kVorlage = 157;
inline constexpr int kArt1 = 1180;
inline constexpr int kBereich1 = 1181;
inline constexpr int kArt2 = 1182;
inline constexpr int kBereich2 = 1183;
inline constexpr int kEingang0bis20 = 1184;
inline constexpr int kEingang4bis20 = 1185;
inline constexpr int kAusgang0bis20 = 1186;
inline constexpr int kAusgang4bis20 = 1187;
inline constexpr int kGruppeSignal1 = 1670;
inline constexpr int kTextArt1 = 1671;
inline constexpr int kTextBereich1 = 1672;
inline constexpr int kGruppeSignal2 = 1673;
inline constexpr int kTextArt2 = 1674;
inline constexpr int kTextBereich2 = 1675;
inline constexpr int kGruppeEingangsstrom = 1676;
inline constexpr int kGruppeAusgangsstrom = 1677;
} // namespace messparanorm

const Seitenbeschreibung& messParaPHSeite();
const Seitenbeschreibung& messParaRedoxSeite();
const Seitenbeschreibung& messParaTempSeite();
const Seitenbeschreibung& messParaLFSeite();
const Seitenbeschreibung& messParaChlorSeite();
const Seitenbeschreibung& messParaNormSeite();

} // namespace hvx
