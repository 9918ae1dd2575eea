#include "model/Versionsanpassung.h"

#include "model/Bestueckung.h"
#include "model/Standardbloecke.h"

#include <algorithm>

namespace hvx {

namespace {

bool istChlor(const Parametersatz& ps, int slot)
{
    return ps.modultyp(slot) == modultyp::kChlor;
}

// Module types that carry the calibration reminder (module block byte 42).
bool hatKalibrierueberwachung(quint8 typ)
{
    switch (typ) {
    case modultyp::kPH:
    case modultyp::kRedox:
    case modultyp::kLfKonduktiv:
    case modultyp::kLfInduktiv:
    case modultyp::kChlor:
    case modultyp::kFluorid:
    case modultyp::kRedoxPlusMinus:
    case modultyp::kAbsalzInduktiv:
    case modultyp::kAbsalzKonduktiv:
        return true;
    default:
        return false;
    }
}

void konvertiereTimer(Parametersatz& ps, bool nachLang)
{
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        if (istTimerSlot(ps, slot))
            konvertiereTimerEintraege(ps, slot, nachLang);
    }
}

// One step up from version `von` to von + 1.
void schrittAufwaerts(Parametersatz& ps, int von)
{
    if (von == 0) {
        // The range code gains a second range; K and L start in the small one.
        const quint8 bereich = ps.istVariante(Variante::K) || ps.istVariante(Variante::L) ? 1 : 2;
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
            if (istChlor(ps, slot))
                ps.setModulByte(slot, modulblock::kChlorMessbereich, bereich);
        }
        ps.setAlarmzaehlerAnzeige(0);
    } else if (von == 2) {
        konvertiereTimer(ps, true);
    }
}

// One step down from version `von` to von - 1.
void schrittAbwaerts(Parametersatz& ps, int von)
{
    if (von == 3) {
        ps.setSystemflags(ps.systemflags()
                          & ~(systemflags::kZugangscodeSchuetztKalibrierung | systemflags::kAlarmrelaisInvertieren));
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
            if (hatKalibrierueberwachung(ps.modultyp(slot)))
                ps.setKalibrierueberwachung(slot, kByteAus);
        }
        konvertiereTimer(ps, false);
    } else if (von == 2) {
        if (ps.messdatenUeberProfibus())
            ps.setMessdatenintervall(kByteAus);
    } else if (von == 1) {
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
            if (istChlor(ps, slot))
                ps.setModulByte(slot, modulblock::kChlorMessbereich, 1);
        }
        ps.setAlarmzaehlerAnzeige(0);
    }
}

} // namespace

void konvertiereTimerEintraege(Parametersatz& ps, int slot, bool nachLang)
{
    const int alt = nachLang ? timereintrag::kGroesseKurz : timereintrag::kGroesseLang;
    const int neu = nachLang ? timereintrag::kGroesseLang : timereintrag::kGroesseKurz;
    ModulblockBytes vorlage = modulStandardblock(nachLang ? Modulvorlage::TimerLang : Modulvorlage::TimerKurz);
    auto block = ps.modulblock(slot);
    for (int k = 0; k < timereintrag::kAnzahl; ++k) {
        const auto von = block.begin() + modulblock::kTimerEintraege + k * alt;
        std::copy_n(von, timereintrag::kGroesseKurz, vorlage.begin() + modulblock::kTimerEintraege + k * neu);
    }
    const int bereich = timereintrag::kAnzahl * neu;
    std::copy_n(vorlage.begin() + modulblock::kTimerEintraege, bereich, block.begin() + modulblock::kTimerEintraege);
}

bool passeVersionAn(Parametersatz& ps, quint8 ziel)
{
    if (ziel == ps.geraetekennung())
        return true;
    const int zielVersion = ziel & geraetekennung::kVersionMaske;
    if (!ps.versionUnterstuetzt() || zielVersion > geraetekennung::kHoechsteVersion || (ziel >> 4) != ps.familie())
        return false;
    const quint8 variante = quint8(ps.geraetekennung() & 0xF0);
    int version = ps.version();
    while (version < zielVersion) {
        schrittAufwaerts(ps, version);
        ps.setGeraetekennung(quint8(variante + ++version));
    }
    while (version > zielVersion) {
        schrittAbwaerts(ps, version);
        ps.setGeraetekennung(quint8(variante + --version));
    }
    // The steps count versions only; the language set bit (K 54 (E, I, S)) is the target's.
    ps.setGeraetekennung(ziel);
    return true;
}

} // namespace hvx
