#pragma once
// Texts of the configuration model (module names, revisions, controller kinds, list choices) in
// the selected language. The model names them in German; Strings.lan numbers them in the
// editing range, and the German built-in table tells which number a German text has.

#include <QString>

namespace hvx {

// The text in the selected language; the German text itself when it has no number.
QString sprachText(const QString& deutsch);
// Its number in Strings.lan, 0 when it has none.
int sprachTextNummer(const QString& deutsch);

} // namespace hvx
