#include "model/Reglerart.h"

#include <algorithm>
#include <iterator>

namespace hvx {

namespace {

struct ReglerartZeile {
    int code;
    const char* name;
    const char* ueberschrift;
    const char* kurzname;
};

// The captions keep the instrument documentation's spelling ("Reglerparmeter").
constexpr ReglerartZeile kReglerarten[] = {
    {reglerart::kSignalgeraet, "Signalgerät", "Reglerparameter Signalgerät", "Signalgerät"},
    {reglerart::kPid2, "PID-2-Punkt", "Reglerparameter PID-2-Punkt", "2-Pkt-PID"},
    {reglerart::kPid3, "PID-3-Punkt", "Reglerparameter PID-3-Punkt", "3-Pkt-PID"},
    {reglerart::kFuzzy2, "FUZZY-2-Punkt", "Reglerparameter FUZZY-2-Punkt", "2-Pkt-FUZZY"},
    {reglerart::kFuzzy3, "FUZZY-3-Punkt", "Reglerparameter FUZZY-3-Punkt", "3-Pkt-FUZZY"},
    {reglerart::kAdaptivSchnell2, "FUZZY-2-Punkt adaptiv schnell", "Reglerparmeter 2-Punkt-FUZZY adaptiv schnell",
     "2-Pkt-aFUZs"},
    {reglerart::kAdaptivAsymptotisch2, "FUZZY-2-Punkt adaptiv asymptotisch",
     "Reglerparmeter 2-Punkt-FUZZY adaptiv asymptotisch", "2-Pkt-aFUZa"},
    {reglerart::kAdaptivSchnell3, "FUZZY-3-Punkt adaptiv schnell", "Reglerparmeter 3-Punkt-FUZZY adaptiv schnell",
     "3-Pkt-aFUZs"},
    {reglerart::kAdaptivAsymptotisch3, "FUZZY-3-Punkt adaptiv asymptotisch",
     "Reglerparmeter 3-Punkt-FUZZY adaptiv asymptotisch", "3-Pkt-aFUZa"},
    {reglerart::kAbsalzgeraet, "Absalzgerät", "Reglerparameter Absalzgerät", ""},
};

const ReglerartZeile* findeReglerart(int code)
{
    const auto it = std::find_if(std::begin(kReglerarten), std::end(kReglerarten),
                                 [code](const ReglerartZeile& z) { return z.code == code; });
    return it == std::end(kReglerarten) ? nullptr : it;
}

QString text(int code, const char* ReglerartZeile::*spalte)
{
    const ReglerartZeile* zeile = findeReglerart(code);
    return zeile ? QString::fromUtf8(zeile->*spalte) : QString();
}

bool istMehrpunktregler(quint8 typ)
{
    return typ == reglertyp::kZweipunkt || typ == reglertyp::kDreipunkt;
}

// High nibble of a kind code for types 4 and 5.
constexpr int kGruppePid = 0x10;
constexpr int kGruppeFuzzy = 0x20;
constexpr int kGruppeAsymptotisch = 0x30;
constexpr int kGruppeSchnell = 0x40;

} // namespace

int reglerartCode(quint8 typ, quint8 flags, int version)
{
    if (!istMehrpunktregler(typ))
        return typ;
    if (flags & reglerflags::kPID)
        return typ + kGruppePid;
    if (version < 3 || !(flags & reglerflags::kAdaptiv))
        return typ + kGruppeFuzzy;
    return typ + ((flags & reglerflags::kAdaptivSchnell) ? kGruppeSchnell : kGruppeAsymptotisch);
}

int reglerartCode(const Parametersatz& ps, int slot)
{
    return reglerartCode(ps.reglertyp(slot), ps.reglerflags(slot), ps.version());
}

void setzeReglerart(Parametersatz& ps, int slot, int code)
{
    const quint8 typ = quint8(code & 0x0F);
    quint8 flags = ps.reglerflags(slot);
    switch (code & 0xF0) {
    case 0:
        flags &= ~reglerflags::kPID;
        break;
    case kGruppePid:
        flags |= reglerflags::kPID;
        break;
    case kGruppeFuzzy:
        flags &= ~(reglerflags::kPID | reglerflags::kAdaptiv);
        break;
    case kGruppeAsymptotisch:
        flags = quint8((flags & ~(reglerflags::kPID | reglerflags::kAdaptivSchnell)) | reglerflags::kAdaptiv);
        break;
    case kGruppeSchnell:
        flags = quint8((flags & ~reglerflags::kPID) | reglerflags::kAdaptiv | reglerflags::kAdaptivSchnell);
        break;
    default:
        return; // not a kind code: nothing is stored
    }
    ps.setReglertyp(slot, typ);
    ps.setModulByte(slot, modulblock::kReglertyp, typ);
    ps.setReglerflags(slot, flags);
    ps.setModulByte(slot, modulblock::kReglerflags, flags);
}

QString reglerartName(int code)
{
    return text(code, &ReglerartZeile::name);
}

QString reglerartUeberschrift(int code)
{
    return text(code, &ReglerartZeile::ueberschrift);
}

QString reglerartKurzname(int code)
{
    return text(code, &ReglerartZeile::kurzname);
}

std::vector<int> reglerartAuswahl(quint8 modultyp, int version)
{
    if (modultyp == modultyp::kAbsalzInduktiv || modultyp == modultyp::kAbsalzKonduktiv)
        return {reglerart::kAbsalzgeraet};
    std::vector<int> liste{reglerart::kSignalgeraet, reglerart::kPid2, reglerart::kPid3, reglerart::kFuzzy2,
                           reglerart::kFuzzy3};
    if (version >= 3) {
        liste.insert(liste.end(), {reglerart::kAdaptivSchnell2, reglerart::kAdaptivAsymptotisch2,
                                   reglerart::kAdaptivSchnell3, reglerart::kAdaptivAsymptotisch3});
    }
    return liste;
}

} // namespace hvx
