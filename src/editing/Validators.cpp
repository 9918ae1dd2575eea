#include "editing/Validators.h"

#include "editing/Zahlentext.h"

namespace hvx {

namespace {

bool istZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool erlaubt(QChar c, Zeichensatz satz)
{
    if (satz == Zeichensatz::ZiffernGrossbuchstaben)
        return istZiffer(c) || (c >= u'A' && c <= u'Z');
    return c >= u' ' && c <= u'~';
}

QString ohneNachfolgendeLeerzeichen(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1].isSpace())
        --n;
    return text.left(n);
}

bool nurZiffern(QStringView teil)
{
    for (QChar c : teil) {
        if (!istZiffer(c))
            return false;
    }
    return true;
}

// A validator runs only on a visible, enabled field and only while no error is recorded.
bool sollPruefen(const IControls& page, int id)
{
    return !inputErrorPending() && page.isVisible(id) && page.isEnabled(id);
}

void melde(InputError fehler, int id, int tab, int subPage)
{
    fehler.pending = 1;
    fehler.controlId = id;
    fehler.tabIndex = tab;
    fehler.subPage = subPage;
    inputError() = fehler;
    presentInputError();
}

} // namespace

InputErrorKind pruefeZahl(const QString& text, float min, float max)
{
    const Zahlzerlegung zahl = leseZahl(text);
    if (!zahl.vollstaendig)
        return kKeineZahl;
    // The limits are single-precision values: compare in that precision, so that an entry equal
    // to a limit that has no exact binary form (0.1) is accepted.
    const float wert = float(zahl.wert);
    return (min <= wert && wert <= max) ? kKeinFehler : kZahlAusserhalb;
}

InputErrorKind pruefeText(const QString& text, int maxLaenge, Zeichensatz satz)
{
    const QString geprueft = ohneNachfolgendeLeerzeichen(text);
    if (geprueft.size() > maxLaenge)
        return kTextZuLang;
    for (QChar c : geprueft) {
        if (!erlaubt(c, satz))
            return kUnerlaubtesZeichen;
    }
    return kKeinFehler;
}

InputErrorKind pruefeZugangscode(const QString& text, int laenge)
{
    const InputErrorKind zeichen = pruefeText(text, laenge, Zeichensatz::ZiffernGrossbuchstaben);
    if (zeichen != kKeinFehler)
        return zeichen;
    return ohneNachfolgendeLeerzeichen(text).size() == laenge ? kKeinFehler : kCodeUnvollstaendig;
}

InputErrorKind pruefeZeit(const QString& text)
{
    const qsizetype trenner = text.indexOf(u':');
    if (trenner < 1 || trenner >= text.size() - 1)
        return kZeitformat;
    const QStringView stunde = QStringView(text).left(trenner);
    const QStringView minute = QStringView(text).mid(trenner + 1);
    if (!nurZiffern(stunde) || !nurZiffern(minute))
        return kZeitformat;
    // Long digit strings are out of range, not wrapped around.
    const int h = stunde.size() > 4 ? 9999 : stunde.toInt();
    const int m = minute.size() > 4 ? 9999 : minute.toInt();
    return (h <= 23 && m <= 59) ? kKeinFehler : kZeitAusserhalb;
}

namespace {
// The common frame of the validators: skip what must not be checked, run the rule on the text,
// record a violation with its details.
template <typename Regel, typename Details>
void pruefeFeld(IControls& page, int id, int tab, int subPage, Regel regel, Details details)
{
    if (!sollPruefen(page, id))
        return;
    const InputErrorKind kind = regel(page.text(id));
    if (kind == kKeinFehler)
        return;
    InputError fehler;
    fehler.kind = kind;
    details(fehler);
    melde(fehler, id, tab, subPage);
}
} // namespace

void DDV_Number(IControls& page, int id, float min, float max, int decimals, int tab, int subPage)
{
    pruefeFeld(
        page, id, tab, subPage, [&](const QString& text) { return pruefeZahl(text, min, max); },
        [&](InputError& f) {
            f.minValue = min;
            f.maxValue = max;
            f.decimals = decimals;
        });
}

void DDV_Text(IControls& page, int id, int maxLaenge, Zeichensatz satz, int tab, int subPage)
{
    pruefeFeld(
        page, id, tab, subPage, [&](const QString& text) { return pruefeText(text, maxLaenge, satz); },
        [&](InputError& f) { f.maxLength = maxLaenge; });
}

void DDV_AccessCode(IControls& page, int id, int laenge, int tab, int subPage)
{
    pruefeFeld(
        page, id, tab, subPage, [&](const QString& text) { return pruefeZugangscode(text, laenge); },
        [&](InputError& f) { f.maxLength = laenge; });
}

void DDV_Time(IControls& page, int id, int tab, int subPage)
{
    pruefeFeld(page, id, tab, subPage, pruefeZeit, [](InputError&) {});
}

} // namespace hvx
