#pragma once
// Qt's own texts (standard buttons of message boxes, file dialogs) in the selected language.

#include <QString>

namespace hvx::gui {

// The locale name for a language folder ("01-Deutsch" -> "de"); empty when it is not known.
QString LocaleOfLanguageFolder(const QString& folder);

// Installs Qt's translation for the language folder, replacing the previous one.
void InstallQtTranslation(const QString& folder);

} // namespace hvx::gui
