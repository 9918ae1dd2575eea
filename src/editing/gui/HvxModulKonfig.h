#pragma once
// The module configuration page (sub page 0 of a measuring module).

#include "editing/ModulKonfigSeite.h"
#include "editing/gui/HvxModelessDlg.h"

class CHvxModulKonfig : public CHvxModelessDlg {
    Q_OBJECT
public:
    explicit CHvxModulKonfig(QWidget* parent = nullptr) : CHvxModelessDlg(hvx::modulKonfigSeite(), parent) {}
};
