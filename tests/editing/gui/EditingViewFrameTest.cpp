// The editing view inside the main window: commands, status bar and saving what the user typed.

#include "editing/gui/EditingViewFixture.h"
#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "editing/ModulKonfigSeite.h"
#include "editing/SystemKonfigSeite.h"
#include "editing/gui/EditingViewFrame.h"

namespace hvx::test {
namespace {

class ViewInFrame : public EditingView {
protected:
    ViewInFrame()
    {
        frame.LoadFrame();
        inFrame = AttachEditingView(frame, doc);
        frame.show();
    }
    void neuImRahmen(quint8 kennung, std::initializer_list<quint8> typen)
    {
        NeueKonfiguration wahl{kennung, {}};
        int slot = 0;
        for (quint8 typ : typen) {
            wahl.module[slot] = {typ, anfangsReglertyp(typ, kennung >> 4)};
            ++slot;
        }
        doc.OnNewDocument(wahl);
    }
    CMainFrame frame;
    CHVXView* inFrame = nullptr;
};

TEST_F(ViewInFrame, CommandsAndStatusBar)
{
    neuImRahmen(0x13, {modultyp::kPH, modultyp::kRedox});
    EXPECT_EQ(frame.centralWidget(), inFrame);
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.CommandAction(cmd::kDefaultsAll)->isEnabled());
    EXPECT_FALSE(frame.CommandAction(cmd::kDefaultsCurrent)->isEnabled());

    app.ui().answerMessageBox(IDOK, "(0, 0)");
    EXPECT_TRUE(frame.RunCommand(cmd::kCheckPage));

    auto* feld = qobject_cast<QLineEdit*>(inFrame->systemPage()->control(systemkonfig::kLeerlaufzeit));
    feld->setText("abc");
    frame.RunCommand(cmd::kCheckPage);
    ASSERT_TRUE(frame.PendingError().has_value());
    EXPECT_EQ(frame.PendingError()->controlId, systemkonfig::kLeerlaufzeit);
    EXPECT_EQ(frame.MessageText(), QString::fromUtf8("Bitte geben sie eine gültige Zahl ein."));
    EXPECT_FALSE(frame.CommandAction(cmd::kFileSave)->isEnabled());

    inFrame->systemPage()->OnCancel();
    EXPECT_FALSE(frame.PendingError().has_value());
    EXPECT_NE(frame.MessageText(), QString::fromUtf8("Bitte geben sie eine gültige Zahl ein."));
}

TEST_F(ViewInFrame, SavingStoresWhatTheUserTyped)
{
    neuImRahmen(0x13, {modultyp::kPH});
    auto* feld = qobject_cast<QLineEdit*>(inFrame->systemPage()->control(systemkonfig::kLeerlaufzeit));
    feld->setText("42"); // typed, the field still has the focus
    const QString pfad = app.filePath(QStringLiteral("Anlage.hxd"));
    ASSERT_TRUE(doc.DoSave(pfad));
    EXPECT_EQ(ps().leerlaufzeit(), 42);

    feld->setText("99");
    EXPECT_FALSE(doc.DoSave(pfad)) << "an entry out of range stops the save";
    EXPECT_EQ(ps().leerlaufzeit(), 42);
}

} // namespace
} // namespace hvx::test
