#pragma once
// Codes and bits of the parameter set: device variant, module types, controller types and the
// flag bytes, as the instrument defines them.

#include <QtGlobal>

namespace hvx {

// Device variant: high nibble of `Geraetekennung`.
enum class Variante : quint8 { K = 1, L = 2, M = 3, N = 4, N7400 = 5 };

namespace geraetekennung {
inline constexpr quint8 kVersionMaske = 0x07;
inline constexpr quint8 kErweiterteSprachen = 0x08;
inline constexpr int kHoechsteVersion = 3;
} // namespace geraetekennung

// `Modultyp` codes (8..12 are not used).
namespace modultyp {
inline constexpr quint8 kKein = 0;
inline constexpr quint8 kPH = 1;
inline constexpr quint8 kRedox = 2;
inline constexpr quint8 kTemperatur = 3;
inline constexpr quint8 kNormsignal = 4;
inline constexpr quint8 kLfKonduktiv = 5;
inline constexpr quint8 kLfInduktiv = 6;
inline constexpr quint8 kChlor = 7; // chlorine family: chlorine, chlorine dioxide, peracetic acid
inline constexpr quint8 kFreigabeOderTimer = 13;
inline constexpr quint8 kFluorid = 14;
inline constexpr quint8 kRedoxPlusMinus = 15;
inline constexpr quint8 kAbsalzInduktiv = 16;
inline constexpr quint8 kAbsalzKonduktiv = 17;
} // namespace modultyp

// `Reglertyp` codes (6 and 7 name no controller kind).
namespace reglertyp {
inline constexpr quint8 kKein = 0;
inline constexpr quint8 kSignalgeraet = 3;
inline constexpr quint8 kZweipunkt = 4;
inline constexpr quint8 kDreipunkt = 5;
inline constexpr quint8 kAbsalzgeraet = 8;
inline constexpr quint8 kTimer = 15;
} // namespace reglertyp

// `Reglerflags` bits (descriptor byte 3, module block byte 7).
namespace reglerflags {
inline constexpr quint8 kAdaptivSchnell = 0x01; // with kAdaptiv: fast, else asymptotic
inline constexpr quint8 kWirksinnNegativ = 0x02;
inline constexpr quint8 kKoeffizientBit2 = 0x04; // both set by the coefficient computation
inline constexpr quint8 kKoeffizientBit3 = 0x08;
inline constexpr quint8 kExterneFreigabe = 0x20;
inline constexpr quint8 kPID = 0x40;     // clear: FUZZY
inline constexpr quint8 kAdaptiv = 0x80; // honoured from version 3 only
} // namespace reglerflags

// `Modulflags` bits (descriptor byte 2, module block byte 2).
namespace modulflags {
inline constexpr quint8 kStrom4bis20mA = 0x02;
inline constexpr quint8 kFahrenheit = 0x08;
inline constexpr quint8 kTemperaturkompensationAutomatisch = 0x10;
// standard signal: kind of input 1 in bits 4..6, input current 4-20 mA in bit 7
inline constexpr int kNormsignalArtShift = 4;
inline constexpr quint8 kNormsignalArtMaske = 0x70;
inline constexpr quint8 kNormsignalEingang4bis20mA = 0x80;
// module block byte 3 (standard signal input 2): bits 2..3 both set = no second input
inline constexpr quint8 kNormsignal2KeinSignal = 0x0C;
} // namespace modulflags

// Kinds of standard signal (bits 4..6 of the flags).
namespace normsignalart {
inline constexpr int kPH = 0;
inline constexpr int kRedox = 1;
inline constexpr int kChlor = 2;
inline constexpr int kStrom = 3;
inline constexpr int kSpannung = 4;
inline constexpr int kLeitfaehigkeit = 5;
inline constexpr int kTemperaturCelsius = 6;
inline constexpr int kTemperaturFahrenheit = 7;
} // namespace normsignalart

// Controller block byte 18.
namespace reglerblockflags {
inline constexpr quint8 kLimitMinusEin = 0x01;
inline constexpr quint8 kLimitPlusEin = 0x02;
inline constexpr quint8 kLimitquittierungManuell = 0x04;
inline constexpr int kZusatzFreigabeShift = 3;
inline constexpr quint8 kZusatzFreigabeMaske = 0x18;
inline constexpr int kReglerabschaltungShift = 6;
inline constexpr quint8 kReglerabschaltungMaske = 0xC0;
} // namespace reglerblockflags

// `ZusatzFreigabe` / "Reglerabschaltung" values (two bits).
namespace zusatzfreigabe {
inline constexpr int kBeideAnderen = 0;
inline constexpr int kErstesAnderes = 1;
inline constexpr int kZweitesAnderes = 2;
inline constexpr int kAus = 3;
} // namespace zusatzfreigabe

// `Systemflags` bits (version 3 only).
namespace systemflags {
inline constexpr quint8 kZugangscodeSchuetztKalibrierung = 0x01;
inline constexpr quint8 kAlarmrelaisInvertieren = 0x02;
} // namespace systemflags

// `MehrfachPH` values.
namespace mehrfachph {
inline constexpr quint8 kKeine = 1;
inline constexpr quint8 kZweifach = 2;
inline constexpr quint8 kDreifach = 3;
} // namespace mehrfachph

// `Temperaturkompensation` source: 1..3 = the measurement of module 1..3; the factory value 4
// (like any other value) = each module compensates with its own temperature.
namespace temperaturkompensation {
inline constexpr quint8 kJedesModulEinzeln = 4;
} // namespace temperaturkompensation

} // namespace hvx
