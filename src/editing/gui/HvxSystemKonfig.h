#pragma once
// The system page (first main tab).

#include "editing/SystemKonfigSeite.h"
#include "editing/gui/HvxModelessDlg.h"

class CHvxSystemKonfig : public CHvxModelessDlg {
    Q_OBJECT
public:
    explicit CHvxSystemKonfig(QWidget* parent = nullptr) : CHvxModelessDlg(hvx::systemKonfigSeite(), parent) {}

    // Without a multiple pH measurement the "pH-Messung" list stays empty and disabled; it still
    // shows the stored value.
    void OnInitDialog() override;
};
