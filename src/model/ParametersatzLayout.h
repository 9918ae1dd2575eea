#pragma once
// Byte offsets of the 558-byte parameter set. The image is a wire and file format shared with the
// instrument: every offset and width here is binding. Offsets inside a per-slot block are relative
// to the start of that block; the block of slot s (0..2) starts at its base + s * size.

namespace hvx {

// --- top level (offsets from the start of the image) ---
namespace layout {
inline constexpr int kGroesse = 558;
inline constexpr int kGeraetekennung = 0;
inline constexpr int kReserviertNachKennung = 1;
inline constexpr int kModulkopf = 2;
inline constexpr int kModulkopfGroesse = 4;
inline constexpr int kKonfigurationsbytes = 14;
inline constexpr int kKonfigurationsbytesGroesse = 32;
inline constexpr int kKonfigurationsteil = 0;
inline constexpr int kKonfigurationsteilGroesse = 46;
inline constexpr int kParameterteil = 46;
inline constexpr int kParameterteilGroesse = 512;
inline constexpr int kModulblock = 46;
inline constexpr int kModulblockGroesse = 120;
inline constexpr int kReglerblock = 406;
inline constexpr int kReglerblockGroesse = 22;
inline constexpr int kSystemblock = 472;
inline constexpr int kSystemblockGroesse = 14;
inline constexpr int kAdaptivblock = 486;
inline constexpr int kAdaptivblockGroesse = 5;
inline constexpr int kReserviertNachAdaptiv = 501;
inline constexpr int kModulzusatz = 502;
inline constexpr int kModulzusatzGroesse = 4;
inline constexpr int kAlarmblock = 514;
inline constexpr int kAlarmblockGroesse = 12;
inline constexpr int kProduktname = 526;
inline constexpr int kProduktnameGroesse = 16;
inline constexpr int kReserviertEnde = 542;
inline constexpr int kReserviertEndeGroesse = 16;

inline constexpr int kSlotAnzahl = 3;

// Systemblock fields
inline constexpr int kZugangscode = 476;
inline constexpr int kZugangscodeGroesse = 4;
inline constexpr int kZugangscodeAktiv = 480;
inline constexpr int kReglerSchalter = 484;
inline constexpr int kDialogsprache = 485;

// Alarmblock fields
inline constexpr int kAlarmverzoegerung = 514;
inline constexpr int kAlarmwiederholung = 516;
inline constexpr int kLeerlaufzeit = 517;
inline constexpr int kMessdatenintervall = 518;
inline constexpr int kAlarmzaehlerAnzeige = 519;
inline constexpr int kSystemflags = 520;
} // namespace layout

// --- Modulkopf (4 bytes per slot) ---
namespace modulkopf {
inline constexpr int kModultyp = 0;
inline constexpr int kReglertyp = 1;
inline constexpr int kModulflags = 2;
inline constexpr int kReglerflags = 3;
} // namespace modulkopf

// --- Modulblock (120 bytes per slot) ---
namespace modulblock {
inline constexpr int kModultyp = 0;
inline constexpr int kReglertyp = 1;
inline constexpr int kModulflags = 2;
inline constexpr int kNormsignal2 = 3;
inline constexpr int kSteilheit = 4;              // pH, chlorine; redox: calibration value
inline constexpr int kTemperaturkoeffizient = 4;  // conductivity
inline constexpr int kTemperaturkompensation = 6; // module 1 only
inline constexpr int kReglerflags = 7;
inline constexpr int kRedoxKalibrierwert = 8;
inline constexpr int kMehrfachPH = 10;            // module 1 only (2, 3 set by the multiple pH rule)
inline constexpr int kMaxAusgangsstrom = 12;
inline constexpr int kPhKalibrierwert1 = 14;
inline constexpr int kPhKalibrierwert2 = 16;
inline constexpr int kPhMessbereich = 18;
inline constexpr int kKalibrierbyte = 19;
inline constexpr int kMaxAbweichung = 20;
inline constexpr int kAusgangsskalierung = 22;
inline constexpr int kManuelleTemperatur = 24;
inline constexpr int kPhKalibrierbyte = 25;
inline constexpr int kErhaltungsdosierung = 26;
inline constexpr int kProzentErhaltung = 27;
inline constexpr int kChlorMessbereich = 29;
inline constexpr int kUnterbrechungszeit = 30;
inline constexpr int kVerzoegerungszeit = 32;
inline constexpr int kProduktAnzeige = 35;
inline constexpr int kProzentPES = 36;
inline constexpr int kMaxDosierzeit = 38;
inline constexpr int kEinbaufaktor = 40;
inline constexpr int kKalibrierueberwachung = 42;
inline constexpr int kLfKalibrierwert1 = 43;
inline constexpr int kLfKalibrierwert2 = 45;
inline constexpr int kLfMessbereich = 47;
inline constexpr int kDfueAlarmverzoegerung = 48;
inline constexpr int kWertBeiAnfangsstrom = 49;   // value at 0 mA or 4 mA
inline constexpr int kWertBei20mA = 52;           // pH: calibration value
inline constexpr int kSollwert = 64;              // blow-down: upper limit W+
inline constexpr int kSchaltdifferenzXSD = 66;    // blow-down: lower limit W-
inline constexpr int kObereSchaltschwelle = 68;
inline constexpr int kUntereSchaltschwelle = 70;
inline constexpr int kSchaltpunktabstandLW = 72;
inline constexpr int kSchaltpunktabstandXSH = 74;
inline constexpr int kZweiterSchaltpunkt = 75;
inline constexpr int kZweiterSchaltpunktOhneX2SD = 77;
inline constexpr int kEinschaltverzoegerung = 79;
inline constexpr int kAusschaltverzoegerung = 80;
inline constexpr int kProportionalbereichXP1 = 81;
inline constexpr int kVorhaltezeit = 83;
inline constexpr int kNachstellzeit = 85;
inline constexpr int kVorzeichenLW = 87;
inline constexpr int kKoeffizientenXP1 = 88;      // three 4-byte floating-point values
inline constexpr int kKoeffizientenXP2 = 100;
inline constexpr int kKoeffizientenGroesse = 12;
inline constexpr int kProportionalbereichXP2 = 112;
inline constexpr int kSollwertPlusXSH = 114;
inline constexpr int kSchaltdifferenzX2SD = 116;
inline constexpr int kChlorKalibrierbyte = 119;
inline constexpr int kTimerEintraege = 16;        // timer module (type 13 in variant L)
} // namespace modulblock

// --- one timer entry inside a timer module block ---
namespace timereintrag {
inline constexpr int kStundeBcd = 0;
inline constexpr int kMinuteBcd = 1;
inline constexpr int kDosierzeit = 2;
inline constexpr int kEinwirkzeit = 4;
inline constexpr int kAbsalzschwelle = 6;
inline constexpr int kRelais = 8;
inline constexpr int kWochentage = 9;            // 0 = entry not in use
inline constexpr int kVorumwaelzung = 10;        // long entries only
inline constexpr int kMaxVorumwaelzStarts = 11;  // long entries only
inline constexpr int kMaxUnterbrechung = 12;     // long entries only
inline constexpr int kGroesseKurz = 10;
inline constexpr int kGroesseLang = 13;
inline constexpr int kAnzahl = 7;
// Byte 0 of the image from which the entries are 13 bytes long (first revision L 24).
inline constexpr int kLangAbGeraetekennung = 0x23;
} // namespace timereintrag

// --- Reglerblock (22 bytes per slot) ---
namespace reglerblock {
inline constexpr int kLimitMinus = 0;
inline constexpr int kLimitPlus = 2;
inline constexpr int kMinEinschaltzeit = 4;
inline constexpr int kZykluszeit = 6;
inline constexpr int kLimitSchwellen = 8;  // 8..15, derived by the controller page
inline constexpr int kLimitHystereseX2SD = 16;
inline constexpr int kFlags = 18;
} // namespace reglerblock

// --- Adaptivblock (5 bytes per slot) ---
namespace adaptivblock {
inline constexpr int kAdaptivWert = 1;
} // namespace adaptivblock

// Sentinel values meaning "off".
inline constexpr int kByteAus = 255;
inline constexpr int kMaxDosierzeitAus = 10000;
inline constexpr int kMessdatenintervallProfibus = 254;
inline constexpr int kDfueAlarmverzoegerungAus = 254;

} // namespace hvx
