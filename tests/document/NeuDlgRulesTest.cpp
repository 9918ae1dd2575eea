// The rules of the new-configuration dialog.
#include "document/NeuDlgRules.h"
#include "model/NeuerParametersatz.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {

int revisionIndexOf(const NeuDlgRules& rules, quint8 byte0)
{
    const auto list = rules.revisions();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].geraetekennung == byte0)
            return int(i);
    }
    return -1;
}

NeuDlgRules forRevision(quint8 byte0)
{
    NeuDlgRules rules;
    EXPECT_TRUE(rules.selectRevision(revisionIndexOf(rules, byte0)));
    return rules;
}

void choose(NeuDlgRules& rules, int slot, const char* name)
{
    const int index = rules.findModule(QString::fromUtf8(name));
    ASSERT_GE(index, 0) << name;
    ASSERT_TRUE(rules.selectModule(slot, index)) << name;
}

} // namespace

TEST(NeuDlgRules, RevisionsInListOrderFirstSelected)
{
    const NeuDlgRules rules;
    const auto list = rules.revisions();
    ASSERT_EQ(list.size(), 20u);
    const quint8 expected[] = {0x10, 0x11, 0x12, 0x13, 0x1B, 0x20, 0x21, 0x22, 0x23, 0x30,
                               0x31, 0x32, 0x33, 0x40, 0x41, 0x42, 0x43, 0x51, 0x52, 0x53};
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i].geraetekennung, expected[i]) << i;
    EXPECT_EQ(rules.revisionIndex(), 0);
    EXPECT_EQ(rules.geraetekennung(), 0x10);
    EXPECT_TRUE(rules.revisionEnabled());
    EXPECT_FALSE(rules.okEnabled()) << "slot 1 empty";
}

TEST(NeuDlgRules, ModuleListsFollowTheVariant)
{
    EXPECT_EQ(forRevision(0x13).moduleNames(),
              QStringList({"Kein", "LF induktiv", "LF konduktiv", "pH", "Redox", "Redox (+/-)", "Temperatur",
                           "Normsignal", "Chlor", "Fluorid", "Freigabe"}));
    const QStringList l = forRevision(0x21).moduleNames();
    EXPECT_EQ(l[1], QStringLiteral("Absalz induktiv"));
    EXPECT_EQ(l.last(), QStringLiteral("Timer"));
    EXPECT_EQ(forRevision(0x30).moduleNames()[8], QStringLiteral("Chlordioxid"));
    EXPECT_EQ(forRevision(0x52).moduleNames()[8], QString::fromUtf8("Peressigsäure"));
}

TEST(NeuDlgRules, LaterSlotsEnabledOnlyAfterAModule)
{
    NeuDlgRules rules = forRevision(0x13);
    EXPECT_FALSE(rules.slotEnabled(1));
    choose(rules, 0, "pH");
    EXPECT_TRUE(rules.slotEnabled(1));
    EXPECT_FALSE(rules.slotEnabled(2)) << "slot 2 is \"Kein\"";
    EXPECT_FALSE(rules.selectModule(2, 3));
    EXPECT_TRUE(rules.okEnabled());

    choose(rules, 1, "Redox");
    choose(rules, 2, "Temperatur");
    choose(rules, 1, "Kein");
    EXPECT_EQ(rules.moduleIndex(2), 0) << "a list that becomes disabled is set to \"Kein\"";
    choose(rules, 0, "Kein");
    EXPECT_FALSE(rules.okEnabled());
}

TEST(NeuDlgRules, ValidityInVariantL)
{
    NeuDlgRules rules = forRevision(0x22);
    choose(rules, 0, "Timer");
    EXPECT_FALSE(rules.okEnabled()) << "timer in slot 1";
    choose(rules, 0, "pH");
    choose(rules, 1, "Timer");
    choose(rules, 2, "Redox");
    EXPECT_TRUE(rules.okEnabled());
    EXPECT_EQ(rules.bestueckung()[1], (ModulWahl{modultyp::kFreigabeOderTimer, reglertyp::kTimer}));
    choose(rules, 2, "Timer");
    EXPECT_FALSE(rules.okEnabled()) << "timers in slots 2 and 3";
}

TEST(NeuDlgRules, ValidityWithFreigabe)
{
    NeuDlgRules rules = forRevision(0x41);
    choose(rules, 0, "Freigabe");
    EXPECT_FALSE(rules.okEnabled());
    choose(rules, 0, "Peressigsäure");
    choose(rules, 1, "Freigabe");
    EXPECT_TRUE(rules.okEnabled());
    choose(rules, 2, "pH");
    EXPECT_FALSE(rules.okEnabled()) << "measuring module after \"Freigabe\"";
    choose(rules, 2, "Freigabe");
    EXPECT_TRUE(rules.okEnabled());
    EXPECT_EQ(rules.bestueckung()[0], (ModulWahl{modultyp::kChlor, reglertyp::kSignalgeraet}));
}

TEST(NeuDlgRules, NamesAndCodesGiveTypeAndInitialController)
{
    NeuDlgRules rules = forRevision(0x20);
    choose(rules, 0, "absalz konduktiv");
    EXPECT_EQ(rules.bestueckung()[0], (ModulWahl{modultyp::kAbsalzKonduktiv, reglertyp::kAbsalzgeraet}));
    EXPECT_EQ(rules.findModule(QStringLiteral("14")), rules.findModule(QStringLiteral("Fluorid")));
    EXPECT_EQ(rules.findModule(QStringLiteral("0x0F")), rules.findModule(QStringLiteral("Redox (+/-)")));
    EXPECT_EQ(rules.findModule(QStringLiteral("LF konduktiv")), -1) << "not offered in variant L";
    EXPECT_EQ(rules.findModule(QStringLiteral("9")), -1);
}

TEST(NeuDlgRules, RevisionChangeKeepsModulesTheNewVariantOffers)
{
    NeuDlgRules rules = forRevision(0x13);
    choose(rules, 0, "pH");
    choose(rules, 1, "LF konduktiv");
    choose(rules, 2, "Freigabe");
    ASSERT_TRUE(rules.selectRevision(revisionIndexOf(rules, 0x21)));
    EXPECT_EQ(rules.bestueckung()[0].modultyp, modultyp::kPH);
    EXPECT_EQ(rules.bestueckung()[1].modultyp, modultyp::kKein);
    EXPECT_EQ(rules.bestueckung()[2].modultyp, modultyp::kKein) << "slot 3 disabled after slot 2 became empty";
}

TEST(NeuDlgRules, ChangeModeShowsDocumentRevisionFixedAndCurrentModules)
{
    const Parametersatz ps = neuerParametersatz(0x32, {{{modultyp::kChlor, 3}, {modultyp::kPH, 3}, {}}});
    NeuDlgRules rules(ps);
    EXPECT_EQ(rules.mode(), NeuDlgRules::Mode::Change);
    EXPECT_FALSE(rules.revisionEnabled());
    EXPECT_FALSE(rules.selectRevision(0));
    EXPECT_EQ(rules.revisions()[rules.revisionIndex()].geraetekennung, 0x32);
    EXPECT_EQ(rules.moduleNames()[rules.moduleIndex(0)], QStringLiteral("Chlordioxid"));
    EXPECT_EQ(rules.moduleNames()[rules.moduleIndex(1)], QStringLiteral("pH"));
    EXPECT_EQ(rules.moduleIndex(2), 0);
    EXPECT_NE(rules.titleTextNumber(), NeuDlgRules().titleTextNumber());
}
