#include "model/Texte.h"

#include "base/Language.h"

namespace hvx {

QString modellText(int nummer)
{
    return nummer == kKeinText ? QString() : GetStringsText(nummer);
}

} // namespace hvx
