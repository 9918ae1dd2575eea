#include "model/Ausgangsstrom.h"

namespace hvx {

quint16 ausgangsskalierung(quint16 hundertstelMilliampere)
{
    const quint32 c = hundertstelMilliampere;
    return quint16(c * 32 + c * 7 / 10 + c * 6 / 100);
}

void setzeMaxAusgangsstrom(Parametersatz& ps, int slot, quint16 hundertstelMilliampere)
{
    ps.setModulWord(slot, modulblock::kMaxAusgangsstrom, hundertstelMilliampere);
    ps.setModulWord(slot, modulblock::kAusgangsskalierung, ausgangsskalierung(hundertstelMilliampere));
}

} // namespace hvx
