#pragma once
// The instrument software revisions a parameter set can be made for, with their byte-0 value.

#include <QString>
#include <QtGlobal>

#include <span>
#include <vector>

namespace hvx {

struct Revision {
    quint8 geraetekennung;
    int text; // number of the text in Strings.lan
};

// All twenty revisions in the order of the new-configuration list.
std::span<const Revision> revisionen();

// Text of a byte-0 value (its number; kKeinText, or an empty text, when no revision has it).
int revisionTextNummer(quint8 geraetekennung);
QString revisionText(quint8 geraetekennung);

// The revisions a parameter set of this byte 0 can be adapted to: those of the same variant
// with the standard language set, in ascending order, and its own revision when that has another
// language set (K 54 (E, I, S)), so that it can stay as it is.
std::vector<Revision> revisionenDerVariante(quint8 geraetekennung);

} // namespace hvx
