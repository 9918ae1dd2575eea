// Editing a whole configuration without a window: what a new configuration holds, its pages take.
#include "editing/Bearbeitung.h"
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
