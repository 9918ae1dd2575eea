#include "output/AusgabeTexte.h"

#include "base/Language.h"

namespace hvx::ausgabe {

QString text(int nummer)
{
    return GetStringsText(nummer);
}

QString text(Seitentext seitentext)
{
    return GetDialogTextOr(QString::fromLatin1(seitentext.abschnitt), seitentext.id,
                           QString::fromUtf8(seitentext.deutsch));
}

} // namespace hvx::ausgabe
