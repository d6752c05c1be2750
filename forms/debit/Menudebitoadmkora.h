// The administrative debit menu: its one option simulates a CDC plan,
// through the fee form for products that collect fees.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmDebAdm_Mnu : public TFrmMnu_Mod {
public:
    static TFrmDebAdm_Mnu* Cria();
    explicit TFrmDebAdm_Mnu(QWidget* pai = nullptr);

    void OpcaoClick(int n) override;
};

extern TFrmDebAdm_Mnu* FrmDebAdm_Mnu;
