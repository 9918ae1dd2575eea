#pragma once
// Numbers of the Strings.lan texts of the measuring, controller and timer pages (3511..3599).

namespace hvx::seitentext {

// range lists
inline constexpr int kPh0bis14 = 3511;
inline constexpr int kPh2bis12 = 3512;
inline constexpr int kPh3bis8 = 3513;
inline constexpr int kRedoxPlusMinus = 3514;   // "-500 bis 500 mV"
inline constexpr int kRedox = 3515;            // "0 bis 1000 mV"
inline constexpr int kUs2 = 3516;              // "0 bis 2 uS", 20, 200
inline constexpr int kMs2 = 3519;              // "0 bis 2 mS", 20, 200, 2000
inline constexpr int kUs5000 = 3523;
inline constexpr int kUs5 = 3524;              // "0 bis 5 uS", 50, 500
inline constexpr int kMgl2000 = 3527;
inline constexpr int kMgl200 = 3528;
inline constexpr int kMgl5000 = 3529;
inline constexpr int kMgl500 = 3530;
inline constexpr int kMgl2 = 3531;
inline constexpr int kMgl20 = 3532;
// kinds of standard signal 0..7, then "kein Signal"
inline constexpr int kNormsignalArt = 3533;
inline constexpr int kKeinSignal = 3541;
// current lists "0" and "4"
inline constexpr int kStrom0 = 3542;
inline constexpr int kStrom4 = 3543;
inline constexpr int kReglerAngepasst = 3544;
// controller rows
inline constexpr int kSollwert = 3545;
inline constexpr int kXSD = 3546;
inline constexpr int kEinschaltverzoegerung = 3547;
inline constexpr int kAusschaltverzoegerung = 3548;
inline constexpr int kLW = 3549;
inline constexpr int kX2SD = 3550;
inline constexpr int kXP1 = 3551;
inline constexpr int kTv = 3552;
inline constexpr int kTn = 3553;
inline constexpr int kXP2 = 3554;
inline constexpr int kXSH = 3555;
inline constexpr int kTotzeit = 3556;
inline constexpr int kWPlus = 3557;
inline constexpr int kWMinus = 3558;
inline constexpr int kProzent = 3559;
inline constexpr int kSec = 3560;
// timer relays
inline constexpr int kRelais = 3565;      // "Relais %d"
inline constexpr int kRelaisUnd = 3566;   // "Relais %d und %d"
inline constexpr int kTemperaturkoeffizientFluorid = 3567; // "0.57"

} // namespace hvx::seitentext
