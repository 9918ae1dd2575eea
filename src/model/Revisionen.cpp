#include "model/Revisionen.h"

#include "model/Codes.h"
#include "model/Texte.h"

#include <algorithm>

namespace hvx {

namespace {

// Revision, text number ("Revision K 51" ... "Revision N7400 54").
constexpr Revision kRevisionen[] = {
    {0x10, 3100},
    {0x11, 3101},
    {0x12, 3102},
    {0x13, 3103},
    {0x1B, 3104},
    {0x20, 3105},
    {0x21, 3106},
    {0x22, 3107},
    {0x23, 3108},
    {0x30, 3109},
    {0x31, 3110},
    {0x32, 3111},
    {0x33, 3112},
    {0x40, 3113},
    {0x41, 3114},
    {0x42, 3115},
    {0x43, 3116},
    {0x51, 3117},
    {0x52, 3118},
    {0x53, 3119},
};

} // namespace

std::span<const Revision> revisionen()
{
    return kRevisionen;
}

int revisionTextNummer(quint8 geraetekennung)
{
    const auto it = std::find_if(std::begin(kRevisionen), std::end(kRevisionen),
                                 [&](const Revision& r) { return r.geraetekennung == geraetekennung; });
    return it == std::end(kRevisionen) ? kKeinText : it->text;
}

QString revisionText(quint8 geraetekennung)
{
    return modellText(revisionTextNummer(geraetekennung));
}

std::vector<Revision> revisionenDerVariante(quint8 geraetekennung)
{
    std::vector<Revision> liste;
    for (const Revision& r : kRevisionen) {
        const bool standardSprachen = !(r.geraetekennung & geraetekennung::kErweiterteSprachen);
        if ((r.geraetekennung >> 4) == (geraetekennung >> 4) && (standardSprachen || r.geraetekennung == geraetekennung))
            liste.push_back(r);
    }
    return liste;
}

} // namespace hvx
