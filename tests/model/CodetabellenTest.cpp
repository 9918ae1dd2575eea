// Code tables: revisions, module names, controller kinds and the coded one-byte settings.
#include "base/Language.h"
#include "model/Auswahltexte.h"
#include "model/Modulnamen.h"
#include "model/NeuerParametersatz.h"
#include "model/Reglerart.h"
#include "model/Revisionen.h"
#include "model/Texte.h"

#include "support/TestApp.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {
// Names are language-file texts: the German language set is selected.
class ModelCodetabellen : public ::testing::Test {
protected:
    test::TestApp m_app;
};
} // namespace

TEST_F(ModelCodetabellen, TwentyRevisionsWithTheirByte0Values)
{
    const auto alle = revisionen();
    ASSERT_EQ(alle.size(), 20u);
    EXPECT_EQ(alle[0].geraetekennung, 0x10);
    EXPECT_EQ(alle[4].geraetekennung, 0x1B);
    EXPECT_EQ(revisionText(0x1B), QStringLiteral("Revision K 54 (E, I, S)"));
    EXPECT_EQ(revisionText(0x23), QStringLiteral("Revision L 24"));
    EXPECT_EQ(revisionText(0x40), QStringLiteral("Revision N 21"));
    EXPECT_EQ(revisionText(0x51), QStringLiteral("Revision N7400 52"));
    EXPECT_EQ(revisionText(0x53), QStringLiteral("Revision N7400 54"));
    EXPECT_TRUE(revisionText(0x50).isEmpty());
    EXPECT_TRUE(revisionText(0x00).isEmpty());

    // The adaptation offers the plain revisions of the same variant, and K 54 (E, I, S) its own too.
    const auto k = revisionenDerVariante(0x1B);
    ASSERT_EQ(k.size(), 5u);
    EXPECT_EQ(k.front().geraetekennung, 0x10);
    EXPECT_EQ(k[3].geraetekennung, 0x13);
    EXPECT_EQ(k.back().geraetekennung, 0x1B);
    EXPECT_EQ(revisionenDerVariante(0x13).size(), 4u);
    ASSERT_EQ(revisionenDerVariante(0x52).size(), 3u);
    EXPECT_TRUE(revisionenDerVariante(0x60).empty());
}

TEST_F(ModelCodetabellen, ModuleNamesFollowTheVariant)
{
    EXPECT_EQ(modulName(7, 1), QStringLiteral("Chlor"));
    EXPECT_EQ(modulName(7, 2), QStringLiteral("Chlor"));
    EXPECT_EQ(modulName(7, 3), QStringLiteral("Chlordioxid"));
    EXPECT_EQ(modulName(7, 4), QString::fromUtf8("Peressigsäure"));
    EXPECT_EQ(modulName(7, 5), QString::fromUtf8("Peressigsäure"));
    EXPECT_EQ(modulName(7, 0), QStringLiteral("Chlor"));
    EXPECT_EQ(modulName(13, 2), QStringLiteral("Timer"));
    EXPECT_EQ(modulName(13, 5), QStringLiteral("Freigabe"));
    EXPECT_EQ(modulName(16, 2), QStringLiteral("Absalz induktiv"));
    EXPECT_TRUE(modulName(16, 1).isEmpty());
    EXPECT_TRUE(modulName(5, 2).isEmpty());  // no conductivity module in variant L
    EXPECT_EQ(modulName(15, 3), QStringLiteral("Redox (+/-)"));
    EXPECT_EQ(modulName(0, 3), QStringLiteral("Kein"));
    for (int unbenutzt = 8; unbenutzt <= 12; ++unbenutzt)
        EXPECT_TRUE(modulName(quint8(unbenutzt), 1).isEmpty());
}

