#pragma once
// Pages of a configuration run without a window, as the tests of the page rules need them.

#include "editing/InputError.h"
#include "editing/Seitenlauf.h"
#include "model/Modulauswahl.h"
#include "model/NeuerParametersatz.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace hvx::test {

inline Parametersatz konfiguration(quint8 kennung, quint8 a, quint8 b = 0, quint8 c = 0)
{
    Modulbestueckung m{};
    const quint8 typen[] = {a, b, c};
    for (int i = 0; i < 3; ++i)
        m[i] = {typen[i], anfangsReglertyp(typen[i], kennung >> 4)};
    return neuerParametersatz(kennung, m);
}

class SeitenTest : public ::testing::Test {
protected:
    void TearDown() override { inputError().clear(); }

    // The page of slot 0..2 on sub page 0..2, initialised from the record.
    Seitenlauf& seite(const Seitenbeschreibung& beschreibung, int slot, int subPage, bool editierbar = true)
    {
        SeitenKontext k;
        k.ps = &m_ps;
        k.slot = slot;
        k.tab = slot + 1;
        k.subPage = subPage;
        k.editierbar = editierbar;
        m_lauf = std::make_unique<Seitenlauf>(beschreibung, k);
        m_lauf->initialisieren();
        return *m_lauf;
    }

    TestApp m_app;
    Parametersatz m_ps;
    std::unique_ptr<Seitenlauf> m_lauf;
};

} // namespace hvx::test
