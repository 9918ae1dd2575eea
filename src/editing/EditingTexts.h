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
} // namespace hvx::editingtext
