// Financing of a private-label instalment purchase: administrator or merchant.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmFinCpPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmFinCpPL_Mnu* Cria();
    explicit TFrmFinCpPL_Mnu(QWidget* pai = nullptr);
};

extern TFrmFinCpPL_Mnu* FrmFinCpPL_Mnu;
