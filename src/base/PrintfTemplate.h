#pragma once
// Fills the classic printf placeholders of a numbered text ("%s", "%d", "%02d", "%04d", "%c",
// "%u", "%I64d", "%%") with the arguments the program passes, in order. A language file can never
// make the program read an argument it did not pass: a placeholder without an argument stays
// empty, arguments without a placeholder are left out.

#include <QString>
#include <QtGlobal>

#include <initializer_list>
#include <variant>

namespace hvx {

using TemplateArgument = std::variant<qint64, QString>;

QString FillPrintfTemplate(const QString& format, std::initializer_list<TemplateArgument> arguments);

} // namespace hvx
