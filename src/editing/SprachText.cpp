#include "editing/SprachText.h"

#include "app/Language.h"
#include "editing/EditingTexts.h"

#include <QHash>

namespace hvx {

namespace {
const QHash<QString, int>& nummernNachText()
{
    static const QHash<QString, int> tabelle = [] {
        QHash<QString, int> t;
        for (int n = editingtext::kModelltexteVon; n <= editingtext::kModelltexteBis; ++n) {
            const QString deutsch = BuiltinGermanText(n);
            if (!deutsch.isEmpty() && !t.contains(deutsch))
                t.insert(deutsch, n);
        }
        return t;
    }();
    return tabelle;
}
} // namespace

int sprachTextNummer(const QString& deutsch)
{
    return nummernNachText().value(deutsch, 0);
}

QString sprachText(const QString& deutsch)
{
    const int nummer = sprachTextNummer(deutsch);
    return nummer == 0 ? deutsch : GetStringsText(nummer);
}

} // namespace hvx
