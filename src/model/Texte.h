#pragma once
// The model's user-visible names are numbered texts of the language files (Strings.lan,
// numbers 3100..3199). Tables keep the numbers; lists filled from the language files take the
// numbers directly, everything else asks for the text in the current language here.

#include <QString>

namespace hvx {

// Number 0 stands for "no text".
inline constexpr int kKeinText = 0;

// The text of a number in the selected language (empty for kKeinText).
QString modellText(int nummer);

} // namespace hvx
