#pragma once
// A view on a document of its own, shown offscreen, with helpers to act on the controls of a
// page as a user would.

#include "document/HVXDoc.h"
#include "editing/InputError.h"
#include "editing/Navigation.h"
#include "editing/gui/HVXTabCtrl.h"
#include "editing/gui/HVXView.h"
#include "editing/gui/HvxModelessDlg.h"
#include "editing/gui/HvxModulParameter.h"
#include "editing/gui/HvxSystemKonfig.h"
#include "model/Modulauswahl.h"
#include "support/TestApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>

namespace hvx::test {

inline QApplication& editingGuiApp()
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *app;
    static int argc = 1;
    static char name[] = "hvx_gui_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals may already be gone.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

class EditingView : public ::testing::Test {
protected:
    explicit EditingView(TestApp::Language sprache = TestApp::Language::German) : app(sprache)
    {
        editingGuiApp();
        inputError().clear();
    }
    ~EditingView() override { inputError().clear(); }

    // A new configuration: byte 0 and the module types of the slots (controllers as a new
    // configuration chooses them).
    void neu(quint8 geraetekennung, std::initializer_list<quint8> typen)
    {
        if (!view) {
            view = std::make_unique<CHVXView>();
            view->setDocument(&doc);
            view->resize(760, 520);
            view->show();
        }
        NeueKonfiguration wahl{geraetekennung, {}};
        int slot = 0;
        for (quint8 typ : typen) {
            wahl.module[slot].modultyp = typ;
            wahl.module[slot].reglertyp = anfangsReglertyp(typ, geraetekennung >> 4);
            ++slot;
        }
        doc.OnNewDocument(wahl);
    }

    Parametersatz& ps() { return doc.parametersatz(); }
    CHvxModelessDlg* system() { return view->systemPage(); }
    CHvxModelessDlg* modulKonfig(int slot) { return view->modulePage(slot)->page(0); }

    // The user clicks a main tab (the switch may be refused).
    void klickeTab(int index) { view->tabCtrl()->tabBar()->setCurrentIndex(index); }

    template <typename W>
    W* ctrl(CHvxModelessDlg* seite, int id)
    {
        auto* w = qobject_cast<W*>(seite->control(id));
        EXPECT_NE(w, nullptr) << "control " << id;
        return w;
    }
    QLineEdit* edit(CHvxModelessDlg* s, int id) { return ctrl<QLineEdit>(s, id); }
    QAbstractButton* knopf(CHvxModelessDlg* s, int id) { return ctrl<QAbstractButton>(s, id); }
    QComboBox* liste(CHvxModelessDlg* s, int id) { return ctrl<QComboBox>(s, id); }
    QStringList eintraege(CHvxModelessDlg* s, int id)
    {
        QStringList texte;
        for (int i = 0; i < liste(s, id)->count(); ++i)
            texte << liste(s, id)->itemText(i);
        return texte;
    }
    // The user picks a list entry by its text.
    void waehle(CHvxModelessDlg* s, int id, const QString& text)
    {
        QComboBox* c = liste(s, id);
        const int index = c->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        c->setCurrentIndex(index);
        Q_EMIT c->activated(index);
        QCoreApplication::processEvents();
    }
    // The user types into a field and leaves it with Enter.
    void tippe(CHvxModelessDlg* s, int id, const QString& text)
    {
        QLineEdit* e = edit(s, id);
        e->setText(text);
        s->OnOK();
    }

    TestApp app;
    CHVXDoc doc;
    std::unique_ptr<CHVXView> view;
};

} // namespace hvx::test
