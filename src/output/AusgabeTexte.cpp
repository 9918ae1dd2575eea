#include "output/AusgabeTexte.h"

#include "base/Language.h"

namespace hvx::ausgabe {

QString text(int nummer)
{
    return GetStringsText(nummer);
}

QString text(Seitentext seitentext)
{
    const QString lan = GetDialogText(QString::fromLatin1(seitentext.abschnitt), seitentext.id);
    return lan.isEmpty() ? QString::fromUtf8(seitentext.deutsch) : lan;
}

} // namespace hvx::ausgabe
