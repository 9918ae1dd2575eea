// Editing a whole configuration without a window: what a new configuration holds, its pages take.
#include "base/BatchInteraction.h"
#include "editing/Bearbeitung.h"
#include "editing/Felder.h"
#include "editing/InputError.h"
#include "model/Modulauswahl.h"
#include "model/NeuerParametersatz.h"
#include "model/Revisionen.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using namespace hvx;

// Every revision with each module type alone in slot 1: storing every page of the new set as it
// is shown (a tab switch over all pages) finds no value its own check refuses.
TEST(Bearbeitung, EveryPageOfANewConfigurationTakesTheValuesItShows)
{
    test::TestApp app;
    const quint8 typen[] = {modultyp::kPH, modultyp::kRedox, modultyp::kTemperatur, modultyp::kNormsignal,
                            modultyp::kLfKonduktiv, modultyp::kLfInduktiv, modultyp::kChlor, modultyp::kFluorid,
                            modultyp::kRedoxPlusMinus, modultyp::kAbsalzInduktiv, modultyp::kAbsalzKonduktiv};
    for (const Revision& revision : revisionen()) {
        const quint8 kennung = revision.geraetekennung;
        // N 21 keeps a chlorine module's controller block as it was (zero in a new set).
        if (kennung == 0x40)
            continue;
        for (const quint8 typ : typen) {
            const Modulbestueckung module{{{typ, anfangsReglertyp(typ, kennung >> 4)}, {}, {}}};
            if (!istGueltigeBestueckung(kennung >> 4, module))
                continue;
            SCOPED_TRACE(testing::Message() << std::hex << "revision 0x" << int(kennung) << std::dec << ", type " << int(typ));
            Parametersatz ps = neuerParametersatz(kennung, module);
            inputError().clear();
            Bearbeitung bearbeitung(ps, true);
            for (const Seitenplatz& platz : bearbeitung.plaetze())
                bearbeitung.bearbeitet(platz.tab, platz.subPage);
            EXPECT_TRUE(bearbeitung.speichereBearbeitete())
                << "field " << inputError().controlId << " on tab " << inputError().tabIndex << "." << inputError().subPage
                << " refused (kind " << inputError().kind << ")";
        }
    }
    inputError().clear();
}

// Bytes 2 and 3 of a slot's descriptor copy bytes 2 and 7 of its module block; the instrument
// takes the copies from the block when it is sent the set. Every choice a page offers (lists,
// radio groups, check boxes of every module type) keeps the copies equal to the block.
TEST(Bearbeitung, EveryChoiceOnAPageKeepsTheFlagCopiesOfTheDescriptor)
{
    test::TestApp app;
    BatchInteraction meldungen{nullptr}; // the pages' notes after a choice are answered as a batch run does
    app.app().SetUserInteraction(&meldungen);
    const quint8 typen[] = {modultyp::kPH, modultyp::kRedox, modultyp::kTemperatur, modultyp::kNormsignal,
                            modultyp::kLfKonduktiv, modultyp::kLfInduktiv, modultyp::kChlor, modultyp::kFreigabeOderTimer};
    const auto kopienGleich = [](const Parametersatz& ps) {
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
            if (ps.modulflags(slot) != ps.modulByte(slot, modulblock::kModulflags)
                || ps.reglerflags(slot) != ps.modulByte(slot, modulblock::kReglerflags))
                return false;
        }
        return true;
    };
    for (const quint8 kennung : {quint8(0x13), quint8(0x23), quint8(0x43)}) {
        for (const quint8 typ : typen) {
            const Modulbestueckung module{{{modultyp::kPH, anfangsReglertyp(modultyp::kPH, kennung >> 4)},
                                           {typ, anfangsReglertyp(typ, kennung >> 4)}, {}}};
            if (!istGueltigeBestueckung(kennung >> 4, module))
                continue;
            Parametersatz ps = neuerParametersatz(kennung, module);
            ASSERT_TRUE(kopienGleich(ps));
            Bearbeitung bearbeitung(ps, true);
            for (const Feldangabe& feld : felderAuflisten(bearbeitung)) {
                if (!feld.schluessel.startsWith(QLatin1String("2.")))
                    continue;
                for (const QString& wahl : feld.auswahl) {
                    feldSetzen(bearbeitung, feld.schluessel, wahl);
                    bearbeitung.speichereBearbeitete();
                    inputError().clear();
                    EXPECT_TRUE(kopienGleich(ps)) << std::hex << "revision 0x" << int(kennung) << std::dec << ", type "
                                                  << int(typ) << ": " << feld.schluessel.toStdString() << " = "
                                                  << wahl.toStdString();
                }
            }
        }
    }
    app.app().SetUserInteraction(&app.ui());
}
