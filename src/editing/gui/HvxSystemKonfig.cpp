#include "editing/gui/HvxSystemKonfig.h"

#include "model/Auswahltexte.h"

#include <QComboBox>

void CHvxSystemKonfig::OnInitDialog()
{
    CHvxModelessDlg::OnInitDialog();
    auto* liste = qobject_cast<QComboBox*>(control(hvx::systemkonfig::kMehrfachPH));
    if (liste && kontext().ps)
        liste->setPlaceholderText(liste->count() == 0 ? hvx::mehrfachPHText(kontext().ps->mehrfachPH()) : QString());
}
