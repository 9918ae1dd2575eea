#pragma once
// Text lookup in the language files of the selected language. Every lookup returns a text
// (possibly empty) and never fails.

#include <QString>

QString GetLanText(const QString& section, const QString& key, const QString& file);
QString GetMenuText(const QString& section, const QString& key);
QString GetStringsText(int number);
QString GetDialogText(const QString& section, int id);
// The dialog text, or the given built-in text when the language file has none.
QString GetDialogTextOr(const QString& section, int id, const QString& builtin);

// The text for a count: the singular's number for 1, the plural's for any other count.
QString GetStringsTextForCount(qint64 count, int singular, int plural);

// The built-in German text of a number (the German Strings.lan built into the program).
QString BuiltinGermanText(int number);

// A label as a row or a column heading states it: a page puts a colon after its labels, the
// row or heading its own separator.
QString LabelWithoutColon(const QString& label);
