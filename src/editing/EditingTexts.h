#pragma once
// Numbers of the editing texts in Strings.lan (range 3500..3599).

namespace hvx::editingtext {

inline constexpr int kZahlAusserhalb = 3500;     // "%%.%df" placeholders for min and max
inline constexpr int kKeineZahl = 3501;
inline constexpr int kTextZuLang = 3502;         // %d = max length
inline constexpr int kUnerlaubteZeichen = 3503;
inline constexpr int kZeitformat = 3504;
inline constexpr int kZeitAusserhalb = 3505;
inline constexpr int kSeiteOhneFehler = 3506;    // %d, %d = tab and sub page
inline constexpr int kSystemkonfiguration = 3507;
inline constexpr int kModulkonfiguration = 3508;
inline constexpr int kMessParameter = 3509;
inline constexpr int kBiozidDosierung = 3510;
// Comparison of two parameter sets
inline constexpr int kGruppeFelder = 3580;
inline constexpr int kGruppeKalibrierung = 3581;
inline constexpr int kGruppeBytes = 3582;
inline constexpr int kOrtKonfigurationsteil = 3583;
inline constexpr int kOrtModulblock = 3584;  // %1 = module number
inline constexpr int kOrtReglerblock = 3585; // %1 = module number
inline constexpr int kOrtSystemblock = 3586;
inline constexpr int kOrtAdaptivblock = 3587; // %1 = module number
inline constexpr int kOrtReserviert = 3588;
inline constexpr int kOrtModulzusatz = 3589; // %1 = module number
inline constexpr int kOrtAlarmblock = 3590;
inline constexpr int kOrtProduktname = 3591;
inline constexpr int kOrtByte = 3592;         // %1 = offset in the block
inline constexpr int kOrtBytes = 3593;        // %1, %2 = first and last offset in the block
inline constexpr int kUnterschiedZeile = 3594; // page, label, value A, value B, unit
inline constexpr int kWertFehlt = 3595;
inline constexpr int kTabellenkopf = 3596; // %1, %2 = names of the two sides
inline constexpr int kKeineUnterschiede = 3597;
inline constexpr int kGeraeteseite = 3598;
inline constexpr int kModulseite = 3599; // %1 = module number, %2 = its name, %3 = the page
} // namespace hvx::editingtext
