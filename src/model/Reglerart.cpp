#include "model/Reglerart.h"

#include "model/Texte.h"

#include <algorithm>
#include <iterator>

namespace hvx {

namespace {

struct ReglerartZeile {
    int code;
    int name;
    int ueberschrift;
    int kurzname;
};

// Kind code, text numbers of name, page caption and display short name. The adaptive captions
// keep their established spelling ("Reglerparmeter ..."), as the language files have it.
constexpr ReglerartZeile kReglerarten[] = {
    {reglerart::kSignalgeraet, 3136, 3146, 3156},          // "Signalgerät"
    {reglerart::kPid2, 3137, 3147, 3157},                  // "PID-2-Punkt", "2-Pkt-PID"
    {reglerart::kPid3, 3138, 3148, 3158},                  // "PID-3-Punkt", "3-Pkt-PID"
    {reglerart::kFuzzy2, 3139, 3149, 3159},                // "FUZZY-2-Punkt", "2-Pkt-FUZZY"
    {reglerart::kFuzzy3, 3140, 3150, 3160},                // "FUZZY-3-Punkt", "3-Pkt-FUZZY"
    {reglerart::kAdaptivSchnell2, 3141, 3151, 3161},       // "... adaptiv schnell", "2-Pkt-aFUZs"
    {reglerart::kAdaptivAsymptotisch2, 3142, 3152, 3162},  // "... adaptiv asymptotisch", "2-Pkt-aFUZa"
    {reglerart::kAdaptivSchnell3, 3143, 3153, 3163},       // "3-Pkt-aFUZs"
    {reglerart::kAdaptivAsymptotisch3, 3144, 3154, 3164},  // "3-Pkt-aFUZa"
    {reglerart::kAbsalzgeraet, 3145, 3155, kKeinText},     // "Absalzgerät"
};

const ReglerartZeile* findeReglerart(int code)
{
    const auto it = std::find_if(std::begin(kReglerarten), std::end(kReglerarten),
                                 [code](const ReglerartZeile& z) { return z.code == code; });
    return it == std::end(kReglerarten) ? nullptr : it;
}

int nummer(int code, int ReglerartZeile::*spalte)
{
    const ReglerartZeile* zeile = findeReglerart(code);
    return zeile ? zeile->*spalte : kKeinText;
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

int reglerartNameNummer(int code)
{
    return nummer(code, &ReglerartZeile::name);
}

int reglerartUeberschriftNummer(int code)
{
    return nummer(code, &ReglerartZeile::ueberschrift);
}

int reglerartKurznameNummer(int code)
{
    return nummer(code, &ReglerartZeile::kurzname);
}

QString reglerartName(int code)
{
    return modellText(reglerartNameNummer(code));
}

QString reglerartUeberschrift(int code)
{
    return modellText(reglerartUeberschriftNummer(code));
}

QString reglerartKurzname(int code)
{
    return modellText(reglerartKurznameNummer(code));
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