TEST_F(ModelCodetabellen, ControllerKindFollowsTypeFlagsAndVersion)
{
    using namespace reglerart;
    EXPECT_EQ(reglerartCode(3, 0xFF, 3), kSignalgeraet);
    EXPECT_EQ(reglerartCode(8, 0x00, 0), kAbsalzgeraet);
    EXPECT_EQ(reglerartCode(15, 0x00, 3), kTimer);
    EXPECT_EQ(reglerartCode(4, 0xC1, 3), kPid2);          // PID bit first
    EXPECT_EQ(reglerartCode(5, 0x81, 2), kFuzzy3);        // no adaptive kinds below version 3
    EXPECT_EQ(reglerartCode(4, 0x01, 3), kFuzzy2);
    EXPECT_EQ(reglerartCode(4, 0x81, 3), kAdaptivSchnell2);
    EXPECT_EQ(reglerartCode(5, 0x80, 3), kAdaptivAsymptotisch3);
    EXPECT_EQ(reglerartCode(6, 0x00, 3), 6);

    EXPECT_EQ(reglerartName(kAdaptivAsymptotisch2), QStringLiteral("FUZZY-2-Punkt adaptiv asymptotisch"));
    EXPECT_EQ(reglerartUeberschrift(kAdaptivAsymptotisch2),
              QStringLiteral("Reglerparmeter 2-Punkt-FUZZY adaptiv asymptotisch"));
    EXPECT_EQ(reglerartUeberschrift(kFuzzy3), QStringLiteral("Reglerparameter FUZZY-3-Punkt"));
    EXPECT_EQ(reglerartKurzname(kAdaptivSchnell3), QStringLiteral("3-Pkt-aFUZs"));
    EXPECT_EQ(reglerartName(kAbsalzgeraet), QString::fromUtf8("Absalzgerät"));
    EXPECT_TRUE(reglerartName(kTimer).isEmpty());
    EXPECT_TRUE(reglerartUeberschrift(6).isEmpty());
}

TEST_F(ModelCodetabellen, StoringAControllerKindWritesBothCopiesAndKeepsOtherBits)
{
    Parametersatz ps = neuerParametersatz(0x13, {{{1, 3}, {0, 0}, {0, 0}}});
    ps.setReglerflags(0, 0x63);  // PID, external enable, negative action, fast bit
    ps.setModulByte(0, 7, 0x63);
    setzeReglerart(ps, 0, reglerart::kAdaptivAsymptotisch2);
    EXPECT_EQ(ps.reglertyp(0), 4);
    EXPECT_EQ(ps.modulByte(0, 1), 4);
    EXPECT_EQ(ps.reglerflags(0), 0xA2);  // bits 6 and 0 clear, 7 set; 5 and 1 kept
    EXPECT_EQ(ps.modulByte(0, 7), 0xA2);
    EXPECT_EQ(reglerartCode(ps, 0), reglerart::kAdaptivAsymptotisch2);

    for (int code : reglerartAuswahl(1, 3)) {
        setzeReglerart(ps, 0, code);
        EXPECT_EQ(reglerartCode(ps, 0), code) << std::hex << code;
    }
    setzeReglerart(ps, 0, reglerart::kSignalgeraet);
    EXPECT_EQ(ps.reglertyp(0), 3);
    EXPECT_FALSE(ps.reglerflags(0) & 0x40);

    const Parametersatz vorher = ps;
    setzeReglerart(ps, 0, 0x57);  // not a kind code
    EXPECT_EQ(ps, vorher);
}

TEST_F(ModelCodetabellen, ControllerKindChoicesDependOnModuleAndVersion)
{
    EXPECT_EQ(reglerartAuswahl(16, 3), std::vector<int>{0x08});
    EXPECT_EQ(reglerartAuswahl(17, 0), std::vector<int>{0x08});
    EXPECT_EQ(reglerartAuswahl(1, 2), (std::vector<int>{0x03, 0x14, 0x15, 0x24, 0x25}));
    EXPECT_EQ(reglerartAuswahl(7, 3), (std::vector<int>{0x03, 0x14, 0x15, 0x24, 0x25, 0x44, 0x34, 0x45, 0x35}));
}

TEST_F(ModelCodetabellen, DialogLanguageDependsOnTheLanguageSet)
{
    // K 54 (E, I, S): code 0 is English, 1 Italian, 2 Spanish.
    Parametersatz ps;
    ps.setGeraetekennung(0x1B);
    EXPECT_EQ(dialogspracheName(0, ps.erweiterteSprachen()), QStringLiteral("Englisch"));
    EXPECT_EQ(dialogspracheName(1, ps.erweiterteSprachen()), QStringLiteral("Italienisch"));
    EXPECT_EQ(dialogspracheName(2, ps.erweiterteSprachen()), QStringLiteral("Spanisch"));
    ps.setGeraetekennung(0x13);
    EXPECT_EQ(dialogspracheName(0, ps.erweiterteSprachen()), QStringLiteral("Deutsch"));
    EXPECT_EQ(dialogspracheName(2, ps.erweiterteSprachen()), QString::fromUtf8("Französisch"));
    EXPECT_TRUE(dialogspracheName(3, false).isEmpty());
    EXPECT_EQ(dialogspracheAuswahl(0), (std::vector<int>{0, 1}));
    EXPECT_EQ(dialogspracheAuswahl(1), (std::vector<int>{0, 1, 2}));
}

