#pragma once
// The one program-wide record of a pending input error on an editing page. While it is pending,
// the page cannot be left, and saving, opening, closing and the file dialogs are refused.

#include <QString>

#include <functional>

namespace hvx {

enum InputErrorKind : int {
    kKeinFehler = 0,
    kZahlAusserhalb = 1,    // number out of range
    kKeineZahl = 2,         // not a number
    kTextZuLang = 3,        // text too long
    kUnerlaubtesZeichen = 4,// character not allowed
    kZeitformat = 5,        // bad time format
    kZeitAusserhalb = 6,    // time out of range
};

struct InputError {
    int pending = 0;
    int kind = kKeinFehler;
    int controlId = 0;
    float minValue = 0.0f;
    float maxValue = 0.0f;
    int decimals = 0;
    int maxLength = 0;
    int tabIndex = 0; // 0 system page, 1..3 module slot 1..3
    int subPage = 0;  // sub page within the module page

    void clear() { *this = InputError{}; }
};

// The single instance.
InputError& inputError();
inline bool inputErrorPending() { return inputError().pending != 0; }

// The message of an error as the status bar shows it (language strings); empty without error.
QString InputErrorText(const InputError& error);

// Who brings the offending page to the front when a validator records an error (the editing
// view installs itself; without a view nothing moves).
using InputErrorPresenter = std::function<void(const InputError&)>;
void setInputErrorPresenter(InputErrorPresenter presenter);
// The presenter in force: a check of entries on a copy of the record puts it aside meanwhile.
InputErrorPresenter inputErrorPresenter();
void presentInputError();

} // namespace hvx
