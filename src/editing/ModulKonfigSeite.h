#pragma once
// The module configuration page: sub page 0 of every measuring module.

#include "editing/PageDescription.h"

namespace hvx {

namespace modulkonfig {
inline constexpr int kVorlage = 145;
inline constexpr int kReglermodul = 1030;
inline constexpr int kExterneFreigabe = 1031;
inline constexpr int kZusatzFreigabe = 1032;
inline constexpr int kCelsius = 1033;
inline constexpr int kFahrenheit = 1034;
inline constexpr int kEinschaltzeit = 1035;
inline constexpr int kZykluszeit = 1036;
inline constexpr int kMaxDosierzeit = 1037;
inline constexpr int kQuittierungManuell = 1038;
inline constexpr int kQuittierungAutomatisch = 1039;
inline constexpr int kDosierzeitAus = 1040;
inline constexpr int kProduktAnzeige = 1042;
inline constexpr int kProduktname = 1043;
inline constexpr int kProzentPES = 1045;
// static texts and group frames
inline constexpr int kGruppeTemperatureinheit = 1580;
inline constexpr int kGruppeLimitquittierung = 1581;
inline constexpr int kGruppeDosierzeit = 1582;
inline constexpr int kTextMaxDosierzeit = 1583;
inline constexpr int kTextSecDosierzeit = 1584;
inline constexpr int kGruppeReglerkonfiguration = 1585;
inline constexpr int kTextReglermodul = 1586;
inline constexpr int kTextZusatzFreigabe = 1587;
inline constexpr int kTextEinschaltzeit = 1588;
inline constexpr int kTextSecEinschaltzeit = 1589;
inline constexpr int kTextZykluszeit = 1590;
inline constexpr int kTextSecZykluszeit = 1591;
inline constexpr int kGruppePES = 1592;
inline constexpr int kTextProduktname = 1593;
inline constexpr int kTextProzentPES = 1594;
inline constexpr int kTextProzent = 1595;
} // namespace modulkonfig

const Seitenbeschreibung& modulKonfigSeite();

// Controller times: stored in hundredths of a second, shown and entered in tenths.
void DDX_Reglerzeit(DataExchange& dx, int id, quint8* wort);

} // namespace hvx
