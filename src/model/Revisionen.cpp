#include "model/Revisionen.h"

#include "model/Codes.h"

#include <algorithm>

namespace hvx {

namespace {

constexpr Revision kRevisionen[] = {
    {0x10, "Revision K 51"},     {0x11, "Revision K 52"},     {0x12, "Revision K 53"},
    {0x13, "Revision K 54"},     {0x1B, "Revision K 54 (E, I, S)"},
    {0x20, "Revision L 21"},     {0x21, "Revision L 22"},     {0x22, "Revision L 23"},
    {0x23, "Revision L 24"},     {0x30, "Revision M 21"},     {0x31, "Revision M 22"},
    {0x32, "Revision M 23"},     {0x33, "Revision M 24"},     {0x40, "Revision N 21"},
    {0x41, "Revision N 22"},     {0x42, "Revision N 23"},     {0x43, "Revision N 24"},
    {0x51, "Revision N7400 52"}, {0x52, "Revision N7400 53"}, {0x53, "Revision N7400 54"},
};

} // namespace

std::span<const Revision> revisionen()
{
    return kRevisionen;
}

QString revisionText(quint8 geraetekennung)
{
    const auto it = std::find_if(std::begin(kRevisionen), std::end(kRevisionen),
                                 [&](const Revision& r) { return r.geraetekennung == geraetekennung; });
    return it == std::end(kRevisionen) ? QString() : QString::fromUtf8(it->text);
}

std::vector<Revision> revisionenDerVariante(quint8 geraetekennung)
{
    std::vector<Revision> liste;
    for (const Revision& r : kRevisionen) {
        if ((r.geraetekennung >> 4) == (geraetekennung >> 4) && !(r.geraetekennung & geraetekennung::kErweiterteSprachen))
            liste.push_back(r);
    }
    return liste;
}

} // namespace hvx
