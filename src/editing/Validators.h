#pragma once
// Field validators. Each does nothing while an input error is pending or when its control is
// hidden or disabled; on a violation it records the error (kind, control, limits, tab and sub
// page of the page) in the shared InputError and has the view show the offending page.
// The rules themselves are plain functions on the text, returning the error kind (0 = valid).

#include "editing/Controls.h"
#include "editing/InputError.h"

#include <QString>

namespace hvx {

enum class Zeichensatz {
    ZiffernGrossbuchstaben = 0, // "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    Druckbar = 1,               // the 95 printable characters from blank to '~'
    DruckbarAuch = 2,           // same as 1
};

InputErrorKind pruefeZahl(const QString& text, float min, float max);
InputErrorKind pruefeText(const QString& text, int maxLaenge, Zeichensatz satz);
InputErrorKind pruefeZeit(const QString& text);
// An access code in force: exactly laenge digits or capital letters, since the prompt compares
// exactly that many; a shorter one (an empty one too) could never be entered again.
InputErrorKind pruefeZugangscode(const QString& text, int laenge);

void DDV_Number(IControls& page, int id, float min, float max, int decimals, int tab, int subPage);
void DDV_Text(IControls& page, int id, int maxLaenge, Zeichensatz satz, int tab, int subPage);
void DDV_Time(IControls& page, int id, int tab, int subPage);
void DDV_AccessCode(IControls& page, int id, int laenge, int tab, int subPage);

} // namespace hvx
