#include "editing/InputError.h"

#include "base/Language.h"
#include "editing/EditingTexts.h"
#include "editing/Zahlentext.h"

namespace hvx {

namespace {
InputErrorPresenter& presenter()
{
    static InputErrorPresenter instance;
    return instance;
}
} // namespace

InputError& inputError()
{
    static InputError instance;
    return instance;
}

QString InputErrorText(const InputError& error)
{
    if (!error.pending)
        return QString();
    switch (error.kind) {
    case kZahlAusserhalb:
        return ersetzeBereichsplatzhalter(GetStringsText(editingtext::kZahlAusserhalb), error.minValue,
                                          error.maxValue, error.decimals);
    case kKeineZahl: return GetStringsText(editingtext::kKeineZahl);
    case kTextZuLang: return ersetzeGanzzahlen(GetStringsText(editingtext::kTextZuLang), {error.maxLength});
    case kUnerlaubtesZeichen: return GetStringsText(editingtext::kUnerlaubteZeichen);
    case kZeitformat: return GetStringsText(editingtext::kZeitformat);
    case kZeitAusserhalb: return GetStringsText(editingtext::kZeitAusserhalb);
    default: return QString();
    }
}

void setInputErrorPresenter(InputErrorPresenter p)
{
    presenter() = std::move(p);
}

InputErrorPresenter inputErrorPresenter()
{
    return presenter();
}

void presentInputError()
{
    if (presenter())
        presenter()(inputError());
}

} // namespace hvx
