#include "model/Instrumentskala.h"

#include "model/Messbereich.h"

namespace hvx {

namespace {

// Each rule is the instrument's factor written as integer parts (65.53, 32.76, 46.81, 131.07),
// computed on 32 bits from a 16-bit value; the caller keeps the low 16 bits.
quint32 wieRedox(quint16 v)
{
    const quint32 w = v;
    return w * 65 + w * 5 / 10 + w * 3 / 100;
}

quint32 wieLeitfaehigkeit(quint16 v)
{
    const quint32 w = v;
    return w * 32 + w * 7 / 10 + w * 6 / 100;
}

quint32 wieN7400(quint16 v)
{
    return (quint32(v) * 858993u) >> 16;
}

quint32 wiePH(const Parametersatz& ps, int slot, quint16 v)
{
    switch (ps.modulByte(slot, modulblock::kPhMessbereich)) {
    case 1: {
        const quint32 w = v;
        return w * 46 + w * 8 / 10 + w / 100;
    }
    case 2: return wieRedox(quint16(v - 200));
    case 3: {
        const quint32 w = quint16(v - 300);
        return w * 131 + w * 7 / 100;
    }
    default: return v;
    }
}

quint32 nachTyp(const Parametersatz& ps, int slot, quint8 typ, quint16 v)
{
    switch (typ) {
    case modultyp::kPH: return wiePH(ps, slot, v);
    case modultyp::kRedox:
    case modultyp::kTemperatur:
    case modultyp::kFluorid:
    case modultyp::kRedoxPlusMinus: return wieRedox(v);
    case modultyp::kLfKonduktiv:
    case modultyp::kLfInduktiv: return wieLeitfaehigkeit(v);
    case modultyp::kChlor: return ps.istVariante(Variante::N7400) ? wieN7400(v) : wieLeitfaehigkeit(v);
    case modultyp::kAbsalzInduktiv:
    case modultyp::kAbsalzKonduktiv: return wieN7400(v);
    default: return v;
    }
}

// The standard signal scales like the module type its signal-1 kind stands for.
quint8 normsignalWieTyp(int art)
{
    switch (art) {
    case normsignalart::kPH: return modultyp::kPH;
    case normsignalart::kChlor: return modultyp::kChlor;
    case normsignalart::kStrom:
    case normsignalart::kLeitfaehigkeit: return modultyp::kLfInduktiv;
    case normsignalart::kTemperaturCelsius:
    case normsignalart::kTemperaturFahrenheit: return modultyp::kTemperatur;
    default: return modultyp::kRedox;
    }
}

} // namespace

quint16 instrumentskala(const Parametersatz& ps, int slot, quint16 v)
{
    quint8 typ = ps.modultyp(slot);
    if (typ == modultyp::kNormsignal)
        typ = normsignalWieTyp(normsignalArt(ps, slot));
    return quint16(nachTyp(ps, slot, typ, v));
}

} // namespace hvx
