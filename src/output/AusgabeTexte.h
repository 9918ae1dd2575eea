#pragma once
// Numbers of the texts that the export and the printout show (Strings.lan), and the labels they
// share with the configuration pages (Dialog.lan, by section and control id): a label reads the
// same on screen and on paper, and a translator changes it once.

#include <QString>

namespace hvx::ausgabe {

inline constexpr int kTitel = 246;
inline constexpr int kEineSeite = 61505;
inline constexpr int kZweiSeiten = 61506;
inline constexpr int kFortsetzung = 3205;
inline constexpr int kSystemkonfiguration = 3507;
inline constexpr int kModulkonfiguration = 3508;
inline constexpr int kMessParameter = 3509;
inline constexpr int kBiozidDosierung = 3510;
inline constexpr int kModul1 = 3173; // "Modul 1".."Modul 3" follow
inline constexpr int kAus = 3176;
inline constexpr int kNormsignal = 3124;
// Shared with hvxcli info and the service report.
inline constexpr int kDatei = 3740;
inline constexpr int kRevision = 3741;
inline constexpr int kModul = 3742; // "Modul %1:"
inline constexpr int kSeriennummer = 3747;
inline constexpr int kKunde = 3748;
inline constexpr int kStandort = 3749;
inline constexpr int kBemerkung = 3750;

inline constexpr int kAllgemeineAngaben = 3600;
inline constexpr int kModulbestueckung = 3601;
inline constexpr int kTemperaturkompensation = 3602;
inline constexpr int kMehrfachPH = 3603;
inline constexpr int kMessdatenerfassung = 3604;
inline constexpr int kProfibus = 3605;
inline constexpr int kAlarmzaehler = 3606;
inline constexpr int kEin = 3607;
inline constexpr int kOhneKalibrierung = 3608;
inline constexpr int kAlarmwiederholung = 3609;
inline constexpr int kTemperatureinheit = 3610;
inline constexpr int kGradFahrenheit = 3611;
inline constexpr int kGradCelsius = 3612;
inline constexpr int kLimitquittierung = 3613;
inline constexpr int kDosierzeitueberwachung = 3614;
inline constexpr int kMinEinschaltzeit = 3615;
inline constexpr int kProduktanzeige = 3616;
inline constexpr int kMessbereich = 3617;
inline constexpr int kBereich = 3618; // "%d bis %d %s"
inline constexpr int kStromsignal = 3619;
inline constexpr int kMaxAusgangsstrom = 3620;
inline constexpr int kManuelleTemperatur = 3621;
inline constexpr int kMaxAbweichung = 3622;
inline constexpr int kSteilheit = 3623;
inline constexpr int kMvProPh = 3624;
inline constexpr int kKalibrierueberwachung = 3625;
inline constexpr int kAlleWochen = 3626;
inline constexpr int kStromzuordnung = 3627; // "%%d mA entspricht %%.%df %s"
inline constexpr int kNormsignalArt0 = 3628;  // eight kinds of standard signal follow
inline constexpr int kEingangsstrom = 3636;
inline constexpr int kAusgangsstrom = 3637;
inline constexpr int kEinbaufaktor = 3638;
inline constexpr int kTemperaturkoeffizient = 3639;
inline constexpr int kProzentProKelvin = 3640;
inline constexpr int kMvProMgL = 3641;
inline constexpr int kSollwert = 3642;
inline constexpr int kSchaltdifferenzXSD = 3643;
inline constexpr int kEinschaltverzoegerung = 3644;
inline constexpr int kAusschaltverzoegerung = 3645;
inline constexpr int kSchaltpunktabstandLW = 3646;
inline constexpr int kSchaltdifferenzX2SD = 3647;
inline constexpr int kProportionalbereichXP1 = 3648;
inline constexpr int kVorhaltezeit = 3649;
inline constexpr int kNachstellzeit = 3650;
inline constexpr int kProportionalbereichXP2 = 3651;
inline constexpr int kSchaltpunktabstandXSH = 3652;
inline constexpr int kTotzeit = 3653;
inline constexpr int kObererGrenzwert = 3654;
inline constexpr int kUntererGrenzwert = 3655;
inline constexpr int kWirksinn = 3656;
inline constexpr int kNegativ = 3657;
inline constexpr int kPositiv = 3658;
inline constexpr int kRegler = 3659;
inline constexpr int kLimitContact = 3660;
inline constexpr int kLimitPlus = 3661;
inline constexpr int kLimitMinus = 3662;
inline constexpr int kX2SD = 3663;
inline constexpr int kReglerabschaltung = 3664;
inline constexpr int kDfueAlarmverzoegerung = 3665;
inline constexpr int kErhaltungsdosierung = 3666;
inline constexpr int kProzentErhaltung = 3667;
inline constexpr int kUnterbrechungszeit = 3668;
inline constexpr int kUhrzeit = 3669;
inline constexpr int kWochentage = 3670;
inline constexpr int kWochentagNamen = 3671; // seven names separated by blanks
inline constexpr int kDosierzeit = 3672;
inline constexpr int kEinwirkzeit = 3673;
inline constexpr int kAbsalzschwelle = 3674;
inline constexpr int kRelais = 3675;
inline constexpr int kRelaisUnd = 3676;
inline constexpr int kVorumwaelzung = 3677;
inline constexpr int kUeberwachung = 3678;
inline constexpr int kMax = 3679;
inline constexpr int kStarts = 3680;
inline constexpr int kUnterbrechung = 3681;
inline constexpr int kExportTitel = 3682;
inline constexpr int kExportFilter = 3683;
inline constexpr int kExportErfolg = 3684;
inline constexpr int kExportFehler = 3685;
inline constexpr int kSeitenbeschreibung = 3686;
inline constexpr int kVorschauFehler = 3687;

// A label of a configuration page.
struct Seitentext {
    const char* abschnitt;
    int id;
    const char* deutsch; // the page's built-in text, when no language file has one
};
inline constexpr const char* kSystemSeite = "Systemkonfigurations-Dialog";
inline constexpr const char* kModulSeite = "Modulkonfigurations-Dialog";
inline constexpr Seitentext kDialogsprache{kSystemSeite, 1495, "Dialogsprache:"};
inline constexpr Seitentext kLeerlaufzeit{kSystemSeite, 1497, "Leerlaufzeit:"};
inline constexpr Seitentext kMin{kSystemSeite, 1498, "min"};
inline constexpr Seitentext kSec{kSystemSeite, 1502, "sec"};
inline constexpr Seitentext kZugangscode{kSystemSeite, 1504, "Zugangscode:"};
inline constexpr Seitentext kLimitAlarm{kSystemSeite, 1505, "Limit-Alarm"};
inline constexpr Seitentext kVerzoegerungszeit{kSystemSeite, 1506, "Verzögerungszeit:"};
inline constexpr Seitentext kNach{kSystemSeite, 1509, "nach"};
inline constexpr Seitentext kAlarmrelaisInvertieren{kSystemSeite, 1570, "Alarmrelais invertieren"};
inline constexpr Seitentext kExterneFreigabe{kModulSeite, 1031, "externe Reglerfreigabe:"};
inline constexpr Seitentext kManuell{kModulSeite, 1038, "manuell"};
inline constexpr Seitentext kAutomatisch{kModulSeite, 1039, "automatisch"};
inline constexpr Seitentext kMaxDosierzeit{kModulSeite, 1583, "max. Dosierzeit:"};
inline constexpr Seitentext kReglerkonfiguration{kModulSeite, 1585, "Reglerkonfiguration"};
inline constexpr Seitentext kReglermodul{kModulSeite, 1586, "Reglermodul:"};
inline constexpr Seitentext kZusatzFreigabe{kModulSeite, 1587, "zusätzliche Reglerfreigabe:"};
inline constexpr Seitentext kZykluszeit{kModulSeite, 1590, "Reglerzykluszeit:"};
inline constexpr Seitentext kProduktname{kModulSeite, 1593, "Produktname:"};
inline constexpr Seitentext kProzentPES{kModulSeite, 1594, "Prozent PES in Produkt:"};
inline constexpr Seitentext kProzent{kModulSeite, 1595, "%"};

QString text(int nummer);
QString text(Seitentext seitentext);

} // namespace hvx::ausgabe