TEST_F(ModelCodetabellen, AdditionalEnableNamesTheOtherModules)
{
    EXPECT_EQ(zusatzFreigabeText(0, 0), QStringLiteral("Modul 2 und 3"));
    EXPECT_EQ(zusatzFreigabeText(0, 1), QStringLiteral("Modul 1 und 3"));
    EXPECT_EQ(zusatzFreigabeText(1, 2), QStringLiteral("Modul 1"));
    EXPECT_EQ(zusatzFreigabeText(2, 1), QStringLiteral("Modul 3"));
    EXPECT_EQ(zusatzFreigabeText(2, 2), QStringLiteral("Modul 2"));
    EXPECT_EQ(zusatzFreigabeText(3, 0), QStringLiteral("aus"));
    EXPECT_TRUE(zusatzFreigabeText(4, 0).isEmpty());

    EXPECT_EQ(zusatzFreigabeAuswahl(0, 1), std::vector<int>{3});
    EXPECT_EQ(zusatzFreigabeAuswahl(0, 2), (std::vector<int>{3, 1}));
    EXPECT_EQ(zusatzFreigabeAuswahl(0, 3), (std::vector<int>{3, 1, 2, 0}));
    EXPECT_EQ(zusatzFreigabeAuswahl(2, 3), (std::vector<int>{3, 1, 2, 0}));
}

TEST_F(ModelCodetabellen, TemperatureCompensationAndMultiplePHTexts)
{
    EXPECT_EQ(temperaturkompensationText(2), QString::fromUtf8("über Messmodul 2"));
    EXPECT_EQ(temperaturkompensationText(4), QStringLiteral("jedes Messmodul einzeln"));
    EXPECT_EQ(temperaturkompensationText(0), QStringLiteral("jedes Messmodul einzeln"));
    EXPECT_EQ(temperaturkompensationAuswahl(1), std::vector<int>{4});
    EXPECT_EQ(temperaturkompensationAuswahl(3), (std::vector<int>{4, 1, 2, 3}));
    EXPECT_EQ(mehrfachPHText(3), QString::fromUtf8("3-fach Überprüfung"));
    EXPECT_TRUE(mehrfachPHText(0).isEmpty());
}

TEST_F(ModelCodetabellen, NamesFollowTheSelectedLanguage)
{
    EXPECT_EQ(modulNameNummer(7, 3), 3128);
    EXPECT_EQ(modulNameNummer(16, 1), kKeinText);
    EXPECT_EQ(reglerartKurznameNummer(reglerart::kAbsalzgeraet), kKeinText);
    m_app.app().SetLanguage(QStringLiteral("02-English"));
    EXPECT_EQ(modulName(7, 3), QStringLiteral("Chlorine dioxide"));
    EXPECT_EQ(reglerartName(reglerart::kPid2), QStringLiteral("PID 2-point"));
    EXPECT_EQ(zusatzFreigabeText(3, 1), QStringLiteral("off"));
    EXPECT_EQ(dialogspracheName(1, true), QStringLiteral("Italian"));
}

TEST_F(ModelCodetabellen, EveryNumberTheTablesUseHasItsText)
{
    std::vector<int> nummern;
    for (const Revision& r : revisionen())
        nummern.push_back(r.text);
    for (int familie = 1; familie <= 5; ++familie)
        for (int typ = 0; typ <= 17; ++typ)
            nummern.push_back(modulNameNummer(quint8(typ), familie));
    for (int code : reglerartAuswahl(1, 3))
        nummern.insert(nummern.end(), {reglerartNameNummer(code), reglerartUeberschriftNummer(code),
                                       reglerartKurznameNummer(code)});
    nummern.insert(nummern.end(), {reglerartNameNummer(reglerart::kAbsalzgeraet),
                                   reglerartUeberschriftNummer(reglerart::kAbsalzgeraet)});
    for (int i = 0; i < 4; ++i) {
        nummern.push_back(temperaturkompensationNummer(i));
        nummern.push_back(mehrfachPHNummer(i));
        for (int slot = 0; slot < 3; ++slot)
            nummern.push_back(zusatzFreigabeNummer(i, slot));
        nummern.push_back(dialogspracheNummer(i, false));
        nummern.push_back(dialogspracheNummer(i, true));
    }
    for (int nummer : nummern) {
        if (nummer == kKeinText)
            continue;
        EXPECT_GE(nummer, 3100);
        EXPECT_LE(nummer, 3199);
        EXPECT_FALSE(BuiltinGermanText(nummer).isEmpty()) << nummer;
    }
}
